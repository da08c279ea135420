import QtQuick
import Pondrel

// The pencil notes of an empty cell: a 3×3 grid of slots in which every
// digit has its own place (1 2 3 on top, 4 5 6 in the middle, 7 8 9 at the
// bottom), so a note never moves when others are added or removed. A digit
// that a Next Step removes shows struck through in the colour of mistakes,
// noted or not.
Item {
    id: root

    required property BoardContext board
    // The noted digits, ascending.
    property list<int> digits: []
    property list<int> removedDigits: []

    readonly property real inset: BoardMetrics.noteInset * board.boardScale

    Repeater {
        model: 9

        Text {
            required property int index
            readonly property int digit: index + 1
            readonly property bool isRemoved: root.removedDigits.includes(digit)

            objectName: "noteSlot-" + digit
            x: root.inset + (index % 3) * width
            y: root.inset + Math.floor(index / 3) * height
            width: (root.width - 2 * root.inset) / 3
            height: (root.height - 2 * root.inset) / 3
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            text: isRemoved || root.digits.includes(digit) ? Localized.digits(String(digit)) : " "
            color: isRemoved ? root.board.colors.mistake : root.board.colors.secondary
            font.pixelSize: Math.max(1, Math.round(8.5 * root.board.boardScale))
            font.weight: isRemoved ? Font.Bold : Font.Medium
            font.strikeout: isRemoved
            Accessible.ignored: true
        }
    }
}
