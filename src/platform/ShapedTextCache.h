#pragma once
// Text shaped once and drawn many times. A print run draws the same few
// texts on every label, and QPainter::drawText shapes its text afresh on
// every call; the glyph runs kept here place exactly the glyphs at exactly
// the positions drawText would, on the device they were shaped for. A text
// is kept from its second drawing on: a counter's texts, each drawn once,
// cost no more than drawText.
//
// Only plain text is kept: Latin script without tabs or control
// characters, one glyph per character, in a font without underline,
// strike-out, overline or extra spacing. Anything else is left to
// drawText.
#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QString>

class QPaintDevice;

namespace sw {

class ShapedTextCache
{
public:
    // Beyond this many texts the cache starts afresh.
    static constexpr int Capacity = 512;

    // The glyph runs of `text` in `font` as drawn on `device`, their
    // baseline at y = 0 and the text starting at x = 0; null when the text
    // is not one this cache stands in for, or is asked for the first time.
    // Valid until the next call.
    const QList<QGlyphRun> *runs(const QFont &font, const QPaintDevice *device, const QString &text);

    // Texts seen (shaped or not).
    int size() const { return int(mRuns.size()); }

private:
    struct Key
    {
        QFont font;
        int dpiX = 0, dpiY = 0;
        QString text;
        bool operator==(const Key &o) const
        {
            return dpiX == o.dpiX && dpiY == o.dpiY && text == o.text && font == o.font;
        }
        friend size_t qHash(const Key &k, size_t seed = 0) { return qHashMulti(seed, k.text, k.dpiX, k.font); }
    };

    static bool plain(const QFont &font, const QString &text);

    struct Entry
    {
        bool shaped = false; // false: seen once
        QList<QGlyphRun> runs; // empty when shaped but not plain after all
    };
    QHash<Key, Entry> mRuns;
};

} // namespace sw
