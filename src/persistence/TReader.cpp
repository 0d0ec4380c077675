#include "persistence/TReader.h"

#include "persistence/AnsiText.h"
#include "persistence/ClassRegistry.h"
#include "persistence/ComponentState.h"
#include "persistence/DefinedProperties.h"
#include "persistence/ExtendedFloat.h"
#include "persistence/PublishedProperties.h"
#include "persistence/StreamErrors.h"
#include "platform/PropertyInfo.h"
#include "platform/TColor.h"

#include <QIODevice>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QObject>

#include <cstring>
#include <memory>

namespace sw {

namespace {

[[noreturn]] void invalidValue()
{
    throw EReadError(StreamMessages::invalidPropertyValue());
}

// Letters, digits and underscores, not starting with a digit.
bool isValidIdent(const QString &name)
{
    if (name.isEmpty())
        return false;
    for (int i = 0; i < name.size(); ++i) {
        const char16_t c = name.at(i).unicode();
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
        const bool digit = c >= '0' && c <= '9';
        if (!letter && !(digit && i > 0))
            return false;
    }
    return true;
}

void setComponentName(QObject *component, const QString &name)
{
    if (!name.isEmpty()) {
        if (!isValidIdent(name))
            throw EComponentError(StreamMessages::invalidName(name));
        if (QObject *scope = component->parent()) {
            for (const QObject *sibling : scope->children()) {
                if (sibling != component && sibling->objectName().compare(name, Qt::CaseInsensitive) == 0)
                    throw EComponentError(StreamMessages::duplicateName(name));
            }
        }
    }
    component->setObjectName(name);
}

QString messageOf(const std::exception &e)
{
    if (const auto *own = dynamic_cast<const EPersistenceError *>(&e))
        return own->message();
    return QString::fromLocal8Bit(e.what());
}

} // namespace

TReader::TReader(QIODevice *stream, int bufferSize)
    : mStream(stream), mBuffer(qMax(bufferSize, 16), '\0')
{
}

TReader::~TReader()
{
    FlushBuffer();
}

void TReader::FlushBuffer()
{
    const int unread = mBufferEnd - mBufferPos;
    if (unread > 0 && mStream) {
        if (!mStream->isSequential()) {
            mStream->seek(mStream->pos() - unread);
        } else {
            for (int i = mBufferEnd - 1; i >= mBufferPos; --i)
                mStream->ungetChar(mBuffer.at(i));
        }
    }
    mBufferPos = mBufferEnd = 0;
}

qint64 TReader::Position() const
{
    return (mStream ? mStream->pos() : 0) - (mBufferEnd - mBufferPos);
}

bool TReader::fill()
{
    if (mBufferPos < mBufferEnd)
        return true;
    mBufferPos = mBufferEnd = 0;
    if (!mStream)
        return false;
    const qint64 got = mStream->read(mBuffer.data(), mBuffer.size());
    if (got <= 0)
        return false;
    mBufferEnd = static_cast<int>(got);
    return true;
}

void TReader::Read(void *data, qint64 size)
{
    auto *out = static_cast<char *>(data);
    while (size > 0) {
        if (!fill())
            throw EReadError(StreamMessages::readError());
        const int chunk = static_cast<int>(qMin<qint64>(size, mBufferEnd - mBufferPos));
        std::memcpy(out, mBuffer.constData() + mBufferPos, static_cast<size_t>(chunk));
        mBufferPos += chunk;
        out += chunk;
        size -= chunk;
    }
}

namespace {

// Reads a length-prefixed payload in pieces, so that a corrupt length
// costs no more memory than the data actually present.
QByteArray readBytes(TReader &reader, quint32 length)
{
    if (length > 0x7FFF0000u)
        throw EReadError(StreamMessages::readError());
    constexpr qsizetype kPiece = 64 * 1024;
    QByteArray bytes;
    qsizetype done = 0;
    while (done < static_cast<qsizetype>(length)) {
        const qsizetype piece = qMin<qsizetype>(kPiece, static_cast<qsizetype>(length) - done);
        bytes.resize(done + piece);
        reader.Read(bytes.data() + done, piece);
        done += piece;
    }
    return bytes;
}

quint32 readUInt32(TReader &reader)
{
    quint8 b[4];
    reader.Read(b, 4);
    return b[0] | (b[1] << 8) | (b[2] << 16) | (quint32(b[3]) << 24);
}

} // namespace

TValueType TReader::ReadValue()
{
    quint8 tag;
    Read(&tag, 1);
    return static_cast<TValueType>(tag);
}

TValueType TReader::NextValue()
{
    if (!fill())
        throw EReadError(StreamMessages::readError());
    return static_cast<TValueType>(static_cast<quint8>(mBuffer.at(mBufferPos)));
}

void TReader::ReadListBegin()
{
    if (ReadValue() != vaList)
        invalidValue();
}

void TReader::ReadListEnd()
{
    if (ReadValue() != vaNull)
        invalidValue();
}

bool TReader::EndOfList()
{
    return NextValue() == vaNull;
}

qint32 TReader::ReadInteger()
{
    switch (ReadValue()) {
    case vaInt8: {
        qint8 v;
        Read(&v, 1);
        return v;
    }
    case vaInt16: {
        quint8 b[2];
        Read(b, 2);
        return static_cast<qint16>(b[0] | (b[1] << 8));
    }
    case vaInt32:
        return static_cast<qint32>(readUInt32(*this));
    default:
        invalidValue();
    }
}

double TReader::ReadFloat()
{
    if (NextValue() != vaExtended)
        return ReadInteger();
    ReadValue();
    Extended80 x;
    Read(x.data(), static_cast<qint64>(x.size()));
    return extendedToDouble(x);
}

QString TReader::ReadString()
{
    quint32 length;
    switch (ReadValue()) {
    case vaString: {
        quint8 n;
        Read(&n, 1);
        length = n;
        break;
    }
    case vaLString:
        length = readUInt32(*this);
        break;
    default:
        invalidValue();
    }
    return ansiToText(readBytes(*this, length));
}

QString TReader::ReadIdent()
{
    switch (ReadValue()) {
    case vaIdent:
        return ReadStr();
    case vaFalse:
        return QStringLiteral("False");
    case vaTrue:
        return QStringLiteral("True");
    case vaNil:
        return QStringLiteral("nil");
    default:
        invalidValue();
    }
}

bool TReader::ReadBoolean()
{
    switch (ReadValue()) {
    case vaFalse:
        return false;
    case vaTrue:
        return true;
    default:
        invalidValue();
    }
}

QChar TReader::ReadChar()
{
    if (NextValue() != vaString)
        invalidValue();
    const QString text = ReadString();
    if (text.size() != 1)
        invalidValue();
    return text.at(0);
}

QByteArray TReader::ReadBinary()
{
    if (ReadValue() != vaBinary)
        invalidValue();
    return readBytes(*this, readUInt32(*this));
}

QStringList TReader::ReadSet()
{
    if (ReadValue() != vaSet)
        invalidValue();
    QStringList members;
    for (;;) {
        const QString member = ReadStr();
        if (member.isEmpty())
            return members;
        members.append(member);
    }
}

QString TReader::ReadStr()
{
    quint8 n;
    Read(&n, 1);
    return ansiToText(readBytes(*this, n));
}

void TReader::ReadSignature()
{
    char signature[4];
    Read(signature, 4);
    if (std::memcmp(signature, kFilerSignature, 4) != 0)
        throw EReadError(StreamMessages::invalidStreamFormat());
}

void TReader::ReadComponents(QObject *owner, QObject *parent, const ReadComponentsProc &proc)
{
    try {
        while (!EndOfList()) {
            ReadSignature();
            QObject *component = readComponent(owner, parent);
            if (proc)
                proc(component);
        }
    } catch (...) {
        // The components read completely stay with their parent and must
        // be usable, so they are finished before the error goes on.
        try {
            finishLoaded();
        } catch (...) {
        }
        throw;
    }
    finishLoaded();
}

QObject *TReader::readComponent(QObject *owner, QObject *parent)
{
    if (static_cast<quint8>(NextValue()) >= 0xF0) {
        // Prefix of records written relative to an ancestor; this program
        // writes none. The child position, when present, is not needed.
        quint8 prefix;
        Read(&prefix, 1);
        if (prefix & 0x02)
            ReadInteger();
    }
    const QString className = ReadStr();
    QString name = ReadStr();
    const TPersistentClass &entry = FindClass(className);
    QObject *created = entry.create ? entry.create(parent ? parent : owner) : nullptr;
    if (!created)
        throw EClassNotFound(StreamMessages::classNotFound(className));
    std::unique_ptr<QObject> component(created);
    ComponentState::setLoading(created, true);

    if (OnSetName)
        OnSetName(*this, created, name);
    setComponentName(created, name);

    QObject *const savedRoot = mRoot;
    mRoot = created;
    try {
        ReadProperties(created);
        while (!EndOfList())
            readComponent(owner, created);
        ReadListEnd();
    } catch (...) {
        mRoot = savedRoot;
        throw;
    }
    mRoot = savedRoot;
    mLoaded.append(created);
    return component.release();
}

void TReader::finishLoaded()
{
    const QList<QPointer<QObject>> loaded = mLoaded;
    mLoaded.clear();
    for (const QPointer<QObject> &component : loaded) {
        if (!component)
            continue;
        ComponentState::setLoading(component, false);
        if (component->metaObject()->indexOfMethod("Loaded()") >= 0)
            QMetaObject::invokeMethod(component, "Loaded", Qt::DirectConnection);
    }
}

void TReader::ReadProperties(QObject *instance)
{
    while (!EndOfList())
        readProperty(instance);
    ReadListEnd();
}

void TReader::readProperty(QObject *instance)
{
    QString name;
    try {
        name = ReadStr();
        const QStringList parts = name.split(QLatin1Char('.'));
        QObject *target = instance;
        for (int i = 0; i + 1 < parts.size(); ++i) {
            const QMetaProperty step = findPublishedProperty(target->metaObject(), parts.at(i));
            if (!step.isValid())
                throw EReadError(StreamMessages::unknownProperty());
            QObject *next = propertyKind(step) == PropertyKind::Object ? objectValue(target, step) : nullptr;
            if (!next)
                throw EReadError(StreamMessages::invalidPropertyPath());
            target = next;
        }
        const QMetaProperty property = findPublishedProperty(target->metaObject(), parts.last());
        if (property.isValid())
            readPropValue(target, property);
        else if (!DefinedProperties::read(*this, target, parts.last()))
            throw EReadError(StreamMessages::unknownProperty());
    } catch (const std::exception &e) {
        const QString objectName = instance->objectName().isEmpty() ? streamClassName(instance->metaObject())
                                                                    : instance->objectName();
        throw EReadError(StreamMessages::propertyException(objectName, name, messageOf(e)));
    }
}

void TReader::readPropValue(QObject *instance, const QMetaProperty &property)
{
    const PropertyKind kind = propertyKind(property);
    if (kind == PropertyKind::Object) {
        // A nested object is read through dotted names; as a value only
        // nil can be stored (references between components and collections
        // are not used by this program's files).
        if (NextValue() != vaNil)
            invalidValue();
        if (!property.isWritable())
            throw EReadError(StreamMessages::readOnlyProperty());
        ReadValue();
        if (!property.write(instance, QVariant(property.metaType(), nullptr)))
            invalidValue();
        return;
    }
    if (!property.isWritable())
        throw EReadError(StreamMessages::readOnlyProperty());

    QVariant value;
    switch (kind) {
    case PropertyKind::Integer: {
        int v;
        if (NextValue() == vaIdent) {
            TColor color;
            if (!PropertyInfo::isColor(instance->metaObject(), property.name())
                || !identToColor(ReadIdent(), &color))
                invalidValue();
            v = color;
        } else {
            v = ReadInteger();
        }
        value = ordinalVariant(property, v);
        break;
    }
    case PropertyKind::Character:
        value = property.metaType().id() == QMetaType::Char ? QVariant::fromValue(ReadChar().toLatin1())
                                                            : QVariant(ReadChar());
        break;
    case PropertyKind::Boolean: {
        const QString ident = ReadIdent();
        if (ident.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            value = true;
        else if (ident.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            value = false;
        else
            invalidValue();
        break;
    }
    case PropertyKind::Enumeration: {
        const QString ident = ReadIdent();
        const QMetaEnum enumerator = property.enumerator();
        int k = 0;
        while (k < enumerator.keyCount()
               && ident.compare(QLatin1String(enumerator.key(k)), Qt::CaseInsensitive) != 0)
            ++k;
        if (k == enumerator.keyCount())
            invalidValue();
        value = ordinalVariant(property, enumerator.value(k));
        break;
    }
    case PropertyKind::Set: {
        if (NextValue() != vaSet)
            invalidValue();
        const auto members = setMembers(property);
        int mask = 0;
        for (const QString &name : ReadSet()) {
            int k = 0;
            while (k < members.size() && name.compare(members.at(k).first, Qt::CaseInsensitive) != 0)
                ++k;
            if (k == members.size())
                invalidValue();
            mask |= members.at(k).second;
        }
        value = ordinalVariant(property, mask);
        break;
    }
    case PropertyKind::Float:
        value = ReadFloat();
        break;
    case PropertyKind::String:
        value = ReadString();
        break;
    default:
        invalidValue();
    }
    if (!property.write(instance, value))
        invalidValue();
}

} // namespace sw
