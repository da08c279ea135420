import QtQuick
import QtQuick.Controls.Basic
import Pondrel

// Nine buttons below the grid, one per digit. The armed digit's button is
// switched on; a digit whose nine placements are all correct is greyed
// out, as is the whole pad once the game is won. The tooltip of each says
// how many more of its digit the board needs.
Row {
    id: root

    required property BoardContext board

    readonly property DigitCounts counts: DigitCounts {
        game: root.board.game
    }

    // Digit `digit`'s button was clicked, after the game was told.
    signal digitPressed(int digit)

    spacing: 4 * board.boardScale

    Repeater {
        model: 9

        // The button sits in a holder that watches the pointer: Qt gives a
        // disabled control no hover, yet a finished digit's "0 left" is
        // worth telling. The watcher takes no clicks, so a disabled button
        // stays inert.
        Item {
            id: holder

            required property int index

            width: (root.width - 8 * root.spacing) / 9
            height: 34 * root.board.boardScale

            HoverHandler {
                id: hover

                // A hidden window keeps the hover it had, and with it the
                // tooltip: off while the panel is hidden, so the tooltip
                // goes with the panel.
                enabled: holder.Window.visibility !== Window.Hidden
            }

            GlassToggleStyle {
                readonly property int digit: holder.index + 1

                objectName: "pad-" + digit
                anchors.fill: parent
                // All four sides: the glass button's own side padding would
                // leave the digit a box narrower than the digit itself.
                padding: 0
                horizontalPadding: 0
                verticalPadding: 0
                capsule: false
                text: Localized.digits(String(digit))
                fontSize: 15 * root.board.boardScale
                fontWeight: Font.DemiBold
                isOn: root.board.game.armedDigit === digit && root.board.game.acceptsMoves
                enabled: root.counts.completeDigits.indexOf(digit) < 0
                         && root.board.game.acceptsMoves
                Accessible.description: ToolTip.text
                ToolTip.text: Localized.plural("%lld left", root.counts.remainingCounts[holder.index])
                ToolTip.visible: hover.hovered
                ToolTip.delay: 600
                // The shared tooltip takes its text when it is asked to
                // show, and shows after its delay: a count that changes in
                // between, by a click on this very button, is handed on.
                ToolTip.onTextChanged: {
                    if (hover.hovered) {
                        ToolTip.show(ToolTip.text);
                    }
                }
                onClicked: {
                    root.board.game.pressDigit(digit);
                    root.digitPressed(digit);
                }
            }
        }
    }
}
