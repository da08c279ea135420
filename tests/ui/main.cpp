#include <QCoreApplication>

#include <gtest/gtest.h>

#include <cstdlib>

// The lookups need an application to hold the string table. The user's
// languages are pinned to Swedish, a language without a table, so the
// display language is the English fallback on every machine.
int main(int argc, char **argv)
{
    qputenv("LANGUAGE", "sv_SE");
    qputenv("LC_ALL", "sv_SE.UTF-8");
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
