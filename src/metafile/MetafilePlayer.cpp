#include "metafile/MetafilePlayer.h"

#include "metafile/EmfPlayer.h"
#include "metafile/GdiRenderer.h"
#include "metafile/WmfPlayer.h"

#include <QPainter>
#include <QPicture>

#include <cmath>

namespace sw {

namespace {

constexpr quint32 PlaceableKey = 0x9AC6CDD7u;
// The reference device of a 16-bit metafile: the screen it is shown on.
constexpr double kWmfDpi = 96.0;

bool isPlaceable(const ByteCursor &data)
{
    ByteCursor c = data;
    return c.u32() == PlaceableKey && c.ok();
}

// A plain metafile that sets no window: the extent of what it draws, in
// its logical units, by playing it once onto a recording.
QRectF drawnExtent(const ByteCursor &data, const WmfPlayer::Header &header)
{
    QPicture picture;
    {
        QPainter painter(&picture);
        const QRectF everything(-(1 << 20), -(1 << 20), 1 << 21, 1 << 21);
        GdiRenderer renderer(&painter, everything, everything, kWmfDpi, kWmfDpi);
        WmfPlayer::play(data, header, renderer);
    }
    return picture.boundingRect();
}

// The header's box, or the measured one for a plain metafile without it.
WmfPlayer::Header wmfHeader(const ByteCursor &data)
{
    WmfPlayer::Header h = WmfPlayer::readHeader(data);
    if (h.valid && h.bounds.isEmpty()) {
        h.bounds = drawnExtent(data, h);
        h.unitsPerInch = kWmfDpi;
    }
    return h;
}

} // namespace

QSize MetafileInfo::pixelSize(double pixelsPerInch) const
{
    if (inches.isEmpty())
        return QSize();
    const double w = std::round(inches.width() * pixelsPerInch), h = std::round(inches.height() * pixelsPerInch);
    if (!(w >= 1 && h >= 1 && w < 1e6 && h < 1e6))
        return QSize();
    return QSize(int(w), int(h));
}

MetafileInfo MetafilePlayer::inspect(const QByteArray &bytes)
{
    MetafileInfo info;
    const ByteCursor data(bytes.constData(), bytes.size());
    const EmfPlayer::Header emf = EmfPlayer::readHeader(data);
    if (emf.valid) {
        info.kind = MetafileInfo::Emf;
        info.inches = QSizeF(emf.frame.width() / emf.dpiX, emf.frame.height() / emf.dpiY);
        return info;
    }
    const bool placeable = isPlaceable(data);
    const WmfPlayer::Header wmf = wmfHeader(data);
    if (!wmf.valid && !placeable)
        return info;
    // A placeable header is taken as a metafile even when what follows it
    // is damaged: such a picture is kept (and draws nothing).
    info.kind = placeable ? MetafileInfo::PlaceableWmf : MetafileInfo::PlainWmf;
    if (wmf.valid && !wmf.bounds.isEmpty())
        info.inches = QSizeF(wmf.bounds.width() / wmf.unitsPerInch, wmf.bounds.height() / wmf.unitsPerInch);
    return info;
}

bool MetafilePlayer::draw(QPainter *painter, const QRectF &target, const QByteArray &bytes)
{
    if (!painter || !painter->isActive())
        return false;
    const ByteCursor data(bytes.constData(), bytes.size());
    const bool drawable = target.isValid() && std::isfinite(target.width()) && std::isfinite(target.height());
    const EmfPlayer::Header emf = EmfPlayer::readHeader(data);
    if (emf.valid) {
        if (drawable) {
            GdiRenderer renderer(painter, emf.frame, target, emf.dpiX, emf.dpiY);
            EmfPlayer::play(data, emf, renderer);
        }
        return true;
    }
    const WmfPlayer::Header wmf = wmfHeader(data);
    if (!wmf.valid)
        return isPlaceable(data);
    if (drawable && !wmf.bounds.isEmpty()) {
        const double scale = kWmfDpi / wmf.unitsPerInch;
        const QRectF frame(0, 0, wmf.bounds.width() * scale, wmf.bounds.height() * scale);
        GdiRenderer renderer(painter, frame, target, kWmfDpi, kWmfDpi);
        WmfPlayer::play(data, wmf, renderer);
    }
    return true;
}

} // namespace sw
