import QtQuick
import Pondrel

// The row above the board: the game's title, the play clock and, at the
// right end, the header buttons. A notice (a hint's reason, a copy or paste
// message) takes the title's place and room while it shows.
Item {
    id: root

    required property BoardContext board
    // The board screen's copy or paste message, if any.
    property string noticeMessage: ""

    // The new-puzzle, undo and menu buttons: the board screen answers
    // their requests.
    readonly property alias buttons: buttons
    readonly property real spacing: 6 * board.boardScale
    // What is left for the title once the clock and the buttons have theirs.
    readonly property real titleRoom: width - spacing - clock.width
                                      - (buttons.width > 0 ? 2 * spacing + buttons.width : 0)

    implicitHeight: Math.max(title.implicitHeight, clock.implicitHeight, buttons.height)

    // The title's width at its full size: a text in a fitting mode reports
    // the size it was shrunk to.
    TextMetrics {
        id: fullTitle

        font: title.font
        text: title.text
    }

    Text {
        id: title

        objectName: "boardTitle"
        anchors.left: parent.left
        anchors.verticalCenter: parent.verticalCenter
        width: Math.max(0, Math.min(Math.ceil(fullTitle.advanceWidth), root.titleRoom))
        text: Localized.text("Pondrel Sudoku")
        visible: !notice.visible
        color: root.board.colors.primary
        font.pixelSize: Math.round(13 * root.board.boardScale)
        font.weight: Font.DemiBold
        maximumLineCount: 1
        elide: Text.ElideRight
        // Rather shrink a little than cut the name short.
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: Math.floor(0.85 * font.pixelSize)
        Accessible.role: Accessible.Heading
        Accessible.name: text
    }

    BoardNotice {
        id: notice

        anchors.left: parent.left
        width: Math.max(0, root.titleRoom)
        height: root.height
        board: root.board
        message: root.noticeMessage
        color: root.board.colors.primary
    }

    Text {
        id: clock

        // The time as it was at the player's last move or focus change, not
        // a name that changes every second: a screen reader is told of
        // every change of a name.
        property string spokenTime

        function refresh() {
            spokenTime = text;
        }

        objectName: "timerLable"
        anchors.verticalCenter: parent.verticalCenter
        // Anchored, so it follows the title on the right in a mirrored panel.
        anchors.left: notice.visible ? notice.right : title.right
        anchors.leftMargin: root.spacing
        text: Localized.digits(root.board.game.formatTime(root.board.game.elapsed))
        color: root.board.colors.secondary
        font.pixelSize: Math.round(11 * root.board.boardScale)
        font.weight: Font.Medium
        Accessible.name: Localized.text("Play time %@", [spokenTime])
        Component.onCompleted: spokenTime = text

        Connections {
            target: root.board.game

            function onSelectedCellChanged() {
                clock.refresh();
            }

            function onValuesChanged() {
                clock.refresh();
            }

            function onNotesChanged() {
                clock.refresh();
            }

            function onIsShowingScreenChanged() {
                clock.refresh();
            }
        }
    }

    HeaderButtons {
        id: buttons

        objectName: "headerButtons"
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        board: root.board
    }
}
