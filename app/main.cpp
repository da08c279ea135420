#include "clipboard.h"
#include "commandline.h"
#include "localizedtext.h"
#include "loginitem.h"
#include "panelhost.h"
#include "puzzlesupply.h"
#include "quitpath.h"
#include "settingsstore.h"
#include "signalbridge.h"
#include "singleinstance.h"
#include "sudokugame.h"
#include "trayitem.h"
#include "welcomewindowcontroller.h"
#include "x11clipboard.h"

#include <QApplication>
#include <QIcon>
#include <QPixmapCache>
#include <QQuickView>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QSettings>
#include <QThreadPool>
#include <QTimer>
#include <QWindow>
#include <QtQml/qqmlextensionplugin.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>

Q_IMPORT_QML_PLUGIN(PondrelPlugin)

namespace {

constexpr char kApplicationName[] = "pondrel-sudoku";
constexpr char kDisplayName[] = "Pondrel Sudoku";
// Qt waits five seconds for a clipboard owner; a paste that has not come in
// a second is not coming.
constexpr std::chrono::milliseconds kClipboardTimeout{1000};
// The board is made this long after the tray icon is shown, once the icon
// and the welcome window are up, so that it delays neither.
constexpr std::chrono::milliseconds kPrepareBoardDelay{300};
// How long the tray icon waits for the welcome window to take the focus; a
// window manager that keeps the focus from it does so at once.
constexpr std::chrono::milliseconds kWelcomeFocusWait{1000};

const char *version()
{
    const char *projectVersion = PONDREL_VERSION;
    return projectVersion[0] == '\0' ? "1.0" : projectVersion;
}

// Answers --help, --version and a bad command line; what is left runs the
// game. Returns the exit status, or -1 to go on.
int answerCommandLine(const pondrel::CommandLine &commandLine)
{
    switch (commandLine.action) {
    case pondrel::CommandLine::Action::showHelp:
        std::fputs(pondrel::helpText().c_str(), stdout);
        return 0;
    case pondrel::CommandLine::Action::showVersion:
        std::printf("%s %s\n", kApplicationName, version());
        return 0;
    case pondrel::CommandLine::Action::fail:
        std::fprintf(stderr,
                     "%s: %s (see %s --help)\n",
                     kApplicationName,
                     commandLine.error.c_str(),
                     kApplicationName);
        return 2;
    case pondrel::CommandLine::Action::run:
        break;
    }
    return -1;
}

pondrel::SingleInstance::Request requestOf(const pondrel::CommandLine &commandLine)
{
    if (commandLine.toggle) {
        return pondrel::SingleInstance::Request::toggle;
    }
    // Autostart finding the game already running (started by hand first)
    // leaves it alone rather than popping its panel open at login.
    if (commandLine.autostart) {
        return pondrel::SingleInstance::Request::nothing;
    }
    return pondrel::SingleInstance::Request::open;
}

// A Wayland client cannot place its own popup next to the tray icon, so on a
// Wayland session the app runs through XWayland unless the user picked a
// platform.
void preferXWayland()
{
    if (qgetenv("XDG_SESSION_TYPE") == "wayland" && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
}

// Calls `then` once `welcome` (the welcome window of a first start, or
// null) is active, has closed or has had kWelcomeFocusWait to become active.
// The window asks for the focus as soon as it is mapped, and an open panel
// that loses the focus closes: a first click that came before, on an icon
// already in the tray, would open a panel the welcome window then closed.
// Measured on Xvfb with openbox and trayer, a first start with cold caches
// docked the icon about half a second before the welcome window was mapped
// and focused.
void whenWelcomeIsUp(QWindow *welcome, QObject *context, const std::function<void()> &then)
{
    if (welcome == nullptr || welcome->isActive()) {
        then();
        return;
    }
    auto once = [done = std::make_shared<bool>(false), then] {
        if (!*done) {
            *done = true;
            then();
        }
    };
    QObject::connect(welcome, &QWindow::activeChanged, context, [welcome, once] {
        if (welcome->isActive()) {
            once();
        }
    });
    QObject::connect(welcome, &QWindow::visibleChanged, context, [once](bool visible) {
        if (!visible) {
            once();
        }
    });
    QTimer::singleShot(kWelcomeFocusWait, context, once);
}

} // namespace

int main(int argc, char *argv[])
{
    // Before QApplication, which needs a display and aborts without one.
    const pondrel::CommandLine commandLine = pondrel::parseCommandLine(argc, argv);
    if (const int status = answerCommandLine(commandLine); status >= 0) {
        return status;
    }
    preferXWayland();
    // The software scene graph draws a 375-pixel panel in well under a frame
    // and keeps the GL driver (tens of megabytes) out of the process.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);

    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    QApplication::setApplicationDisplayName(QString::fromLatin1(kDisplayName));
    QApplication::setOrganizationName(QString());
    QApplication::setApplicationVersion(QString::fromLatin1(version()));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pondrel-sudoku.svg")));
    // The app lives in the tray: closing its windows does not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        pondrel::Clipboard::setBoundedReader([](qsizetype maxBytes) {
            return pondrel::readX11ClipboardText(QByteArray(), maxBytes, kClipboardTimeout);
        });
    }

    // Known before anything reads or writes the player's files: a second
    // start hands over to the first and ends here. Declared before the
    // settings, so the lock outlives their last write.
    pondrel::SingleInstance instance;
    switch (instance.claim(requestOf(commandLine))) {
    case pondrel::SingleInstance::Role::second:
        return 0;
    case pondrel::SingleInstance::Role::refused:
        std::fprintf(stderr, "%s: %s\n", kApplicationName, qPrintable(instance.refusal()));
        return 1;
    case pondrel::SingleInstance::Role::first:
        break;
    }
    // Logout, shutdown and `kill` quit as Quit does; a signal that comes
    // before the game exists waits for the event loop.
    pondrel::SignalBridge signalBridge;
    pondrel::installStringTable();
    // Qt Quick loads images on pooled threads. By default an idle pooled
    // thread exits after 30 s, which wakes the process long after the panel
    // closed; a parked thread costs nothing while it waits.
    QThreadPool::globalInstance()->setExpiryTimeout(-1);
    // Each window Qt creates (the tray icon's, the panel) gets the SVG window
    // icon rendered at several sizes for the window manager, and the SVG icon
    // engine keeps those renderings in QPixmapCache, whose flush timer then
    // wakes the idle process every 30 s until the cache is empty. The few
    // small pixmaps this app draws are cheaper to redraw than to cache.
    QPixmapCache::setCacheLimit(0);

    // $XDG_CONFIG_HOME/pondrel-sudoku/pondrel-sudoku.conf, where QSettings
    // would put it (with no organisation name QSettings() would refuse to
    // store anything).
    const std::unique_ptr<QSettings> store =
        pondrel::openStore(pondrel::userStorePath(QString::fromLatin1(kApplicationName)));
    pondrel::removeAbandonedLock(store->fileName());
    pondrel::SudokuGame game(store.get(), nullptr, /*persistsGame=*/true);
    QObject::connect(&signalBridge, &pondrel::SignalBridge::received, &game, [&game] {
        pondrel::quitAfterSave(game);
    });
    // Entries written before --autostart existed get it, so that a start at
    // login is known as one, and before TryExec a TryExec line.
    pondrel::LoginItem().upgradeEarlierEntry();

    pondrel::PanelHost panel(game);
    // Asked now, without waiting, so the answers (and the palette they may
    // bring) are in before the first opening draws the board.
    panel.followDesktopSettings();
    pondrel::TrayItem tray(game, panel);

    QObject::connect(&tray, &pondrel::TrayItem::trayUnavailable, &panel, [&panel] {
        panel.setTrayAvailable(false);
    });
    QObject::connect(&instance, &pondrel::SingleInstance::openRequested, &panel, [&panel, &tray] {
        panel.open(tray.anchor());
        panel.raise();
    });
    QObject::connect(&instance, &pondrel::SingleInstance::toggleRequested, &panel, [&panel, &tray] {
        panel.toggle(tray.anchor());
    });
    if (commandLine.autostart) {
        tray.setStartedAtLogin(true);
    }

    // The welcome window first, then the icon: nothing can be clicked
    // before the welcome window has had the focus it asks for.
    const bool welcomes = !game.hasSeenWelcome();
    pondrel::showWelcomeIfNeeded(game, panel.desktopSettings()->preferences());
    whenWelcomeIsUp(welcomes ? pondrel::WelcomeWindowController::shared().window() : nullptr,
                    &tray,
                    [&panel, &tray, open = commandLine.toggle && !welcomes] {
                        tray.show();
                        // --toggle opens the panel at start, unless the
                        // welcome window came up: it has the focus.
                        if (open) {
                            panel.open(tray.anchor());
                        }
                        // Ahead of the player's first click, which then
                        // only shows it; an opening that comes first makes
                        // it itself.
                        QTimer::singleShot(
                            kPrepareBoardDelay, &panel, &pondrel::PanelHost::prepare);
                    });

    return QApplication::exec();
}
