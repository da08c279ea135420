pragma Singleton

import QtQuick

// The board's keyboard shortcuts, for the header's Shortcut items that act
// on them and for How to Play, which lists them. Written out rather than as
// standard keys: the desktops' key schemes differ (KDE puts Preferences on
// Ctrl+Shift+Comma), while the game's shortcuts are the same everywhere.
QtObject {
    readonly property string newPuzzle: "Ctrl+N"
    readonly property string undo: "Ctrl+Z"
    readonly property string redo: "Ctrl+Shift+Z"
    // Redo as well, as many desktops have it; How to Play names `redo` only.
    readonly property string redoAlternative: "Ctrl+Y"
    readonly property string copy: "Ctrl+C"
    readonly property string paste: "Ctrl+V"
    readonly property string preferences: "Ctrl+,"
    readonly property string quit: "Ctrl+Q"
}
