import QtQuick
import Pondrel

// A small board stand-in for the panel tests: it takes the game like the
// board does and, when told to, keeps Escape for itself as an open dialog
// would.
Rectangle {
    id: root

    required property SudokuGame game
    property bool takesEscape: false
    property bool systemReduceMotion: false
    property bool increasedContrast: false

    width: 200
    height: 100
    focus: true
    color: "white"

    Keys.onEscapePressed: event => {
        event.accepted = root.takesEscape;
    }
}
