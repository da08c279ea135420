#include "commandline.h"

#include "loginitem.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace pondrel {

namespace {

// The options QGuiApplication, QApplication and the xcb platform take out of
// argv (Qt 6.4), in their one-dash spelling; Qt accepts two dashes as well.
constexpr std::array<std::string_view, 15> kQtOptionsWithValue = {
    "-platform",
    "-platformpluginpath",
    "-platformtheme",
    "-plugin",
    "-qwindowgeometry",
    "-geometry",
    "-qwindowtitle",
    "-title",
    "-qwindowicon",
    "-icon",
    "-session",
    "-display",
    "-name",
    "-style",
    "-stylesheet",
};
constexpr std::array<std::string_view, 6> kQtFlags = {
    "-reverse",
    "-widgetcount",
    "-testability",
    "-sync",
    "-nograb",
    "-dograb",
};
// Given as -option=value.
constexpr std::array<std::string_view, 3> kQtJoinedOptions = {
    "-style=",
    "-stylesheet=",
    "-qmljsdebugger=",
};

template <std::size_t N>
bool isOneOf(std::string_view option, const std::array<std::string_view, N> &options)
{
    return std::find(options.begin(), options.end(), option) != options.end();
}

} // namespace

CommandLine parseCommandLine(int argc, const char *const *argv)
{
    CommandLine result;
    const auto fail = [&result](std::string error) {
        result.action = CommandLine::Action::fail;
        result.error = std::move(error);
        return result;
    };
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        // --help and --version win over everything after them, as in
        // most programs: `pondrel-sudoku --help --bogus` still helps.
        if (argument == "-h" || argument == "--help") {
            result.action = CommandLine::Action::showHelp;
            return result;
        }
        if (argument == "-v" || argument == "--version") {
            result.action = CommandLine::Action::showVersion;
            return result;
        }
        if (argument == "--toggle") {
            result.toggle = true;
            continue;
        }
        if (argument == LoginItem::kAutostartArgument) {
            result.autostart = true;
            continue;
        }
        if (argument.size() < 2 || argument[0] != '-') {
            return fail("unexpected argument '" + std::string(argument) + "'");
        }
        const std::string_view qtOption =
            argument.starts_with("--") ? argument.substr(1) : argument;
        if (isOneOf(qtOption, kQtFlags)) {
            continue;
        }
        if (std::any_of(
                kQtJoinedOptions.begin(),
                kQtJoinedOptions.end(),
                [qtOption](std::string_view prefix) { return qtOption.starts_with(prefix); })) {
            continue;
        }
        if (isOneOf(qtOption, kQtOptionsWithValue)) {
            if (i + 1 >= argc) {
                return fail("option '" + std::string(argument) + "' needs a value");
            }
            ++i;
            continue;
        }
        return fail("unknown option '" + std::string(argument) + "'");
    }
    return result;
}

std::string helpText()
{
    return "Usage: pondrel-sudoku [--toggle] [--autostart]\n"
           "A classic 9x9 sudoku that lives in the system tray. Click its tray icon to\n"
           "open the board. Only one runs per desktop session: starting it again opens\n"
           "the running game's panel.\n"
           "\n"
           "Options:\n"
           "  --toggle      open or close the running game's panel (bind it to a\n"
           "                keyboard shortcut); with none running, start with the\n"
           "                panel open\n"
           "  --autostart   started at login (the Launch at Login entry passes it); do\n"
           "                nothing when a game already runs\n"
           "  -h, --help    show this help and exit\n"
           "  -v, --version show the version and exit\n"
           "\n"
           "Qt's standard options (-platform, -display, -style, ...) are accepted too.\n"
           "See pondrel-sudoku(6).\n";
}

} // namespace pondrel
