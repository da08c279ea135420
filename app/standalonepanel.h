#pragma once

#include "panelbehaviour.h"

namespace pondrel {

// The board with no system tray to hang from: an ordinary titled window of
// the board's size, in the middle of the primary screen, so the game stays
// playable. It stays open when it loses the focus (play pauses until it is
// active again), and Escape or a click elsewhere leave it: nothing else
// would bring it back.
class StandalonePanel : public PanelBehaviour
{
    Q_OBJECT

public:
    using PanelBehaviour::PanelBehaviour;

    Qt::WindowFlags flags() const override;
    void applied() override;
    bool focusLossDismisses() override { return false; }
    bool isAttached() const override { return false; }

    // The board changed size: the window follows, and the player cannot
    // resize it.
    void fixSize();
};

} // namespace pondrel
