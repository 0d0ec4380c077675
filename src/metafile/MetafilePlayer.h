#pragma once
// Windows metafiles as pictures: what a metafile is and how large, from its
// header, and the metafile drawn onto any QPainter, stretched into a
// rectangle. Placeable and plain 16-bit metafiles and enhanced metafiles
// are read; vector records stay vectors on vector devices (PDF, printers).
//
// A damaged metafile draws what its sound records describe and nothing
// else: every length is checked against the data, loops are bounded by it,
// object tables, saved states and bitmaps are bounded, and unknown records
// are skipped.
#include <QByteArray>
#include <QRectF>
#include <QSize>
#include <QSizeF>

class QPainter;

namespace sw {

struct MetafileInfo
{
    enum Kind { NotAMetafile, PlaceableWmf, PlainWmf, Emf };
    Kind kind = NotAMetafile;
    // The picture's own size; empty when the metafile does not tell it.
    QSizeF inches;

    bool isMetafile() const { return kind != NotAMetafile; }
    // The size in pixels at the given resolution (rounded); empty as above.
    QSize pixelSize(double pixelsPerInch) const;
};

class MetafilePlayer
{
public:
    // Recognises the metafile by its header; a plain 16-bit metafile that
    // sets no window is measured by what it draws.
    static MetafileInfo inspect(const QByteArray &bytes);

    // Draws the picture scaled to fill target (in the painter's current
    // coordinates; the aspect ratio is not kept) and clipped to it. The
    // painter's state is as before afterwards. False when the bytes are not
    // a metafile or the painter is not active.
    static bool draw(QPainter *painter, const QRectF &target, const QByteArray &bytes);
};

} // namespace sw
