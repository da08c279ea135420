#include <QApplication>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtQml/qqmlextensionplugin.h>

#include <gtest/gtest.h>

Q_IMPORT_QML_PLUGIN(PondrelPlugin)

// The shell needs a GUI application (the tray icon is a widgets class) on a
// screen of its own: the offscreen platform, 800x600. The user's folders
// point at a throw-away directory, so nothing here touches a real player's
// data.
int main(int argc, char **argv)
{
    QTemporaryDir home;
    if (!home.isValid()) {
        return 1;
    }
    for (const char *variable :
         {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"}) {
        qputenv(variable, home.path().toLocal8Bit());
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pondrel-sudoku"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
