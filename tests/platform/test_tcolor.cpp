#include "platform/TColor.h"

#include <QGuiApplication>
#include <QPalette>
#include <gtest/gtest.h>

using namespace sw;

namespace {

struct Named
{
    const char *ident;
    uint32_t value;
};

// The complete identifier table, values written out as stored.
const Named kTable[] = {
    {"clBlack", 0x00000000},        {"clMaroon", 0x00000080},        {"clGreen", 0x00008000},
    {"clOlive", 0x00008080},        {"clNavy", 0x00800000},          {"clPurple", 0x00800080},
    {"clTeal", 0x00808000},         {"clGray", 0x00808080},          {"clSilver", 0x00C0C0C0},
    {"clRed", 0x000000FF},          {"clLime", 0x0000FF00},          {"clYellow", 0x0000FFFF},
    {"clBlue", 0x00FF0000},         {"clFuchsia", 0x00FF00FF},       {"clAqua", 0x00FFFF00},
    {"clWhite", 0x00FFFFFF},        {"clScrollBar", 0x80000000},     {"clBackground", 0x80000001},
    {"clActiveCaption", 0x80000002}, {"clInactiveCaption", 0x80000003}, {"clMenu", 0x80000004},
    {"clWindow", 0x80000005},       {"clWindowFrame", 0x80000006},   {"clMenuText", 0x80000007},
    {"clWindowText", 0x80000008},   {"clCaptionText", 0x80000009},   {"clActiveBorder", 0x8000000A},
    {"clInactiveBorder", 0x8000000B}, {"clAppWorkSpace", 0x8000000C}, {"clHighlight", 0x8000000D},
    {"clHighlightText", 0x8000000E}, {"clBtnFace", 0x8000000F},      {"clBtnShadow", 0x80000010},
    {"clGrayText", 0x80000011},     {"clBtnText", 0x80000012},       {"clInactiveCaptionText", 0x80000013},
    {"clBtnHighlight", 0x80000014}, {"cl3DDkShadow", 0x80000015},    {"cl3DLight", 0x80000016},
    {"clInfoText", 0x80000017},     {"clInfoBk", 0x80000018},        {"clNone", 0x1FFFFFFF},
};

} // namespace

TEST(TColor, EveryIdentifierMapsBothWays)
{
    for (const Named &n : kTable) {
        const TColor value = static_cast<TColor>(n.value);
        QString ident;
        ASSERT_TRUE(colorToIdent(value, &ident)) << n.ident;
        EXPECT_EQ(ident, QLatin1String(n.ident));
        TColor back = 12345;
        ASSERT_TRUE(identToColor(QLatin1String(n.ident), &back)) << n.ident;
        EXPECT_EQ(back, value) << n.ident;
    }
    EXPECT_EQ(clWindowText, static_cast<TColor>(0x80000008u));
    EXPECT_LT(clWindowText, 0); // a signed 32-bit value
}

TEST(TColor, IdentifiersAreReadWithoutRegardToCase)
{
    TColor c = 0;
    ASSERT_TRUE(identToColor(QStringLiteral("CLWINDOWTEXT"), &c));
    EXPECT_EQ(c, clWindowText);
    ASSERT_TRUE(identToColor(QStringLiteral("clred"), &c));
    EXPECT_EQ(c, 0x0000FF);
    ASSERT_TRUE(identToColor(QStringLiteral("Cl3ddkshadow"), &c));
    EXPECT_EQ(c, cl3DDkShadow);
}

TEST(TColor, ColoursWithoutIdentifierFallBackToIntegers)
{
    QString ident = QStringLiteral("untouched");
    EXPECT_FALSE(colorToIdent(0x00123456, &ident)); // written as 1193046
    EXPECT_FALSE(colorToIdent(0x0000FE, &ident));
    EXPECT_FALSE(colorToIdent(static_cast<TColor>(0x80000019u), &ident)); // beyond the system table
    EXPECT_EQ(ident, QLatin1String("untouched"));
    TColor c = 77;
    EXPECT_FALSE(identToColor(QStringLiteral("clPink"), &c));
    EXPECT_FALSE(identToColor(QStringLiteral(""), &c));
    EXPECT_EQ(c, 77);
}

TEST(TColor, DirectColoursAreBlueGreenRed)
{
    const QColor q = toQColor(0x00123456);
    EXPECT_EQ(q.red(), 0x56);
    EXPECT_EQ(q.green(), 0x34);
    EXPECT_EQ(q.blue(), 0x12);
    EXPECT_EQ(fromQColor(q), 0x00123456);
    EXPECT_EQ(toQColor(clRed), QColor(255, 0, 0));
    EXPECT_EQ(fromQColor(QColor(0, 0, 255)), clBlue);
    EXPECT_EQ(toQColor(clNone).alpha(), 0);
}

TEST(TColor, SystemColoursKeepTheirClassicValuesWhateverTheTheme)
{
    // A dark desktop theme must not reach the label: window text stays black.
    const QPalette saved = QGuiApplication::palette();
    QPalette dark = saved;
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Button, QColor(50, 50, 50));
    dark.setColor(QPalette::Highlight, QColor(1, 2, 3));
    QGuiApplication::setPalette(dark);
    EXPECT_EQ(toQColor(clWindowText), QColor(0, 0, 0));
    EXPECT_EQ(toQColor(clWindow), QColor(255, 255, 255));
    EXPECT_EQ(toQColor(clBtnFace), QColor(192, 192, 192));
    EXPECT_EQ(toQColor(clBtnShadow), QColor(128, 128, 128));
    EXPECT_EQ(toQColor(clHighlight), QColor(0, 0, 0x80));
    EXPECT_EQ(toQColor(clInfoBk), QColor(255, 255, 225));
    QGuiApplication::setPalette(saved);

    EXPECT_EQ(toQColor(clActiveCaption), QColor(0, 0, 0x80));
    EXPECT_EQ(toQColor(clBackground), QColor(0, 0x80, 0x80));
    // Only the low byte selects the system colour.
    EXPECT_EQ(toQColor(static_cast<TColor>(0x8000FF0Fu)), QColor(192, 192, 192));
}
