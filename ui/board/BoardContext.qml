import QtQuick
import Pondrel

// What every part of the board reads: the game, the size factor, the
// colours and how the desktop and the board screen want it to behave. The
// board screen makes one and hands it to each part as its `board`; a part
// passes the same object on to the parts it holds.
QtObject {
    required property SudokuGame game
    // Every size of the board screen is a number of points times this.
    property real boardScale: 1
    property BoardColors colors: BoardColors {}
    property bool reduceMotion: false
    // No screen covers the board and no question is open: the board's keys
    // and shortcuts work (Quit always does).
    property bool takesKeys: true
    // The selected cell shows its focus ring: the player is using the keys.
    property bool showsKeyboardFocus: false

    // Has `text` read out by a screen reader: the result of a move, a
    // hint's or a step's line, the win. The board screen says it.
    signal announce(string text)
}
