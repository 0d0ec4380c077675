#include "platform/ShapedTextCache.h"

#include <QPaintDevice>
#include <QTextLayout>

namespace sw {

bool ShapedTextCache::plain(const QFont &font, const QString &text)
{
    if (text.isEmpty() || font.underline() || font.strikeOut() || font.overline() || font.letterSpacing() != 0
        || font.wordSpacing() != 0)
        return false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u < 0xA0) || u > 0x24F)
            return false;
    }
    return true;
}

const QList<QGlyphRun> *ShapedTextCache::runs(const QFont &font, const QPaintDevice *device, const QString &text)
{
    if (!device || !plain(font, text))
        return nullptr;
    Key key{font, device->logicalDpiX(), device->logicalDpiY(), text};
    auto known = mRuns.find(key);
    if (known == mRuns.end()) {
        if (mRuns.size() >= Capacity)
            mRuns.clear();
        mRuns.insert(key, Entry());
        return nullptr;
    }
    if (!known->shaped) {
        // One unwrapped line shaped as drawText shapes it; kept only when
        // every character became one glyph, so that nothing (a ligature, a
        // dropped space) is drawn differently.
        QTextLayout layout(text, font, const_cast<QPaintDevice *>(device));
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setPosition(QPointF(0, 0));
        layout.endLayout();
        QList<QGlyphRun> runs = layout.glyphRuns();
        qsizetype glyphs = 0;
        for (QGlyphRun &run : runs) {
            glyphs += run.glyphIndexes().size();
            // Baseline at 0, as drawText's position is the baseline's.
            QList<QPointF> positions = run.positions();
            for (QPointF &p : positions)
                p.ry() -= line.ascent();
            run.setPositions(positions);
        }
        if (glyphs != text.size())
            runs.clear();
        known->shaped = true;
        known->runs = runs;
    }
    return known->runs.isEmpty() ? nullptr : &known->runs;
}

} // namespace sw
