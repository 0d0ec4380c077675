// The design panel without a window: painting steps, rubber band, object
// creation with the drawing tools, names, zoom and the commands that walk
// the objects.
#include "objects/TGGraphicControl.h"
#include "persistence/ClassRegistry.h"
#include "platform/ProgramFolder.h"
#include "surface/TGHandle.h"
#include "surface/TGStickwellPanel32.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace sw;

namespace test {
// Stands in for the shape object in creation tests: a plain object that
// records the starting values the tool gives it.
class TGLabelShapes : public TGGraphicControl
{
    Q_OBJECT
    Q_PROPERTY(QString Shape MEMBER shape)
public:
    using TGGraphicControl::TGGraphicControl;
    QString shape;
};
} // namespace test

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kGreen = 0xFF008000;

bool isGreen(const QImage &image, int x, int y)
{
    return image.pixel(x, y) == kGreen;
}

struct Panel : ::testing::Test
{
    TGStickwellPanel32 panel;
    QList<QRect> dropped;
    int changes = 0;

    void SetUp() override
    {
        panel.setSize(254, 96);
        panel.DroppedObjectEvent = [this](const QRect &r) { dropped << r; };
        panel.LabelChangedEvent = [this](QObject *) { ++changes; };
    }

    void drag(QPoint from, QPoint to, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        panel.mouseDown(Qt::LeftButton, mods, from, from);
        panel.mouseMove(Qt::LeftButton, mods, to);
        panel.mouseUp(Qt::LeftButton, mods, to);
    }

    TGGraphicControl *place(int l, int t, int w, int h)
    {
        auto *o = new TGGraphicControl;
        o->Loaded();
        panel.PlaceObject(o, QRect(l, t, w, h));
        return o;
    }
};

} // namespace

TEST_F(Panel, OutlineIsDottedAndGridDotsStayInsideTheEllipse)
{
    panel.setShape(TLabelShapeType::lsEllipse);
    panel.setDrawOutline(true);
    panel.setShowGrid(true);
    const QImage image = panel.render();

    // Grid dots at x = 2 mod 4 and y = 2 mod 4, only inside the ellipse.
    EXPECT_TRUE(isGreen(image, 126, 46));
    EXPECT_FALSE(isGreen(image, 127, 46));
    EXPECT_FALSE(isGreen(image, 2, 2));     // outside: the ellipse's corner
    EXPECT_FALSE(isGreen(image, 250, 94));
    EXPECT_EQ(image.pixel(2, 2), kWhite);

    // The outline along the top of the ellipse alternates black and white.
    int black = 0, white = 0;
    for (int x = 110; x < 140; ++x) {
        if (image.pixel(x, 0) == 0xFF000000)
            ++black;
        else if (image.pixel(x, 0) == kWhite)
            ++white;
    }
    EXPECT_GT(black, 5);
    EXPECT_GT(white, 5);
}

TEST_F(Panel, GridOf8x8HasDotsEveryEightPixels)
{
    panel.setShape(TLabelShapeType::lsRectangle);
    panel.setGridSize(TGBasePanel::gs8x8);
    panel.setShowGrid(true);
    const QImage image = panel.render();
    EXPECT_TRUE(isGreen(image, 10, 10));
    EXPECT_FALSE(isGreen(image, 14, 10));
    EXPECT_TRUE(isGreen(image, 2, 2));
}

TEST_F(Panel, RubberBandSelectsTouchedObjectsAndShiftToggles)
{
    auto *a = place(10, 10, 20, 20);
    auto *b = place(100, 10, 20, 20);
    drag({5, 5}, {12, 12});
    ASSERT_EQ(panel.handle().Count(), 1);
    EXPECT_EQ(panel.handle().SelectedObject(0), a);

    // Shift over both: the selected one drops out, the other comes in.
    drag({0, 0}, {110, 40}, Qt::ShiftModifier);
    ASSERT_EQ(panel.handle().Count(), 1);
    EXPECT_EQ(panel.handle().SelectedObject(0), b);

    // A band drawn up and to the left works the same.
    drag({40, 40}, {15, 15});
    ASSERT_EQ(panel.handle().Count(), 1);
    EXPECT_EQ(panel.handle().SelectedObject(0), a);
}

TEST_F(Panel, UnselectableObjectsFallThroughToTheRubberBand)
{
    auto *a = place(10, 10, 20, 20);
    a->SetUnselectable(true);
    panel.mouseDown(Qt::LeftButton, Qt::NoModifier, {15, 15}, {15, 15});
    EXPECT_TRUE(panel.rubberBandActive());
    panel.mouseUp(Qt::LeftButton, Qt::NoModifier, {15, 15});
    EXPECT_EQ(panel.handle().Count(), 0);
}

TEST_F(Panel, ToolsWidenTheBandAndPlaceTheObject)
{
    UnRegisterClass(&test::TGLabelShapes::staticMetaObject);
    if (const TPersistentClass *real = GetClass("TGLabelShapes"))
        UnRegisterClass(real->metaObject);
    RegisterClass<test::TGLabelShapes>();

    panel.SetPanelState(TGStickwellPanel32::psRectangle);
    EXPECT_FALSE(panel.Pointing());
    drag({30, 20}, {30, 20}); // a click
    ASSERT_EQ(panel.labelObjects().size(), 1);
    auto *o = qobject_cast<test::TGLabelShapes *>(panel.labelObjects().last());
    ASSERT_TRUE(o);
    EXPECT_EQ(o->BoundsRect(), QRect(30, 20, 50, 15));
    EXPECT_EQ(o->shape, "stRectangle");
    EXPECT_EQ(o->objectName(), "Special1");
    EXPECT_TRUE(o->hasMenu());
    // The shape tools stay armed; the main window ends them.
    EXPECT_EQ(panel.PanelState(), TGStickwellPanel32::psRectangle);
    ASSERT_EQ(dropped.size(), 1);

    drag({10, 10}, {40, 20}); // 30 wide, 10 high
    EXPECT_EQ(panel.labelObjects().last()->BoundsRect(), QRect(10, 10, 30, 15));
    EXPECT_EQ(panel.labelObjects().last()->objectName(), "Special2");

    drag({10, 10}, {20, 60}); // narrower than 25
    EXPECT_EQ(panel.labelObjects().last()->BoundsRect(), QRect(10, 10, 50, 50));
    UnRegisterClass(&test::TGLabelShapes::staticMetaObject);
}

TEST_F(Panel, UniqueNamesRunOutAfterAThousand)
{
    for (int n = 1; n <= 1000; ++n) {
        auto *o = new TGGraphicControl;
        o->setObjectName(QStringLiteral("Special%1").arg(n));
        panel.addObject(o);
    }
    EXPECT_EQ(panel.UniqueObjectName(), QString());
    delete panel.labelObjects().at(499);
    EXPECT_EQ(panel.UniqueObjectName(), "Special500");
}

TEST_F(Panel, ZoomScalesPanelAndObjectsAndIsSilent)
{
    auto *o = place(0, 0, 30, 30);
    o->SetBounds(10, 11, 21, 10);
    changes = 0;
    panel.SetZoom(2.0f);
    EXPECT_EQ(panel.Width(), 508);
    EXPECT_EQ(panel.Height(), 192);
    EXPECT_EQ(o->BoundsRect(), QRect(20, 22, 42, 20));
    EXPECT_EQ(changes, 0);
    panel.SetZoom(1.0f);
    EXPECT_EQ(o->BoundsRect(), QRect(10, 11, 21, 10));
}

TEST_F(Panel, ZoomDerivesFromTheGeometryAtOneHundredPercent)
{
    panel.setSize(375, 256);
    auto *o = place(17, 23, 252, 96);
    changes = 0;
    // The program's zoom steps: 0.1 at a time, in single precision.
    for (int i = 0; i < 5; ++i)
        panel.SetZoom(static_cast<float>(panel.ScaleFactor() - 0.1));
    for (int i = 0; i < 5; ++i)
        panel.SetZoom(static_cast<float>(panel.ScaleFactor() + 0.1));
    EXPECT_EQ(o->BoundsRect(), QRect(17, 23, 252, 96));
    EXPECT_EQ(QSize(panel.Width(), panel.Height()), QSize(375, 256));
    EXPECT_EQ(changes, 0);

    // An object resized at 50 % is rounded once: 126 + 3 = 129 pixels are
    // 258 at 100 %; its position, untouched, stays.
    panel.SetZoom(0.5f);
    o->setWidth(o->Width() + 3);
    EXPECT_EQ(changes, 1);
    panel.SetZoom(1.0f);
    EXPECT_EQ(o->BoundsRect(), QRect(17, 23, 258, 96));

    // An object read onto a zoomed panel (a paste) takes its bounds as
    // bounds at that zoom.
    panel.SetZoom(1.5f);
    auto *pasted = new TGGraphicControl;
    pasted->SetBounds(30, 45, 150, 61);
    pasted->Loaded();
    panel.addObject(pasted);
    panel.AttachAllObjects();
    EXPECT_EQ(pasted->BoundsRect(), QRect(30, 45, 150, 61));
    panel.SetZoom(1.0f);
    EXPECT_EQ(pasted->BoundsRect(), QRect(20, 30, 100, 41));
}

TEST_F(Panel, PurgeAndKeepInside)
{
    place(10, 10, 20, 20);
    auto *nearRight = place(250, 10, 20, 20);  // left > 254 - 10
    auto *low = place(10, 90, 20, 20);         // top > 96 - 10
    Q_UNUSED(nearRight)
    Q_UNUSED(low)
    panel.KeepObjectsInside();
    EXPECT_EQ(panel.labelObjects().at(1)->Left(), 254 - 20);
    EXPECT_EQ(panel.labelObjects().at(2)->Top(), 96 - 10);

    // Purging drops what lies wholly outside the label and what has no
    // area; objects near the edges but inside stay.
    auto *flat = place(30, 30, 20, 20);
    flat->setHeight(0);
    auto *below = place(10, 10, 20, 20);
    below->setTop(96);
    auto *right = place(10, 10, 20, 20);
    right->setLeft(254);
    auto *inside = place(10, 10, 3, 3);
    inside->SetBounds(250, 92, 3, 3);
    changes = 0;
    panel.PurgeObjects();
    EXPECT_EQ(panel.labelObjects().size(), 4);
    EXPECT_TRUE(panel.labelObjects().contains(inside));
    // Each deletion is a change of the design.
    EXPECT_EQ(changes, 3);
}

TEST_F(Panel, MenuEnablingFollowsSelectionAndObjects)
{
    PopupMenu &menu = panel.panelMenu();
    menu.aboutToOpen();
    auto enabled = [&](const char *caption) { return menu.entry(menu.indexOf(caption)).enabled; };
    EXPECT_FALSE(enabled("Lock All"));
    EXPECT_FALSE(enabled("Unlock All"));
    EXPECT_FALSE(enabled("Cut"));
    EXPECT_TRUE(enabled("Select All"));

    auto *a = place(10, 10, 20, 20);
    auto *b = place(60, 30, 20, 20);
    menu.trigger("Select All");
    menu.aboutToOpen();
    EXPECT_TRUE(enabled("Lock All"));
    EXPECT_TRUE(enabled("Align Left"));

    menu.trigger("Align Right");
    EXPECT_EQ(a->Left(), 60);
    menu.trigger("Align Bottoms");
    EXPECT_EQ(a->Top(), 30);
    menu.trigger("Lock All");
    EXPECT_TRUE(a->Locked() && b->Locked());
    menu.trigger("Mark All Unselectable");
    EXPECT_EQ(panel.handle().Count(), 0);
    menu.trigger("Select All");
    EXPECT_EQ(panel.handle().Count(), 0);
}

TEST_F(Panel, AlignAndCentreMoveLockedObjectsToo)
{
    auto *a = place(10, 10, 20, 20);
    auto *b = place(60, 30, 30, 20);
    b->SetLocked(true);
    panel.handle().Select(a);
    panel.handle().Select(b);
    panel.panelMenu().trigger("Align Left");
    EXPECT_EQ(b->Left(), 10);
    panel.panelMenu().trigger("Align Tops");
    EXPECT_EQ(b->Top(), 10);
    panel.panelMenu().trigger("Center Horizontally");
    EXPECT_EQ(a->Left(), 254 / 2 - 20 / 2);
    EXPECT_EQ(b->Left(), 254 / 2 - 30 / 2);
    // Z-order: the selection comes to the front in selection order.
    auto *c = place(0, 0, 10, 15);
    panel.handle().ClearSelection();
    panel.handle().Select(a);
    panel.panelMenu().trigger("Bring To Front");
    EXPECT_EQ(panel.labelObjects().last(), a);
    panel.panelMenu().trigger("Send To Back");
    EXPECT_EQ(panel.labelObjects().first(), a);
    EXPECT_EQ(panel.handle().Count(), 0);
    Q_UNUSED(c)
}

TEST_F(Panel, PrintHooksWalkObjectsInZOrder)
{
    struct Recorder : TGGraphicControl
    {
        QStringList *log;
        QString name;
        Recorder(QStringList *l, QString n) : log(l), name(std::move(n)) {}
        void ResetSequence() override { *log << "reset " + name; }
        void NextLabel() override { *log << "next " + name; }
    };
    QStringList log;
    panel.addObject(new Recorder(&log, "a"));
    panel.addObject(new Recorder(&log, "b"));
    panel.ResetObjectsForPrinting();
    panel.AdvanceObjects();
    EXPECT_EQ(log, (QStringList{"reset a", "reset b", "next a", "next b"}));
    EXPECT_FALSE(panel.HasComplexObjects());
}

TEST(PanelFiles, ScratchFilesAreDeletedWithTheOwningPanelOnly)
{
    QTemporaryDir dir;
    ProgramFolder::setPath(dir.path());
    QString clip, temp;
    {
        TGBasePanel owner;
        owner.setOwnsScratchFiles(true);
        clip = owner.ClipboardFileName();
        temp = owner.TempFileName();
        EXPECT_TRUE(clip.endsWith("Clipbrd.tmp"));
        QFile(clip).open(QIODevice::WriteOnly);
        QFile(temp).open(QIODevice::WriteOnly);
        ASSERT_TRUE(QFile::exists(clip));
        {
            // A panel printing a copy of the design shares the folder but
            // not the files.
            TGBasePanel printing;
            EXPECT_EQ(printing.ClipboardFileName(), clip);
        }
        EXPECT_TRUE(QFile::exists(clip));
        EXPECT_TRUE(QFile::exists(temp));
    }
    EXPECT_FALSE(QFile::exists(clip));
    EXPECT_FALSE(QFile::exists(temp));
    ProgramFolder::setPath(QString());
}

#include "test_panel.moc"
