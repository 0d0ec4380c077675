// Block transfers of the metafile drawing context: bitmaps stretched into
// rectangles and rectangles filled, combined with the page by a raster
// operation where the device allows it.
#include "metafile/DibReader.h"
#include "metafile/GdiRenderer.h"

#include <QPainter>

#include <cmath>
#include <utility>

namespace sw {

using namespace gdi;

namespace {

// The operation code's index byte tells which operands it reads.
bool readsSource(quint32 rop)
{
    const quint32 code = (rop >> 16) & 0xFF;
    return ((code >> 2) ^ code) & 0x33;
}

bool readsPattern(quint32 rop)
{
    const quint32 code = (rop >> 16) & 0xFF;
    return ((code >> 4) ^ code) & 0x0F;
}

QPainter::CompositionMode rasterMode(quint32 rop)
{
    switch (rop) {
    case SRCAND: return QPainter::RasterOp_SourceAndDestination;
    case SRCPAINT: return QPainter::RasterOp_SourceOrDestination;
    case SRCINVERT: return QPainter::RasterOp_SourceXorDestination;
    case NOTSRCCOPY: return QPainter::RasterOp_NotSource;
    case SRCERASE: return QPainter::RasterOp_SourceAndNotDestination;
    case NOTSRCERASE: return QPainter::RasterOp_NotSourceAndNotDestination;
    case MERGEPAINT: return QPainter::RasterOp_NotSourceOrDestination;
    default: return QPainter::CompositionMode_SourceOver; // a copy
    }
}

// Equal within a hundredth of a reference pixel.
bool sameRect(const QRectF &a, const QRectF &b)
{
    const auto near = [](double u, double v) { return std::fabs(u - v) < 0.01; };
    return near(a.left(), b.left()) && near(a.top(), b.top()) && near(a.right(), b.right())
           && near(a.bottom(), b.bottom());
}

} // namespace

void GdiRenderer::flushMask()
{
    if (mMask.image.isNull())
        return;
    const PendingMask mask = std::exchange(mMask, PendingMask());
    mPainter->setWorldTransform(mReferenceToBase * mBase);
    mPainter->setRenderHint(QPainter::SmoothPixmapTransform, mask.smooth);
    mPainter->setOpacity(mask.opacity);
    mPainter->drawImage(mask.target, DibReader::keyedOut(mask.image, qRgb(255, 255, 255)));
    mPainter->setOpacity(1.0);
}

void GdiRenderer::blit(const QImage &image, const QRectF &source, const QRectF &dest, quint32 rop, double opacity)
{
    if (mRecording)
        return;
    const QTransform toRef = logicalToReference();
    const QPointF a = toRef.map(dest.topLeft()), b = toRef.map(dest.bottomRight());
    const QRectF target = QRectF(a, b).normalized();
    if (target.isEmpty() || !target.isValid())
        return;
    // A picture put in through the mask just given, under the same clip.
    const bool throughMask = !mMask.image.isNull() && !mClipDirty && (rop == SRCPAINT || rop == SRCINVERT)
                             && sameRect(mMask.target, target);
    if (!throughMask)
        applyClip();
    mPainter->setWorldTransform(mReferenceToBase * mBase);
    mPainter->setRenderHint(QPainter::Antialiasing, false);

    if (!readsSource(rop)) {
        QPainterPath area;
        area.addRect(target);
        switch (rop) {
        case BLACKNESS: mPainter->fillPath(area, Qt::black); return;
        case WHITENESS: mPainter->fillPath(area, Qt::white); return;
        case DSTINVERT:
        case PATINVERT:
            // The page itself is combined: only possible on an image.
            if (!mRaster)
                return;
            mPainter->setCompositionMode(rop == DSTINVERT ? QPainter::RasterOp_NotDestination
                                                          : QPainter::RasterOp_SourceXorDestination);
            mPainter->fillPath(area, rop == DSTINVERT ? QBrush(Qt::black) : referenceBrush(mState.brush));
            endRop();
            return;
        default:
            if (readsPattern(rop))
                mPainter->fillPath(area, referenceBrush(mState.brush));
            return;
        }
    }
    if (image.isNull())
        return;

    const QRectF wanted = source.normalized();
    const QRect part = wanted.toAlignedRect() & image.rect();
    if (part.isEmpty())
        return;
    // The whole image is drawn as itself, so that a PDF embeds it once.
    QImage piece = part == image.rect() ? image : image.copy(part);
    const bool flipX = (b.x() < a.x()) != (source.width() < 0);
    const bool flipY = (b.y() < a.y()) != (source.height() < 0);
    if (flipX || flipY)
        piece = piece.mirrored(flipX, flipY);
    mPainter->setRenderHint(QPainter::SmoothPixmapTransform, mState.stretchMode == HALFTONE);

    mPainter->setOpacity(qBound(0.0, opacity, 1.0));
    const QPainter::CompositionMode mode = rasterMode(rop);
    if (mRaster) {
        if (mode != QPainter::CompositionMode_SourceOver)
            piece = piece.convertToFormat(QImage::Format_RGB32);
        mPainter->setCompositionMode(mode);
        mPainter->drawImage(target, piece);
        endRop();
        mPainter->setOpacity(1.0);
        return;
    }
    // Elsewhere the masks of transparent pictures are kept: AND with a
    // mask leaves what is under its white, OR and XOR leave what is under
    // the black of the picture.
    switch (rop) {
    case SRCAND:
        // Drawn when something else comes first.
        mMask = {piece, target, mState.stretchMode == HALFTONE, mPainter->opacity()};
        mPainter->setOpacity(1.0);
        return;
    case SRCPAINT:
    case SRCINVERT:
        piece = throughMask ? DibReader::throughMask(piece, std::exchange(mMask, PendingMask()).image)
                            : DibReader::keyedOut(piece, qRgb(0, 0, 0));
        break;
    case NOTSRCCOPY:
        piece = piece.convertToFormat(QImage::Format_RGB32);
        piece.invertPixels();
        break;
    case SRCERASE:
    case NOTSRCERASE:
    case MERGEPAINT: mPainter->setOpacity(1.0); return;
    default: break;
    }
    mPainter->drawImage(target, piece);
    mPainter->setOpacity(1.0);
}

void GdiRenderer::fill(const QPainterPath &logical, const QBrush &referenceBrush)
{
    const QPainterPath reference = logicalToReference().map(logical);
    if (mRecording) {
        mPath.addPath(reference);
        return;
    }
    applyClip();
    mPainter->setWorldTransform(mReferenceToBase * mBase);
    mPainter->setRenderHint(QPainter::Antialiasing, true);
    mPainter->fillPath(reference, referenceBrush);
}

} // namespace sw
