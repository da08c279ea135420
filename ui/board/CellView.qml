import QtQuick
import Pondrel

// One square of the board: a raised rounded tile, tinted by the highlight
// the grid chose for it, showing its digit or its notes, and ringed when it
// is the selected cell and the player is steering with the keyboard.
//
// The cell draws what the cell model says of it (its roles arrive as the
// required properties below); the grid chooses the highlight's colour.
Item {
    id: root

    required property int index
    required property BoardContext board
    // 0 for an empty cell.
    required property int value
    required property bool given
    // The entry is wrong and mistakes are shown.
    required property bool mistake
    required property bool selected
    // The notes of an empty cell, ascending.
    required property list<int> noteDigits
    // The digits a Next Step removes from this empty cell, ascending.
    required property list<int> removedNoteDigits
    // A BoardCellModel.Highlight.
    required property int highlight
    property color highlightColor: "transparent"
    property bool showsFocusRing: false

    // What a screen reader says of the cell; the grid has it read out when
    // a move changes it.
    readonly property string spokenName: accessibleName()
    readonly property real radius: 5 * board.boardScale
    readonly property int row: Math.floor(index / 9)
    readonly property int column: index % 9

    // A click, or the press action of assistive technology.
    signal activated

    function accessibleName(): string {
        const place = [row + 1, column + 1];
        if (value !== 0) {
            if (given) {
                return Localized.text("Row %lld, column %lld, %lld, given", place.concat(value));
            }
            if (mistake) {
                return Localized.text("Row %lld, column %lld, %lld, wrong", place.concat(value));
            }
            return Localized.text("Row %lld, column %lld, %lld", place.concat(value));
        }
        if (noteDigits.length > 0) {
            return Localized.text("Row %lld, column %lld, empty, notes %@",
                                  place.concat(Localized.digits(noteDigits.join(" "))));
        }
        return Localized.text("Row %lld, column %lld, empty", place);
    }

    objectName: "cell-" + index

    Accessible.role: Accessible.Cell
    Accessible.name: spokenName
    Accessible.selectable: true
    Accessible.selected: selected
    Accessible.focusable: true
    Accessible.onPressAction: root.activated()

    // The soft shadow under the tile, as two faint layers a point lower
    // (the software renderer has no blur): a tight dark one and a wider,
    // fainter one that fades it out.
    Rectangle {
        x: -0.75 * root.board.boardScale
        y: 1
        width: parent.width + 1.5 * root.board.boardScale
        height: parent.height + 0.75 * root.board.boardScale
        radius: root.radius + 0.75 * root.board.boardScale
        color: Qt.rgba(0, 0, 0, 0.06)
    }

    Rectangle {
        y: 1
        width: parent.width
        height: parent.height
        radius: root.radius
        color: Qt.rgba(0, 0, 0, 0.12)
    }

    // The tile, its highlight and its outline in one item: the highlight is
    // translucent over the tile, so it is blended in rather than layered.
    Rectangle {
        objectName: "face"
        anchors.fill: parent
        radius: root.radius
        color: Qt.tint(root.board.colors.controlBackground, root.highlightColor)
        border.width: 1
        border.color: root.board.colors.cellOutline
    }

    Text {
        objectName: "digit"
        anchors.fill: parent
        visible: root.value !== 0
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        text: root.value !== 0 ? Localized.digits(String(root.value)) : ""
        color: root.mistake ? root.board.colors.mistake
                            : root.given ? root.board.colors.primary : root.board.colors.accent
        font.pixelSize: Math.round(20 * root.board.boardScale)
        font.weight: root.given ? Font.Black : Font.DemiBold
        Accessible.ignored: true
    }

    // Most empty cells carry no notes; their slots are only made when needed.
    Loader {
        objectName: "notes"
        anchors.fill: parent
        active: root.value === 0
                && (root.noteDigits.length > 0 || root.removedNoteDigits.length > 0)

        sourceComponent: NotesGrid {
            board: root.board
            digits: root.noteDigits
            removedDigits: root.removedNoteDigits
        }
    }

    Rectangle {
        objectName: "focusRing"
        anchors.fill: parent
        visible: root.showsFocusRing
        radius: root.radius
        color: "transparent"
        border.width: 2.5
        border.color: root.board.colors.accent
    }

    MouseArea {
        anchors.fill: parent
        onClicked: root.activated()
    }
}
