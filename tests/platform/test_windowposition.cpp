// Where windows open over another: centred over it, then moved onto the
// available area of the screen, with the title bar kept in reach.
#include "platform/ui/WindowPosition.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>

#include <gtest/gtest.h>

using namespace sw;

TEST(WindowPosition, CentresOverTheOwnerTruncatingHalves)
{
    EXPECT_EQ(WindowPosition::centredOver(QRect(100, 50, 600, 400), QSize(301, 201)), QPoint(100 + 149, 50 + 99));
    // A window larger than its owner starts above and left of it.
    EXPECT_EQ(WindowPosition::centredOver(QRect(0, 0, 634, 428), QSize(400, 464)), QPoint(117, -18));
    EXPECT_EQ(WindowPosition::centredOver(QRect(10, 10, 100, 100), QSize(103, 103)), QPoint(9, 9));
}

TEST(WindowPosition, MovesAFrameOntoTheAvailableAreaKeepingItsSize)
{
    // The desktop less a 30-pixel panel along the top and one of 48 along
    // the left: x 48..1279, y 30..1023.
    const QRect available(48, 30, 1232, 994);
    // Within already: unchanged.
    EXPECT_EQ(WindowPosition::keptWithin(QRect(200, 200, 400, 300), available), QRect(200, 200, 400, 300));
    // Just touching each edge counts as within.
    EXPECT_EQ(WindowPosition::keptWithin(QRect(48, 30, 1232, 994), available), QRect(48, 30, 1232, 994));
    // Above the top and left of the left edge: moved down and right.
    EXPECT_EQ(WindowPosition::keptWithin(QRect(117, -18, 400, 464), available), QRect(117, 30, 400, 464));
    EXPECT_EQ(WindowPosition::keptWithin(QRect(-50, 100, 400, 300), available), QRect(48, 100, 400, 300));
    // Beyond the right and the bottom: 1280 - 400 = 880, 1024 - 300 = 724.
    EXPECT_EQ(WindowPosition::keptWithin(QRect(1000, 900, 400, 300), available), QRect(880, 724, 400, 300));
    // Larger than the area: its top-left corner goes to the area's, however
    // far off it was on either side.
    EXPECT_EQ(WindowPosition::keptWithin(QRect(-300, -300, 1400, 1100), available), QRect(48, 30, 1400, 1100));
    EXPECT_EQ(WindowPosition::keptWithin(QRect(500, 500, 1400, 1100), available), QRect(48, 30, 1400, 1100));
    // Only the dimension that does not fit is pinned.
    EXPECT_EQ(WindowPosition::keptWithin(QRect(900, -40, 600, 1200), available), QRect(680, 30, 600, 1200));
    // A screen to the left of the primary one has negative coordinates.
    EXPECT_EQ(WindowPosition::keptWithin(QRect(-100, 10, 300, 200), QRect(-1024, 0, 1024, 768)),
              QRect(-300, 10, 300, 200));
}

TEST(WindowPosition, PlacesARealWindowOverItsOwnerAndOnTheScreen)
{
    QWidget owner;
    owner.resize(634, 428);
    const QRect available = owner.screen()->availableGeometry();
    owner.move(available.topLeft() + QPoint((available.width() - 634) / 2, 0));
    owner.show();
    ASSERT_TRUE(owner.isVisible());

    QDialog dialog(&owner);
    dialog.resize(300, owner.frameGeometry().height() + 40);
    WindowPosition::centreOver(&dialog, &owner);
    dialog.show();
    const QRect frame = dialog.frameGeometry();
    EXPECT_TRUE(available.contains(frame)) << frame.x() << "," << frame.y() << " " << frame.width() << "x"
                                           << frame.height();
    EXPECT_EQ(frame.top(), available.top());
    // Across it is centred over the owner as before.
    EXPECT_EQ(frame.center().x(), owner.frameGeometry().center().x());
    dialog.hide();

    // Without a shown owner the toolkit's own placement is left alone.
    owner.hide();
    dialog.move(available.topLeft() + QPoint(5, 7));
    WindowPosition::centreOver(&dialog, &owner);
    EXPECT_EQ(dialog.pos(), available.topLeft() + QPoint(5, 7));
}
