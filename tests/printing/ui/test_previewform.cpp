// The preview window on a recorded sheet: zoom limits and steps, fits,
// clicks on the page, the caption and where its placement is kept.
#include "ModalScript.h"

#include "platform/IniFile.h"
#include "platform/ProgramFolder.h"
#include "platform/ScreenInfo.h"
#include "printing/ui/TFilePreview.h"
#include "printing/ui/TPreviewForm.h"
#include "report/RPDefine.h"
#include "report/TReportFiler.h"

#include <QBuffer>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace sw;

namespace {

// One Letter sheet with a one-inch square at (1, 1) inch.
QByteArray recordedSheet(int pages = 1)
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    TReportFiler filer;
    filer.StreamMode = smUser;
    filer.setStream(&buffer);
    filer.OnPrint = [pages](TBaseReport &r) {
        for (int p = 0; p < pages; ++p) {
            if (p > 0)
                r.NewPage();
            r.SetBrush(clBlack, bsSolid);
            r.Rectangle(1, 1, 2, 2);
        }
    };
    filer.Execute();
    return buffer.data();
}

struct Preview : ::testing::Test
{
    QTemporaryDir dir;
    void SetUp() override
    {
        ProgramFolder::setPath(dir.path());
        ScreenInfo::overridePixelsPerInch(96);
    }
    void TearDown() override
    {
        ScreenInfo::overridePixelsPerInch(0);
        ProgramFolder::setPath(QString());
    }
};

} // namespace

TEST_F(Preview, ZoomStaysBetweenTenAndTwoHundred)
{
    TPreviewForm form(recordedSheet());
    form.InitialZoom = 100;
    form.show();
    TFilePreview &p = form.FilePreview1();
    EXPECT_EQ(form.windowTitle(), "Preview Page 1 of 1 ( 100% )");
    EXPECT_EQ(form.windowTitle(), TPreviewForm::pageCaption(1, 1, 100));

    p.setZoomFactor(200);
    form.SBZoomInClick();
    EXPECT_EQ(p.ZoomFactor(), 200);
    p.setZoomFactor(10);
    form.SBZoomOutClick();
    EXPECT_EQ(p.ZoomFactor(), 10);
    p.setZoomFactor(15);
    form.SBZoomOutClick(); // 5 is raised to the minimum
    EXPECT_EQ(p.ZoomFactor(), 10);
    p.setZoomFactor(0);
    EXPECT_EQ(p.ZoomFactor(), 10);
    p.setZoomFactor(450);
    EXPECT_EQ(p.ZoomFactor(), 200);
    form.zbZoom100Click();
    EXPECT_EQ(form.windowTitle(), "Preview Page 1 of 1 ( 100% )");

    // The page image is the sheet at the zoom plus the fixed margin.
    const int margin = p.marginPixels();
    EXPECT_EQ(margin, 20); // Round(96 x 8.5 x 2.5 / 100)
    p.setZoomFactor(50);
    EXPECT_EQ(p.pageImage().size(), QSize(408 + 2 * margin, 528 + 2 * margin));
    // The square at one inch is at 48 pixels at 50 %.
    EXPECT_EQ(qGray(p.pageImage().pixel(margin + 60, margin + 60)), 0);
    EXPECT_EQ(qGray(p.pageImage().pixel(margin + 40, margin + 40)), 255);
}

TEST_F(Preview, ClicksOnThePageZoomAndFitsUseTheBox)
{
    TPreviewForm form(recordedSheet());
    form.resize(700, 500);
    form.show();
    TFilePreview &p = form.FilePreview1();
    // Opened in its initial mode: the whole page fits the box.
    EXPECT_LE(p.pageImage().height(), form.ScrollBox1->height());
    EXPECT_LE(p.pageImage().width(), form.ScrollBox1->width());
    EXPECT_NEAR(p.ZoomFactor(), p.pageZoom(), 1e-9);

    form.SBZoomPageWidthClick();
    EXPECT_LE(p.pageImage().width(), form.ScrollBox1->viewport()->width());
    EXPECT_GT(p.pageImage().width(), form.ScrollBox1->viewport()->width() - 30);

    form.zbZoom100Click();
    QTest::mouseClick(p.pageWidget(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(p.ZoomFactor(), 110);
    QTest::mouseClick(p.pageWidget(), Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseClick(p.pageWidget(), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(p.ZoomFactor(), 90);
    EXPECT_EQ(form.windowTitle(), "Preview Page 1 of 1 ( 90% )");
}

TEST_F(Preview, SeveralPagesShowTheirNavigation)
{
    TPreviewForm form(recordedSheet(3));
    form.InitialZoom = 100;
    form.show();
    EXPECT_FALSE(form.sbNextPage->isHidden());
    EXPECT_EQ(form.windowTitle(), "Preview Page 1 of 3 ( 100% )");
    form.SBNextPageClick();
    form.sbLastPageClick();
    form.SBNextPageClick(); // no page 4
    EXPECT_EQ(form.windowTitle(), "Preview Page 3 of 3 ( 100% )");
    form.sbFirstPageClick();
    form.SBPrevPageClick();
    EXPECT_EQ(form.FilePreview1().CurrentPage(), 1);
}

TEST_F(Preview, PlacementIsKeptPerScreenResolution)
{
    EXPECT_EQ(TPreviewForm::placementSection(96), "TPreviewForm_Placement");
    EXPECT_EQ(TPreviewForm::placementSection(120), "TPreviewForm_Placement120");

    {
        TPreviewForm form(recordedSheet());
        form.show();
        form.setGeometry(40, 50, 700, 500);
        form.CloseButton->click();
    }
    IniFile ini(ProgramFolder::filePath(QStringLiteral("SK.INI")));
    const QString section = QStringLiteral("TPreviewForm_Placement");
    EXPECT_EQ(ini.readInteger(section, QStringLiteral("Right"), 0)
                  - ini.readInteger(section, QStringLiteral("Left"), 0),
              700);
    EXPECT_EQ(ini.readInteger(section, QStringLiteral("Bottom"), 0)
                  - ini.readInteger(section, QStringLiteral("Top"), 0),
              500);
    EXPECT_FALSE(ini.readBool(section, QStringLiteral("Maximized"), true));

    TPreviewForm again(recordedSheet());
    again.show();
    EXPECT_EQ(again.size(), QSize(700, 500));
}

TEST_F(Preview, StartNeedsAScrollBoxAndAWholeStream)
{
    TFilePreview p;
    p.setStream(recordedSheet());
    try {
        p.Start();
        FAIL() << "started without a scroll box";
    } catch (const EReportPrinter &e) {
        EXPECT_EQ(e.message(), "ScrollBox must be assigned for FilePreview component");
    }
    QScrollArea box;
    p.ScrollBox = &box;
    p.setStream(recordedSheet().left(40));
    EXPECT_THROW(p.Start(), EReportPrinter);
}
