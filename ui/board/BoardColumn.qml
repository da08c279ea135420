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
    property bool reduceMotion: false
    // The board takes the keys: the header's shortcuts (all but Quit) work.
    property bool acceptsShortcuts: true
    // The board screen's copy or paste message, if any.
    property string noticeMessage: ""

    readonly property alias grid: grid
    readonly property HeaderButtons headerButtons: header.buttons
    readonly property real inset: 14 * boardScale

    signal cellActivated(int index)
    signal tabPressed
    signal digitPressed(int digit)

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
            id: header

            width: parent.width
            game: root.game
            colors: root.colors
            boardScale: root.boardScale
            reduceMotion: root.reduceMotion
            acceptsShortcuts: root.acceptsShortcuts
            noticeMessage: root.noticeMessage
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

        NumberPad {
            objectName: "numberPad"
            width: parent.width
            game: root.game
            boardScale: root.boardScale
            onDigitPressed: digit => root.digitPressed(digit)
        }

        ToolRow {
            objectName: "toolRow"
            width: parent.width
            game: root.game
            boardScale: root.boardScale
        }
    }
}
