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

    readonly property real inset: 24 * board.scale

    objectName: "puzzleSolvedOverlay"
    implicitWidth: stack.implicitWidth + 2 * inset
    implicitHeight: stack.implicitHeight + 2 * inset
    visible: board.game.hasWon
    Accessible.role: Accessible.Grouping
    Accessible.name: solvedText.text

    GlassCard {
        id: card

        objectName: "solvedCard"
        anchors.fill: parent
        radius: 16 * root.board.scale
        shadowBlur: 16 * root.board.scale
        shadowOffset: 6 * root.board.scale

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
                font.pixelSize: Math.round(32 * root.board.scale)
                color: card.systemPalette.windowText
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
                    font.pixelSize: Math.round(15 * root.board.scale)
                    font.bold: true
                    color: card.systemPalette.windowText
                    Accessible.role: Accessible.Heading
                    Accessible.name: text
                }

                Text {
                    objectName: "solvedTime"
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: Localized.text("Time: %@",
                                         [root.board.game.formatTime(root.board.game.elapsed)])
                    font.pixelSize: Math.round(12 * root.board.scale)
                    font.weight: Font.Medium
                    color: Qt.rgba(card.systemPalette.windowText.r, card.systemPalette.windowText.g,
                                   card.systemPalette.windowText.b, 0.6)
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                }
            }

            GlassPushButton {
                objectName: "playAgainButton"
                anchors.horizontalCenter: parent.horizontalCenter
                width: Math.max(implicitWidth, 110 * root.board.scale)
                text: Localized.text("Play Again")
                prominent: true
                fontSize: 12 * root.board.scale
                fontWeight: Font.DemiBold
                onClicked: root.playAgain()
            }
        }
    }
}
