#include <QCoreApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Queued saves and clock ticks need an event loop. The user's folders point
// at a throw-away directory, so a default supply or store made by mistake can
// never touch a real player's data.
int main(int argc, char **argv)
{
    QTemporaryDir home;
    if (!home.isValid()) {
        return 1;
    }
    for (const char *variable : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"}) {
        qputenv(variable, home.path().toLocal8Bit());
    }
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pondrel-sudoku"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
