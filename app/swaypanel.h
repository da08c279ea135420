#pragma once

#include "grabbingpanel.h"
#include "panelrules.h"

namespace pondrel {

// The panel under a wlroots compositor (sway) through XWayland.
//
// Measured on sway 1.7: a managed window is put in the middle of the
// screen, far from the tray, while one that bypasses the window manager
// gets the focus and loses it on a click elsewhere. XWayland hands the
// focus back to the window sway chose when an X window takes it on its
// own, a few milliseconds after the panel got it: that loss is not the
// player's (FocusRevertRule).
class SwayPanel : public GrabbingPanel
{
    Q_OBJECT

public:
    explicit SwayPanel(PanelView &view);

    bool focusLossDismisses() override;

private:
    PanelClock::time_point m_activatedAt;
};

} // namespace pondrel
