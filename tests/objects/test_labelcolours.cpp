// The colours labels put on screen and on paper: only the colours the label
// holds, with system colours as on paper whatever the desktop theme, and no
// trace of the 3D copies the label does not show.
#include "ObjectTestUtil.h"

#include "objects/TGCounterLabel.h"
#include "objects/TGPLabel.h"
#include "objects/TGSymbolLabel.h"
#include "platform/TFont.h"
#include "report/TImageReport.h"

#include <QGuiApplication>
#include <QPalette>
#include <gtest/gtest.h>

using namespace sw;
using namespace sw::test;

namespace {

// Pixels whose channels differ: what black text on white never makes.
int tintedPixels(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const int spread = std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)});
            n += spread > 16 ? 1 : 0;
        }
    return n;
}

// The darkest and the lightest grey level in the image.
std::pair<int, int> grayRange(const QImage &image)
{
    int darkest = 255, lightest = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
            lightest = std::max(lightest, qGray(image.pixel(x, y)));
        }
    return {darkest, lightest};
}
int darkestGray(const QImage &image) { return grayRange(image).first; }
int lightestGray(const QImage &image) { return grayRange(image).second; }

// A dark desktop theme for the length of a test.
struct DarkTheme
{
    QPalette saved = QGuiApplication::palette();
    DarkTheme()
    {
        QPalette dark(QColor(40, 40, 40)); // dark buttons and windows
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::WindowText, QColor(235, 235, 235));
        dark.setColor(QPalette::Text, QColor(235, 235, 235));
        QGuiApplication::setPalette(dark);
    }
    ~DarkTheme() { QGuiApplication::setPalette(saved); }
};

// The label printed alone at 96 pixels per inch, its corner on the page's.
QImage print(TGGraphicControl &object)
{
    TImageReport report(96, 96);
    report.BeginDoc();
    object.PrintTo(report, 0, 0);
    report.EndDoc();
    return report.PageImage(0).copy(object.BoundsRect());
}

} // namespace

TEST(LabelColours, AtDepthZeroTextCounterAndSymbolShowNoFringe)
{
    TGPLabel text;
    text.SetCaption(QStringLiteral("Fringe test"));
    TGCounterLabel counter;
    counter.SetStartingnumber(1234);
    TGSymbolLabel symbol;
    for (TGBaseLabel *label : {static_cast<TGBaseLabel *>(&text), static_cast<TGBaseLabel *>(&counter),
                               static_cast<TGBaseLabel *>(&symbol)}) {
        label->Font()->setSize(20);
        label->SetBounds(0, 0, 200, 50);
        // The 3D colours stay at their aqua and grey defaults with their
        // directions set; only the depths are 0.
        ASSERT_EQ(label->DepthHighlight(), 0);
        ASSERT_NE(label->DirectionHighlight(), TGBaseLabel::hdNone);
        const QImage image = paint(*label);
        EXPECT_LT(darkestGray(image), 64) << label->metaObject()->className(); // the text is there
        EXPECT_EQ(tintedPixels(image), 0) << label->metaObject()->className();
    }

    // A depth shows its copy; a direction of none shows none, as on paper.
    text.SetDepthHighlight(2);
    EXPECT_GT(tintedPixels(paint(text)), 0);
    text.SetDirectionHighlight(TGBaseLabel::hdNone);
    EXPECT_EQ(tintedPixels(paint(text)), 0);
}

TEST(LabelColours, SystemColoursPaintAndPrintAsOnPaperUnderADarkTheme)
{
    const DarkTheme theme;
    // A text label given the panel's default font (window text) on a
    // button-face ground, as a user makes one with a fresh configuration.
    TGPLabel label;
    label.ApplyFont(TFont());
    ASSERT_EQ(label.Font()->color(), clWindowText);
    label.Font()->setSize(20);
    label.SetCaption(QStringLiteral("Paper"));
    label.SetTransparent(false);
    label.SetBackColor(clBtnFace);
    label.SetBounds(0, 0, 160, 40);
    paint(label); // the first paint fits the box's height to the text

    for (const QImage &image : {paint(label), print(label)}) {
        EXPECT_EQ(image.pixel(image.width() - 4, image.height() / 2), qRgb(192, 192, 192)); // the ground
        EXPECT_EQ(darkestGray(image), 0); // the text is black
        // Nothing lighter (the printed ground stops short of the box's
        // right and bottom edges, where the paper shows).
        EXPECT_EQ(lightestGray(image.copy(0, 0, image.width() - 2, image.height() - 2)), 192);
    }

    label.SetBackColor(clWindow);
    const QImage onWindow = print(label);
    EXPECT_EQ(onWindow.pixel(onWindow.width() - 4, onWindow.height() / 2), qRgb(255, 255, 255));
}
