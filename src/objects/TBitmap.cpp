#include "objects/TBitmap.h"

#include <QBuffer>
#include <QtEndian>

namespace sw {

TBitmap::TBitmap(QObject *parent)
    : QObject(parent)
{
}

void TBitmap::setImage(const QImage &image)
{
    if (image.isNull() || image.width() == 0 || image.height() == 0)
        mImage = QImage();
    else
        mImage = image.convertToFormat(QImage::Format_RGB888);
    Q_EMIT changed();
}

bool TBitmap::loadFromFile(const QString &path)
{
    QImage image;
    if (!image.load(path, "BMP")) {
        clear();
        return false;
    }
    setImage(image);
    return true;
}

QByteArray TBitmap::definedBinary(const QString &name) const
{
    if (name != QLatin1String("Data") || isEmpty())
        return QByteArray();
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    mImage.save(&buffer, "BMP");
    // The stream's bitmap payload: the BMP file's length, little-endian,
    // then the file.
    QByteArray payload(4, '\0');
    qToLittleEndian<quint32>(static_cast<quint32>(bmp.size()), payload.data());
    return payload + bmp;
}

bool TBitmap::setDefinedBinary(const QString &name, const QByteArray &data)
{
    if (name != QLatin1String("Data"))
        return false;
    if (data.size() < 4)
        return false;
    const quint32 length = qFromLittleEndian<quint32>(data.constData());
    if (length > static_cast<quint32>(data.size() - 4))
        return false;
    QImage image;
    if (!image.loadFromData(data.mid(4, static_cast<qsizetype>(length)), "BMP"))
        return false;
    setImage(image);
    return true;
}

} // namespace sw
