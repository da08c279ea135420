pragma Singleton

import QtQuick

// What the About screen says about the application and its publisher, kept
// together so a change of address or wording happens in one place. The
// texts are lookup keys; the screens pass them through Localized.
QtObject {
    readonly property string name: "Pondrel Sudoku"
    readonly property string publisherLine: "Made by the Pondrel team"
    readonly property string description: "A simple sudoku game for your system tray."
    readonly property string websiteAddress: "https://pondrel.example.org"
    // The button names the site by its host, given as the argument.
    readonly property string websiteButtonTitle: "Visit %@"
    readonly property string legalLine: "© 2026 The Pondrel team. All rights reserved."
    // Shown when the build gave the application no version.
    readonly property string fallbackVersion: "1.0"
    readonly property url icon: "qrc:/pondrel-sudoku.svg"
}
