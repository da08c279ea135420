#include "panelhost.h"

#include "desktopsettings.h"
#include "glyphs.h"
#include "localizedtext.h"
#include "panelbehaviour.h"
#include "panelplacement.h"
#include "panelview.h"
#include "quitpath.h"
#include "standalonepanel.h"
#include "sudokugame.h"

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

} // namespace

PanelHost::PanelHost(SudokuGame &game, QObject *parent)
    : QObject(parent), m_game(game), m_source(QString::fromLatin1(kBoardSource))
{
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
    if (m_reopenGuard.swallows(anchor, PanelClock::now())) {
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
    }
    m_hasBeenActive = false;
    behaviour().aboutToShow(m_view->screen(), m_anchor, m_activationToken);
    m_activationToken.clear();
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
    behaviour().aboutToHide();
    m_view->hide();
    releaseMemory();
}

void PanelHost::hideAway(std::optional<QPoint> pressPosition)
{
    if (!isOpen() || !behaviour().isAttached()) {
        return;
    }
    if (pressPosition) {
        m_reopenGuard.hiddenByPressAt(*pressPosition, PanelClock::now());
    } else {
        m_reopenGuard.hiddenByFocusLoss(PanelClock::now());
    }
    hide();
}

PanelBehaviour &PanelHost::behaviour() const
{
    if (m_mode == Mode::attached) {
        return *m_attached;
    }
    return *m_standalone;
}

void PanelHost::ensureView()
{
    if (m_view) {
        return;
    }
    m_view = std::make_unique<PanelView>();
    m_attached = choosePanelBehaviour(*m_view);
    m_standalone = std::make_unique<StandalonePanel>(*m_view);
    for (PanelBehaviour *way :
         {m_attached.get(), static_cast<PanelBehaviour *>(m_standalone.get())}) {
        connect(way, &PanelBehaviour::pressedOutside, this, [this](QPoint globalPosition) {
            hideAway(globalPosition);
        });
        connect(way, &PanelBehaviour::dismissed, this, [this] { hideAway(std::nullopt); });
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
            m_standalone->fixSize();
        } else if (m_view->isVisible()) {
            place();
        }
    };
    connect(m_view.get(), &QWindow::widthChanged, this, followSize);
    connect(m_view.get(), &QWindow::heightChanged, this, followSize);
    connect(m_view.get(), &PanelView::escapeUnhandled, this, [this] {
        if (behaviour().isAttached()) {
            hide();
        }
    });
    connect(m_view.get(), &PanelView::closed, this, [this] {
        // A standalone window is the only way into the game while there is
        // no tray; once it is closed, nothing could bring it back, so the
        // game ends as Quit ends it. With a tray come up since, the next
        // opening is from the tray again.
        if (m_trayAvailable || QSystemTrayIcon::isSystemTrayAvailable()) {
            QMetaObject::invokeMethod(
                this, [this] { setMode(Mode::attached); }, Qt::QueuedConnection);
        } else {
            quitAfterSave(m_game);
        }
    });
}

void PanelHost::applyMode()
{
    m_view->setFlags(behaviour().flags());
    m_view->setMinimumSize(QSize());
    m_view->setMaximumSize(QSize(kNoSizeLimit, kNoSizeLimit));
    behaviour().applied();
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
    const QPoint position = panelPosition(m_anchor, m_view->size(), screen->availableGeometry());
    m_view->setPosition(position);
    behaviour().placed(position);
}

void PanelHost::updatePlayFromWindow()
{
    if (!isOpen()) {
        return;
    }
    const bool active = m_view->isActive();
    if (active) {
        m_hasBeenActive = true;
    } else if (m_hasBeenActive && behaviour().focusLossDismisses()) {
        // Focus went elsewhere without a press we saw: a click on a Wayland
        // window under XWayland, or anywhere when the grabs failed. A popup
        // does not stay open behind the user's back.
        hideAway(std::nullopt);
        return;
    }
    m_game.setPlayActive(active);
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
