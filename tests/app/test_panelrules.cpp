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

} // namespace
} // namespace pondrel
