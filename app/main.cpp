#include "localizedtext.h"
#include "panelhost.h"
#include "puzzlesupply.h"
#include "settingsstore.h"
#include "sudokugame.h"
#include "trayitem.h"
#include "welcomewindowcontroller.h"

#include <QApplication>
#include <QIcon>
#include <QPixmapCache>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QSettings>
#include <QThreadPool>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(PondrelPlugin)

namespace {

constexpr char kApplicationName[] = "pondrel-sudoku";
constexpr char kDisplayName[] = "Pondrel Sudoku";

// A Wayland client cannot place its own popup next to the tray icon, so on a
// Wayland session the app runs through XWayland unless the user picked a
// platform.
void preferXWayland()
{
    if (qgetenv("XDG_SESSION_TYPE") == "wayland" && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
}

} // namespace

int main(int argc, char *argv[])
{
    preferXWayland();
    // The software scene graph draws a 375-pixel panel in well under a frame
    // and keeps the GL driver (tens of megabytes) out of the process.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);

    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    QApplication::setApplicationDisplayName(QString::fromLatin1(kDisplayName));
    QApplication::setOrganizationName(QString());
    const QString version = QStringLiteral(PONDREL_VERSION);
    QApplication::setApplicationVersion(version.isEmpty() ? QStringLiteral("1.0") : version);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pondrel-sudoku.svg")));
    // The app lives in the tray: closing its windows does not end it.
    QApplication::setQuitOnLastWindowClosed(false);
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

    // $XDG_CONFIG_HOME/pondrel-sudoku/pondrel-sudoku.conf. Named explicitly:
    // with no organisation name QSettings() would refuse to store anything.
    QSettings preferences(pondrel::storeFormat(),
                          QSettings::UserScope,
                          QString::fromLatin1(kApplicationName),
                          QString::fromLatin1(kApplicationName));
    pondrel::removeAbandonedLock(preferences.fileName());
    pondrel::SudokuGame game(&preferences, nullptr, /*persistsGame=*/true);

    // Runs once the event loop turns, after the tray item below is live.
    QTimer::singleShot(0, &game, [&game] { pondrel::showWelcomeIfNeeded(game); });

    pondrel::PanelHost panel(game);
    pondrel::TrayItem tray(game, panel);
    QObject::connect(&tray, &pondrel::TrayItem::trayUnavailable, &panel, [&panel] {
        panel.setMode(pondrel::PanelHost::Mode::standalone);
        panel.open({});
    });
    tray.show();

    return QApplication::exec();
}
