import QtQuick
import Pondrel

// The 9×9 board: 81 cells in rows and columns, with a wider gap between the
// 3×3 boxes than inside them, so the boxes read without drawn lines. It
// chooses each cell's highlight and takes the keyboard focus of the board.
//
// Every value shown is read from the game while drawing; the grid keeps no
// copy of the board.
Item {
    id: root

    required property SudokuGame game
    required property BoardColors colors
    required property real boardScale
    // The selected cell shows its focus ring (the player uses the keys).
    property bool showsKeyboardFocus: false

    // Sizes at scale 1, in points.
    readonly property real cellSize: 36
    readonly property real innerGap: 2
    readonly property real boxGap: 5

    readonly property real side: (9 * cellSize + 6 * innerGap + 2 * boxGap) * boardScale

    // Read once per change for all 81 cells.
    readonly property list<int> values: game.values
    readonly property list<int> givens: game.puzzle.givens
    readonly property list<int> notes: game.notes
    // The cells that show why the last hint's digit goes where it did,
    // tinted while its explanation is on show.
    readonly property var hintCells: game.hintExplanation.cells ?? []

    // A click on cell `index`, or its press action.
    signal cellActivated(int index)
    // Tab or Backtab while the grid has the focus. Qt moves the focus on
    // Tab at the item that has it, so when there is another control to go
    // to, the key never reaches the screen's own handlers.
    signal tabPressed

    // Offset of row or column `line` from the grid's edge: the cells before
    // it and the gaps between them, a box gap before lines 3 and 6.
    function offsetOf(line: int): real {
        const boxGaps = Math.floor(line / 3);
        return (line * cellSize + boxGaps * boxGap + (line - boxGaps) * innerGap) * boardScale;
    }

    // The tint of cell `index` holding `value`. With a digit armed the board
    // shows where it stands and where it cannot go; otherwise it shows the
    // selection, the cells holding the same digit and the selection's row,
    // column and box, and after a hint the cells that prove it. A won game
    // shows no armed digit.
    function highlightColor(index: int, value: int): color {
        const armed = game.armedDigit;
        if (armed > 0 && !game.hasWon) {
            if (value === armed) {
                return colors.withOpacity(colors.accent, 0.3);
            }
            // `values` is read so the tint follows every entry.
            if (values.length > 0 && game.isBlocked(index, armed)) {
                return colors.withOpacity(colors.primary, 0.1);
            }
            return "transparent";
        }
        const selected = game.selectedCell;
        if (index === selected) {
            return colors.withOpacity(colors.accent, 0.3);
        }
        if (hintCells.includes(index)) {
            // A static tint, so nothing moves; stronger where the desktop
            // asks for more contrast.
            return colors.withOpacity(colors.accent, colors.increasedContrast ? 0.26 : 0.15);
        }
        if (selected < 0) {
            return "transparent";
        }
        const selectedValue = values[selected];
        if (game.highlightsMatchingNumbers && selectedValue !== 0 && value === selectedValue) {
            return colors.withOpacity(colors.accent, 0.18);
        }
        const sameRow = Math.floor(index / 9) === Math.floor(selected / 9);
        const sameColumn = index % 9 === selected % 9;
        const sameBox = Math.floor(index / 27) === Math.floor(selected / 27)
                && Math.floor((index % 9) / 3) === Math.floor((selected % 9) / 3);
        if (sameRow || sameColumn || sameBox) {
            return colors.withOpacity(colors.primary, 0.07);
        }
        return "transparent";
    }

    objectName: "sudokuGrid"
    implicitWidth: side
    implicitHeight: side
    activeFocusOnTab: !game.isShowingScreen

    Accessible.role: Accessible.Grouping
    Accessible.name: Localized.text("Sudoku board")

    Keys.onPressed: event => {
        if (event.key === Qt.Key_Tab || event.key === Qt.Key_Backtab) {
            root.tabPressed();
        }
        // Left unaccepted: the focus moves on, other keys go to the screen.
        event.accepted = false;
    }

    Item {
        id: cells

        // On whole points, so that at the standard scale every cell edge
        // falls on a pixel boundary.
        x: Math.round((root.width - root.side) / 2)
        width: root.side
        height: root.side

        Repeater {
            model: 81

            CellView {
                x: root.offsetOf(column)
                y: root.offsetOf(row)
                width: root.cellSize * root.boardScale
                height: width
                colors: root.colors
                boardScale: root.boardScale
                value: root.values[index] ?? 0
                given: (root.givens[index] ?? 0) !== 0
                // Mistakes are not even looked up while they are not shown.
                // `values` is read so a new deal with the same digit in
                // this cell is looked at again.
                mistake: root.game.highlightsMistakes && value !== 0 && root.values.length > 0
                         && root.game.isMistake(index)
                selected: root.game.selectedCell === index
                highlightColor: root.highlightColor(index, value)
                showsFocusRing: selected && root.showsKeyboardFocus
                noteDigits: value === 0 && root.notes[index] !== 0 ? root.game.noteDigits(index) : []
                onActivated: root.cellActivated(index)
            }
        }
    }
}
