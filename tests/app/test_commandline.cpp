#include "commandline.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace pondrel {
namespace {

CommandLine parse(std::initializer_list<const char *> arguments)
{
    std::vector<const char *> argv = {"pondrel-sudoku"};
    argv.insert(argv.end(), arguments);
    return parseCommandLine(int(argv.size()), argv.data());
}

TEST(CommandLine, readsItsOwnOptions)
{
    EXPECT_EQ(parse({}).action, CommandLine::Action::run);
    EXPECT_FALSE(parse({}).toggle);
    EXPECT_FALSE(parse({}).autostart);

    const CommandLine both = parse({"--autostart", "--toggle"});
    EXPECT_EQ(both.action, CommandLine::Action::run);
    EXPECT_TRUE(both.toggle);
    EXPECT_TRUE(both.autostart);

    for (const char *help : {"-h", "--help"}) {
        EXPECT_EQ(parse({"--toggle", help, "--bogus"}).action, CommandLine::Action::showHelp);
    }
    for (const char *version : {"-v", "--version"}) {
        EXPECT_EQ(parse({version}).action, CommandLine::Action::showVersion);
    }
}

// QApplication takes these out of argv itself; refusing them would break a
// session manager's restart (-session) or a user's -platform choice.
TEST(CommandLine, leavesQtOptionsToQt)
{
    const CommandLine withQt = parse({"-platform",
                                      "xcb",
                                      "--toggle",
                                      "--display",
                                      ":1",
                                      "-session",
                                      "abc",
                                      "-style=Fusion",
                                      "-reverse",
                                      "-name",
                                      "--toggle-not-ours"});
    EXPECT_EQ(withQt.action, CommandLine::Action::run) << withQt.error;
    EXPECT_TRUE(withQt.toggle);
    EXPECT_FALSE(withQt.autostart);
}

TEST(CommandLine, refusesWhatItDoesNotKnowInOneLine)
{
    const struct
    {
        std::initializer_list<const char *> arguments;
        const char *error;
    } cases[] = {
        {{"--bogus"}, "unknown option '--bogus'"},
        {{"-toggle"}, "unknown option '-toggle'"},
        {{"--toggle", "game.sdk"}, "unexpected argument 'game.sdk'"},
        {{"-"}, "unexpected argument '-'"},
        {{"-platform"}, "option '-platform' needs a value"},
    };
    for (const auto &test : cases) {
        const CommandLine result = parse(test.arguments);
        EXPECT_EQ(result.action, CommandLine::Action::fail) << test.error;
        EXPECT_EQ(result.error, test.error);
        EXPECT_EQ(result.error.find('\n'), std::string::npos);
    }
}

} // namespace
} // namespace pondrel
