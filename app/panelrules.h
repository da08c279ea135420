#pragma once

#include <QPoint>
#include <QRect>

#include <chrono>
#include <optional>

namespace pondrel {

// The small timing rules of the panel's window, kept apart from any window
// system so they can be tried without a desktop. Times are the caller's
// steady clock.
using PanelClock = std::chrono::steady_clock;

// One click on the tray icon of an open panel can reach the app twice:
// first as what hides the panel (a press outside it while it holds the
// pointer grab, or the focus that the click takes away), then as the icon's
// own activation. The second is that same click, not one to reopen it.
class ReopenGuard
{
public:
    // The click and the activation it becomes arrive this close together
    // (measured on trayer, xfce4-panel and the StatusNotifier hosts: well
    // under 100 ms; the rest is room for a loaded machine).
    static constexpr std::chrono::milliseconds kWindow{300};

    // The panel was hidden by a press outside it at `point` (global).
    void hiddenByPressAt(QPoint point, PanelClock::time_point now);
    // The panel was hidden because its window lost the focus, somewhere we
    // cannot see.
    void hiddenByFocusLoss(PanelClock::time_point now);

    // Whether an activation of the icon at `anchor`, coming at `now`, is the
    // click that just hid the panel. A press we saw counts only when it was
    // on the icon: a click elsewhere followed quickly by one on the icon
    // opens the panel again.
    bool swallows(const QRect &anchor, PanelClock::time_point now) const;

private:
    std::optional<PanelClock::time_point> m_hiddenAt;
    // Where the hiding press was; none when the focus loss hid it.
    std::optional<QPoint> m_pressPosition;
};

// Under XWayland, an X window that takes the focus on its own is given it
// for a moment and then loses it again when the compositor returns the
// focus to the surface it chose. Focus that leaves the panel for no window
// of ours this soon after it came was taken back that way, not by the
// player; the panel stays open then.
struct FocusRevertRule
{
    static constexpr std::chrono::milliseconds kWindow{250};

    static bool takenBack(bool focusWentToOurWindow, std::chrono::milliseconds sinceActivated)
    {
        return !focusWentToOurWindow && sinceActivated < kWindow;
    }
};

} // namespace pondrel
