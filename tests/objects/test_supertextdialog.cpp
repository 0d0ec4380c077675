// The SuperText's properties window, driven as a user does: controls filled
// from the object, changes reaching the live sample, the font, symbol and
// texture windows it opens, the refit of typed text, and OK refusing an
// empty text.
#include "DataFileSession.h"
#include "ModalWindow.h"

#include "controls/TDFSColorButton.h"
#include "merge/MergeSession.h"
#include "objects/ObjectEditors.h"
#include "objects/TGSuperText.h"
#include "objects/ui/FontDialog.h"
#include "objects/ui/InsertFieldBox.h"
#include "objects/ui/LabelSampleView.h"
#include "objects/ui/TGBrushImageBrowser.h"
#include "objects/ui/TSuperTextGetSymbol.h"
#include "objects/ui/TSuperTextProperties.h"
#include "platform/MessageService.h"
#include "platform/ScreenInfo.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace sw;
using namespace sw::test;

namespace {

struct SuperTextWindow : ::testing::Test
{
    TGSuperText object;

    void SetUp() override
    {
        ScreenInfo::overridePixelsPerInch(96);
        object.SetBounds(10, 20, 300, 90);
        object.SetCaption(QStringLiteral("SALE"));
        object.SetOutlineColor(clMaroon);
        object.SetShadowDepth(3);
    }
    void TearDown() override { ScreenInfo::overridePixelsPerInch(0); }
};

} // namespace

TEST_F(SuperTextWindow, ShowsTheObjectAndChangesOnlyTheSample)
{
    TSuperTextProperties window(object);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("SuperText Properties"));
    EXPECT_EQ(window.size(), QSize(582, 423));
    EXPECT_EQ(window.CaptionText()->text(), QStringLiteral("SALE"));
    EXPECT_EQ(window.CaptionText()->font().family(), QFont(QStringLiteral("Times New Roman")).family());
    EXPECT_EQ(window.SurfaceTypeCombo()->currentText(), QStringLiteral("Gradient Fill"));
    EXPECT_EQ(window.ShadowOrientationCombo()->currentText(), QStringLiteral("Down and Right"));
    EXPECT_EQ(window.ShadowDepthSpinner()->value(), 3);
    EXPECT_EQ(window.ShadowDepthSpinner()->maximum(), 10);
    EXPECT_EQ(window.OutlineColorButton()->Color(), clMaroon);
    EXPECT_EQ(window.GradientFromcolorButton()->Color(), clBlue);
    // The sample has the object's proportions (laid out, a transparent one
    // hugs its text).
    EXPECT_EQ(window.Sample()->Width(), 300);
    EXPECT_LE(window.Sample()->Height(), 90);
    EXPECT_FALSE(window.FillPanel()->isHidden());
    EXPECT_TRUE(window.ImagePanel()->isHidden());
    EXPECT_TRUE(window.FontcolorPanel()->isHidden());

    // Changes reach the sample at once; the panels follow the surface.
    window.ShadowColorButton()->setColor(clTeal);
    window.OutlineStyleCombo()->setCurrentText(QStringLiteral("Clear"));
    window.SurfaceTypeCombo()->setCurrentText(QStringLiteral("Normal"));
    window.FontColorButton()->setColor(clRed);
    EXPECT_EQ(window.Sample()->Shadowcolor(), clTeal);
    EXPECT_EQ(window.Sample()->Font()->color(), clRed);
    EXPECT_FALSE(window.FontcolorPanel()->isHidden());
    EXPECT_TRUE(window.FillPanel()->isHidden());
    // Unfilled text shows its outline again.
    window.SurfaceTypeCombo()->setCurrentText(QStringLiteral("Transparent"));
    EXPECT_EQ(window.OutlineStyleCombo()->currentText(), QStringLiteral("Solid Line"));
    // "Texture" takes the window's own texture until another is loaded.
    window.SurfaceTypeCombo()->setCurrentText(QStringLiteral("Texture"));
    EXPECT_EQ(window.Sample()->Image()->image(), TSuperTextProperties::builtInTexture().convertToFormat(
                                                     window.Sample()->Image()->image().format()));
    EXPECT_FALSE(window.ImagePanel()->isHidden());
    EXPECT_FALSE(window.SampleView()->render().isNull());

    // Cancel: the object is as it was.
    window.reject();
    EXPECT_EQ(object.Shadowcolor(), clGray);
    EXPECT_EQ(object.SurfaceType(), TGSuperText::stGradientFill);
}

TEST_F(SuperTextWindow, OkRefusesAnEmptyTextThenGivesTheSampleToTheObject)
{
    ScriptedMessageHandler messages;
    MessageHandler *old = MessageService::setHandler(&messages);
    TSuperTextProperties window(object);
    window.CaptionText()->clear();
    window.accept();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Please enter some text")});
    EXPECT_NE(window.result(), QDialog::Accepted);
    EXPECT_EQ(object.Caption(), QStringLiteral("SALE"));

    window.CaptionText()->setText(QStringLiteral("OPEN"));
    window.SurfaceTypeCombo()->setCurrentText(QStringLiteral("Normal"));
    window.FontColorButton()->setColor(clGreen);
    window.ShadowOrientationCombo()->setCurrentText(QStringLiteral("Left"));
    window.refitIfTyped();
    window.accept();
    MessageService::setHandler(old);
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(object.Caption(), QStringLiteral("OPEN"));
    EXPECT_EQ(object.Font()->color(), clGreen);
    EXPECT_EQ(object.ShadowOffset(), QPoint(-3, 0));
    EXPECT_EQ(object.SurfaceType(), TGSuperText::stBrushTransparent);
    // The object keeps its own size.
    EXPECT_EQ(object.BoundsRect().topLeft(), QPoint(10, 20));
    EXPECT_EQ(object.Width(), 300);
}

TEST_F(SuperTextWindow, InsertFieldWritesAColumnIntoTheText)
{
    {
        TSuperTextProperties window(object);
        EXPECT_FALSE(window.InsertField()->isVisibleTo(&window));
    }
    sw::test::chooseDataFile(QStringLiteral("stock.csv"), QStringList{"Item", "Price"});
    TSuperTextProperties window(object);
    MergeSession::clear();
    ASSERT_TRUE(window.InsertField()->isVisibleTo(&window));
    window.CaptionText()->setCursorPosition(4);
    QTest::keyClicks(window.CaptionText(), QStringLiteral(" "));
    QTest::keyClick(window.InsertField()->Fields(), Qt::Key_End);
    EXPECT_EQ(window.CaptionText()->text(), QStringLiteral("SALE ${Price}"));
    EXPECT_EQ(window.Sample()->Caption(), QStringLiteral("SALE ${Price}"));
    window.accept();
    EXPECT_EQ(object.Caption(), QStringLiteral("SALE ${Price}"));
}

TEST_F(SuperTextWindow, SizeButtonsStepByFiveBetweenTenAndOneFiftyAndTypingRefits)
{
    TSuperTextProperties window(object);
    TFont *font = window.Sample()->Font();
    font->setSize(12);
    window.rapidFontSize(false);
    EXPECT_EQ(font->size(), 7);
    window.rapidFontSize(false); // not above 10: stays
    EXPECT_EQ(font->size(), 7);
    font->setSize(148);
    window.rapidFontSize(true);
    EXPECT_EQ(font->size(), 153);
    window.rapidFontSize(true);
    EXPECT_EQ(font->size(), 153);

    // Typing changes the text at once and the size at the next refit.
    font->setSize(48);
    window.Sample()->FitToText();
    const int width = window.Sample()->Width();
    window.CaptionText()->setText(QStringLiteral("SALE TODAY"));
    EXPECT_EQ(window.Sample()->Caption(), QStringLiteral("SALE TODAY"));
    EXPECT_TRUE(window.refitPending());
    EXPECT_EQ(window.Sample()->Width(), width);
    window.refitIfTyped();
    EXPECT_FALSE(window.refitPending());
    EXPECT_GT(window.Sample()->Width(), width * 2);
}

TEST_F(SuperTextWindow, FontAndSymbolWindowsChangeTheSample)
{
    TSuperTextProperties window(object);
    // A face that is not installed comes back from an untouched font window.
    window.Sample()->Font()->setName(QStringLiteral("Not Installed Anywhere"));
    whenModal([](QWidget *w) { EXPECT_TRUE(qobject_cast<FontDialog *>(w)); });
    EXPECT_TRUE(window.selectFont());
    EXPECT_EQ(window.Sample()->Font()->name(), QStringLiteral("Not Installed Anywhere"));

    if (!TSuperTextGetSymbol::symbolFonts().contains(QStringLiteral("WingDings")))
        GTEST_SKIP() << "the face that draws WingDings (fonts-symbola) is not installed";
    // The selector opens on WingDings; the smiley is code 74.
    whenModal([](QWidget *w) {
        auto *selector = qobject_cast<TSuperTextGetSymbol *>(w);
        ASSERT_TRUE(selector);
        EXPECT_EQ(selector->windowTitle(), QStringLiteral("Symbol Selector"));
        EXPECT_EQ(selector->SymbolSets()->currentText(), QStringLiteral("WingDings"));
        EXPECT_EQ(selector->SymbolList()->count(), 224);
        selector->SymbolList()->setCurrentRow(74 - 32);
    });
    EXPECT_TRUE(window.selectSymbol());
    EXPECT_EQ(window.CaptionText()->text(), QString(QChar(74)));
    EXPECT_EQ(window.Sample()->Caption(), QString(QChar(74)));
    EXPECT_EQ(window.Sample()->Font()->name(), QStringLiteral("WingDings"));
    // The sample was fitted to the one symbol.
    EXPECT_LT(window.Sample()->Width(), 150);
}

TEST_F(SuperTextWindow, LoadTextureUsesTheTextureBrowserWithATextSample)
{
    QTemporaryDir dir;
    QImage tile(8, 8, QImage::Format_RGB32);
    tile.fill(Qt::magenta);
    ASSERT_TRUE(tile.save(dir.filePath(QStringLiteral("m.bmp")), "BMP"));
    object.SetSurfaceType(TGSuperText::stBrushImage);
    TSuperTextProperties window(object);
    QTimer::singleShot(0, [&] {
        auto *browser = qobject_cast<TGBrushImageBrowser *>(QApplication::activeModalWidget());
        ASSERT_TRUE(browser);
        ASSERT_TRUE(browser->SuperTextExample());
        EXPECT_EQ(browser->SuperTextExample()->objectName(), QStringLiteral("SuperTextExample"));
        EXPECT_EQ(browser->SuperTextExample()->Caption(), QStringLiteral("SALE"));
        browser->setDirectory(dir.path());
        EXPECT_TRUE(browser->selectFile(dir.filePath(QStringLiteral("m.bmp"))));
        QTest::mouseClick(browser->findChild<QPushButton *>(QStringLiteral("OKButton")), Qt::LeftButton);
    });
    EXPECT_TRUE(window.loadTexture());
    EXPECT_EQ(window.Sample()->Image()->image().pixel(3, 3), qRgb(255, 0, 255));
    EXPECT_EQ(window.LastBitmapFile(), dir.filePath(QStringLiteral("m.bmp")));
    window.accept();
    EXPECT_EQ(object.LastBitmapFileNameandPath(), dir.filePath(QStringLiteral("m.bmp")));
    EXPECT_EQ(object.Image()->image().pixel(0, 0), qRgb(255, 0, 255));

    TSuperTextProperties::install();
    EXPECT_TRUE(ObjectEditors::hasEditor("TGSuperText"));
}
