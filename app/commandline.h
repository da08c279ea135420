#pragma once

#include <string>

namespace pondrel {

// The program's command line, read from argv before any GUI exists, so that
// --help, --version and a mistyped option answer without a display.
//
//     pondrel-sudoku [--toggle] [--autostart] [Qt options]
//     pondrel-sudoku --help | --version
//
// Qt's own options (-platform xcb, -display :1, -session id from a session
// manager, …) are recognised and left in argv for QApplication, which takes
// them out; anything else starting with '-', and any other argument, is an
// error.
struct CommandLine
{
    enum class Action { run, showHelp, showVersion, fail };

    Action action = Action::run;
    // Open or close the running instance's panel; with none running, start
    // with the panel open.
    bool toggle = false;
    // Started by the autostart entry at login: a second start of this kind
    // stays quiet instead of opening the panel.
    bool autostart = false;
    // For `fail`: one line saying what was wrong, without the program name.
    std::string error;
};

CommandLine parseCommandLine(int argc, const char *const *argv);

// What --help prints, ending in a newline.
std::string helpText();

} // namespace pondrel
