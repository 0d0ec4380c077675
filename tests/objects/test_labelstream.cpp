// The text, counter and symbol labels through the component stream: every
// persisted property comes back, the font as a nested object, and defaults
// stay out of the stream.
#include "ObjectTestUtil.h"
#include "objects/TGCounterLabel.h"
#include "objects/TGPLabel.h"
#include "objects/TGSymbolLabel.h"
#include "persistence/ClassRegistry.h"
#include "platform/TFont.h"

#include <gtest/gtest.h>

using namespace sw;
using sw::test::readBack;
using sw::test::write;

namespace {

struct LabelStream : ::testing::Test
{
    QObject parent;
    void SetUp() override
    {
        RegisterClass<TGPLabel>();
        RegisterClass<TGSymbolLabel>();
        RegisterClass<TGCounterLabel>();
    }
};

} // namespace

TEST_F(LabelStream, EveryTextLabelPropertyRoundTrips)
{
    TGPLabel l;
    l.setObjectName(QStringLiteral("Special1"));
    l.SetBounds(11, 12, 13, 140);
    l.SetAlignment(taCenter);
    l.SetDepthHighlight(4);
    l.SetDepthShadow(5);
    l.SetDirectionHighlight(TGBaseLabel::hdUp);
    l.SetDirectionShadow(TGBaseLabel::sdLeft);
    l.SetcolorHighlight(0x010203);
    l.SetcolorShadow(clTeal);
    l.SetAngle(270); // after the alignment, which it resets
    l.SetCaption(QStringLiteral("Round trip"));
    l.Font()->setName(QStringLiteral("Times New Roman"));
    l.Font()->setSize(17);
    l.Font()->setStyle(fsBold | fsUnderline);
    l.Font()->setColor(clMaroon);
    l.SetTransparent(false);
    l.SetBackColor(0x0A0B0C);
    l.SetBorderStyle(bsSingle);

    const QByteArray data = write(&l);
    EXPECT_TRUE(data.contains("Font.Name"));
    EXPECT_TRUE(data.contains("clTeal")); // colours by identifier when they have one
    // The base's properties first, then the label's in their fixed order.
    EXPECT_LT(data.indexOf("Unselectable"), data.indexOf("DepthHighlight"));
    EXPECT_FALSE(data.contains("Alignment")); // reset by the turn
    EXPECT_LT(data.indexOf("Angle"), data.indexOf("Caption"));
    EXPECT_LT(data.indexOf("Caption"), data.indexOf("Font.Color"));
    EXPECT_LT(data.indexOf("Font.Style"), data.indexOf("Transparent"));
    EXPECT_LT(data.indexOf("BackColor"), data.indexOf("BorderStyle"));

    auto *r = readBack<TGPLabel>(&parent, data);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->BoundsRect(), QRect(11, 12, 13, 140));
    EXPECT_EQ(r->Alignment(), taLeftJustify);
    EXPECT_EQ(r->DepthHighlight(), 4);
    EXPECT_EQ(r->DepthShadow(), 5);
    EXPECT_EQ(r->DirectionHighlight(), TGBaseLabel::hdUp);
    EXPECT_EQ(r->DirectionShadow(), TGBaseLabel::sdLeft);
    EXPECT_EQ(r->colorHighlight(), 0x010203);
    EXPECT_EQ(r->colorShadow(), clTeal);
    EXPECT_EQ(r->Angle(), 270);
    EXPECT_EQ(r->Caption(), QStringLiteral("Round trip"));
    EXPECT_TRUE(r->Font()->sameAs(*l.Font()));
    EXPECT_FALSE(r->Transparent());
    EXPECT_EQ(r->BackColor(), 0x0A0B0C);
    EXPECT_EQ(r->BorderStyle(), bsSingle);
    EXPECT_FALSE(r->isLoading());
    EXPECT_TRUE(r->hasMenu()); // Loaded ran
}

TEST_F(LabelStream, DefaultsStayOutAndEmptyTextsAreNotWritten)
{
    TGPLabel l;
    l.SetCaption(QString());
    const QByteArray data = write(&l);
    for (const char *name : {"Alignment", "DepthHighlight", "DirectionShadow", "colorHighlight", "Angle", "Caption"})
        EXPECT_FALSE(data.contains(name)) << name;
    for (const char *name : {"Transparent", "BackColor", "BorderStyle", "Font.Height"})
        EXPECT_TRUE(data.contains(name)) << name;
}

TEST_F(LabelStream, CounterAndSymbolKeepTheirOwnState)
{
    TGCounterLabel c;
    c.SetTextBefore(QStringLiteral("No. "));
    c.SetStartingnumber(-7);
    c.SetRepeatEach(3);
    c.SetLeadingZeros(2);
    auto *rc = readBack<TGCounterLabel>(&parent, write(&c));
    ASSERT_NE(rc, nullptr);
    EXPECT_EQ(rc->TextBefore(), QStringLiteral("No. "));
    EXPECT_EQ(rc->TextAfter(), QString());
    EXPECT_EQ(rc->Startingnumber(), -7);
    EXPECT_EQ(rc->CurrentNumber(), -7); // the setter restarted the sequence
    EXPECT_EQ(rc->RepeatEach(), 3);
    EXPECT_EQ(rc->LeadingZeros(), 2);

    TGSymbolLabel s;
    s.SetCaption(QString(QChar(0xFC)));
    s.SetBounds(0, 0, 33, 35);
    auto *rs = readBack<TGSymbolLabel>(&parent, write(&s));
    ASSERT_NE(rs, nullptr);
    EXPECT_EQ(rs->Caption(), QString(QChar(0xFC))); // the WingDings code, not the drawn symbol
    EXPECT_EQ(rs->Font()->name(), QStringLiteral("WingDings"));
    EXPECT_EQ(rs->Font()->size(), 24);
}
