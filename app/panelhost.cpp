#include "panelhost.h"

#include "clickcatcher.h"
#include "desktopsettings.h"
#include "glyphs.h"
#include "localizedtext.h"
#include "panelplacement.h"
#include "panelview.h"
#include "quitpath.h"
#include "sudokugame.h"
#include "xwindowmanager.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QQmlEngine>
#include <QQuickItem>
#include <QScreen>
#include <QSystemTrayIcon>

#include <cstdio>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace pondrel {

namespace {

constexpr char kBoardSource[] = "qrc:/Pondrel/board/SudokuView.qml";
// QWindow's own "no maximum" (QWINDOWSIZE_MAX, not public).
constexpr int kNoSizeLimit = (1 << 24) - 1;

// Whether the attached panel should be a window the window manager manages.
//
// Measured with each desktop's own pointer input, clicking away from the
// open panel:
// - GNOME Shell 43 and KDE Plasma 5.27 (XWayland): a window that bypasses
//   the window manager stays open on a click on the desktop, the bar or a
//   native Wayland window, since no focus change ever reaches it, and KWin
//   never gives it the keyboard. Managed (and activated with the host's
//   token), the compositor takes its focus away on any such click.
// - sway (wlroots' XWayland window manager): a managed window is put in
//   the middle of the screen, far from the tray, while a bypassing one gets
//   the focus and loses it on a click elsewhere.
// - Plain X (openbox with trayer, xfce4-panel): both hide on a click on the
//   empty desktop or another window. The bypassing window with pointer and
//   keyboard grabs stays: it sees every press whatever the window manager's
//   focus policy, and hangs exactly where it is put.
bool panelIsManaged()
{
    return underXWayland() && !xWindowManagerName().startsWith(QLatin1String("wlroots"));
}

// Whether a click on the empty desktop leaves the focus where it is, so that
// only a window under the panel notices it. Measured on GNOME Shell 43: a
// click on its background changes no focus; KWin gives the focus to
// Plasma's desktop window.
bool desktopClickKeepsFocus()
{
    return xWindowManagerName() == QLatin1String("GNOME Shell");
}

} // namespace

PanelHost::PanelHost(SudokuGame &game, QObject *parent)
    : QObject(parent), m_game(game), m_source(QString::fromLatin1(kBoardSource))
{
    m_grabRetry.setSingleShot(true);
    m_grabRetry.setInterval(kGrabRetryMilliseconds);
    connect(&m_grabRetry, &QTimer::timeout, this, &PanelHost::takeGrabs);
    m_activationRetry.setInterval(kActivationRetryMilliseconds);
    connect(&m_activationRetry, &QTimer::timeout, this, &PanelHost::retryActivation);

    connect(qGuiApp,
            &QGuiApplication::applicationStateChanged,
            this,
            [this](Qt::ApplicationState state) {
                if (state != Qt::ApplicationActive) {
                    m_game.setPlayActive(false);
                }
            });
}

PanelHost::~PanelHost() = default;

void PanelHost::setSource(const QUrl &source)
{
    m_source = source;
}

void PanelHost::setDesktopSources(const DesktopSettingsMonitor::Sources &sources)
{
    m_desktopSources = sources;
}

void PanelHost::followDesktopSettings()
{
    if (!m_desktop) {
        m_desktop = std::make_unique<DesktopSettingsMonitor>(m_desktopSources);
    }
}

void PanelHost::setTrayAvailable(bool available)
{
    m_trayAvailable = available;
    if (!available) {
        setMode(Mode::standalone);
        open({});
    }
}

void PanelHost::toggleFromTray(const QRect &anchor)
{
    if (m_mode == Mode::standalone) {
        openFromTray(anchor);
        return;
    }
    toggle(anchor);
}

void PanelHost::openFromTray(const QRect &anchor)
{
    if (m_mode == Mode::standalone) {
        hide();
        setMode(Mode::attached);
    }
    open(anchor);
    raise();
}

void PanelHost::setMode(Mode mode)
{
    if (m_mode == mode) {
        return;
    }
    const bool wasOpen = isOpen();
    if (wasOpen) {
        hide();
    }
    m_mode = mode;
    if (m_view) {
        applyMode();
    }
    if (wasOpen) {
        open(m_anchor);
    }
}

void PanelHost::prepare()
{
    ensureView();
}

bool PanelHost::isOpen() const
{
    return m_view && m_view->isVisible();
}

void PanelHost::toggle(const QRect &anchor)
{
    if (isOpen()) {
        hide();
        return;
    }
    if (m_sinceOutsidePress.isValid() && m_sinceOutsidePress.elapsed() < kReopenGuardMilliseconds &&
        anchor.contains(m_outsidePressPosition)) {
        return;
    }
    if (recentlyHidden()) {
        return;
    }
    open(anchor);
}

void PanelHost::open(const QRect &anchor)
{
    ensureView();
    m_anchor = anchor;
    if (m_view->isVisible()) {
        return;
    }
    if (m_mode == Mode::attached) {
        place();
        m_grabAttemptsLeft = m_managed ? 0 : kGrabAttempts;
        m_hasBeenActive = false;
        if (m_managed) {
            m_view->create();
            keepOffTaskbar(*m_view);
            setStartupId(*m_view, m_activationToken);
            m_activationAttemptsLeft = kActivationAttempts;
            m_activationRetry.start();
        }
    }
    m_activationToken.clear();
    if (m_catcher && m_mode == Mode::attached) {
        m_catcher->cover(m_view->screen());
    }
    m_view->show();
    m_view->raise();
    // On X the activation waits for the window to be mapped.
    m_view->requestActivate();
}

void PanelHost::raise()
{
    if (!isOpen()) {
        return;
    }
    // A minimized window is still "visible" to Qt.
    if (m_view->windowStates() & Qt::WindowMinimized) {
        m_view->showNormal();
    }
    m_view->raise();
    m_view->requestActivate();
}

void PanelHost::hide()
{
    if (!isOpen()) {
        return;
    }
    releaseGrabs();
    m_activationRetry.stop();
    if (m_catcher) {
        m_catcher->hide();
    }
    m_view->hide();
    releaseMemory();
}

void PanelHost::ensureView()
{
    if (m_view) {
        return;
    }
    m_view = std::make_unique<PanelView>();
    m_managed = panelIsManaged();
    if (m_managed && desktopClickKeepsFocus()) {
        m_catcher = std::make_unique<ClickCatcher>();
        connect(m_catcher.get(), &ClickCatcher::pressed, this, [this] {
            m_sinceFocusLost.start();
            hide();
        });
    }
    m_view->setTitle(localizedText(QStringLiteral("Pondrel Sudoku")));
    // Nothing of the scene is kept while the panel is closed.
    m_view->setPersistentGraphics(false);
    m_view->setPersistentSceneGraph(false);
    m_view->setResizeMode(QQuickView::SizeViewToRootObject);
    // Qt 6.4 keeps the module's files at qrc:/Pondrel/.
    m_view->engine()->addImportPath(QStringLiteral("qrc:/"));
    m_view->engine()->addImageProvider(QString::fromLatin1(GlyphImageProvider::kProviderId),
                                       new GlyphImageProvider);
    // The board's Quit (Qt.quit() in QML), down the one quit path. Queued,
    // so the menu that asked has returned before the event loop ends.
    connect(
        m_view->engine(),
        &QQmlEngine::quit,
        this,
        [this] { quitAfterSave(m_game); },
        Qt::QueuedConnection);
    followDesktopSettings();
    m_view->setInitialProperties(
        {{QStringLiteral("game"), QVariant::fromValue(&m_game)},
         {QStringLiteral("desktop"), QVariant::fromValue(m_desktop->preferences())}});
    m_view->setSource(m_source);
    for (const QQmlError &error : m_view->errors()) {
        std::fprintf(stderr, "%s\n", qPrintable(error.toString()));
    }
    applyMode();

    connect(m_view.get(), &QWindow::visibleChanged, this, [this](bool visible) {
        m_game.setPlayActive(visible);
        emit isOpenChanged();
    });
    connect(m_view.get(), &QWindow::activeChanged, this, &PanelHost::updatePlayFromWindow);
    const auto followSize = [this] {
        if (m_mode == Mode::standalone) {
            m_view->setMinimumSize(m_view->size());
            m_view->setMaximumSize(m_view->size());
        } else if (m_view->isVisible()) {
            place();
        }
    };
    connect(m_view.get(), &QWindow::widthChanged, this, followSize);
    connect(m_view.get(), &QWindow::heightChanged, this, followSize);
    // The grabs are taken once the first frame is up, which is when X has
    // mapped the window; a grab on an unmapped window fails.
    connect(
        m_view.get(),
        &QQuickWindow::frameSwapped,
        this,
        [this] {
            if (m_grabAttemptsLeft > 0 && !m_hasGrabs && !m_grabRetry.isActive()) {
                takeGrabs();
            }
        },
        Qt::QueuedConnection);
    connect(m_view.get(), &PanelView::escapeUnhandled, this, [this] {
        if (m_mode == Mode::attached) {
            hide();
        }
    });
    connect(m_view.get(), &PanelView::pressedOutside, this, [this](QPoint globalPosition) {
        if (m_mode == Mode::attached) {
            m_sinceOutsidePress.start();
            m_outsidePressPosition = globalPosition;
            hide();
        }
    });
    connect(m_view.get(), &PanelView::closed, this, [this] {
        // A standalone window is the only way into the game while there is
        // no tray; once it is closed, nothing could bring it back. With a
        // tray come up since, the next opening is from the tray again.
        if (m_trayAvailable || QSystemTrayIcon::isSystemTrayAvailable()) {
            QMetaObject::invokeMethod(
                this, [this] { setMode(Mode::attached); }, Qt::QueuedConnection);
        } else {
            QCoreApplication::quit();
        }
    });
}

void PanelHost::applyMode()
{
    if (m_mode == Mode::attached) {
        const Qt::WindowFlags flags = Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;
        // A dialog, not a utility window, when managed: measured on GNOME
        // Shell, the window manager never focuses a utility window as it
        // maps, and Qt's request for the focus that follows carried a time
        // older than the host's token about one opening in three, which
        // left the panel without the keyboard. Kept off the taskbar in
        // open().
        m_view->setFlags(m_managed ? flags | Qt::Dialog
                                   : flags | Qt::Tool | Qt::BypassWindowManagerHint);
        m_view->setMinimumSize(QSize());
        m_view->setMaximumSize(QSize(kNoSizeLimit, kNoSizeLimit));
    } else {
        m_view->setFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::WindowMinimizeButtonHint);
        m_view->setMinimumSize(m_view->size());
        m_view->setMaximumSize(m_view->size());
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            QRect frame({}, m_view->size());
            frame.moveCenter(screen->availableGeometry().center());
            m_view->setPosition(frame.topLeft());
        }
    }
}

void PanelHost::place()
{
    QScreen *screen = QGuiApplication::screenAt(m_anchor.center());
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return;
    }
    m_view->setScreen(screen);
    m_view->setPosition(panelPosition(m_anchor, m_view->size(), screen->availableGeometry()));
}

void PanelHost::takeGrabs()
{
    if (!isOpen() || m_mode != Mode::attached) {
        return;
    }
    const bool pointer = m_view->setMouseGrabEnabled(true);
    const bool keyboard = m_view->setKeyboardGrabEnabled(true);
    m_hasGrabs = pointer && keyboard;
    if (!m_hasGrabs && --m_grabAttemptsLeft > 0) {
        m_grabRetry.start();
    }
}

void PanelHost::releaseGrabs()
{
    m_grabRetry.stop();
    m_grabAttemptsLeft = 0;
    if (m_view) {
        m_view->setKeyboardGrabEnabled(false);
        m_view->setMouseGrabEnabled(false);
    }
    m_hasGrabs = false;
}

void PanelHost::retryActivation()
{
    if (!isOpen() || isActiveForWindowManager(*m_view) || --m_activationAttemptsLeft < 0) {
        m_activationRetry.stop();
        return;
    }
    m_view->requestActivate();
}

void PanelHost::updatePlayFromWindow()
{
    if (!isOpen()) {
        return;
    }
    const bool active = m_view->isActive();
    if (m_mode == Mode::attached) {
        if (active) {
            m_hasBeenActive = true;
            m_sinceActivated.start();
        } else if (m_hasBeenActive && focusTakenBackByCompositor()) {
            m_hasBeenActive = false;
        } else if (m_hasBeenActive) {
            // Focus went elsewhere without a press we saw: a click on a
            // Wayland window under XWayland, or anywhere when the grabs
            // failed. A popup does not stay open behind the user's back.
            m_sinceFocusLost.start();
            hide();
            return;
        }
    }
    m_game.setPlayActive(active);
}

bool PanelHost::focusTakenBackByCompositor() const
{
    return !m_managed && underXWayland() && QGuiApplication::focusWindow() == nullptr &&
           m_sinceActivated.elapsed() < kFocusRevertMilliseconds;
}

bool PanelHost::recentlyHidden() const
{
    // A click on the tray icon of the open panel takes its focus first,
    // which hides it; the icon's activation that follows is that same
    // click, not one to reopen it.
    return m_sinceFocusLost.isValid() && m_sinceFocusLost.elapsed() < kReopenGuardMilliseconds;
}

void PanelHost::releaseMemory()
{
    m_view->releaseResources();
    m_view->engine()->trimComponentCache();
#if defined(__GLIBC__)
    // Freed blocks of the scene and the engine sit in malloc's arenas until
    // trimmed.
    malloc_trim(0);
#endif
}

} // namespace pondrel
