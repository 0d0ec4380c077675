#include "persistence/TWriter.h"

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
#include <QMetaProperty>
#include <QObject>

#include <cstring>

namespace sw {

namespace {

void putLittleEndian(char *out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out[i] = static_cast<char>(value >> (8 * i));
}

} // namespace

TWriter::TWriter(QIODevice *stream, int bufferSize)
    : mStream(stream), mBuffer(qMax(bufferSize, 16), '\0')
{
}

TWriter::~TWriter()
{
    try {
        FlushBuffer();
    } catch (const EWriteError &) {
        // Nothing can be reported from here; callers that care flush first.
    }
}

void TWriter::FlushBuffer()
{
    if (mBufferUsed == 0)
        return;
    const qint64 count = mBufferUsed;
    mBufferUsed = 0; // the bytes are gone either way; never write them twice
    if (!mStream || mStream->write(mBuffer.constData(), count) != count)
        throw EWriteError(StreamMessages::writeError());
}

qint64 TWriter::Position() const
{
    return (mStream ? mStream->pos() : 0) + mBufferUsed;
}

void TWriter::writeBuffer(const char *data, qint64 size)
{
    while (size > 0) {
        if (mBufferUsed == mBuffer.size())
            FlushBuffer();
        const int chunk = static_cast<int>(qMin<qint64>(size, mBuffer.size() - mBufferUsed));
        std::memcpy(mBuffer.data() + mBufferUsed, data, static_cast<size_t>(chunk));
        mBufferUsed += chunk;
        data += chunk;
        size -= chunk;
    }
}

void TWriter::Write(const void *data, qint64 size)
{
    writeBuffer(static_cast<const char *>(data), size);
}

void TWriter::WriteValue(TValueType value)
{
    const char tag = static_cast<char>(value);
    writeBuffer(&tag, 1);
}

void TWriter::WriteListBegin()
{
    WriteValue(vaList);
}

void TWriter::WriteListEnd()
{
    WriteValue(vaNull);
}

void TWriter::WriteInteger(qint32 value)
{
    char bytes[5];
    int size;
    if (value >= -128 && value <= 127) {
        bytes[0] = vaInt8;
        size = 1;
    } else if (value >= -32768 && value <= 32767) {
        bytes[0] = vaInt16;
        size = 2;
    } else {
        bytes[0] = vaInt32;
        size = 4;
    }
    putLittleEndian(bytes + 1, static_cast<quint32>(value), size);
    writeBuffer(bytes, size + 1);
}

void TWriter::WriteFloat(double value)
{
    WriteValue(vaExtended);
    const Extended80 x = doubleToExtended(value);
    writeBuffer(reinterpret_cast<const char *>(x.data()), static_cast<qint64>(x.size()));
}

void TWriter::WriteString(const QString &text)
{
    const QByteArray bytes = textToAnsi(text);
    if (bytes.size() <= kMaxShortString) {
        WriteValue(vaString);
        const char length = static_cast<char>(bytes.size());
        writeBuffer(&length, 1);
    } else {
        WriteValue(vaLString);
        char length[4];
        putLittleEndian(length, static_cast<quint32>(bytes.size()), 4);
        writeBuffer(length, 4);
    }
    writeBuffer(bytes.constData(), bytes.size());
}

void TWriter::WriteIdent(const QString &ident)
{
    if (ident.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
        WriteValue(vaFalse);
    } else if (ident.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
        WriteValue(vaTrue);
    } else if (ident.compare(QLatin1String("nil"), Qt::CaseInsensitive) == 0) {
        WriteValue(vaNil);
    } else {
        WriteValue(vaIdent);
        WriteStr(ident);
    }
}

void TWriter::WriteBoolean(bool value)
{
    WriteValue(value ? vaTrue : vaFalse);
}

void TWriter::WriteChar(QChar c)
{
    WriteString(QString(c));
}

void TWriter::WriteBinary(const QByteArray &data)
{
    WriteValue(vaBinary);
    char length[4];
    putLittleEndian(length, static_cast<quint32>(data.size()), 4);
    writeBuffer(length, 4);
    if (OnBinary)
        OnBinary(Position(), data.size());
    writeBuffer(data.constData(), data.size());
}

void TWriter::WriteSet(const QStringList &members)
{
    WriteValue(vaSet);
    for (const QString &member : members)
        WriteStr(member);
    WriteStr(QString());
}

void TWriter::WriteStr(const QString &text)
{
    const QByteArray bytes = textToAnsi(text).left(kMaxShortString);
    const char length = static_cast<char>(bytes.size());
    writeBuffer(&length, 1);
    writeBuffer(bytes.constData(), bytes.size());
}

void TWriter::WriteSignature()
{
    writeBuffer(kFilerSignature, 4);
}

void TWriter::WriteRootComponent(QObject *root)
{
    // Undone also when writing fails.
    struct WritingMark
    {
        QObject *object;
        QObject *&current;
        QObject *saved;
        WritingMark(QObject *o, QObject *&c) : object(o), current(c), saved(c)
        {
            ComponentState::setWriting(object, true);
            current = object;
        }
        ~WritingMark()
        {
            ComponentState::setWriting(object, false);
            current = saved;
        }
    } mark(root, mRoot);
    WriteSignature();
    WriteComponent(root);
}

void TWriter::WriteComponent(QObject *component)
{
    WriteStr(streamClassName(component->metaObject()));
    WriteStr(component->objectName());
    const QString savedPath = mPropPath;
    mPropPath.clear();
    WriteProperties(component);
    mPropPath = savedPath;
    WriteListEnd();
    // Components own no child components in this program's files.
    WriteListEnd();
}

void TWriter::WriteProperties(QObject *instance)
{
    for (const QMetaProperty &property : publishedProperties(instance->metaObject()))
        writeProperty(instance, property);
    DefinedProperties::writeAll(*this, instance, mPropPath);
}

void TWriter::writePropName(const QString &name)
{
    WriteStr(mPropPath + name);
}

void TWriter::writeProperty(QObject *instance, const QMetaProperty &property)
{
    if (!PropertyInfo::isStored(instance, property.name()))
        return;
    const QString name = QLatin1String(property.name());
    const PropertyKind kind = propertyKind(property);

    if (kind == PropertyKind::Object) {
        // A nested object is written through its getter whether or not the
        // property has a setter: it is read back through dotted names.
        QObject *nested = objectValue(instance, property);
        if (!nested)
            return;
        const QString savedPath = mPropPath;
        mPropPath += name + QLatin1Char('.');
        WriteProperties(nested);
        mPropPath = savedPath;
        return;
    }
    if (!property.isWritable() || kind == PropertyKind::Unsupported)
        return;
    // Floats and strings have no declared default: 0 and empty are left out.
    if (kind != PropertyKind::Float && kind != PropertyKind::String
        && PropertyInfo::isDefault(instance, property.name()))
        return;

    const QVariant value = property.read(instance);
    switch (kind) {
    case PropertyKind::Integer: {
        const int v = ordinalValue(instance, property);
        QString ident;
        writePropName(name);
        if (PropertyInfo::isColor(instance->metaObject(), property.name()) && colorToIdent(v, &ident))
            WriteIdent(ident);
        else
            WriteInteger(v);
        break;
    }
    case PropertyKind::Character:
        writePropName(name);
        WriteChar(value.metaType().id() == QMetaType::Char ? QChar::fromLatin1(value.value<char>())
                                                           : value.toChar());
        break;
    case PropertyKind::Boolean:
        writePropName(name);
        WriteBoolean(value.toBool());
        break;
    case PropertyKind::Enumeration: {
        const int v = ordinalValue(instance, property);
        // A value outside the enumeration has no name and could not be read
        // back; leaving it out keeps the file readable.
        const char *key = property.enumerator().valueToKey(v);
        if (!key)
            return;
        writePropName(name);
        WriteIdent(QLatin1String(key));
        break;
    }
    case PropertyKind::Set: {
        const int v = ordinalValue(instance, property);
        QStringList members;
        for (const auto &member : setMembers(property)) {
            if (v & member.second)
                members.append(member.first);
        }
        writePropName(name);
        WriteSet(members);
        break;
    }
    case PropertyKind::Float: {
        const double v = value.toDouble();
        if (v == 0)
            return;
        writePropName(name);
        WriteFloat(v);
        break;
    }
    case PropertyKind::String: {
        const QString v = value.toString();
        if (v.isEmpty())
            return;
        writePropName(name);
        WriteString(v);
        break;
    }
    default:
        break;
    }
}

} // namespace sw
