// The labels' "Font" commands and the symbol grid's font button, driven
// through the real font window: Ok on an untouched window gives every font
// back as it came, faces that are not installed included; what the user
// picks is stored exactly.
#include "FakePanelHost.h"
#include "ModalWindow.h"
#include "ObjectTestUtil.h"

#include "objects/TGMultiLineLabel.h"
#include "objects/TGPLabel.h"
#include "objects/ui/LabelObjectDialogs.h"
#include "objects/ui/TGetSymbol.h"
#include "platform/TFont.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <gtest/gtest.h>

using namespace sw;
using namespace sw::test;

namespace {

struct FontCase
{
    const char *name;
    int height;
    TFontStyles style;
    TColor color;
    TFontPitch pitch;
};

// Fonts as label files hold them: classic faces this machine lacks, the
// default font's window-text colour, a height with no whole size in points
// (-14 is 10.5 points) and a cell height (positive).
const FontCase kFonts[] = {
    {"Arial", -13, {}, clBlack, fpDefault},
    {"WingDings", -32, {}, clBlack, fpDefault},
    {"MS Sans Serif", -11, {}, clWindowText, fpDefault},
    {"Times New Roman", -16, fsBold | fsItalic | fsUnderline | fsStrikeOut, 0x123456, fpVariable},
    {"Arial", -14, fsBold, clRed, fpDefault},
    {"Courier New", 20, {}, clNavy, fpFixed},
};

void setFont(TFont &font, const FontCase &c)
{
    font.setName(QLatin1String(c.name));
    font.setHeight(c.height);
    font.setStyle(c.style);
    font.setColor(c.color);
    font.setPitch(c.pitch);
}

void expectFont(const TFont &font, const FontCase &c)
{
    EXPECT_EQ(font.name(), QLatin1String(c.name));
    EXPECT_EQ(font.height(), c.height) << c.name;
    EXPECT_EQ(font.style(), c.style) << c.name;
    EXPECT_EQ(font.color(), c.color) << c.name;
    EXPECT_EQ(font.pitch(), c.pitch) << c.name;
}

template <class W>
W *child(QWidget *window, const char *name)
{
    auto *w = window->findChild<W *>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// As a user does: type the start of a face, type a size, pick a style, tick
// underline, pick a colour by name.
void pickInWindow(QWidget *window, const QString &face, int size, const QString &style, const QString &colour)
{
    if (auto *edit = child<QLineEdit>(window, "FaceEdit")) {
        edit->selectAll();
        QTest::keyClicks(edit, face);
    }
    if (auto *edit = child<QLineEdit>(window, "SizeEdit")) {
        edit->selectAll();
        QTest::keyClicks(edit, QString::number(size));
    }
    if (auto *styles = child<QListWidget>(window, "StyleList")) {
        const QList<QListWidgetItem *> found = styles->findItems(style, Qt::MatchExactly);
        if (!found.isEmpty())
            styles->setCurrentItem(found.first());
    }
    if (auto *underline = child<QCheckBox>(window, "Underline"))
        QTest::mouseClick(underline, Qt::LeftButton, {}, QPoint(8, underline->height() / 2));
    if (auto *colours = child<QComboBox>(window, "ColorBox"))
        colours->setCurrentIndex(colours->findText(colour));
}

struct FontCommands : ::testing::Test
{
    ScreenResolution screen{96};
    FakePanelHost panel;
    int windows = 0; // font windows shown
    void SetUp() override { LabelObjectDialogs::install(); }
    // Presses Ok on the next font window without touching it.
    void okUntouched()
    {
        whenModal([this](QWidget *w) {
            EXPECT_EQ(w->windowTitle(), QStringLiteral("Font"));
            ++windows;
        });
    }
};

} // namespace

TEST_F(FontCommands, OkOnAnUntouchedWindowKeepsEveryFont)
{
    for (const FontCase &c : kFonts) {
        auto *label = panel.adopt(new TGPLabel);
        label->Loaded();
        setFont(*label->Font(), c);
        okUntouched();
        EXPECT_TRUE(label->ObjectMenu().trigger(QStringLiteral("Font")));
        expectFont(*label->Font(), c);
    }

    auto *lines = panel.adopt(new TGMultiLineLabel);
    lines->Loaded();
    setFont(*lines->Font(), kFonts[2]);
    okUntouched();
    EXPECT_TRUE(lines->ObjectMenu().trigger(QStringLiteral("Font")));
    expectFont(*lines->Font(), kFonts[2]);

    // The symbol grid's font button: WingDings stays WingDings, so the
    // label keeps drawing symbols rather than letters.
    TGetSymbol symbols;
    TFont wingDings;
    setFont(wingDings, kFonts[1]);
    symbols.setSelectedFont(wingDings);
    symbols.setGridFont(wingDings.name(), wingDings.style());
    okUntouched();
    symbols.chooseFont();
    expectFont(symbols.selectedFont(), kFonts[1]);
    EXPECT_EQ(symbols.gridFont().name(), QStringLiteral("WingDings"));
    EXPECT_EQ(windows, int(std::size(kFonts)) + 2);
}

TEST_F(FontCommands, AMultiLineLabelTakesFaceSizeStyleAndColourFromTheWindow)
{
    auto *lines = panel.adopt(new TGMultiLineLabel);
    lines->Loaded();
    lines->ApplyFont(TFont()); // the panel's default font, in window text
    whenModal([](QWidget *w) { pickInWindow(w, QStringLiteral("Liberation Ser"), 36, QStringLiteral("Bold"), QStringLiteral("Red")); });
    EXPECT_TRUE(lines->ObjectMenu().trigger(QStringLiteral("Font")));
    EXPECT_EQ(lines->Font()->name(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(lines->Font()->height(), -48); // 36 points at 96 pixels per inch
    EXPECT_EQ(lines->Font()->style(), fsBold | fsUnderline);
    EXPECT_EQ(lines->Font()->color(), clRed);

    // Cancel leaves the font as it is.
    whenModal([](QWidget *w) { pickInWindow(w, QStringLiteral("DejaVu Sans"), 8, QStringLiteral("Italic"), QStringLiteral("Blue")); },
              false);
    lines->ObjectMenu().trigger(QStringLiteral("Font"));
    EXPECT_EQ(lines->Font()->name(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(lines->Font()->color(), clRed);
}

