import QtQuick
import Pondrel

// The card that celebrates a solved puzzle and offers the next one. It is
// shown exactly while the game is won, so it leaves with the next deal
// however that deal comes about.
//
// The overlay is as large as its card; the board screen places it by its
// centre. The time it shows is the clock's, which stops at the win.
// `playAgain` asks for the next deal; the board screen starts it. It
// appears and goes at once: the undo bounce stays the board's one animation.
Item {
    id: root

    required property BoardContext board
    signal playAgain

    readonly property real inset: 24 * board.boardScale
    // The clock's time as the card appears (the clock stops at the win): a
    // hidden text changing every second would still reach a screen reader.
    property string shownTime

    function focusPlayAgain() {
        if (visible) {
            playAgainButton.forceActiveFocus(Qt.OtherFocusReason);
        }
    }

    objectName: "puzzleSolvedOverlay"
    implicitWidth: stack.implicitWidth + 2 * inset
    implicitHeight: stack.implicitHeight + 2 * inset
    visible: board.game.hasWon
    onVisibleChanged: {
        if (visible) {
            shownTime = board.game.formatTime(board.game.elapsed);
        }
    }
    Component.onCompleted: shownTime = board.game.formatTime(board.game.elapsed)
    Accessible.role: Accessible.Grouping
    Accessible.name: solvedText.text
    Accessible.description: solvedTime.text

    GlassCard {
        id: card

        objectName: "solvedCard"
        anchors.fill: parent
        radius: 16 * root.board.boardScale
        shadowBlur: 16 * root.board.boardScale
        shadowOffset: 6 * root.board.boardScale

        // The board below must not react to clicks on the card.
        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.AllButtons
        }

        Column {
            id: stack

            anchors.centerIn: parent
            spacing: 14

            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: Localized.text("🎉")
                font.pixelSize: Math.round(32 * root.board.boardScale)
                color: DesktopPalette.active.windowText
                Accessible.ignored: true
            }

            Column {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 4

                Text {
                    id: solvedText

                    objectName: "puzzleSolvedTitle"
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: Localized.text("Puzzle Solved")
                    font.pixelSize: Math.round(15 * root.board.boardScale)
                    font.bold: true
                    color: DesktopPalette.active.windowText
                    Accessible.role: Accessible.Heading
                    Accessible.name: text
                }

                Text {
                    id: solvedTime

                    objectName: "solvedTime"
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: Localized.text("Time: %@", [Localized.digits(root.shownTime)])
                    font.pixelSize: Math.round(12 * root.board.boardScale)
                    font.weight: Font.Medium
                    color: Qt.rgba(DesktopPalette.active.windowText.r, DesktopPalette.active.windowText.g,
                                   DesktopPalette.active.windowText.b, 0.6)
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                }
            }

            GlassPushButton {
                id: playAgainButton

                objectName: "playAgainButton"
                anchors.horizontalCenter: parent.horizontalCenter
                width: Math.max(implicitWidth, 110 * root.board.boardScale)
                text: Localized.text("Play Again")
                // The win's time, read with the button the keys go to.
                Accessible.description: solvedTime.text
                prominent: true
                fontSize: 12 * root.board.boardScale
                fontWeight: Font.DemiBold
                onClicked: root.playAgain()
            }
        }
    }
}
