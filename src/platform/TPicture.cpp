#include "platform/TPicture.h"

#include "metafile/MetafilePlayer.h"
#include "platform/ScreenInfo.h"

#include <QBuffer>
#include <QFile>

namespace sw {

namespace {

bool looksLikeBitmap(const QByteArray &b)
{
    return b.size() >= 26 && b.startsWith("BM");
}

bool looksLikeIcon(const QByteArray &b)
{
    return b.size() >= 6 && b[0] == 0 && b[1] == 0 && (b[2] == 1 || b[2] == 2) && b[3] == 0;
}

QByteArray encodeBmp(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

} // namespace

TPicture::TPicture(QObject *parent)
    : QObject(parent)
{
}

QString TPicture::graphicClassName() const
{
    switch (mKind) {
    case Kind::Bitmap: return QStringLiteral("TBitmap");
    case Kind::Icon: return QStringLiteral("TIcon");
    case Kind::Metafile: return QStringLiteral("TMetafile");
    case Kind::None: break;
    }
    return QString();
}

TPicture::Kind TPicture::kindFromClassName(const QString &className)
{
    if (className.compare(QLatin1String("TBitmap"), Qt::CaseInsensitive) == 0)
        return Kind::Bitmap;
    if (className.compare(QLatin1String("TIcon"), Qt::CaseInsensitive) == 0)
        return Kind::Icon;
    if (className.compare(QLatin1String("TMetafile"), Qt::CaseInsensitive) == 0)
        return Kind::Metafile;
    return Kind::None;
}

bool TPicture::setGraphic(Kind kind, const QByteArray &bytes)
{
    QImage image;
    QSize metaSize;
    switch (kind) {
    case Kind::None:
        return false;
    case Kind::Bitmap:
        image = QImage::fromData(bytes, "BMP");
        if (image.isNull())
            return false;
        break;
    case Kind::Icon:
        image = QImage::fromData(bytes, "ICO");
        if (image.isNull())
            return false;
        break;
    case Kind::Metafile: {
        const MetafileInfo info = MetafilePlayer::inspect(bytes);
        if (!info.isMetafile())
            return false;
        metaSize = info.pixelSize(ScreenInfo::pixelsPerInch());
        break;
    }
    }
    mKind = kind;
    mData = bytes;
    mImage = image;
    mMetafileSize = metaSize;
    Q_EMIT changed();
    return true;
}

bool TPicture::loadFromData(const QByteArray &bytes)
{
    if (looksLikeBitmap(bytes) && setGraphic(Kind::Bitmap, bytes))
        return true;
    if (looksLikeIcon(bytes) && setGraphic(Kind::Icon, bytes))
        return true;
    if (MetafilePlayer::inspect(bytes).isMetafile())
        return setGraphic(Kind::Metafile, bytes);
    const QImage image = QImage::fromData(bytes);
    if (image.isNull())
        return false;
    setImage(image);
    return true;
}

bool TPicture::loadFromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return loadFromData(file.readAll());
}

void TPicture::setImage(const QImage &image)
{
    if (image.isNull()) {
        clear();
        return;
    }
    mKind = Kind::Bitmap;
    mData = encodeBmp(image);
    mImage = image;
    mMetafileSize = QSize();
    Q_EMIT changed();
}

void TPicture::clear()
{
    if (mKind == Kind::None)
        return;
    mKind = Kind::None;
    mData.clear();
    mImage = QImage();
    mMetafileSize = QSize();
    Q_EMIT changed();
}

void TPicture::Assign(const TPicture &source)
{
    if (&source == this)
        return;
    mKind = source.mKind;
    mData = source.mData;
    mImage = source.mImage;
    mMetafileSize = source.mMetafileSize;
    Q_EMIT changed();
}

QSize TPicture::size() const
{
    if (mKind == Kind::Metafile)
        return mMetafileSize;
    return mImage.size();
}

} // namespace sw
