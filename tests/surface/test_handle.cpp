// The selection handle driven through the panel's window with real mouse
// and key events: dragging, the eight resize zones, snapping, clamping, the
// drag-start and quick-click rules, locked objects and arrow-key nudging.
#include "objects/TGGraphicControl.h"
#include "surface/TGHandle.h"
#include "surface/TGStickwellPanel32.h"
#include "surface/ui/LabelPanelView.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace sw;

namespace {

qint64 gNow = 1000;

struct Handle : ::testing::Test
{
    TGStickwellPanel32 panel;
    LabelPanelView *view = nullptr;

    void SetUp() override
    {
        TGHandle::setClock([] { return gNow; });
        panel.setSize(254, 96);
        view = new LabelPanelView(&panel);
        view->show();
    }
    void TearDown() override
    {
        delete view;
        TGHandle::setClock({});
    }

    TGGraphicControl *place(int l, int t, int w, int h)
    {
        auto *o = new TGGraphicControl;
        o->Loaded();
        panel.PlaceObject(o, QRect(l, t, w, h));
        return o;
    }

    void press(QPoint p, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::mousePress(view, Qt::LeftButton, m, p); }
    void move(QPoint p) { QTest::mouseMove(view, p); }
    void release(QPoint p) { QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, p); }

    // Press, wait past the drag start, move, wait past the quick-click rule,
    // release.
    void drag(QPoint from, QPoint to)
    {
        press(from);
        gNow += 20;
        move(from + QPoint(1, 0));
        move(to);
        gNow += 200;
        release(to);
    }
};

} // namespace

TEST_F(Handle, PressOnAnUnselectedObjectDragsItAfterTenMilliseconds)
{
    auto *o = place(20, 20, 40, 30);
    press({30, 30});
    EXPECT_EQ(panel.handle().Count(), 1);
    gNow += 5;
    move({35, 30}); // within 10 ms: no drag yet
    EXPECT_FALSE(panel.handle().isDragging());
    gNow += 10;
    move({40, 30}); // the drag starts here
    EXPECT_TRUE(panel.handle().isDragging());
    move({50, 40});
    EXPECT_FALSE(panel.handle().outline().isNull());
    gNow += 200;
    release({50, 40});
    EXPECT_EQ(o->BoundsRect(), QRect(30, 30, 40, 30));
    EXPECT_TRUE(panel.handle().outline().isNull());
}

TEST_F(Handle, AQuickClickMovesNothing)
{
    auto *o = place(20, 20, 40, 30);
    press({30, 30});
    gNow += 20;
    move({31, 30});
    move({80, 60});
    gNow += 100; // released within 150 ms of the press
    release({80, 60});
    EXPECT_EQ(o->BoundsRect(), QRect(20, 20, 40, 30));
}

TEST_F(Handle, ResizeZonesFollowTheTable)
{
    // Handle box of an object at (40, 30, 40, 20): (38, 28, 45, 25).
    struct Case
    {
        QPoint grip;   // handle-local
        QPoint delta;
        QRect expected;
    };
    const Case cases[] = {
        {{2, 12}, {10, 0}, QRect(50, 30, 30, 20)},          // 6 left
        {{43, 12}, {10, 0}, QRect(40, 30, 40 + 10 - 1, 20)}, // 8 right: width - 1
        {{22, 2}, {0, 5}, QRect(40, 35, 40, 15)},           // 5 top
        {{22, 23}, {0, 5}, QRect(40, 30, 40, 20 + 5 - 1)},  // 7 bottom
        {{1, 1}, {-4, -4}, QRect(36, 26, 44, 24)},          // 1 top-left
        {{44, 24}, {6, 6}, QRect(40, 30, 45, 25)},          // 4 bottom-right
        {{44, 1}, {6, -4}, QRect(40, 26, 45, 24)},          // 2 top-right
        {{1, 24}, {-4, 6}, QRect(36, 30, 44, 25)},          // 3 bottom-left
        {{15, 12}, {7, 3}, QRect(47, 33, 40, 20)},          // 0 move
    };
    for (const Case &c : cases) {
        panel.ClearObjects();
        auto *o = place(40, 30, 40, 20);
        panel.handle().Select(o);
        ASSERT_EQ(panel.handle().bounds(), QRect(38, 28, 45, 25));
        const QPoint at = panel.handle().bounds().topLeft() + c.grip;
        move(at); // hover: the zone is chosen with the button up
        drag(at, at + c.delta);
        EXPECT_EQ(o->BoundsRect(), c.expected) << "grip " << c.grip.x() << "," << c.grip.y();
    }
}

TEST_F(Handle, SnappingTruncatesTheHandlesEdgesToTheGrid)
{
    panel.setSnapToGrid(true);
    panel.setGridSize(TGBasePanel::gs8x8);
    auto *o = place(10, 10, 30, 20); // handle left 8
    panel.handle().Select(o);
    drag({20, 20}, {25, 20}); // handle left 8 + 5 = 13 -> 8
    EXPECT_EQ(o->Left(), 10);
    drag({20, 20}, {9, 20}); // 8 - 11 = -3 -> 0 (toward zero)
    EXPECT_EQ(o->Left(), 2);
    EXPECT_EQ(panel.handle().bounds().x(), 0);
}

TEST_F(Handle, DragsStayOnThePanelAndBoxesNeverGetSmallerThanFive)
{
    auto *o = place(100, 30, 40, 20);
    panel.handle().Select(o);
    const QPoint corner = panel.handle().bounds().topLeft() + QPoint(44, 24);
    move(corner);
    drag(corner, {-50, 40}); // clamped to x = 0, far left of the object
    EXPECT_EQ(panel.handle().bounds().width(), 5);
    EXPECT_EQ(o->Width(), 0);
}

TEST_F(Handle, TwoSelectedObjectsMoveTogetherAndLockedOnesStay)
{
    auto *a = place(20, 20, 30, 20);
    auto *b = place(80, 20, 30, 20);
    auto *locked = place(140, 20, 30, 20);
    locked->SetLocked(true);
    panel.handle().Select(a);
    panel.handle().Select(b);
    panel.handle().Select(locked);
    // A press near a corner of the box still moves: no zones with several.
    const QPoint corner = panel.handle().bounds().topLeft() + QPoint(1, 1);
    move(corner);
    EXPECT_EQ(panel.handle().Zone(), 0);
    drag({30, 30}, {40, 40});
    EXPECT_EQ(a->BoundsRect(), QRect(30, 30, 30, 20));
    EXPECT_EQ(b->BoundsRect(), QRect(90, 30, 30, 20));
    EXPECT_EQ(locked->BoundsRect(), QRect(140, 20, 30, 20));
}

TEST_F(Handle, LockedHandleDoesNotDrag)
{
    auto *o = place(20, 20, 30, 20);
    panel.handle().Select(o);
    panel.handle().setLocked(true);
    drag({30, 30}, {60, 50});
    EXPECT_EQ(o->BoundsRect(), QRect(20, 20, 30, 20));
}

TEST_F(Handle, ShiftClickDeselectsAndShiftAddsToTheSelection)
{
    auto *a = place(20, 20, 30, 20);
    auto *b = place(100, 20, 30, 20);
    press({30, 30});
    release({30, 30});
    press({110, 30}, Qt::ShiftModifier);
    release({110, 30});
    ASSERT_EQ(panel.handle().Count(), 2);
    // Shift-click on a inside the handle's box deselects it.
    QTest::mousePress(view, Qt::LeftButton, Qt::ShiftModifier, {30, 30});
    QTest::mouseRelease(view, Qt::LeftButton, Qt::ShiftModifier, {30, 30});
    ASSERT_EQ(panel.handle().Count(), 1);
    EXPECT_EQ(panel.handle().SelectedObject(0), b);
    Q_UNUSED(a)
}

TEST_F(Handle, ArrowKeysNudgeAndShiftArrowsResizeOneObject)
{
    auto *o = place(20, 20, 30, 20);
    panel.handle().Select(o);
    QTest::keyPress(view, Qt::Key_Right);
    QTest::keyPress(view, Qt::Key_Right);
    QTest::keyPress(view, Qt::Key_Down);
    EXPECT_EQ(o->Left(), 20); // applied when the key is let go
    QTest::keyRelease(view, Qt::Key_Down);
    EXPECT_EQ(o->BoundsRect(), QRect(22, 21, 30, 20));

    for (int i = 0; i < 300; ++i)
        QTest::keyPress(view, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyRelease(view, Qt::Key_Right, Qt::ShiftModifier);
    // Grows one pixel per press until the right edge reaches the panel's.
    EXPECT_EQ(o->Left() + o->Width(), 254);

    for (int i = 0; i < 300; ++i)
        QTest::keyPress(view, Qt::Key_Left);
    QTest::keyRelease(view, Qt::Key_Left);
    EXPECT_EQ(o->Left(), 0);
}

TEST_F(Handle, DoubleClickCancelsThePendingDrag)
{
    auto *o = place(20, 20, 30, 20);
    panel.handle().Select(o);
    press({30, 30});
    QTest::mouseDClick(view, Qt::LeftButton, Qt::NoModifier, {30, 30});
    // The move after the double-click drops the drag begun by the first
    // press: the object does not jump by the distance travelled.
    gNow += 50;
    move({60, 60});
    gNow += 200;
    release({60, 60});
    EXPECT_EQ(o->BoundsRect(), QRect(20, 20, 30, 20));
}

TEST_F(Handle, DeleteKeyRemovesTheSelection)
{
    place(20, 20, 30, 20);
    auto *b = place(100, 20, 30, 20);
    panel.handle().Select(b);
    QTest::keyPress(view, Qt::Key_Delete);
    EXPECT_EQ(panel.labelObjects().size(), 1);
    EXPECT_FALSE(panel.handle().isVisible());
}
