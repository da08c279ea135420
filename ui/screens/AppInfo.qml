pragma Singleton

import QtQuick

// What the About screen says about the application and its publisher, kept
// together so a change of address or wording happens in one place. The
// texts are lookup keys; the screens pass them through Localized.
QtObject {
    readonly property string name: QT_TRANSLATE_NOOP("Pondrel", "Pondrel Sudoku")
    readonly property string publisherLine: QT_TRANSLATE_NOOP("Pondrel", "Made by the Pondrel team")
    readonly property string description: QT_TRANSLATE_NOOP("Pondrel", "A simple sudoku game for your system tray.")
    readonly property string websiteAddress: "https://pondrel.example.org"
    // The button names the site by its host, given as the argument.
    readonly property string websiteButtonTitle: QT_TRANSLATE_NOOP("Pondrel", "Visit %@")
    readonly property string legalLine: QT_TRANSLATE_NOOP("Pondrel", "© 2026 The Pondrel team. All rights reserved.")
    // Shown when the build gave the application no version.
    readonly property string fallbackVersion: "1.0"
    readonly property url icon: "qrc:/pondrel-sudoku.svg"
}
