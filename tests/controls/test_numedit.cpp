#include "controls/TNumEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace sw;

namespace {

class NumEditTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale::c());
        edit.setDecimals(3);
        edit.setDigits(6);
        edit.setValue(0.0);
        edit.clear();
    }
    void type(const QString &keys) { QTest::keyClicks(&edit, keys); }

    TNumEdit edit;
};

TNumMasks mask(const char *positive)
{
    TNumMasks m;
    m.PositiveMask = QString::fromLatin1(positive);
    return m;
}

} // namespace

TEST_F(NumEditTest, TypingKeepsOnlyDigitsOneSeparatorAndALeadingMinus)
{
    type("12a.3.4-");
    EXPECT_EQ(edit.text(), "12.34");
    QTest::keyClick(&edit, Qt::Key_Home);
    type("--");
    EXPECT_EQ(edit.text(), "-12.34");
    QTest::keyClick(&edit, Qt::Key_End);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "-12.3");
}

TEST_F(NumEditTest, TypingRespectsDecimalsAndDigits)
{
    type("1.23456");
    EXPECT_EQ(edit.text(), "1.234"); // three places
    edit.clear();
    type("1234567");
    EXPECT_EQ(edit.text(), "123456"); // six characters
    edit.clear();
    type("1,234");
    EXPECT_EQ(edit.text(), "1,234"); // group separators are accepted
    edit.setDecimals(0);
    edit.clear();
    type("5.5");
    EXPECT_EQ(edit.text(), "55");
    // A selection is replaced, so a separator may replace the old one.
    edit.setDecimals(3);
    edit.setText("1.5");
    edit.selectAll();
    type(".7");
    EXPECT_EQ(edit.text(), ".7");
}

TEST_F(NumEditTest, PasteGoesThroughTheTypingRules)
{
    QApplication::clipboard()->setText("a1b2.5.6x");
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "12.56");
}

TEST_F(NumEditTest, ReadOnlyIgnoresTyping)
{
    edit.setValue(8.5);
    edit.setReadOnly(true);
    type("9");
    EXPECT_EQ(edit.text(), "8.5");
}

TEST_F(NumEditTest, LeavingParsesTheTextAndShowsItThroughTheMask)
{
    QSignalSpy exited(&edit, &TNumEdit::exited);
    type("0.1875");  // typing stops at three places
    EXPECT_EQ(edit.Value(), 0.0);  // not parsed while typing
    edit.leave();
    EXPECT_DOUBLE_EQ(edit.Value(), 0.187);
    EXPECT_EQ(exited.count(), 1);

    edit.clear();
    edit.setDigits(0); // no length limit
    type("1,250.5");
    edit.leave();
    EXPECT_DOUBLE_EQ(edit.Value(), 1250.5);
    EXPECT_EQ(edit.text(), "1250.5");

    // Text that is no number gives the previous value back.
    edit.clear();
    type("-");
    edit.leave();
    EXPECT_DOUBLE_EQ(edit.Value(), 1250.5);
    EXPECT_EQ(edit.text(), "1250.5");

    // An untouched box keeps its full value, whatever it shows.
    edit.setValue(0.1875);
    EXPECT_EQ(edit.text(), "0.188");
    edit.leave();
    EXPECT_DOUBLE_EQ(edit.Value(), 0.1875);
}

TEST_F(NumEditTest, EmptyTextIsZero)
{
    edit.setValue(3.0);
    edit.clear();
    edit.setModified(true);
    edit.leave();
    EXPECT_EQ(edit.Value(), 0.0);
    EXPECT_EQ(edit.text(), "0");
}

TEST(NumEditFormat, MasksAndDecimals)
{
    const QLocale c = QLocale::c();
    struct Case { double value; const char *mask; int decimals; const char *shown; };
    for (const Case k : {
             Case{2.65, "#0.###", 3, "2.65"},
             Case{1.0, "#0.###", 3, "1"},
             Case{0.1875, "#0.###", 3, "0.188"},
             Case{0.0, "#0.###", 3, "0"},
             Case{1.0, "#0.0##", 3, "1.0"},
             Case{11.69, "#0.0##", 3, "11.69"},
             Case{67.31, "#0.###", 2, "67.31"},
             Case{210.058, "#0.###", 2, "210.06"},
             Case{25.4, "#0.0##", 2, "25.4"},
             Case{1234.5, "#,##0.00", 2, "1,234.50"},
             Case{0.5, "#.##", 2, ".5"},
             Case{-2.5, "#0.###", 3, "-2.5"},
             Case{-0.0001, "#0.###", 3, "0"},
             Case{7.0, "#0 mm", 0, "7 mm"},
         }) {
        SCOPED_TRACE(k.mask);
        EXPECT_EQ(TNumEdit::formatValue(k.value, mask(k.mask), k.decimals, c), QString::fromLatin1(k.shown));
    }
    TNumMasks sections;
    sections.PositiveMask = "#0.00";
    sections.NegativeMask = "(#0.00)";
    sections.ZeroMask = "nil";
    EXPECT_EQ(TNumEdit::formatValue(-3.0, sections, 2, c), "(3.00)");
    EXPECT_EQ(TNumEdit::formatValue(0.0, sections, 2, c), "nil");
    EXPECT_EQ(TNumEdit::formatValue(3.0, sections, 2, c), "3.00");
}

TEST(NumEditFormat, SeparatorsComeFromTheLocale)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    TNumMasks m;
    m.PositiveMask = "#,##0.00";
    EXPECT_EQ(TNumEdit::formatValue(1234.5, m, 2, german), "1.234,50");
    double v = 0.0;
    EXPECT_TRUE(TNumEdit::parseValue("1.234,5", v, german));
    EXPECT_DOUBLE_EQ(v, 1234.5);
    EXPECT_FALSE(TNumEdit::parseValue("1,2,3", v, german));
}
