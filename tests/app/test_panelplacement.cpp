#include "panelplacement.h"

#include <gtest/gtest.h>

namespace pondrel {
namespace {

const QRect kScreen(0, 0, 1280, 800);
const QSize kPanel(375, 520);

TEST(PanelPlacement, hangsCentredBelowAnIconAtTheTop)
{
    const QRect icon(600, 1, 22, 24);
    const QPoint position = panelPosition(icon, kPanel, kScreen);
    EXPECT_EQ(position.y(), icon.bottom() + 1 + kPanelGap);
    EXPECT_EQ(position.x() + kPanel.width() / 2, icon.center().x());
}

TEST(PanelPlacement, opensUpwardsFromATrayAtTheBottom)
{
    const QRect icon(600, 776, 22, 24);
    const QPoint position = panelPosition(icon, kPanel, kScreen);
    EXPECT_EQ(position.y() + kPanel.height() + kPanelGap, icon.top());
}

TEST(PanelPlacement, staysOnScreenAtTheCorners)
{
    // A tray at the right end of a top panel, as most desktops have it.
    EXPECT_EQ(panelPosition(QRect(1257, 1, 22, 24), kPanel, kScreen), QPoint(905, 29));
    EXPECT_EQ(panelPosition(QRect(0, 0, 22, 24), kPanel, kScreen), QPoint(0, 28));
    EXPECT_EQ(panelPosition(QRect(1270, 790, 10, 10), kPanel, kScreen), QPoint(905, 266));
}

TEST(PanelPlacement, staysOnItsOwnScreen)
{
    // The second of two screens side by side, whose top 30 pixels are a panel.
    const QRect right(1280, 30, 1920, 1050);
    const QPoint position = panelPosition(QRect(1285, 5, 22, 22), kPanel, right);
    EXPECT_EQ(position, QPoint(1280, 31));
}

TEST(PanelPlacement, pointerAnchorWorksLikeAnIcon)
{
    const QPoint position = panelPosition(QRect(640, 10, 1, 1), kPanel, kScreen);
    EXPECT_EQ(position, QPoint(640 - kPanel.width() / 2, 10 + 1 + kPanelGap));
}

TEST(PanelPlacement, panelTallerThanTheScreenKeepsItsTopVisible)
{
    EXPECT_EQ(panelPosition(QRect(600, 1, 22, 24), QSize(375, 900), kScreen).y(), 0);
    EXPECT_EQ(panelPosition(QRect(600, 776, 22, 24), QSize(375, 900), kScreen).y(), 0);
    EXPECT_EQ(panelPosition(QRect(600, 1, 22, 24), QSize(1400, 300), kScreen).x(), 0);
}

} // namespace
} // namespace pondrel

namespace pondrel {
namespace {

// A top bar of 30 pixels the X server knows of, and the same screen under
// XWayland, where the usable area is the whole screen.
const QRect kKnownBarArea(0, 30, 1280, 770);

TEST(PanelPlacement, clickPointUnderABarTheServerKnowsHangsBelowTheBar)
{
    const QPoint click(1256, 15);
    const QPoint position =
        panelPosition(pointAnchor(click, kScreen, kKnownBarArea), kPanel, kKnownBarArea);
    EXPECT_EQ(position, QPoint(1280 - kPanel.width(), 30 + kPanelGap));
    // The same at the bottom, and for a click inside the area.
    const QRect bottomBarArea(0, 0, 1280, 770);
    const QPoint above =
        panelPosition(pointAnchor({640, 785}, kScreen, bottomBarArea), kPanel, bottomBarArea);
    EXPECT_EQ(above.y() + kPanel.height(), 770 - kPanelGap);
    EXPECT_EQ(pointAnchor({640, 400}, kScreen, bottomBarArea), QRect(640, 400, 1, 1));
}

TEST(PanelPlacement, clickPointWithoutAKnownBarKeepsABarsHeightAway)
{
    // Top: the panel's top edge a bar's height below the point.
    const QPoint top = panelPosition(pointAnchor({1256, 15}, kScreen, kScreen), kPanel, kScreen);
    EXPECT_EQ(top, QPoint(1280 - kPanel.width(), 15 + kBarClearance + 1 + kPanelGap));
    // Bottom: its bottom edge a bar's height above the point.
    const QPoint bottom = panelPosition(pointAnchor({640, 785}, kScreen, kScreen), kPanel, kScreen);
    EXPECT_EQ(bottom.y() + kPanel.height(), 785 - kBarClearance - kPanelGap);
    EXPECT_EQ(bottom.x(), 640 - kPanel.width() / 2);
}

TEST(PanelPlacement, clickPointsInServerPixelsAreScaledFromTheirScreensCorner)
{
    // A second screen at 1280,0 drawn at twice the size.
    const QRect scaled(1280, 0, 960, 540);
    EXPECT_EQ(pointFromNative({1280 + 1900, 20}, scaled, 2.0), QPoint(1280 + 950, 10));
    EXPECT_EQ(pointFromNative({700, 12}, kScreen, 1.0), QPoint(700, 12));
}

// Without a point (or with one within the icon), from the bar's tray end.
TEST(PanelPlacement, withoutAScreenPointItHangsFromTheBarsTrayEnd)
{
    const auto placed = [](const QRect &area, Qt::LayoutDirection direction) {
        return panelPosition(trayEndAnchor(kScreen, area, direction), kPanel, area);
    };
    const int right = 1280 - kPanel.width();
    // Plasma's bar at the bottom, a bar at the top, a right-to-left desktop,
    // a bar at the left side, no bar known.
    EXPECT_EQ(placed({0, 0, 1280, 756}, Qt::LeftToRight), QPoint(right, 752 - kPanel.height()));
    EXPECT_EQ(placed(kKnownBarArea, Qt::LeftToRight), QPoint(right, 30 + kPanelGap));
    EXPECT_EQ(placed(kKnownBarArea, Qt::RightToLeft), QPoint(0, 30 + kPanelGap));
    EXPECT_EQ(placed({48, 0, 1232, 800}, Qt::LeftToRight), QPoint(48, 795 - kPanel.height()));
    EXPECT_EQ(placed(kScreen, Qt::LeftToRight), QPoint(right, kBarClearance + kPanelGap));

    EXPECT_FALSE(isScreenPoint({11, 11}, kScreen));
    EXPECT_FALSE(isScreenPoint({1290, 10}, QRect(1280, 0, 1280, 800)));
    EXPECT_FALSE(isScreenPoint({1300, 10}, kScreen));
    EXPECT_TRUE(isScreenPoint({700, 12}, kScreen));
    EXPECT_TRUE(isScreenPoint({12, 700}, kScreen));
}

} // namespace
} // namespace pondrel
