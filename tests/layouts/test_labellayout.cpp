#include "layouts/LabelShape.h"
#include "layouts/LayoutArt.h"
#include "layouts/LayoutWorkingCopy.h"
#include "layouts/PaperCodes.h"
#include "layouts/PanelSizing.h"
#include "layouts/TLabelLayout.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace sw;

TEST(LabelLayout, DefaultIsThe30UpAddressLabelOnLetter)
{
    const TLabelLayout l = TLabelLayout::defaultLayout();
    EXPECT_EQ(l.LayoutName, "Avery 5160 Address");
    EXPECT_EQ(l.LabelHeight, 1.0);
    EXPECT_EQ(l.LabelWidth, 2.65);
    EXPECT_EQ(l.NumAcross, 3);
    EXPECT_EQ(l.NumDown, 10);
    EXPECT_EQ(l.TopMargin, 0.5);
    EXPECT_EQ(l.LeftMargin, 0.188);
    EXPECT_EQ(l.HorizPitch, 2.765);
    EXPECT_EQ(l.VertPitch, 1.01);
    EXPECT_EQ(l.PageWidth, 8.5);
    EXPECT_EQ(l.PageHeight, 11.0);
    EXPECT_EQ(l.RightHalfOffset, 0.0);
    EXPECT_EQ(l.LowerHalfOffset, 0.0);
    EXPECT_EQ(l.PrinterType, "LJ");
    EXPECT_EQ(l.PaperCode, "LTR");
    EXPECT_EQ(l.ShapeCode, "RR");
    EXPECT_EQ(l.ProductCategory, "ADDRESS/SHIPPING LABELS");
    EXPECT_TRUE(l.ArtName.isEmpty());

    EXPECT_EQ(l, TLabelLayout::defaultLayout());
    TLabelLayout other = l;
    other.VertPitch = 1.0;
    EXPECT_NE(l, other);
}

TEST(LabelLayout, StringsAreCutToTheirFieldWidths)
{
    TLabelLayout l;
    l.LayoutName = QString(80, QLatin1Char('N'));
    l.PrinterType = QStringLiteral("LJX");
    l.PaperCode = QStringLiteral("LTRLXX");
    l.ShapeCode = QStringLiteral("RRR");
    l.ProductCategory = QString(30, QLatin1Char('C'));
    l.ArtName = QStringLiteral("av5097-long.bmp");
    l.cutToFieldWidths();

    EXPECT_EQ(l.LayoutName, QString(60, QLatin1Char('N')));
    EXPECT_EQ(l.PrinterType, "LJ");
    EXPECT_EQ(l.PaperCode, "LTRLX");   // six characters cut to five ...
    EXPECT_FALSE(findPaperCode(l.PaperCode)); // ... and it names no paper
    EXPECT_EQ(l.ShapeCode, "RR");
    EXPECT_EQ(l.ProductCategory, QString(25, QLatin1Char('C')));
    EXPECT_EQ(l.ArtName, "av5097-long.");

    // A six-character code whose first five are a known code matches it.
    EXPECT_EQ(TLabelLayout::cutToWidth(QStringLiteral("LTRLZ9"), 5), "LTRLZ");
    EXPECT_EQ(TLabelLayout::cutToWidth(QStringLiteral("A4L  x"), 5), "A4L  ");

    // Fitting strings stay as they are; a cut never splits a surrogate pair.
    EXPECT_EQ(TLabelLayout::cutToWidth(QStringLiteral("LTR"), 5), "LTR");
    const QString pair = QString::fromUtf8("AB\xF0\x9F\x98\x80"); // A B U+1F600
    EXPECT_EQ(TLabelLayout::cutToWidth(pair, 3), "AB");
}

TEST(LayoutWorkingCopy, MeasurementsPassThroughSinglePrecisionOffsetsDoNot)
{
    TLabelLayout l = TLabelLayout::defaultLayout();
    l.RightHalfOffset = 0.1;
    l.LowerHalfOffset = 2.65;

    const LayoutWorkingCopy w = LayoutWorkingCopy::fromLayout(l);
    EXPECT_EQ(w.LabelWidth, 2.65f);
    EXPECT_EQ(w.NumAcross, 3);
    EXPECT_EQ(w.PaperCode, "LTR");

    const TLabelLayout back = w.toLayout();
    EXPECT_EQ(back.LabelWidth, 2.6500000953674316);
    EXPECT_EQ(back.VertPitch, 1.0099999904632568);
    EXPECT_EQ(back.LeftMargin, 0.18799999356269836);
    EXPECT_EQ(back.LabelHeight, 1.0); // representable values survive
    EXPECT_EQ(back.RightHalfOffset, 0.1);
    EXPECT_EQ(back.LowerHalfOffset, 2.65);
    EXPECT_EQ(back.LayoutName, l.LayoutName);
    EXPECT_EQ(back.ProductCategory, l.ProductCategory);
    EXPECT_EQ(back.NumDown, 10);

    // A second pass changes nothing more.
    EXPECT_EQ(LayoutWorkingCopy::fromLayout(back).toLayout(), back);
}

TEST(LayoutWorkingCopy, BackToRecordCutsStringsAndSaturatesHugeValues)
{
    LayoutWorkingCopy w = LayoutWorkingCopy::fromLayout(TLabelLayout::defaultLayout());
    w.LayoutName = QString(61, QLatin1Char('x'));
    w.PaperCode = QStringLiteral("A4LAND");
    EXPECT_EQ(w.toLayout().LayoutName.size(), 60);
    EXPECT_EQ(w.toLayout().PaperCode, "A4LAN");

    TLabelLayout l;
    l.PageWidth = 1e300;
    l.PageHeight = -1e300;
    const LayoutWorkingCopy big = LayoutWorkingCopy::fromLayout(l);
    EXPECT_TRUE(std::isinf(big.PageWidth) && big.PageWidth > 0);
    EXPECT_TRUE(std::isinf(big.PageHeight) && big.PageHeight < 0);
}

TEST(PanelSizing, RoundsPpiTimesInchesHalfToEven)
{
    const TLabelLayout l = TLabelLayout::defaultLayout();
    EXPECT_EQ(panelPixelSize(l, 96), QSize(254, 96)); // 254.4 x 96
    EXPECT_EQ(panelPixelSize(l, 120), QSize(318, 120));
    // The working copy's single 2.65 is 318.0000114 at 120 ppi: still 318.
    EXPECT_EQ(panelPixelSize(LayoutWorkingCopy::fromLayout(l), 120), QSize(318, 120));

    // Ties at 120 ppi go to the even neighbour.
    EXPECT_EQ(panelPixelSize(2.0625, 0.8125, 120), QSize(248, 98));  // 247.5, 97.5
    EXPECT_EQ(panelPixelSize(2.6875, 1.1875, 120), QSize(322, 142)); // 322.5, 142.5
    EXPECT_EQ(panelPixelSize(2.0625, 1.0, 96), QSize(198, 96));      // 198.0
}

TEST(PanelSizing, UncheckedLayoutsGiveABoundedPanel)
{
    EXPECT_EQ(panelPixelSize(-1.0, 0.0, 96), QSize(0, 0));
    EXPECT_EQ(panelPixelSize(1e300, std::nan(""), 96), QSize(MaxPanelPixels, 0));
    EXPECT_EQ(panelPixelSize(HUGE_VAL, 1.0, 96), QSize(MaxPanelPixels, 96));
}

TEST(PanelSizing, ResizeOnlyWhenSizeOrShapeCodeChanges)
{
    const QSize s(254, 96);
    EXPECT_FALSE(panelNeedsResize(s, QStringLiteral("RR"), QSize(254, 96), QStringLiteral("RR")));
    EXPECT_TRUE(panelNeedsResize(s, QStringLiteral("RR"), QSize(254, 97), QStringLiteral("RR")));
    EXPECT_TRUE(panelNeedsResize(s, QStringLiteral("RR"), QSize(255, 96), QStringLiteral("RR")));
    EXPECT_TRUE(panelNeedsResize(s, QStringLiteral("RR"), s, QStringLiteral("EL")));
    EXPECT_TRUE(panelNeedsResize(s, QStringLiteral("RR"), s, QStringLiteral("rr")));
}

TEST(LabelShape, CodesMapToShapesOthersLeaveTheShapeAlone)
{
    EXPECT_EQ(shapeForCode(QStringLiteral("RR")), TLabelShapeType::lsRoundRect);
    EXPECT_EQ(shapeForCode(QStringLiteral("SR")), TLabelShapeType::lsRectangle);
    EXPECT_EQ(shapeForCode(QStringLiteral("EL")), TLabelShapeType::lsEllipse);
    EXPECT_FALSE(shapeForCode(QStringLiteral("rr")));
    EXPECT_FALSE(shapeForCode(QStringLiteral("XX")));
    EXPECT_FALSE(shapeForCode(QString()));

    // The layout editor lists them in this order.
    ASSERT_EQ(shapeCodes().size(), 3u);
    EXPECT_EQ(shapeCodes()[0].editorItem, "Rectangular with Rounded Edges");
    EXPECT_EQ(shapeCodes()[1].editorItem, "Rectangular");
    EXPECT_EQ(shapeCodes()[2].editorItem, "Round");
}

TEST(PaperCodes, ExactCaseSensitiveTable)
{
    struct Row { const char* code; int paper; bool landscape; const char* line; };
    const Row rows[] = {
        {"LTR", 1, false, "Paper Size: Letter"},
        {"LTRL", 1, true, "Paper Size: Letter Landscape"},
        {"A4", 9, false, "Paper Size: A4"},
        {"A4L", 9, true, "Paper Size: A4 Landscape"},
        {"A5", 11, false, "Paper Size: A5"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.code);
        const QString code = QString::fromLatin1(r.code);
        EXPECT_EQ(printerPaperNumber(code), r.paper);
        EXPECT_EQ(isLandscape(code), r.landscape);
        EXPECT_EQ(paperDescription(code), QString::fromLatin1(r.line));
        ASSERT_TRUE(pageSizeForPaperCode(code));
    }
    EXPECT_EQ(pageSizeForPaperCode(QStringLiteral("A4L"))->id(), QPageSize::A4);
    EXPECT_EQ(pageSizeForPaperCode(QStringLiteral("LTRL"))->id(), QPageSize::Letter);
    EXPECT_EQ(findPaperCode(QStringLiteral("A4L"))->sheetInches, QSizeF(11.69, 8.27));

    for (const char* other : {"ltr", "a4l", "LTR ", "A4LX", "", "A3"}) {
        SCOPED_TRACE(other);
        const QString code = QString::fromLatin1(other);
        EXPECT_EQ(findPaperCode(code), nullptr);
        EXPECT_FALSE(isLandscape(code));
        EXPECT_FALSE(printerPaperNumber(code));
        EXPECT_TRUE(paperDescription(code).isEmpty());
        EXPECT_FALSE(pageSizeForPaperCode(code));
    }
}

TEST(LayoutArt, ResourceNameIsTheUpperCasedStem)
{
    EXPECT_EQ(artResourceName(QStringLiteral("av5097.bmp")), "AV5097");
    EXPECT_EQ(artResourceName(QStringLiteral("AV5097")), "AV5097");
    EXPECT_EQ(artResourceName(QStringLiteral("avwsi13.x.bmp")), "AVWSI13");
    EXPECT_EQ(artResourceName(QStringLiteral(".bmp")), "");
    EXPECT_EQ(artResourceName(QString()), "");
    EXPECT_TRUE(knownArtNames().contains(artResourceName(QStringLiteral("av5097.bmp"))));
    EXPECT_EQ(knownArtNames().size(), 25);
}

TEST(LayoutArt, MissingOrUnusableArtGivesANullImage)
{
    EXPECT_TRUE(loadArt(QStringLiteral("av5097.bmp")).isNull()); // none carried
    EXPECT_TRUE(loadArt(QStringLiteral("NOSUCHART")).isNull());
    EXPECT_TRUE(loadArt(QString()).isNull());
    EXPECT_TRUE(loadArt(QStringLiteral("art/AV5097")).isNull());
}
