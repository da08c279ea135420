import QtQuick
import Pondrel

// The 9×9 board: 81 cells in rows and columns, with a wider gap between the
// 3×3 boxes than inside them, so the boxes read without drawn lines. It
// takes the keyboard focus of the board.
//
// What each cell shows, its highlight included, comes from the cell model
// over the game; the grid only chooses the colour of each highlight. Over
// the cells, a Next Step's chain (ChainOverlay).
FocusScope {
    id: root

    required property BoardContext board

    // Sizes at scale 1, in points.
    readonly property real cellSize: 36
    readonly property real innerGap: 2
    readonly property real boxGap: 5

    readonly property real side: (9 * cellSize + 6 * innerGap + 2 * boxGap) * board.boardScale

    readonly property BoardCellModel cellModel: BoardCellModel {
        game: root.board.game
    }

    // The cells whose content changed in this turn of the event loop, read
    // out together once it ends.
    property var changedCells: []
    // The selection moved in this turn: the focus brings the selected cell's
    // name to a screen reader already.
    property bool selectionMoved: false
    // The play time when the board last took the focus: a screen reader
    // reads it with the board, not on every tick of the clock.
    property string spokenTime: ""

    // Offset of row or column `line` from the grid's edge: the cells before
    // it and the gaps between them, a box gap before lines 3 and 6.
    function offsetOf(line: int): real {
        const boxGaps = Math.floor(line / 3);
        return (line * cellSize + boxGaps * boxGap + (line - boxGaps) * innerGap) * board.boardScale;
    }

    // The colour of a cell's highlight: the selection and the armed digit in
    // the accent colour, matching digits fainter, the cells that show a
    // hint's reason and where a Next Step says to look in a hue of their
    // own, the step's pattern stronger in it, the cells the armed digit
    // cannot take and the selection's peers in faint greys.
    function tint(highlight: int): color {
        const colors = board.colors;
        switch (highlight) {
        case BoardCellModel.Selected:
        case BoardCellModel.ArmedDigit:
            return colors.withOpacity(colors.accent, 0.3);
        case BoardCellModel.HintReason:
        case BoardCellModel.StepArea:
            // A static tint, so nothing moves; stronger where the desktop
            // asks for more contrast.
            return colors.withOpacity(colors.reason, colors.increasedContrast ? 0.34 : 0.2);
        case BoardCellModel.StepPattern:
            // Light enough that the red of a removed note still reads on a
            // dark palette.
            return colors.withOpacity(colors.reason, colors.increasedContrast ? 0.55 : 0.4);
        case BoardCellModel.SameDigit:
            return colors.withOpacity(colors.accent, 0.18);
        case BoardCellModel.Blocked:
            return colors.withOpacity(colors.primary, 0.1);
        case BoardCellModel.Peer:
            return colors.withOpacity(colors.primary, 0.07);
        }
        return "transparent";
    }

    // A cell may change twice in a turn (its digit, then whether it is
    // wrong); it is read once.
    function cellChanged(index: int) {
        const cell = cellViews.itemAt(index);
        if (!changedCells.includes(cell)) {
            changedCells = changedCells.concat([cell]);
        }
        Qt.callLater(announceChanges);
    }

    // The focused cell's new content (a digit, a mistake, notes, an erase,
    // an undo), or a few other cells that changed (an undo elsewhere); a
    // new puzzle or all notes filled in at once are too many to read.
    function announceChanges() {
        const cells = changedCells;
        const moved = selectionMoved;
        changedCells = [];
        selectionMoved = false;
        if (cells.length === 0 || !board.takesKeys) {
            return;
        }
        const focused = cells.filter(cell => cell.activeFocus);
        const spoken = focused.length > 0 ? (moved ? [] : focused) : cells.length <= 3 ? cells : [];
        if (spoken.length > 0) {
            board.announce(spoken.map(cell => cell.spokenName).join(". "));
        }
    }

    objectName: "sudokuGrid"
    // Never mirrored: column 1 stays on the left in every language, so that
    // "row 1, column 1" in a text is the cell drawn there, and the arrow
    // keys move the way the player sees the board.
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true
    implicitWidth: side
    implicitHeight: side
    activeFocusOnTab: !board.game.isShowingScreen

    Accessible.role: Accessible.Grouping
    Accessible.name: Localized.text("Sudoku board")
    Accessible.description: spokenTime
    onActiveFocusChanged: {
        if (activeFocus && board.game) {
            spokenTime = Localized.text("Play time %@", [board.game.formatTime(board.game.elapsed)]);
        }
    }

    // Qt moves the focus on Tab at the item that has it, so when there is
    // another control to go to, the key never reaches the screen's own
    // handlers: moving on with Tab is steering with the keyboard too.
    Keys.onPressed: event => {
        if ((event.key === Qt.Key_Tab || event.key === Qt.Key_Backtab)
                && !root.board.game.isShowingScreen) {
            root.board.showsKeyboardFocus = true;
        }
        // Left unaccepted: the focus moves on, other keys go to the screen.
        event.accepted = false;
    }

    Connections {
        target: root.board.game

        function onSelectedCellChanged() {
            root.selectionMoved = true;
            Qt.callLater(root.announceChanges);
        }
    }

    Item {
        id: cells

        // On whole points, so that at the standard scale every cell edge
        // falls on a pixel boundary.
        x: Math.round((root.width - root.side) / 2)
        width: root.side
        height: root.side

        Repeater {
            id: cellViews

            model: root.cellModel

            CellView {
                x: root.offsetOf(column)
                y: root.offsetOf(row)
                width: root.cellSize * root.board.boardScale
                height: width
                board: root.board
                highlightColor: root.tint(highlight)
                showsFocusRing: selected && root.board.showsKeyboardFocus
                // The selected cell holds the board's focus, so a screen
                // reader follows the selection from cell to cell.
                focus: selected
                onSpokenNameChanged: root.cellChanged(index)
                // A click is steering with the pointer: no focus ring, and
                // the keys stay with the board.
                onActivated: {
                    root.board.game.tapCell(index);
                    root.board.showsKeyboardFocus = false;
                    root.forceActiveFocus();
                }
            }
        }

        ChainOverlay {
            anchors.fill: parent
            board: root.board
            grid: root
        }
    }
}
