#include "objects/TSmartImage.h"

#include "objects/PcxReader.h"
#include "platform/MessageService.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>

namespace sw {

namespace {

QString kindName(TSmartImage::FormatCode code)
{
    switch (code) {
    case TSmartImage::fcJpg:
    case TSmartImage::fcJif: return QStringLiteral("JPEG");
    case TSmartImage::fcGif: return QStringLiteral("GIF");
    case TSmartImage::fcDib: return QStringLiteral("device-independent bitmap (DIB)");
    case TSmartImage::fcRle: return QStringLiteral("run-length encoded bitmap (RLE)");
    case TSmartImage::fcTga: return QStringLiteral("Targa (TGA)");
    case TSmartImage::fcPcx: return QStringLiteral("PCX");
    case TSmartImage::fcOther:
    case TSmartImage::fcBmp: break;
    }
    return QStringLiteral("picture");
}

// A .DIB or .RLE file may hold a bitmap without the 14-byte file header
// (the header of the bitmap itself comes first). Such data gets a file
// header so that the bitmap reader takes it.
QByteArray withFileHeader(const QByteArray &data)
{
    if (data.startsWith("BM") || data.size() < 40)
        return data;
    const quint32 infoSize = qFromLittleEndian<quint32>(data.constData());
    if (infoSize != 40 && infoSize != 52 && infoSize != 56 && infoSize != 108 && infoSize != 124)
        return data;
    const quint16 bitCount = qFromLittleEndian<quint16>(data.constData() + 14);
    const quint32 compression = qFromLittleEndian<quint32>(data.constData() + 16);
    quint32 colours = qFromLittleEndian<quint32>(data.constData() + 32);
    if (colours == 0 && bitCount <= 8)
        colours = 1u << bitCount;
    if (colours > 256)
        return data;
    quint32 offset = 14 + infoSize + colours * 4;
    if (infoSize == 40 && compression == 3) // BI_BITFIELDS: three masks follow
        offset += 12;
    QByteArray header(14, '\0');
    header[0] = 'B';
    header[1] = 'M';
    qToLittleEndian<quint32>(static_cast<quint32>(data.size() + 14), header.data() + 2);
    qToLittleEndian<quint32>(offset, header.data() + 10);
    return header + data;
}

QImage readWithQt(const QByteArray &bytes, const char *format)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    return reader.read();
}

} // namespace

TSmartImage::TSmartImage(QObject *parent)
    : QObject(parent)
    , mPicture(new TPicture(this))
{
}

TSmartImage::FormatCode TSmartImage::FormatCodeOf(const QString &fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    const QString ext = name.mid(name.lastIndexOf(QLatin1Char('.')) + 1).toUpper();
    static const char *const names[] = {"JPG", "GIF", "JIF", "BMP", "DIB", "RLE", "TGA", "PCX"};
    for (int i = 0; i < 8; ++i)
        if (ext == QLatin1String(names[i]))
            return static_cast<FormatCode>(i + 1);
    return fcOther;
}

QImage TSmartImage::Decode(const QString &fileName, FormatCode code, QString *error)
{
    const QString shown = QFileInfo(fileName).fileName();
    if (code == fcTga && !QImageReader::supportedImageFormats().contains("tga")) {
        *error = QStringLiteral("Targa (TGA) pictures cannot be read on this computer: "
                                "no decoder for them is installed.\n\n\"%1\" was not loaded.")
                     .arg(shown);
        return QImage();
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("The file \"%1\" could not be opened.").arg(shown);
        return QImage();
    }
    const QByteArray data = file.readAll();
    QImage image;
    switch (code) {
    case fcJpg:
    case fcJif: image = readWithQt(data, "jpeg"); break;
    case fcGif: image = readWithQt(data, "gif"); break;
    case fcDib:
    case fcRle: image = readWithQt(withFileHeader(data), "bmp"); break;
    case fcTga: image = readWithQt(data, "tga"); break;
    case fcPcx: image = PcxReader::read(data); break;
    case fcOther:
    case fcBmp: image = QImage::fromData(data); break;
    }
    if (image.isNull())
        *error = QStringLiteral("The picture in \"%1\" could not be read: the file is damaged or "
                                "is not a %2 file of a kind this program can read.")
                     .arg(shown, kindName(code));
    return image;
}

QImage TSmartImage::IconToBitmap(const QImage &icon)
{
    QImage bitmap(icon.size(), QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    QPainter painter(&bitmap);
    painter.drawImage(0, 0, icon);
    return bitmap;
}

bool TSmartImage::LoadFromFile(const QString &fileName)
{
    const FormatCode code = FormatCodeOf(fileName);
    if (code == fcOther || code == fcBmp) {
        if (mPicture->loadFromFile(fileName))
            return true;
        mPicture->clear();
        return false;
    }
    QString error;
    const QImage image = Decode(fileName, code, &error);
    if (image.isNull()) {
        mPicture->clear();
        MessageService::error(error);
        return false;
    }
    mPicture->setImage(image);
    return true;
}

} // namespace sw
