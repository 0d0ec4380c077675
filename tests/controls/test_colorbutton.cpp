// The colour palette button and its pop-up, driven as a user does: the
// cell that lights up for the current colour, clicks, keys, cycling, where
// the pop-up opens, "&Other" with the real colour dialog, and the custom
// colours kept under a key.
#include "controls/TDFSColorButton.h"
#include "controls/TDFSColorButtonPalette.h"
#include "platform/ProgramFolder.h"

#include <QApplication>
#include <QColorDialog>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace sw;

namespace {

constexpr TColor rgb(int r, int g, int b)
{
    return r | (g << 8) | (b << 16);
}

struct ColorButton : ::testing::Test
{
    QWidget window;
    TDFSColorButton *button = new TDFSColorButton(&window);

    void SetUp() override
    {
        window.setObjectName(QStringLiteral("Form1"));
        button->setObjectName(QStringLiteral("FontColorButton"));
        window.resize(300, 200);
        button->move(20, 20);
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    TDFSColorButtonPalette *open()
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
        return button->Palette();
    }
    void key(TDFSColorButtonPalette *palette, Qt::Key k) { QTest::keyClick(palette, k); }
    // A click at the centre of a palette cell.
    void clickCell(TDFSColorButtonPalette *palette, const QPoint &cell)
    {
        const QPoint at = TDFSColorButtonPalette::cellRect(cell).center()
                          + QPoint(TDFSColorButtonPalette::Frame, TDFSColorButtonPalette::Frame);
        QTest::mouseMove(palette, at);
        QTest::mouseClick(palette, Qt::LeftButton, {}, at);
    }
};

} // namespace

TEST_F(ColorButton, StartsBlackWithTheDefaultPalette)
{
    EXPECT_EQ(button->size(), QSize(45, 22));
    EXPECT_EQ(button->Color(), clBlack);
    EXPECT_EQ(button->OtherColor(), clBtnFace);
    EXPECT_EQ(button->OtherBtnCaption(), QStringLiteral("&Other"));
    button->setVersion(QStringLiteral("x"));
    EXPECT_EQ(button->Version(), QStringLiteral("TDFSColorButton v2.51"));
    const TColorArrayClass &p = *button->PaletteColors();
    ASSERT_EQ(p.XSize(), 4);
    ASSERT_EQ(p.YSize(), 5);
    const TColor expected[5][4] = {
        {rgb(255, 255, 255), rgb(0, 0, 0), rgb(191, 191, 191), rgb(127, 127, 127)},
        {rgb(255, 0, 0), rgb(127, 0, 0), rgb(255, 255, 0), rgb(127, 127, 0)},
        {rgb(0, 255, 0), rgb(0, 127, 0), rgb(0, 255, 255), rgb(0, 127, 127)},
        {rgb(0, 0, 255), rgb(0, 0, 127), rgb(255, 0, 255), rgb(127, 0, 127)},
        {rgb(191, 215, 191), rgb(159, 191, 239), rgb(255, 247, 239), rgb(159, 159, 159)},
    };
    for (int y = 1; y <= 5; ++y)
        for (int x = 1; x <= 4; ++x)
            EXPECT_EQ(p.color(x, y), expected[y - 1][x - 1]) << x << "," << y;
    EXPECT_EQ(button->PaletteIndex(), 2);
    EXPECT_EQ(button->CustomColors()->count(), 16);
    EXPECT_EQ(button->CustomColors()->color(8, 2), clWhite);
}

TEST_F(ColorButton, OpensWithTheCurrentColourLitAndPicksWithTheMouse)
{
    button->setColor(rgb(191, 191, 191));
    TDFSColorButtonPalette *palette = open();
    ASSERT_TRUE(palette);
    EXPECT_TRUE(palette->isVisible());
    EXPECT_EQ(palette->Highlighted(), QPoint(3, 1));
    EXPECT_EQ(palette->hintText(QPoint(3, 1)), QStringLiteral("RGB = 191 191 191"));
    EXPECT_EQ(palette->hintText(QPoint(1, 2)), QStringLiteral("RGB = 255 000 000"));
    button->OnGetColorHintText = [](TColor, int x, int y, QString &text) {
        text += QStringLiteral(" (%1, %2)").arg(x).arg(y);
    };

    QSignalSpy changes(button, &TDFSColorButton::colorChanged);
    clickCell(palette, QPoint(2, 4));
    EXPECT_FALSE(button->PaletteOpen());
    EXPECT_EQ(button->Color(), rgb(0, 0, 127));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(button->PaletteIndex(), 14);

    // A colour the palette lacks shows in the other-colour swatch; picking
    // the swatch makes it the other colour too.
    button->setColor(rgb(1, 2, 3));
    palette = open();
    ASSERT_TRUE(palette);
    EXPECT_EQ(palette->Highlighted(), TDFSColorButtonPalette::NoCell);
    EXPECT_EQ(palette->OtherColor(), rgb(1, 2, 3));
    EXPECT_EQ(palette->hintText(TDFSColorButtonPalette::OtherCell), QStringLiteral("RGB = 001 002 003 (0, 0)"));
    clickCell(palette, TDFSColorButtonPalette::OtherCell);
    EXPECT_EQ(button->OtherColor(), rgb(1, 2, 3));
    EXPECT_EQ(button->PaletteIndex(), 0);
}

TEST_F(ColorButton, AClickOnTheButtonWhileOpenClosesThePaletteWithoutReopeningIt)
{
    TDFSColorButtonPalette *palette = open();
    ASSERT_TRUE(palette);
    // Through the window system, as a real click arrives: the open pop-up
    // sees it first. The pointer rests over the button.
    QCursor::setPos(button->mapToGlobal(QPoint(10, 10)));
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, button->mapTo(&window, QPoint(10, 10)));
    QCoreApplication::processEvents();
    EXPECT_FALSE(button->PaletteOpen());
    EXPECT_EQ(button->Color(), clBlack);
    // Only that click was spent: the next one opens it again.
    EXPECT_TRUE(open());
    button->Palette()->close();
}

TEST_F(ColorButton, ArrowsMoveTheLightEnterPicksEscapeCancels)
{
    TDFSColorButtonPalette *palette = open();
    ASSERT_TRUE(palette);
    // Black is lit; up from the first row reaches the swatch, where left
    // and right do nothing; down returns to the grid.
    EXPECT_EQ(palette->Highlighted(), QPoint(2, 1));
    key(palette, Qt::Key_Left);
    EXPECT_EQ(palette->Highlighted(), QPoint(1, 1));
    key(palette, Qt::Key_Left); // off the grid: ignored
    EXPECT_EQ(palette->Highlighted(), QPoint(1, 1));
    key(palette, Qt::Key_Up);
    EXPECT_EQ(palette->Highlighted(), TDFSColorButtonPalette::OtherCell);
    key(palette, Qt::Key_Right);
    EXPECT_EQ(palette->Highlighted(), TDFSColorButtonPalette::OtherCell);
    key(palette, Qt::Key_Down);
    EXPECT_EQ(palette->Highlighted(), QPoint(1, 1));
    for (int i = 0; i < 6; ++i)
        key(palette, Qt::Key_Down); // stops at the fifth row
    EXPECT_EQ(palette->Highlighted(), QPoint(1, 5));
    key(palette, Qt::Key_Right);
    key(palette, Qt::Key_Return);
    EXPECT_FALSE(button->PaletteOpen());
    EXPECT_EQ(button->Color(), rgb(159, 191, 239));

    palette = open();
    ASSERT_TRUE(palette);
    palette->setHighlighted(TDFSColorButtonPalette::NoCell);
    key(palette, Qt::Key_Down); // nothing lit: an arrow lights (1, 1)
    EXPECT_EQ(palette->Highlighted(), QPoint(1, 1));
    key(palette, Qt::Key_Escape);
    EXPECT_FALSE(button->PaletteOpen());
    EXPECT_EQ(button->Color(), rgb(159, 191, 239));
}

TEST_F(ColorButton, CyclingStepsThroughThePaletteThenTheOtherColour)
{
    button->setCycleColors(true);
    button->setOtherColor(clTeal);
    QList<TColor> seen;
    for (int i = 0; i < 20; ++i) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 10)); // the swatch part
        seen << button->Color();
    }
    // From black (the second cell) on: cells 3..20, then the other colour,
    // then the first cell.
    EXPECT_EQ(seen.at(0), rgb(191, 191, 191));
    EXPECT_EQ(seen.at(17), rgb(159, 159, 159));
    EXPECT_EQ(seen.at(18), clTeal);
    EXPECT_EQ(seen.at(19), rgb(255, 255, 255));
    EXPECT_FALSE(button->PaletteOpen());
    // The arrow still opens the palette.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() - 5, 10));
    EXPECT_TRUE(button->PaletteOpen());
    button->Palette()->close();
}

TEST_F(ColorButton, OpensAboveTheButtonNearTheBottomOfTheWorkArea)
{
    const QRect work = button->screen()->availableGeometry();
    const QSize size(TDFSColorButtonPalette::ClientWidth + 6, TDFSColorButtonPalette::ClientHeight + 6);
    const QPoint corner = button->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(button->palettePosition(size), corner + QPoint(0, button->height()));

    window.move(work.right() - 40, work.bottom() - 60);
    QCoreApplication::processEvents();
    const QPoint moved = button->mapToGlobal(QPoint(0, 0));
    const QPoint at = button->palettePosition(size);
    EXPECT_EQ(at.y(), moved.y() - size.height()); // above the button
    EXPECT_EQ(at.x(), work.right() + 1 - size.width()); // kept on the screen
}

TEST_F(ColorButton, OtherOpensTheColourDialogWithTheCustomColours)
{
    button->CustomColors()->setColor(2, 1, clRed); // "ColorB"
    button->CustomColors()->setColor(1, 2, clLime); // "ColorI"
    TDFSColorButtonPalette *palette = open();
    ASSERT_TRUE(palette);

    // Cancelled: the palette is back.
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        dialog->reject();
    });
    QTest::mouseClick(palette->OtherButton(), Qt::LeftButton);
    EXPECT_TRUE(button->PaletteOpen());
    EXPECT_TRUE(palette->isVisible());

    QColor customB, customI;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        customB = QColorDialog::customColor(2); // column 2, row 1
        customI = QColorDialog::customColor(1); // column 1, row 2
        QColorDialog::setCustomColor(15, QColor(10, 20, 30)); // column 8, row 2
        dialog->setCurrentColor(QColor(12, 34, 56));
        dialog->accept();
    });
    QTest::mouseClick(palette->OtherButton(), Qt::LeftButton);
    EXPECT_EQ(customB, QColor(Qt::red));
    EXPECT_EQ(customI, QColor(Qt::green));
    EXPECT_FALSE(button->PaletteOpen());
    EXPECT_EQ(button->Color(), rgb(12, 34, 56));
    EXPECT_EQ(button->OtherColor(), rgb(12, 34, 56));
    EXPECT_EQ(button->CustomColors()->color(8, 2), rgb(10, 20, 30));
}

TEST(ColorButtonKey, CustomColoursAreKeptUnderTheKey)
{
    QTemporaryDir dir;
    ProgramFolder::setPath(dir.path());
    QWidget form;
    form.setObjectName(QStringLiteral("Form1"));
    {
        TDFSColorButton button(&form);
        button.setObjectName(QStringLiteral("B1"));
        button.setCustomColorsKey(QStringLiteral("Software\\Labels\\Colors"));
        button.CustomColors()->setColor(3, 1, rgb(1, 2, 3));
    }
    TDFSColorButton again(&form);
    again.setObjectName(QStringLiteral("B1"));
    again.setCustomColorsKey(QStringLiteral("Software\\Labels\\Colors"));
    EXPECT_EQ(again.CustomColors()->color(3, 1), rgb(1, 2, 3));
    ProgramFolder::setPath(QString());

    // Column by column, "$" and eight hex digits; what cannot be read is white.
    TColorArrayClass colors(8, 2);
    colors.setColor(1, 2, 0x00ABCDEF);
    EXPECT_TRUE(TDFSColorButton::customColorsText(colors).startsWith(QStringLiteral("$00000000,$00ABCDEF,$00000000")));
    TDFSColorButton::readCustomColorsText(QStringLiteral("$000000FF,junk,$1"), colors);
    EXPECT_EQ(colors.color(1, 1), clRed);
    EXPECT_EQ(colors.color(1, 2), clWhite);
    EXPECT_EQ(colors.color(2, 1), 1);
    EXPECT_EQ(colors.color(8, 2), clWhite);
}
