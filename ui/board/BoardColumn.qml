import QtQuick
import Pondrel

// The board screen's fixed-width column: the header, the grid, then the
// number pad and the tool row, inset from the panel's edges. Its height
// follows what it holds.
Item {
    id: root

    required property SudokuGame game
    required property BoardColors colors
    required property real boardScale
    property bool showsKeyboardFocus: false

    readonly property alias grid: grid
    readonly property real inset: 14 * boardScale

    signal cellActivated(int index)
    signal tabPressed

    objectName: "boardColumn"
    implicitWidth: 375 * boardScale
    implicitHeight: content.height + 2 * inset

    Column {
        id: content

        x: root.inset
        y: root.inset
        width: root.width - 2 * root.inset
        spacing: 12 * root.boardScale

        BoardHeader {
            width: parent.width
            game: root.game
            colors: root.colors
            boardScale: root.boardScale
        }

        BoardGrid {
            id: grid

            width: parent.width
            height: implicitHeight
            focus: true
            game: root.game
            colors: root.colors
            boardScale: root.boardScale
            showsKeyboardFocus: root.showsKeyboardFocus
            onCellActivated: index => root.cellActivated(index)
            onTabPressed: root.tabPressed()
        }

        // The number pad and the tool row go below the grid; until they are
        // there, these take no room.
        Item {
            objectName: "numberPadSlot"
            width: parent.width
            height: childrenRect.height
            visible: children.length > 0
        }

        Item {
            objectName: "toolRowSlot"
            width: parent.width
            height: childrenRect.height
            visible: children.length > 0
        }
    }
}
