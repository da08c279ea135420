#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Every test runs with an event loop (background results arrive through it)
// and with the user's folders pointed at a throw-away directory, so nothing
// here can read or replace a real player's puzzle supply.
int main(int argc, char **argv)
{
    QTemporaryDir home;
    if (!home.isValid()) {
        return 1;
    }
    for (const char *variable : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"}) {
        qputenv(variable, home.path().toLocal8Bit());
    }
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pondrel-sudoku"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
