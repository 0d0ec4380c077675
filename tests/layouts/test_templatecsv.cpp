#include "layouts/tools/TemplateCsv.h"

#include <gtest/gtest.h>

using namespace sw;

namespace {

const QByteArray kHeader =
    "LayoutName,LabelHeight,LabelWidth,NumAcross,NumDown,TopMargin,LeftMargin,HorizPitch,VertPitch,"
    "PageWidth,PageHeight,PrinterType,PaperCode,ShapeCode,ProductCategory\n";
const QByteArray kRow5160 = "Avery 5160 Address,1,2.625,3,10,0.5,0.1875,2.75,1,8.5,11,LJ,LTR,RR,ADDRESS/SHIPPING LABELS\n";

QString errorOf(const QByteArray &content, int maxRows = 300)
{
    return parseTemplateCsv(content, QStringLiteral("stock.csv"), maxRows).error;
}

} // namespace

TEST(TemplateCsv, ReadsRowsIntoLayouts)
{
    const TemplateCsvResult r =
        parseTemplateCsv(kHeader + kRow5160 + "\r\n\"Avery 5066 \"\"Red\"\"\",0.66,3.4375,2,15,0.5,0.5,4,0.66,8.5,11,IJ,A4,EL,FILE FOLDER LABELS\r\n",
                         QStringLiteral("stock.csv"), 300);
    ASSERT_EQ(r.error, QString());
    ASSERT_EQ(r.layouts.size(), 2u);
    TLabelLayout expected;
    expected.LayoutName = "Avery 5160 Address";
    expected.LabelHeight = 1;
    expected.LabelWidth = 2.625;
    expected.NumAcross = 3;
    expected.NumDown = 10;
    expected.TopMargin = 0.5;
    expected.LeftMargin = 0.1875;
    expected.HorizPitch = 2.75;
    expected.VertPitch = 1;
    expected.PageWidth = 8.5;
    expected.PageHeight = 11;
    expected.PrinterType = "LJ";
    expected.PaperCode = "LTR";
    expected.ShapeCode = "RR";
    expected.ProductCategory = "ADDRESS/SHIPPING LABELS";
    EXPECT_EQ(r.layouts[0], expected);
    EXPECT_EQ(r.layouts[1].LayoutName, "Avery 5066 \"Red\"");
    EXPECT_EQ(r.layouts[1].ShapeCode, "EL");
}

TEST(TemplateCsv, OptionalColumnsByHeaderName)
{
    const TemplateCsvResult r = parseTemplateCsv(
        "ArtName,LayoutName,LabelHeight,LabelWidth,NumAcross,NumDown,TopMargin,LeftMargin,HorizPitch,VertPitch,"
        "PageWidth,PageHeight,PrinterType,PaperCode,ShapeCode,ProductCategory,RightHalfOffset\n"
        "av5097.bmp,Avery 5097 Diskette,1,2,1,1,0,0,2,1,8.5,11,LJ,LTR,SR,DISKETTE LABELS,0.125\n",
        QStringLiteral("stock.csv"), 300);
    ASSERT_EQ(r.error, QString());
    EXPECT_EQ(r.layouts.at(0).ArtName, "av5097.bmp");
    EXPECT_EQ(r.layouts.at(0).RightHalfOffset, 0.125);
    EXPECT_EQ(r.layouts.at(0).LowerHalfOffset, 0.0);
}

TEST(TemplateCsv, StopsAtTheFirstBadLineNamingIt)
{
    EXPECT_EQ(errorOf(kHeader + kRow5160 + "Avery 1,x,2,3,10,0.5,0.1875,2.75,1,8.5,11,LJ,LTR,RR,MISC\n"),
              "stock.csv:3: column LabelHeight: \"x\" is not a number");
    EXPECT_EQ(errorOf(kHeader + "Avery 1,1,2,3.5,10,0.5,0.1875,2.75,1,8.5,11,LJ,LTR,RR,MISC\n"),
              "stock.csv:2: column NumAcross: \"3.5\" is not a whole number");
    EXPECT_EQ(errorOf(kHeader + "\n" + "Avery 1,1,2,3,10,0.5,0.1875,2.75,1,8.5,11,LJ,LTR,RR\n"),
              "stock.csv:3: 14 fields where 15 are expected");
    EXPECT_EQ(errorOf(kHeader + "Avery 1,1,2,3,10,0.5,0.1875,2.75,1,8.5,11,LJ,Letter,RR,MISC\n"),
              "stock.csv:2: column PaperCode: \"Letter\" is longer than 5 characters");
    EXPECT_EQ(errorOf(kHeader + "Avery 1,1,2,3,10,0.5,0.1875,2.75,1,8.5,11,LJ,LTRX,RR,MISC\n"),
              "stock.csv:2: column PaperCode: \"LTRX\" is not a known paper code");
    EXPECT_EQ(errorOf(kHeader + "Avery 1,1,2,3,10,0.5,0.1875,2.75,1,8.5,11,LJ,LTR,XX,MISC\n"),
              "stock.csv:2: column ShapeCode: \"XX\" is not a known shape code");
    EXPECT_EQ(errorOf(kHeader + ",1,2,3,10,0.5,0.1875,2.75,1,8.5,11,LJ,LTR,RR,MISC\n"),
              "stock.csv:2: column LayoutName is empty");
    EXPECT_EQ(errorOf(kHeader + "Avery \xe2\x82\xac,1,2,3,10,0.5,0.1875,2.75,1,8.5,11,LJ,LTR,RR,MISC\n"),
              QString::fromUtf8("stock.csv:2: column LayoutName: \"Avery \xe2\x82\xac\" holds a character that cannot be stored"));
    EXPECT_EQ(errorOf(kHeader + "\"Avery 1,1,2\n"), "stock.csv:2: a quoted field is not closed");
    EXPECT_EQ(errorOf("LayoutName,Colour\n"), "stock.csv:1: unknown column \"Colour\"");
    EXPECT_EQ(errorOf("LayoutName\n"), "stock.csv:1: column \"LabelHeight\" is missing");
    EXPECT_EQ(errorOf(""), "stock.csv: no header line");
    EXPECT_EQ(errorOf(kHeader + kRow5160 + kRow5160, 1), "stock.csv:3: more than 1 templates; the table holds no more");
}
