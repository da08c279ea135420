#include <QCoreApplication>

#include <gtest/gtest.h>

#include <cstdlib>

// The lookups need an application to hold the string table. The user's
// languages are pinned to Welsh, a language without a table, so the
// display language is the English fallback on every machine.
int main(int argc, char **argv)
{
    qputenv("LANGUAGE", "cy_GB");
    qputenv("LC_ALL", "cy_GB.UTF-8");
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
