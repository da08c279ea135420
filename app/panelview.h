#pragma once

#include "xwindowmanager.h"

#include <QQuickView>

namespace pondrel {

// The window that holds the board. It adds to QQuickView the two ways a
// tray panel is dismissed from inside its own event stream:
//
// - Escape that no item took: dialogs and screens in the QML that close on
//   Escape accept the key, so Escape only reaches the panel when nothing
//   is open over the board.
// - A press outside the window: seen by watching the X display's presses
//   (watchPressesOutside), which leaves the press to the window it was on;
//   or, where that cannot be, while the panel holds the pointer grab, which
//   X delivers presses on other windows to, with a position outside it.
class PanelView : public QQuickView
{
    Q_OBJECT

public:
    explicit PanelView(QWindow *parent = nullptr);

    // Reports presses outside the window without holding the pointer, until
    // called with false; false where X cannot tell them (the caller grabs
    // the pointer instead).
    bool watchPressesOutside(bool watch);

signals:
    void escapeUnhandled();
    void pressedOutside(QPoint globalPosition);
    // The window was closed (its title bar's close button when it is an
    // ordinary window).
    void closed();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    XPressWatcher m_pressWatcher;
};

} // namespace pondrel
