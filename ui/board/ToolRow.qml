import QtQuick
import QtQuick.Controls.Basic
import Pondrel

// The four tools below the number pad: Notes (switched on while notes
// mode is), Auto (fill in every note), Erase and Hint. The whole row rests
// once the game is won.
Row {
    id: root

    required property BoardContext board

    readonly property real buttonWidth: (width - 3 * spacing) / 4

    spacing: 8 * board.boardScale
    enabled: board.game.acceptsMoves

    ToolButton {
        objectName: "notesButton"
        symbol: "pencil"
        text: Localized.text("Notes")
        toolTip: Localized.text("Notes (N)")
        isOn: root.board.game.isNotesMode
        onClicked: root.board.game.isNotesMode = !root.board.game.isNotesMode
    }

    ToolButton {
        objectName: "autoNotesButton"
        symbol: "wand.and.sparkles"
        text: Localized.text("Auto")
        toolTip: Localized.text("Fill in all notes (A)")
        onClicked: root.board.game.fillAllNotes()
    }

    ToolButton {
        objectName: "eraseButton"
        symbol: "eraser"
        text: Localized.text("Erase")
        toolTip: Localized.text("Erase (Delete)")
        onClicked: root.board.game.eraseSelectedCell()
    }

    ToolButton {
        objectName: "hintButton"
        symbol: "lightbulb"
        text: Localized.text("Hint")
        toolTip: Localized.text("Hint (H)")
        onClicked: root.board.game.giveHint()
    }

    component ToolButton: GlassToggleStyle {
        property string toolTip

        width: parent.buttonWidth
        height: Math.round(30 * parent.board.boardScale)
        horizontalPadding: Math.round(8 * parent.board.boardScale)
        verticalPadding: 0
        fontSize: 12 * parent.board.boardScale
        symbolSize: 13 * parent.board.boardScale
        minimumTextFactor: 0.8
        Accessible.description: toolTip
        ToolTip.text: toolTip
        ToolTip.visible: hovered
        ToolTip.delay: 600
    }
}
