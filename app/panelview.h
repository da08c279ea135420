#pragma once

#include <QQuickView>

namespace pondrel {

// The window that holds the board. It adds to QQuickView the two ways a
// tray panel is dismissed from inside its own event stream:
//
// - Escape that no item took: dialogs and screens in the QML that close on
//   Escape accept the key, so Escape only reaches the panel when nothing
//   is open over the board.
// - A press outside the window: while the panel holds the pointer grab, X
//   delivers presses on other windows to it, with a position outside it.
class PanelView : public QQuickView
{
    Q_OBJECT

public:
    using QQuickView::QQuickView;

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
};

} // namespace pondrel
