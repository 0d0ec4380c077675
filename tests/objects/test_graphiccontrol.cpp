// The label object base on a panel: bounds-change reporting, scaling,
// selection grips, popup entries and the trim helpers.
#include "objects/TGGraphicControl.h"
#include "platform/Canvas.h"
#include "surface/TGBasePanel.h"
#include "surface/TGHandle.h"

#include <QCoreApplication>
#include <QImage>
#include <gtest/gtest.h>

using namespace sw;

namespace {

struct PanelFixture : ::testing::Test
{
    TGBasePanel panel;
    int changes = 0;

    void SetUp() override
    {
        panel.setSize(300, 200);
        panel.LabelChangedEvent = [this](QObject *) { ++changes; };
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

TEST_F(PanelFixture, FirstBoundsChangeRecordsAndLaterMoveNotifiesOnce)
{
    auto *o = new TGGraphicControl;
    panel.addObject(o);
    changes = 0;
    o->SetBounds(10, 10, 40, 20); // first call: recorded, not reported
    EXPECT_EQ(changes, 0);
    o->setLeft(11);
    EXPECT_EQ(changes, 1);
    o->setLeft(11); // same value: nothing
    EXPECT_EQ(changes, 1);
}

TEST_F(PanelFixture, BoundsChangePostsOneRefitOfTheHandle)
{
    auto *o = place(10, 10, 40, 20);
    panel.select(o);
    o->SetBounds(50, 60, 40, 20);
    // The handle keeps the old box until the posted re-fit runs.
    EXPECT_EQ(panel.handle().bounds().topLeft(), QPoint(8, 8));
    QCoreApplication::processEvents();
    EXPECT_EQ(panel.handle().bounds(), QRect(48, 58, 46, 26));
}

TEST(GraphicControl, SetScaleRoundsHalfToEvenAndReturns)
{
    TGGraphicControl o;
    o.SetBounds(10, 11, 21, 10); // (10, 11, 31, 21) as left, top, right, bottom
    o.SetScale(2.0f);
    EXPECT_EQ(o.BoundsRect(), QRect(20, 22, 42, 20));
    o.SetScale(1.0f);
    EXPECT_EQ(o.BoundsRect(), QRect(10, 11, 21, 10));

    TGGraphicControl narrow;
    narrow.SetBounds(0, 0, 15, 15);
    narrow.SetScale(0.5f);
    EXPECT_EQ(narrow.Width(), 8); // 7.5 ties to even
}

TEST_F(PanelFixture, GripsForOneAndForTwoSelectedObjects)
{
    auto *a = place(20, 20, 40, 30);
    auto *b = place(100, 100, 20, 20);
    panel.handle().setColor(clBlack);
    panel.handle().setSecondaryColor(clRed);

    auto grips = [&](TGGraphicControl *o) {
        QImage image(300, 200, QImage::Format_RGB32);
        image.fill(Qt::white);
        Canvas canvas(&image);
        o->DrawSelectionGrips(canvas);
        return image;
    };

    panel.select(a);
    QImage one = grips(a);
    // Frame (18, 18)-(62, 52): corner square at the top left, mid-edge square
    // on the top edge at 18 + 22 - 2 = 38 .. 42.
    EXPECT_EQ(one.pixel(18, 18), qRgb(0, 0, 0));
    EXPECT_EQ(one.pixel(22, 22), qRgb(0, 0, 0));
    EXPECT_EQ(one.pixel(23, 23), qRgb(255, 255, 255));
    EXPECT_EQ(one.pixel(61, 51), qRgb(0, 0, 0));
    EXPECT_EQ(one.pixel(62, 52), qRgb(255, 255, 255));
    EXPECT_EQ(one.pixel(38, 18), qRgb(0, 0, 0));
    EXPECT_EQ(one.pixel(42, 22), qRgb(0, 0, 0));
    EXPECT_EQ(one.pixel(43, 18), qRgb(255, 255, 255));
    // Left mid-edge square: rows 18 + 17 - 2 = 33 .. 37.
    EXPECT_EQ(one.pixel(18, 33), qRgb(0, 0, 0));
    EXPECT_EQ(one.pixel(18, 38), qRgb(255, 255, 255));

    panel.select(b);
    QImage two = grips(a);
    EXPECT_EQ(two.pixel(18, 18), qRgb(255, 0, 0)); // secondary colour
    EXPECT_EQ(two.pixel(38, 18), qRgb(255, 255, 255)); // no mid-edge squares

    panel.clearSelection();
    QImage none = grips(a);
    EXPECT_EQ(none.pixel(18, 18), qRgb(255, 255, 255));
}

TEST_F(PanelFixture, PopupEntriesInOrderAndTheirEffects)
{
    auto *o = place(10, 10, 40, 20);
    const QStringList expected = {"Bring To Front", "Send To Back", "Cut", "Copy", "Delete", "Clone", "-",
                                  "Locked", "Unselectable", "-", "Center Vertically", "Center Horizontally"};
    QStringList captions;
    for (int i = 0; i < o->ObjectMenu().count(); ++i)
        captions << o->ObjectMenu().entry(i).caption;
    EXPECT_EQ(captions, expected);

    changes = 0;
    o->ObjectMenu().trigger("Locked");
    EXPECT_TRUE(o->Locked());
    EXPECT_TRUE(o->ObjectMenu().entry(o->ObjectMenu().indexOf("Locked")).checked);
    EXPECT_EQ(changes, 1);

    panel.select(o);
    o->ObjectMenu().trigger("Unselectable");
    EXPECT_TRUE(o->Unselectable());
    EXPECT_EQ(panel.selectionCount(), 0);
    o->ObjectMenu().trigger("Unselectable"); // never clears it
    EXPECT_TRUE(o->Unselectable());

    o->ObjectMenu().trigger("Center Vertically");
    EXPECT_EQ(o->Top(), 200 / 2 - 20 / 2);
    o->ObjectMenu().trigger("Center Horizontally");
    EXPECT_EQ(o->Left(), 300 / 2 - 40 / 2);

    auto *other = place(0, 0, 10, 15);
    o->ObjectMenu().trigger("Send To Back");
    EXPECT_EQ(panel.labelObjects().first(), o);
    o->ObjectMenu().trigger("Bring To Front");
    EXPECT_EQ(panel.labelObjects().last(), o);
    Q_UNUSED(other)

    o->ObjectMenu().trigger("Delete");
    EXPECT_EQ(panel.labelObjects().size(), 1);
}

TEST(GraphicControl, WithoutAPanelRequestsAreSkipped)
{
    TGGraphicControl o;
    o.Loaded();
    o.SetBounds(1, 2, 3, 4);
    o.setLeft(5);
    EXPECT_TRUE(o.ObjectMenu().trigger("Center Vertically"));
    EXPECT_EQ(o.Top(), 2);
    EXPECT_EQ(o.NewestOfMyClass(), nullptr);
}

TEST(GraphicControl, TrimHelpersRemoveOnlySpaces)
{
    EXPECT_EQ(TGGraphicControl::TrimLeading("  a b  "), "a b  ");
    EXPECT_EQ(TGGraphicControl::TrimTrailing("  a b  "), "  a b");
    EXPECT_EQ(TGGraphicControl::TrimSpaces("  a b  "), "a b");
    EXPECT_EQ(TGGraphicControl::TrimSpaces("\ta\t"), "\ta\t");
    EXPECT_EQ(TGGraphicControl::TrimSpaces(""), "");
    EXPECT_EQ(TGGraphicControl::TrimSpaces("   "), "");
}
