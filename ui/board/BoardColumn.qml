import QtQuick
import Pondrel

// The board screen's fixed-width column: the header, the grid, then the
// number pad and the tool row, inset from the panel's edges. Its height
// follows what it holds.
Item {
    id: root

    required property BoardContext board
    // The board screen's copy or paste message, if any.
    property string noticeMessage: ""

    readonly property alias grid: grid
    readonly property HeaderButtons headerButtons: header.buttons
    readonly property real inset: 14 * board.boardScale

    objectName: "boardColumn"
    implicitWidth: 375 * board.boardScale
    implicitHeight: content.height + 2 * inset

    Column {
        id: content

        x: root.inset
        y: root.inset
        width: root.width - 2 * root.inset
        spacing: 12 * root.board.boardScale

        BoardHeader {
            id: header

            width: parent.width
            board: root.board
            noticeMessage: root.noticeMessage
        }

        BoardGrid {
            id: grid

            width: parent.width
            height: implicitHeight
            focus: true
            board: root.board
        }

        // A click on the pad takes the focus; the keys go back to the grid.
        NumberPad {
            objectName: "numberPad"
            width: parent.width
            board: root.board
            onDigitPressed: grid.forceActiveFocus()
        }

        ToolRow {
            objectName: "toolRow"
            width: parent.width
            board: root.board
        }
    }
}
