import QtQuick
import Pondrel

// A small board stand-in for the panel tests: it takes the game like the
// board does and, when told to, keeps Escape for itself as an open dialog
// would.
Rectangle {
    id: root

    required property SudokuGame game
    property bool takesEscape: false
    property DesktopPreferences desktop
    // The colour the board's palette-driven colours start from.
    readonly property color windowColour: systemPalette.window

    width: 200
    height: 100
    focus: true
    color: "white"

    SystemPalette {
        id: systemPalette

        colorGroup: SystemPalette.Active
    }

    Keys.onEscapePressed: event => {
        event.accepted = root.takesEscape;
    }
}
