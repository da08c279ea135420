pragma Singleton

import QtQuick

// The one size factor of the board screen and of the screens shown in its
// place: every size there is a number of points times `boardScale`.
QtObject {
    // How much larger the "Large" board size draws everything.
    readonly property real largeBoardFactor: 1.18
    // The margin, in points, between a cell's edge and its 3×3 places of
    // notes: the notes and a Next Step's chain, drawn over them, share it.
    readonly property real noteInset: 2

    // The board scale for the desktop's text-size factor `systemScale` and
    // the game's board size (a raw value, "Standard" or "Large").
    function boardScale(systemScale: real, boardSize: string): real {
        return systemScale * (boardSize === "Large" ? largeBoardFactor : 1.0);
    }
}
