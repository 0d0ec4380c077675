#include "persistence/DefinedProperties.h"

#include "persistence/AnsiText.h"
#include "persistence/StreamErrors.h"
#include "persistence/TReader.h"
#include "persistence/TWriter.h"
#include "platform/TColorArrayClass.h"
#include "platform/TPicture.h"
#include "platform/TStringList.h"

#include <QMetaClassInfo>
#include <QMetaObject>
#include <QStringList>

namespace sw {
namespace DefinedProperties {

namespace {

const QString kStrings = QStringLiteral("Strings");
const QString kData = QStringLiteral("Data");
const QString kXSize = QStringLiteral("XSize");
const QString kYSize = QStringLiteral("YSize");
const QString kColors = QStringLiteral("Colors");
// A colour array larger than this is taken for a damaged stream.
constexpr qint64 kMaxColorCells = 1 << 16;
// A graphic's class name inside a picture's data is at most this long.
constexpr int kMaxGraphicClassName = 63;

quint32 readLength(const QByteArray &bytes, int at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(bytes.at(at + i));
    return value;
}

QByteArray lengthBytes(qsizetype length)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>(static_cast<quint32>(length) >> (8 * i));
    return bytes;
}

[[noreturn]] void invalidValue()
{
    throw EReadError(StreamMessages::invalidPropertyValue());
}

QByteArray pictureBinary(const TPicture &picture)
{
    const QByteArray className = textToAnsi(picture.graphicClassName()).left(kMaxGraphicClassName);
    QByteArray binary;
    binary.append(static_cast<char>(className.size()));
    binary.append(className);
    if (picture.kind() == TPicture::Kind::Bitmap)
        binary.append(bitmapBinary(picture.data()));
    else
        binary.append(picture.data());
    return binary;
}

void setPictureFromBinary(TPicture &picture, const QByteArray &binary)
{
    if (binary.isEmpty())
        invalidValue();
    const int nameLength = static_cast<quint8>(binary.at(0));
    if (1 + nameLength > binary.size())
        invalidValue();
    const QString className = ansiToText(binary.mid(1, nameLength));
    if (className.isEmpty()) {
        picture.clear();
        return;
    }
    const TPicture::Kind kind = TPicture::kindFromClassName(className);
    if (kind == TPicture::Kind::None)
        invalidValue();
    QByteArray graphic = binary.mid(1 + nameLength);
    if (kind == TPicture::Kind::Bitmap)
        graphic = bmpFileFromBinary(graphic);
    if (!picture.setGraphic(kind, graphic))
        invalidValue();
}

// One of a colour array's three values; false when the name is none of them.
bool readColorArray(TReader &reader, TColorArrayClass &colors, const QString &name)
{
    const bool isX = name.compare(kXSize, Qt::CaseInsensitive) == 0;
    if (isX || name.compare(kYSize, Qt::CaseInsensitive) == 0) {
        const qint32 size = reader.ReadInteger();
        const qint64 other = isX ? colors.YSize() : colors.XSize();
        if (size < 0 || size > kMaxColorCells || qint64(size) * other > kMaxColorCells)
            invalidValue();
        if (isX)
            colors.setXSize(size);
        else
            colors.setYSize(size);
        return true;
    }
    if (name.compare(kColors, Qt::CaseInsensitive) != 0)
        return false;
    QVector<TColor> values;
    reader.ReadListBegin();
    while (!reader.EndOfList()) {
        if (values.size() >= colors.count())
            invalidValue();
        values.append(reader.ReadInteger());
    }
    reader.ReadListEnd();
    if (!colors.setFromStreamOrder(colors.XSize(), colors.YSize(), values))
        invalidValue();
    return true;
}

// Binary values declared through the "definedBinary" class info.
QStringList declaredBinaries(const QObject *object)
{
    const QMetaObject *meta = object->metaObject();
    const int index = meta->indexOfClassInfo("definedBinary");
    if (index < 0)
        return {};
    return QString::fromLatin1(meta->classInfo(index).value()).split(QLatin1Char('|'), Qt::SkipEmptyParts);
}

} // namespace

QByteArray bitmapBinary(const QByteArray &bmpFile)
{
    return lengthBytes(bmpFile.size()) + bmpFile;
}

QByteArray bmpFileFromBinary(const QByteArray &binary)
{
    if (binary.size() < 4)
        invalidValue();
    const quint32 length = readLength(binary, 0);
    if (length > static_cast<quint32>(binary.size() - 4))
        invalidValue();
    return binary.mid(4, static_cast<qsizetype>(length));
}

void writeAll(TWriter &writer, QObject *object, const QString &path)
{
    if (auto *list = qobject_cast<TStringList *>(object)) {
        if (!list->isEmpty()) {
            writer.WriteStr(path + kStrings);
            writer.WriteListBegin();
            for (const QString &line : list->strings())
                writer.WriteString(line);
            writer.WriteListEnd();
        }
    } else if (auto *colors = qobject_cast<TColorArrayClass *>(object)) {
        writer.WriteStr(path + kXSize);
        writer.WriteInteger(colors->XSize());
        writer.WriteStr(path + kYSize);
        writer.WriteInteger(colors->YSize());
        writer.WriteStr(path + kColors);
        writer.WriteListBegin();
        for (TColor c : colors->streamOrder())
            writer.WriteInteger(c);
        writer.WriteListEnd();
    } else if (auto *picture = qobject_cast<TPicture *>(object)) {
        if (!picture->isEmpty()) {
            writer.WriteStr(path + kData);
            writer.WriteBinary(pictureBinary(*picture));
        }
    }
    for (const QString &name : declaredBinaries(object)) {
        QByteArray data;
        QMetaObject::invokeMethod(object, "definedBinary", Qt::DirectConnection,
                                  Q_RETURN_ARG(QByteArray, data), Q_ARG(QString, name));
        if (!data.isEmpty()) {
            writer.WriteStr(path + name);
            writer.WriteBinary(data);
        }
    }
}

bool read(TReader &reader, QObject *object, const QString &name)
{
    if (auto *list = qobject_cast<TStringList *>(object)) {
        if (name.compare(kStrings, Qt::CaseInsensitive) == 0) {
            QStringList lines;
            reader.ReadListBegin();
            while (!reader.EndOfList())
                lines.append(reader.ReadString());
            reader.ReadListEnd();
            list->setStrings(lines);
            return true;
        }
    } else if (auto *colors = qobject_cast<TColorArrayClass *>(object)) {
        if (readColorArray(reader, *colors, name))
            return true;
    } else if (auto *picture = qobject_cast<TPicture *>(object)) {
        if (name.compare(kData, Qt::CaseInsensitive) == 0) {
            setPictureFromBinary(*picture, reader.ReadBinary());
            return true;
        }
    }
    for (const QString &declared : declaredBinaries(object)) {
        if (name.compare(declared, Qt::CaseInsensitive) != 0)
            continue;
        const QByteArray data = reader.ReadBinary();
        bool accepted = false;
        const bool invoked = QMetaObject::invokeMethod(object, "setDefinedBinary", Qt::DirectConnection,
                                                       Q_RETURN_ARG(bool, accepted),
                                                       Q_ARG(QString, declared), Q_ARG(QByteArray, data));
        if (!invoked || !accepted)
            invalidValue();
        return true;
    }
    return false;
}

} // namespace DefinedProperties
} // namespace sw
