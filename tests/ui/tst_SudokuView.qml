import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Window
import QtTest
import Pondrel
import Pondrel.Testing

// The board screen driven like a player drives it: its size at both board
// sizes, every key with and without modifiers, clicks on cells, the focus
// ring, and what changes while a screen covers the board or the panel opens.
//
// Every game deals the known puzzle of TestGames:
//
//     5 3 . | . 7 . | . . .
//     6 . . | 1 9 5 | . . .
//     . 9 8 | . . . | . 6 .
//     ------+-------+------
//     8 . . | . 6 . | . . 3
//     4 . . | 8 . 3 | . . 1
//     7 . . | . 2 . | . . 6
//     ------+-------+------
//     . 6 . | . . . | 2 8 .
//     . . . | 4 1 9 | . . 5
//     . . . | . 8 . | . 7 9
Item {
    id: stage

    width: 560
    height: 720

    Component {
        id: viewComponent

        SudokuView {}
    }

    // A panel window of its own, for what happens when the panel opens.
    Window {
        id: panel

        width: 400
        height: 560
    }

    // An open cell, its solution digit, and a given.
    readonly property int openCell: 2
    readonly property int openCellSolution: 4
    readonly property int givenCell: 0

    TestCase {
        id: testCase

        name: "SudokuView"
        when: windowShown

        property SudokuGame game: null
        property SudokuView view: null

        function findItem(item: Item, name: string): Item {
            if (item.objectName === name) {
                return item;
            }
            for (let i = 0; i < item.children.length; ++i) {
                const found = findItem(item.children[i], name);
                if (found) {
                    return found;
                }
            }
            return null;
        }

        function cell(index: int): Item {
            const found = findItem(view, "cell-" + index);
            verify(found, "cell-" + index);
            return found;
        }

        function focusRingShown(index: int): bool {
            return findItem(cell(index), "focusRing").visible;
        }

        function key(key: int, text: string, modifiers: int) {
            TestGames.sendKey(view, key, modifiers ?? Qt.NoModifier, text, false);
        }

        function clickCell(index: int) {
            mouseClick(cell(index));
        }

        function makeView(parentItem: Item) {
            game = TestGames.makeGame();
            view = viewComponent.createObject(parentItem, {game: game});
            verify(view);
        }

        function init() {
            makeView(stage);
            // The panel test leaves another window active.
            stage.Window.window.requestActivate();
            view.forceActiveFocus();
            tryVerify(() => view.boardHasFocus, 1000, "the grid takes the focus");
        }

        function cleanup() {
            view.destroy();
            view = null;
            TestGames.discard(game);
            game = null;
            wait(0);
        }

        // ---- Size ----

        function test_size_data() {
            return [
                {tag: "standard", boardSize: "Standard", column: 375, cell: 36, grid: 346},
                {tag: "large", boardSize: "Large", column: 442.5, cell: 42.48, grid: 408.28},
            ];
        }

        function test_size(data) {
            game.boardSize = data.boardSize;
            const s = data.cell / 36;
            waitForItemPolished(findItem(view, "boardColumn").children[0]);
            fuzzyCompare(view.width, data.column, 1e-9);
            fuzzyCompare(cell(0).width, data.cell, 1e-9);
            fuzzyCompare(cell(0).height, data.cell, 1e-9);
            // Gaps: 2 inside a box, 5 between boxes, across and down.
            fuzzyCompare(cell(1).x - cell(0).x - cell(0).width, 2 * s, 1e-9);
            fuzzyCompare(cell(3).x - cell(2).x - cell(2).width, 5 * s, 1e-9);
            fuzzyCompare(cell(9).y - cell(0).y - cell(0).height, 2 * s, 1e-9);
            fuzzyCompare(cell(27).y - cell(18).y - cell(18).height, 5 * s, 1e-9);
            fuzzyCompare(cell(80).x + cell(80).width - cell(0).x, data.grid, 1e-9);
            fuzzyCompare(cell(80).y + cell(80).height - cell(0).y, data.grid, 1e-9);
            // The column's 14-point inset; the grid centred in it.
            const grid = findItem(view, "sudokuGrid");
            const topLeft = cell(0).mapToItem(view, 0, 0);
            fuzzyCompare(topLeft.x, (data.column - data.grid) / 2, 0.5);
            fuzzyCompare(grid.width, data.column - 28 * s, 1e-9);
            fuzzyCompare(findItem(view, "boardTitle").mapToItem(view, 0, 0).x, 14 * s, 1e-9);
            // The column lays itself out before the next frame.
            tryVerify(() => view.height >= topLeft.y + data.grid + 14 * s - 1e-6, 1000,
                      "the column holds the grid");
        }

        function test_textScale_data() {
            return [
                {tag: "default", desktop: 1.0, standard: 1.0},
                {tag: "larger", desktop: 1.3, standard: 1.3},
                {tag: "at the cap", desktop: 1.65, standard: 1.65},
            ];
        }

        function test_textScale(data) {
            view.desktop.textScale = data.desktop;
            fuzzyCompare(view.boardScale, data.standard, 1e-9);
            fuzzyCompare(cell(0).width, 36 * data.standard, 1e-9);
            game.boardSize = "Large";
            fuzzyCompare(view.boardScale, data.standard * 1.18, 1e-9);
            fuzzyCompare(view.width, 375 * data.standard * 1.18, 1e-9);
        }

        // ---- Header ----

        function test_headerShowsTitleAndPlayTime() {
            compare(findItem(view, "boardTitle").text, "Pondrel Sudoku");
            const clock = findItem(view, "timerLable");
            compare(clock.text, "0:00");

            TestGames.discard(game);
            game = TestGames.makeGame(5);
            view.game = game;
            game.tapCell(stage.openCell);
            game.pressDigit(stage.openCellSolution);
            game.setPlayActive(true);
            tryVerify(() => game.elapsed >= 2, 2000, "the clock runs");
            game.setPlayActive(false);
            compare(clock.text, game.formatTime(game.elapsed));
        }

        // ---- Arrow keys ----

        function test_firstArrowSelectsTheCentre_data() {
            return [
                {tag: "up", key: Qt.Key_Up},
                {tag: "down", key: Qt.Key_Down},
                {tag: "left", key: Qt.Key_Left},
                {tag: "right", key: Qt.Key_Right},
            ];
        }

        function test_firstArrowSelectsTheCentre(data) {
            compare(game.selectedCell, -1);
            verify(!focusRingShown(40));
            key(data.key, "");
            compare(game.selectedCell, 40);
            verify(view.showKeyboardFocus);
            verify(focusRingShown(40), "the arrow shows the focus ring");
        }

        function test_arrowsMoveAndStopAtTheEdges_data() {
            return [
                {tag: "up", key: Qt.Key_Up, from: 40, to: 31},
                {tag: "down", key: Qt.Key_Down, from: 40, to: 49},
                {tag: "left", key: Qt.Key_Left, from: 40, to: 39},
                {tag: "right", key: Qt.Key_Right, from: 40, to: 41},
                {tag: "up on the top row", key: Qt.Key_Up, from: 4, to: 4},
                {tag: "down on the bottom row", key: Qt.Key_Down, from: 76, to: 76},
                {tag: "left on the first column", key: Qt.Key_Left, from: 36, to: 36},
                {tag: "right on the last column", key: Qt.Key_Right, from: 44, to: 44},
                {tag: "keypad arrow", key: Qt.Key_Up, modifiers: Qt.KeypadModifier, from: 40, to: 31},
            ];
        }

        function test_arrowsMoveAndStopAtTheEdges(data) {
            game.tapCell(data.from);
            key(data.key, "", data.modifiers);
            compare(game.selectedCell, data.to);
        }

        // A header button with the keys keeps the arrows from the board's
        // selection, which would move unseen under it; Return opens the
        // menu button's menu, as Space does.
        function test_headerButtonKeys() {
            game.tapCell(40);
            const menuButton = findItem(view, "moreMenuButton");
            menuButton.forceActiveFocus(Qt.TabFocusReason);
            key(Qt.Key_Left, "");
            compare(game.selectedCell, 40);
            key(Qt.Key_Return, "\r");
            const menu = findItem(view, "headerButtons").menu;
            tryVerify(() => menu.opened, 1000);
            verify(menu.itemAt(0).activeFocus, "the first item is where the keys go on from");
        }

        function test_arrowsWithModifiersAreNotMoves_data() {
            return [
                {tag: "shift", modifiers: Qt.ShiftModifier},
                {tag: "control", modifiers: Qt.ControlModifier},
                {tag: "alt", modifiers: Qt.AltModifier},
                {tag: "meta", modifiers: Qt.MetaModifier},
            ];
        }

        function test_arrowsWithModifiersAreNotMoves(data) {
            game.tapCell(40);
            key(Qt.Key_Up, "", data.modifiers);
            compare(game.selectedCell, 40);
            verify(!view.showKeyboardFocus);
        }

        // ---- Digit keys ----

        function test_digitKeyEntersIntoTheSelectedCell() {
            clickCell(stage.openCell);
            verify(!focusRingShown(stage.openCell));
            key(Qt.Key_7, "7");
            compare(game.values[stage.openCell], 7);
            verify(focusRingShown(stage.openCell), "a digit key shows the focus ring");
        }

        function test_digitKeyArmsWithoutSelection() {
            key(Qt.Key_3, "3");
            compare(game.armedDigit, 3);
            key(Qt.Key_3, "3");
            compare(game.armedDigit, -1, "the same key disarms it");
        }

        // The Persian layout types ۱-۹, Arabic layouts ١-٩, Bengali ১-৯, Hindi १-९.
        function test_everyDigitKey_data() {
            return [
                {tag: "0-9", digits: "0123456789"},
                {tag: "Persian", digits: "۰۱۲۳۴۵۶۷۸۹"},
                {tag: "Eastern Arabic", digits: "٠١٢٣٤٥٦٧٨٩"},
                {tag: "Bengali", digits: "০১২৩৪৫৬৭৮৯"},
                {tag: "Devanagari", digits: "०१२३४५६७८९"},
            ];
        }

        function test_everyDigitKey(data) {
            game.tapCell(stage.openCell);
            for (let digit = 1; digit <= 9; ++digit) {
                key(data.digits.charCodeAt(digit), data.digits[digit]);
                compare(game.values[stage.openCell], digit, "key " + data.digits[digit]);
                game.eraseSelectedCell();
            }
        }

        function test_keypadDigitsCount() {
            game.tapCell(stage.openCell);
            key(Qt.Key_4, "4", Qt.KeypadModifier);
            compare(game.values[stage.openCell], 4);
        }

        // French and Belgian layouts type the top row's digits with Shift.
        function test_shiftedDigitsCount() {
            game.tapCell(stage.openCell);
            key(Qt.Key_4, "4", Qt.ShiftModifier);
            compare(game.values[stage.openCell], 4);
            verify(view.showKeyboardFocus);
        }

        function test_heldDigitKeyRepeats() {
            game.tapCell(stage.openCell);
            TestGames.sendKey(view, Qt.Key_5, Qt.NoModifier, "5", false);
            compare(game.values[stage.openCell], 5);
            // The repeat enters 5 again, which takes it out again.
            TestGames.sendKey(view, Qt.Key_5, Qt.NoModifier, "5", true);
            compare(game.values[stage.openCell], 0);
            TestGames.sendKey(view, Qt.Key_5, Qt.NoModifier, "5", true);
            compare(game.values[stage.openCell], 5);
        }

        function test_modifiedKeysDoNothing_data() {
            const modifiers = [
                {name: "shift", value: Qt.ShiftModifier},
                {name: "control", value: Qt.ControlModifier},
                {name: "alt", value: Qt.AltModifier},
                {name: "meta", value: Qt.MetaModifier},
            ];
            const keys = [
                {name: "digit", key: Qt.Key_6, text: "6"},
                {name: "backspace", key: Qt.Key_Backspace, text: "\b"},
                {name: "delete", key: Qt.Key_Delete, text: "\u007f"},
                {name: "n", key: Qt.Key_N, text: "n"},
                {name: "a", key: Qt.Key_A, text: "a"},
                {name: "h", key: Qt.Key_H, text: "h"},
            ];
            const rows = [];
            for (const modifier of modifiers) {
                for (const k of keys) {
                    // A digit with Shift alone counts (the shifted digits below).
                    if (modifier.name !== "shift" || k.name !== "digit") {
                        rows.push({tag: modifier.name + " " + k.name, key: k.key, text: k.text,
                                   modifiers: modifier.value});
                    }
                }
            }
            // Shift+N as a layout sends it.
            rows.push({tag: "shift N", key: Qt.Key_N, text: "N", modifiers: Qt.ShiftModifier});
            rows.push({tag: "control shift digit", key: Qt.Key_6, text: "6",
                       modifiers: Qt.ControlModifier | Qt.ShiftModifier});
            rows.push({tag: "alt shift digit", key: Qt.Key_6, text: "6",
                       modifiers: Qt.AltModifier | Qt.ShiftModifier});
            // Shift on a US layout's 6 gives ^, which is no digit.
            rows.push({tag: "shift 6 as ^", key: Qt.Key_AsciiCircum, text: "^",
                       modifiers: Qt.ShiftModifier});
            return rows;
        }

        function test_modifiedKeysDoNothing(data) {
            // A wrong digit with notes around it, so every action would show.
            game.tapCell(stage.openCell);
            game.pressDigit(stage.openCellSolution + 1);
            const values = game.values;
            const notes = game.notes;
            key(data.key, data.text, data.modifiers);
            compare(game.values, values);
            compare(game.notes, notes);
            compare(game.hintsUsed, 0);
            compare(game.isNotesMode, false);
            compare(game.armedDigit, -1);
            compare(game.selectedCell, stage.openCell);
            verify(!view.showKeyboardFocus);
        }

        // ---- Erase keys ----

        function test_eraseKeys_data() {
            return [
                {tag: "backspace", key: Qt.Key_Backspace, text: "\b"},
                {tag: "forward delete", key: Qt.Key_Delete, text: "\u007f"},
                {tag: "delete character", key: Qt.Key_unknown, text: "\u007f"},
                {tag: "backspace character", key: Qt.Key_unknown, text: "\u0008"},
                {tag: "forward delete function key", key: Qt.Key_unknown, text: "\uf728"},
                {tag: "keypad delete", key: Qt.Key_Delete, text: "", modifiers: Qt.KeypadModifier},
            ];
        }

        function test_eraseKeys(data) {
            game.tapCell(stage.openCell);
            game.pressDigit(8);
            key(data.key, data.text, data.modifiers);
            compare(game.values[stage.openCell], 0);
            verify(!view.showKeyboardFocus, "erasing does not show the focus ring");
        }

        function test_eraseKeyLeavesGivens() {
            game.tapCell(stage.givenCell);
            key(Qt.Key_Delete, "\u007f");
            compare(game.values[stage.givenCell], 5);
        }

        // ---- Letter keys ----

        function test_letterKeys_data() {
            return [
                {tag: "n", text: "n", key: Qt.Key_N},
                {tag: "N with caps lock", text: "N", key: Qt.Key_N},
            ];
        }

        function test_letterKeys(data) {
            key(data.key, data.text);
            verify(game.isNotesMode);
            key(data.key, data.text);
            verify(!game.isNotesMode);
        }

        function test_autoNotesKey() {
            key(Qt.Key_A, "a");
            // Cell 2 of row 0: 1, 2 and 4 are free there.
            compare(game.noteDigits(stage.openCell), [1, 2, 4]);
            key(Qt.Key_A, "A");
            verify(game.historyCount === 1, "notes were filled once");
        }

        function test_hintKey() {
            game.tapCell(stage.openCell);
            key(Qt.Key_H, "h");
            compare(game.values[stage.openCell], stage.openCellSolution);
            compare(game.hintsUsed, 1);
            game.tapCell(5);
            key(Qt.Key_H, "H");
            compare(game.hintsUsed, 2);
        }

        // ---- Next Step ----

        function tinted(highlight: int): list<int> {
            const cells = [];
            for (let index = 0; index < 81; ++index) {
                if (cell(index).highlight === highlight) {
                    cells.push(index);
                }
            }
            return cells;
        }

        // The first step of the known puzzle: only 5 fits in the centre.
        function test_nextStepKeyPointsExplainsAndMoves() {
            const notice = findItem(view, "boardNotice");
            key(Qt.Key_S, "s");
            compare(notice.text, "Look at row 5 and column 5");
            verify(notice.visible);
            compare(notice.Accessible.role, Accessible.AlertMessage);
            compare(tinted(BoardCellModel.StepArea).length, 17, "the row and the column");
            key(Qt.Key_S, "S");
            compare(notice.text, "Naked Single: only 5 fits in this cell");
            compare(tinted(BoardCellModel.StepPattern), [40]);
            compare(tinted(BoardCellModel.StepArea).length, 20, "what the cell sees");
            key(Qt.Key_S, "s");
            compare(game.values[40], 5);
            compare(game.hintsUsed, 1);
            compare(tinted(BoardCellModel.StepArea), []);
            verify(!notice.visible);

            key(Qt.Key_S, "s");
            verify(notice.visible);
            let escapeTravelled = false;
            const handler = event => escapeTravelled = true;
            stage.Keys.pressed.connect(handler);
            key(Qt.Key_Escape, "\u001b");
            stage.Keys.pressed.disconnect(handler);
            verify(!escapeTravelled, "Escape takes the step away first");
            verify(!notice.visible);
        }

        function test_unhandledKeysTravelOn_data() {
            return [
                // Escape closes the panel in the host.
                {tag: "escape", key: Qt.Key_Escape, text: "\u001b"},
                {tag: "other letter", key: Qt.Key_Q, text: "q"},
                {tag: "zero", key: Qt.Key_0, text: "0"},
            ];
        }

        function test_unhandledKeysTravelOn(data) {
            let reachedStage = false;
            const handler = event => {
                reachedStage = event.key === data.key;
            };
            stage.Keys.pressed.connect(handler);
            key(data.key, data.text);
            stage.Keys.pressed.disconnect(handler);
            verify(reachedStage);
        }

        // ---- Tab ----

        function test_tabShowsTheFocusRingAndMovesFocus() {
            // The number pad follows the grid in the focus chain.
            const control = findItem(view, "pad-1");
            game.tapCell(40);
            verify(!focusRingShown(40));
            key(Qt.Key_Tab, "\t");
            verify(view.showKeyboardFocus);
            verify(focusRingShown(40));
            verify(control.activeFocus, "the focus moved on");
            verify(!view.boardHasFocus);

            // Board keys wait for the grid to have the focus again.
            key(Qt.Key_5, "5");
            compare(game.values[40], 0);
            key(Qt.Key_Backtab, "", Qt.ShiftModifier);
            verify(view.boardHasFocus);
            key(Qt.Key_5, "5");
            compare(game.values[40], 5);
        }

        // While the question is open Tab goes round its two buttons only, so
        // no control under it (the Hint button, say) can take a key.
        function test_questionHoldsTheKeyboard() {
            game.tapCell(stage.openCell);
            game.pressDigit(9);
            view.requestNewPuzzle();
            tryVerify(() => findItem(view, "abandonGameDialog") !== null, 1000);
            const dialog = findItem(view, "abandonGameDialog").parent;
            const cancel = findItem(dialog, "cancelNewPuzzleButton");
            const confirm = findItem(dialog, "confirmNewPuzzleButton");
            // The question opens with the keys on its way out.
            const order = [cancel.activeFocus ? "cancel" : "out"];
            for (let i = 0; i < 4; ++i) {
                key(Qt.Key_Tab, "\t");
                order.push(cancel.activeFocus ? "cancel" : confirm.activeFocus ? "confirm" : "out");
            }
            key(Qt.Key_Backtab, "", Qt.ShiftModifier);
            order.push(cancel.activeFocus ? "cancel" : confirm.activeFocus ? "confirm" : "out");
            compare(order, ["cancel", "confirm", "cancel", "confirm", "cancel", "confirm"]);
            // Nor does the pointer reach them: no tooltip through the backdrop.
            const pad = findItem(view, "pad-5");
            mouseMove(pad);
            wait(pad.ToolTip.delay + 200);
            verify(!pad.ToolTip.visible, "a pad tooltip through the backdrop");
            key(Qt.Key_Tab, "\t");
            verify(cancel.activeFocus);
            key(Qt.Key_Space, " ");
            verify(!view.isConfirmingNewPuzzle, "Space on Cancel cancels");
            compare(game.values[stage.openCell], 9);
        }

        // ---- The guard ----

        function test_confirmationStopsBoardKeys_data() {
            return [
                {tag: "digit", key: Qt.Key_5, text: "5"},
                {tag: "delete", key: Qt.Key_Delete, text: "\u007f"},
                {tag: "arrow", key: Qt.Key_Down, text: ""},
                {tag: "n", key: Qt.Key_N, text: "n"},
                {tag: "a", key: Qt.Key_A, text: "a"},
                {tag: "h", key: Qt.Key_H, text: "h"},
            ];
        }

        function test_confirmationStopsBoardKeys(data) {
            game.tapCell(stage.openCell);
            game.pressDigit(9);
            view.isConfirmingNewPuzzle = true;
            const values = game.values;
            key(data.key, data.text);
            compare(game.values, values);
            compare(game.selectedCell, stage.openCell);
            compare(game.isNotesMode, false);
            compare(game.hintsUsed, 0);
            compare(game.historyCount, 1);
            verify(!view.showKeyboardFocus);
        }

        function test_boardKeysNeedTheGridFocused() {
            game.tapCell(stage.openCell);
            // The focus on the screen itself instead of its grid, as when a
            // control below the grid has it.
            view.grid.focus = false;
            view.forceActiveFocus();
            verify(view.activeFocus && !view.boardHasFocus);
            key(Qt.Key_5, "5");
            key(Qt.Key_N, "n");
            compare(game.values[stage.openCell], 0);
            verify(!game.isNotesMode);
            key(Qt.Key_Right, "");
            compare(game.selectedCell, stage.openCell + 1, "arrows still move");
        }

        // ---- Screens over the board ----

        function test_screenHidesTheBoardAndStopsInput() {
            game.tapCell(40);
            key(Qt.Key_Right, "");
            verify(view.showKeyboardFocus);

            game.isShowingScreen = true;
            verify(!view.showKeyboardFocus);
            tryVerify(() => !view.boardHasFocus, 1000, "the grid gives up the focus");
            const column = findItem(view, "boardColumn");
            compare(column.opacity, 0);
            verify(!view.grid.activeFocusOnTab, "the grid cannot take the focus");

            view.forceActiveFocus();
            for (const [k, text] of [[Qt.Key_5, "5"], [Qt.Key_Left, ""], [Qt.Key_Delete, "\u007f"],
                                     [Qt.Key_N, "n"], [Qt.Key_A, "a"], [Qt.Key_H, "h"],
                                     [Qt.Key_Tab, "\t"]]) {
                key(k, text);
            }
            clickCell(10);
            compare(game.selectedCell, 41);
            compare(game.values, TestGames.puzzle.split("").map(Number));
            verify(!game.isNotesMode);
            verify(!view.showKeyboardFocus);

            game.isShowingScreen = false;
            compare(column.opacity, 1);
            tryVerify(() => view.boardHasFocus, 1000, "the grid takes the focus back");
            verify(!view.showKeyboardFocus);
        }

        // ---- Pointer ----

        function test_clickSelectsAndHidesTheFocusRing() {
            key(Qt.Key_Down, "");
            verify(focusRingShown(40));
            clickCell(stage.openCell);
            compare(game.selectedCell, stage.openCell);
            verify(!view.showKeyboardFocus);
            verify(!focusRingShown(stage.openCell));
            clickCell(stage.openCell);
            compare(game.selectedCell, -1, "a second click deselects");
        }

        function test_clickAnywhereInTheSquare() {
            const side = cell(0).width;
            mouseClick(cell(stage.openCell), 1, 1);
            compare(game.selectedCell, stage.openCell);
            mouseClick(cell(40), side - 1, side - 1);
            compare(game.selectedCell, 40);
        }

        function test_clickPlacesTheArmedDigit() {
            game.pressDigit(4);
            clickCell(stage.openCell);
            compare(game.values[stage.openCell], 4);
        }

        function test_clickTakesTheFocusBack() {
            view.grid.focus = false;
            view.forceActiveFocus();
            verify(!view.boardHasFocus);
            clickCell(40);
            verify(view.boardHasFocus);
        }

        function test_pressActionSelects() {
            cell(30).Accessible.pressAction();
            compare(game.selectedCell, 30);
            verify(view.boardHasFocus);
        }

        // ---- Opening the panel ----

        function test_openingThePanelResetsTheViewState() {
            view.destroy();
            TestGames.discard(game);
            makeView(panel.contentItem);
            panel.show();
            tryVerify(() => view.boardHasFocus, 2000, "the grid has the focus when the panel opens");

            game.tapCell(40);
            key(Qt.Key_Up, "");
            view.isConfirmingNewPuzzle = true;
            view.grid.focus = false;
            panel.hide();
            panel.show();
            tryVerify(() => !view.showKeyboardFocus, 2000, "no focus ring after opening");
            verify(!view.isConfirmingNewPuzzle);
            tryVerify(() => view.boardHasFocus, 2000);
            panel.hide();
        }
    }
}
