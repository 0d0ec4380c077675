// The SuperShape's properties window and texture browser: controls filled
// from the object, the live sample, OK and Cancel, the option panels per
// shape and surface, and the texture files offered.
#include "objects/ObjectEditors.h"
#include "objects/TSuperShape.h"
#include "objects/ui/ColorDropDown.h"
#include "objects/ui/TGBrushImageBrowser.h"
#include "objects/ui/TSuperShapeProperties.h"
#include "platform/MessageService.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QSpinBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace sw;

namespace {

template <class T>
T *child(QWidget &w, const char *name)
{
    T *found = w.findChild<T *>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QImage tile()
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    return image;
}

} // namespace

TEST(SuperShapeProperties, ControlsShowTheObject)
{
    TSuperShape shape;
    shape.SetBounds(0, 0, 150, 120);
    shape.SetOutlineColor(clSilver);
    shape.SetOutlineWidth(3);
    TSuperShapeProperties window(shape);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Super Shape Properties"));
    EXPECT_EQ(window.size(), QSize(592, 393));
    auto *shapeCombo = child<QComboBox>(window, "ShapeCombo");
    EXPECT_EQ(shapeCombo->count(), 9); // the polygon is not offered
    EXPECT_EQ(shapeCombo->currentIndex(), TSuperShape::gstStar);
    EXPECT_EQ(child<QSpinBox>(window, "PointsOnStar")->value(), 5);
    EXPECT_EQ(child<QSpinBox>(window, "PointsOnStar")->minimum(), 5);
    EXPECT_EQ(child<QSpinBox>(window, "PointsOnStar")->maximum(), 20);
    EXPECT_EQ(child<QSpinBox>(window, "OutLineWidthSpinner")->value(), 3);
    EXPECT_EQ(child<QComboBox>(window, "SurfaceTypeCombo")->currentText(), QStringLiteral("Gradient Fill"));
    // 0xC0C0C0 shows as the first entry of that value.
    auto *outline = child<ColorDropDown>(window, "OutlineColorCombo");
    EXPECT_EQ(outline->currentText(), QStringLiteral("Silver"));
    EXPECT_EQ(outline->count(), 18);
    // A colour not in the list leaves it as it was.
    outline->setColor(0x123456);
    EXPECT_EQ(outline->currentText(), QStringLiteral("Silver"));
    // The sample is 96 x 96 whatever the object's size.
    EXPECT_EQ(window.Sample()->BoundsRect(), QRect(0, 0, 96, 96));
    if (!qEnvironmentVariableIsEmpty("SW_RENDER_OUT")) {
        window.show();
        window.grab().save(qEnvironmentVariable("SW_RENDER_OUT"));
    }
}

TEST(SuperShapeProperties, PanelsFollowShapeAndSurface)
{
    TSuperShape shape;
    shape.SetBounds(0, 0, 100, 100);
    TSuperShapeProperties window(shape);
    auto visible = [&](const char *name) { return !child<QWidget>(window, name)->isHidden(); };
    EXPECT_TRUE(visible("StarPanel"));
    EXPECT_TRUE(visible("FillPanel"));
    EXPECT_FALSE(visible("RRPanel"));
    EXPECT_FALSE(visible("PatternPanel"));
    EXPECT_FALSE(visible("ImagePanel"));

    child<QComboBox>(window, "ShapeCombo")->setCurrentIndex(TSuperShape::gstRoundRect);
    child<QComboBox>(window, "SurfaceTypeCombo")->setCurrentIndex(TSuperShape::stBrushPattern);
    EXPECT_FALSE(visible("StarPanel"));
    EXPECT_TRUE(visible("RRPanel"));
    EXPECT_TRUE(visible("PatternPanel"));
    EXPECT_FALSE(visible("FillPanel"));

    child<QComboBox>(window, "SurfaceTypeCombo")->setCurrentIndex(TSuperShape::stBrushImage);
    EXPECT_TRUE(visible("ImagePanel"));
    EXPECT_FALSE(visible("PatternPanel"));
}

TEST(SuperShapeProperties, OkAppliesTheSampleAndCancelChangesNothing)
{
    TSuperShape shape;
    shape.SetBounds(0, 0, 100, 100);
    {
        TSuperShapeProperties window(shape);
        child<QComboBox>(window, "ShapeCombo")->setCurrentIndex(TSuperShape::gstDiamond);
        child<ColorDropDown>(window, "BackGroundColorCombo")->setColor(clYellow);
        // The two background lists follow each other.
        EXPECT_EQ(child<ColorDropDown>(window, "BackGroundColorCombo2")->color(), clYellow);
        child<QComboBox>(window, "ShadowOrientationCombo")->setCurrentIndex(TSuperShape::soLowerRight);
        EXPECT_EQ(window.Sample()->Shape(), TSuperShape::gstDiamond); // live
        window.reject();
    }
    EXPECT_EQ(shape.Shape(), TSuperShape::gstStar);
    EXPECT_EQ(shape.BackColor(), clRed);
    EXPECT_EQ(shape.ShadowOrient(), TSuperShape::soNone);

    TSuperShapeProperties window(shape);
    child<QComboBox>(window, "ShapeCombo")->setCurrentIndex(TSuperShape::gstEllipse);
    child<QComboBox>(window, "SurfaceTypeCombo")->setCurrentIndex(TSuperShape::stBrushImage);
    window.takeTexture(tile(), QStringLiteral("/x/Dots.bmp"));
    child<ColorDropDown>(window, "ShadowColorCombo")->setColor(clNavy);
    child<QComboBox>(window, "ShadowOrientationCombo")->setCurrentIndex(TSuperShape::soUpperLeft);
    child<QSpinBox>(window, "ShadowDepthSpinner")->setValue(8);
    window.accept();
    EXPECT_EQ(shape.Shape(), TSuperShape::gstEllipse);
    EXPECT_EQ(shape.SurfaceType(), TSuperShape::stBrushImage);
    EXPECT_EQ(shape.Image()->image().size(), QSize(8, 8));
    EXPECT_EQ(shape.ShadowColor(), clNavy);
    EXPECT_EQ(shape.ShadowOrient(), TSuperShape::soUpperLeft);
    EXPECT_EQ(shape.ShadowDepth(), 8);
    EXPECT_EQ(shape.LastBitmapFileNameandPath(), QStringLiteral("/x/Dots.bmp"));
    EXPECT_EQ(shape.BoundsRect(), QRect(0, 0, 100, 100)); // the bounds stay
}

TEST(SuperShapeProperties, TextureComesBackWhenTheSurfaceReturns)
{
    TSuperShape shape;
    shape.SetBounds(0, 0, 100, 100);
    TSuperShapeProperties window(shape);
    auto *surface = child<QComboBox>(window, "SurfaceTypeCombo");
    surface->setCurrentIndex(TSuperShape::stBrushImage);
    window.takeTexture(tile(), QString());
    surface->setCurrentIndex(TSuperShape::stGradientFill);
    EXPECT_TRUE(window.Sample()->Image()->isEmpty());
    surface->setCurrentIndex(TSuperShape::stBrushImage);
    EXPECT_EQ(window.Sample()->Image()->image().size(), QSize(8, 8));
    // Transparent drops the shadow and keeps an outline.
    child<QComboBox>(window, "ShadowOrientationCombo")->setCurrentIndex(TSuperShape::soLowerLeft);
    child<QComboBox>(window, "OutlineStyleCombo")->setCurrentIndex(psClear);
    surface->setCurrentIndex(TSuperShape::stBrushTransparent);
    EXPECT_EQ(child<QComboBox>(window, "ShadowOrientationCombo")->currentIndex(), 0);
    EXPECT_EQ(child<QComboBox>(window, "OutlineStyleCombo")->currentIndex(), psSolid);
}

TEST(SuperShapeProperties, IsTheRegisteredEditor)
{
    TSuperShapeProperties::install();
    EXPECT_TRUE(ObjectEditors::hasEditor("TSuperShape"));
}

TEST(TextureBrowser, ListsTextureFilesAndLoadsTheSelectedOne)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    tile().save(dir.filePath(QStringLiteral("a.bmp")), "BMP");
    tile().save(dir.filePath(QStringLiteral("B.PCX.png")), "PNG"); // not a texture type
    QFile bad(dir.filePath(QStringLiteral("broken.BMP")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a bitmap");
    bad.close();

    TSuperShape sample;
    sample.SetBounds(0, 0, 96, 96);
    sample.SetSurfaceType(TSuperShape::stBrushImage);
    TGBrushImageBrowser browser(sample, QString());
    EXPECT_EQ(browser.windowTitle(), QStringLiteral("Load Texture Image"));
    EXPECT_EQ(browser.size(), QSize(596, 286));
    EXPECT_EQ(browser.ExampleSuperShape()->BoundsRect(), QRect(0, 0, 75, 75));
    browser.setDirectory(dir.path());
    EXPECT_EQ(browser.listedFiles(), (QStringList{QStringLiteral("a.bmp"), QStringLiteral("broken.BMP")}));

    ASSERT_TRUE(browser.selectFile(dir.filePath(QStringLiteral("a.bmp"))));
    EXPECT_EQ(browser.Texture().size(), QSize(8, 8));
    EXPECT_EQ(browser.selectedFile(), dir.filePath(QStringLiteral("a.bmp")));

    // A broken bitmap empties the texture and says so.
    struct Recorder : MessageHandler
    {
        QStringList errors;
        void information(const QString &) override {}
        bool question(const QString &, const QString &) override { return false; }
        void error(const QString &text) override { errors << text; }
    } recorder;
    MessageHandler *old = MessageService::setHandler(&recorder);
    browser.selectFile(dir.filePath(QStringLiteral("broken.BMP")));
    MessageService::setHandler(old);
    EXPECT_TRUE(browser.Texture().isNull());
    EXPECT_EQ(recorder.errors, QStringList{QStringLiteral("Error loading file!")});

    // Opened again with that file remembered, it starts on it.
    TGBrushImageBrowser again(sample, dir.filePath(QStringLiteral("a.bmp")));
    EXPECT_EQ(again.directory(), QDir(dir.path()).absolutePath());
    EXPECT_EQ(again.Texture().size(), QSize(8, 8));
}
