#include "clickcatcher.h"
#include "panelrules.h"

#include <gtest/gtest.h>

namespace pondrel {
namespace {

using namespace std::chrono_literals;

const QRect kIcon(400, 0, 22, 24);
const PanelClock::time_point kHidden{10s};

// The click on the icon that hid the panel comes back as the icon's
// activation; a fresh click on the icon, or one right after a click
// elsewhere, opens it.
TEST(ReopenGuardRule, swallowsOnlyTheClickThatHidThePanel)
{
    ReopenGuard guard;
    EXPECT_FALSE(guard.swallows(kIcon, kHidden));

    guard.hiddenByPressAt(kIcon.center(), kHidden);
    EXPECT_TRUE(guard.swallows(kIcon, kHidden + 50ms));
    EXPECT_FALSE(guard.swallows(kIcon, kHidden + ReopenGuard::kWindow));

    guard.hiddenByPressAt({100, 300}, kHidden);
    EXPECT_FALSE(guard.swallows(kIcon, kHidden + 50ms));

    // A lost focus does not say where the click was.
    guard.hiddenByFocusLoss(kHidden);
    EXPECT_TRUE(guard.swallows(kIcon, kHidden + 50ms));
    EXPECT_FALSE(guard.swallows(kIcon, kHidden + ReopenGuard::kWindow));
}

TEST(FocusRevert, onlyAnEarlyLossToNoWindowOfOursIsTheCompositors)
{
    EXPECT_TRUE(FocusRevertRule::takenBack(false, 20ms));
    EXPECT_FALSE(FocusRevertRule::takenBack(true, 20ms));
    EXPECT_FALSE(FocusRevertRule::takenBack(false, FocusRevertRule::kWindow));
}

// The bar's clicks are caught, but for our own icon's, which the tray host
// must get to toggle the panel or open the icon's menu.
TEST(CaughtBars, allButTheIcon)
{
    const QRegion topBar(0, 0, 1280, 32);
    const QRegion caught = barsToCatch(topBar, QRect(1200, 10, 1, 1));
    EXPECT_FALSE(caught.contains(QPoint(1200, 0)));
    EXPECT_FALSE(caught.contains(QPoint(1214, 31)));
    EXPECT_TRUE(caught.contains(QPoint(1180, 16)));
    EXPECT_TRUE(caught.contains(QPoint(100, 16)));
    EXPECT_FALSE(caught.contains(QPoint(100, 40)));
    // Hung from nowhere in a bar (a second start), the whole bar is caught.
    EXPECT_EQ(barsToCatch(topBar, QRect(600, 400, 1, 1)), topBar);
    EXPECT_EQ(barsToCatch(topBar, QRect()), topBar);
}

} // namespace
} // namespace pondrel
