#include "platform/TPicture.h"

#include "platform/ScreenInfo.h"

#include <QBuffer>
#include <QFile>
#include <QtEndian>

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

bool isEnhancedMetafile(const QByteArray &b)
{
    return b.size() >= 88 && qFromLittleEndian<quint32>(b.constData()) == 1
           && b.mid(40, 4) == QByteArray(" EMF");
}

bool isPlaceableMetafile(const QByteArray &b)
{
    return b.size() >= 22 && qFromLittleEndian<quint32>(b.constData()) == 0x9AC6CDD7u;
}

// Size of a metafile in screen pixels, from its header; empty when unknown.
QSize metafileSize(const QByteArray &b)
{
    if (isEnhancedMetafile(b)) {
        // rclBounds: inclusive device-unit bounds of the picture.
        const char *p = b.constData() + 8;
        const qint32 l = qFromLittleEndian<qint32>(p);
        const qint32 t = qFromLittleEndian<qint32>(p + 4);
        const qint32 r = qFromLittleEndian<qint32>(p + 8);
        const qint32 bt = qFromLittleEndian<qint32>(p + 12);
        return QSize(qMax(0, r - l + 1), qMax(0, bt - t + 1));
    }
    if (isPlaceableMetafile(b)) {
        // Bounding box in metafile units, then units per inch.
        const char *p = b.constData() + 6;
        const qint16 l = qFromLittleEndian<qint16>(p);
        const qint16 t = qFromLittleEndian<qint16>(p + 2);
        const qint16 r = qFromLittleEndian<qint16>(p + 4);
        const qint16 bt = qFromLittleEndian<qint16>(p + 6);
        const quint16 inch = qFromLittleEndian<quint16>(p + 8);
        if (inch == 0)
            return QSize();
        const int ppi = ScreenInfo::pixelsPerInch();
        return QSize(qAbs(r - l) * ppi / inch, qAbs(bt - t) * ppi / inch);
    }
    return QSize();
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
    case Kind::Metafile:
        if (!isEnhancedMetafile(bytes) && !isPlaceableMetafile(bytes))
            return false;
        metaSize = metafileSize(bytes);
        break;
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
    if (isEnhancedMetafile(bytes) || isPlaceableMetafile(bytes))
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
