#pragma once

#include <QByteArray>
#include <QObject>
#include <QPoint>
#include <QRect>

#include <memory>

class QScreen;

namespace pondrel {

class PanelView;

// How the panel's window behaves on one kind of window system: what kind of
// window it is, what it does as it shows and hides, and how it learns that
// the player went elsewhere. PanelHost keeps what every desktop shares (the
// mode, opening and hiding, play, quitting) and calls these at the matching
// moments; each window system's way, with the measurements behind it, lives
// in a file of its own:
//
//   grabbingpanel    plain X with a window manager (openbox, xfce)
//   managedpanel     XWayland under GNOME Shell or KWin
//   swaypanel        XWayland under wlroots compositors (sway)
//   standalonepanel  no tray at all: an ordinary window
class PanelBehaviour : public QObject
{
    Q_OBJECT

public:
    explicit PanelBehaviour(PanelView &view) : m_view(view) {}

    // The window's flags while it has this behaviour.
    virtual Qt::WindowFlags flags() const = 0;
    // Just after the flags are set; the standalone window fixes its size.
    virtual void applied() {}
    // Before the window is shown, on `screen`, hanging from the tray icon at
    // `anchor`. `activationToken` is what the tray host handed over with the
    // click, if anything.
    virtual void
    aboutToShow(QScreen *screen, const QRect &anchor, const QByteArray &activationToken)
    {
        Q_UNUSED(screen);
        Q_UNUSED(anchor);
        Q_UNUSED(activationToken);
    }
    // The host put the window at `position` (it follows the board's size
    // while shown).
    virtual void placed(QPoint position) { Q_UNUSED(position); }
    // Each frame the shown window draws (queued after it).
    virtual void frameSwapped() {}
    // The window was asked to be active again (a second start, the menu's
    // Open on an open panel).
    virtual void raised() {}
    // Before the window is hidden.
    virtual void aboutToHide() {}
    // Whether the window's loss of the focus, now, means the player went
    // elsewhere. Not for a standalone window, which stays open in the
    // background.
    virtual bool focusLossDismisses() { return true; }
    // Whether the panel hangs from the tray icon (and a press outside it or
    // Escape that nothing took hides it).
    virtual bool isAttached() const { return true; }

signals:
    // The player pressed outside the panel, at `globalPosition`.
    void pressedOutside(QPoint globalPosition);
    // The player went elsewhere in a way the window itself does not see as
    // a loss of focus.
    void dismissed();

protected:
    PanelView &m_view;
};

// The attached panel's behaviour for the session the app runs in, decided
// once from the platform and the X window manager's name.
std::unique_ptr<PanelBehaviour> choosePanelBehaviour(PanelView &view);

} // namespace pondrel
