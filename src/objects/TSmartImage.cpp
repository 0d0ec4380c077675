#include "objects/TSmartImage.h"

#include "metafile/DibReader.h"
#include "objects/PcxReader.h"
#include "platform/MessageService.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

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

// The image-format plugin a code's pictures are decoded by; null for the
// formats this program reads itself or Qt always can.
const char *pluginFormat(TSmartImage::FormatCode code)
{
    switch (code) {
    case TSmartImage::fcJpg:
    case TSmartImage::fcJif: return "jpeg";
    case TSmartImage::fcGif: return "gif";
    case TSmartImage::fcTga: return "tga";
    default: return nullptr;
    }
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

QImage TSmartImage::DecodeData(const QByteArray &data, FormatCode code)
{
    switch (code) {
    case fcJpg:
    case fcJif: return readWithQt(data, "jpeg");
    case fcGif: return readWithQt(data, "gif");
    // A .DIB or .RLE file may hold a bitmap without the 14-byte file
    // header (the bitmap's own header comes first).
    case fcDib:
    case fcRle: return readWithQt(DibReader::withFileHeader(data), "bmp");
    case fcTga: return readWithQt(data, "tga");
    case fcPcx: return PcxReader::read(data);
    case fcOther:
    case fcBmp: break;
    }
    return QImage::fromData(data);
}

bool TSmartImage::HasDecoder(FormatCode code)
{
    const char *format = pluginFormat(code);
    return !format || QImageReader::supportedImageFormats().contains(format);
}

QImage TSmartImage::Decode(const QString &fileName, FormatCode code, QString *error)
{
    const QString shown = QFileInfo(fileName).fileName();
    if (!HasDecoder(code)) {
        *error = QStringLiteral("%1 pictures cannot be read on this computer: "
                                "no decoder for them is installed.\n\n\"%2\" was not loaded.")
                     .arg(kindName(code), shown);
        return QImage();
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("The file \"%1\" could not be opened.").arg(shown);
        return QImage();
    }
    const QImage image = DecodeData(file.readAll(), code);
    if (image.isNull())
        *error = QStringLiteral("The picture in \"%1\" could not be read: the file is damaged or "
                                "is not a %2 file of a kind this program can read.")
                     .arg(shown, kindName(code));
    return image;
}

QString TSmartImage::UnreadableMessage(const QString &fileName)
{
    return QStringLiteral("The picture in \"%1\" could not be read: the file is damaged or is not a picture "
                          "of a kind this program can read.")
        .arg(QFileInfo(fileName).fileName());
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
        if (code == fcOther)
            MessageService::error(UnreadableMessage(fileName));
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
