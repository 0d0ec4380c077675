// Text shaped once and drawn from the cache lands exactly where drawText
// puts it; texts the cache cannot stand in for are left to drawText.
#include "platform/Canvas.h"
#include "platform/ShapedTextCache.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace sw;

namespace {

QImage image()
{
    QImage i(360, 60, QImage::Format_RGB32);
    i.setDotsPerMeterX(11811); // 300 dpi: glyph positions are not whole pixels
    i.setDotsPerMeterY(11811);
    i.fill(Qt::white);
    return i;
}

// The text drawn on a canvas, through the cache or not, clipped and turned
// as printing draws it.
QImage drawn(const QString &text, ShapedTextCache *cache, int escapement = 0)
{
    QImage target = image();
    {
        Canvas canvas(&target);
        canvas.setShapedTextCache(cache);
        canvas.Font()->setName(QStringLiteral("Arial"));
        canvas.Font()->setSize(9);
        canvas.Font()->setColor(clBlack);
        canvas.Brush()->setStyle(bsClear);
        canvas.setFontEscapement(escapement);
        canvas.TextRect(2, 2, 340, 58, 7, escapement ? 50 : 9, text);
    }
    return target;
}

QFont arial()
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(40);
    return f;
}

} // namespace

TEST(ShapedTextCache, DrawsExactlyWhatDrawTextDraws)
{
    const QStringList texts = {QStringLiteral("Ticket 17"), QStringLiteral("27 Larkspur Crescent  "),
                               QStringLiteral("Gr\u00FC\u00DFe, \u00C9mile"), QStringLiteral("office Waffle AVAT"),
                               QStringLiteral(" x ")};
    ShapedTextCache cache;
    for (const QString &text : texts) {
        for (int escapement : {0, 900}) {
            const QImage direct = drawn(text, nullptr, escapement);
            EXPECT_EQ(drawn(text, &cache, escapement), direct) << text.toStdString() << " at " << escapement;
            // Drawn a second time from what the cache kept.
            EXPECT_EQ(drawn(text, &cache, escapement), direct) << text.toStdString();
        }
    }
    EXPECT_GT(cache.size(), 0);
}

TEST(ShapedTextCache, ShapesEachTextOnceAndLeavesOtherTextsToDrawText)
{
    ShapedTextCache cache;
    QImage device = image();
    // A text drawn once (a counter's) is left to drawText.
    EXPECT_EQ(cache.runs(arial(), &device, QStringLiteral("Ticket")), nullptr);
    const QList<QGlyphRun> *runs = cache.runs(arial(), &device, QStringLiteral("Ticket"));
    ASSERT_NE(runs, nullptr);
    int glyphs = 0;
    for (const QGlyphRun &run : *runs)
        glyphs += int(run.glyphIndexes().size());
    EXPECT_EQ(glyphs, 6);
    EXPECT_EQ(cache.runs(arial(), &device, QStringLiteral("Ticket")), runs);
    EXPECT_EQ(cache.size(), 1);

    // Another resolution shapes anew.
    QImage other(10, 10, QImage::Format_RGB32);
    cache.runs(arial(), &other, QStringLiteral("Ticket"));
    EXPECT_NE(cache.runs(arial(), &other, QStringLiteral("Ticket")), nullptr);
    EXPECT_EQ(cache.size(), 2);

    auto leftToDrawText = [&](const QFont &font, const QString &text) {
        return cache.runs(font, &device, text) == nullptr && cache.runs(font, &device, text) == nullptr;
    };
    for (const QString &text : {QStringLiteral("a\tb"), QStringLiteral("\u05E9\u05DC\u05D5\u05DD"),
                                QStringLiteral("\u0645\u0631\u062D\u0628\u0627"), QStringLiteral("\u65E5\u672C"),
                                QStringLiteral("line\nbreak"), QString()})
        EXPECT_TRUE(leftToDrawText(arial(), text)) << text.toStdString();
    for (auto decorate : {&QFont::setUnderline, &QFont::setStrikeOut, &QFont::setOverline}) {
        QFont decorated = arial();
        (decorated.*decorate)(true);
        EXPECT_TRUE(leftToDrawText(decorated, QStringLiteral("Ticket")));
    }
    QFont spaced = arial();
    spaced.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    EXPECT_TRUE(leftToDrawText(spaced, QStringLiteral("Ticket")));
}
