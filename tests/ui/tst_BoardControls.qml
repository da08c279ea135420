import QtQuick
import QtQuick.Controls.Basic
import QtTest
import Pondrel
import Pondrel.Testing

// The controls around the grid, driven with the pointer and the keyboard:
// the header's new-puzzle, undo and menu buttons with their shortcuts, the
// number pad and the tool row; which of them rest at the deal, after the
// first entry and after the win; the pad's looks and counts; and the menu's
// screens and Quit.
//
// Every game deals the known puzzle of TestGames (cell 2 is open and takes
// a 4; the puzzle gives two 4s).
Item {
    id: stage

    width: 560
    height: 760

    Component {
        id: viewComponent

        SudokuView {}
    }

    readonly property int openCell: 2

    TestCase {
        id: testCase

        name: "BoardControls"
        when: windowShown

        property SudokuGame game: null
        property SudokuView view: null
        property int quits: 0

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

        function control(name: string): Item {
            const found = findItem(view, name);
            verify(found, name);
            return found;
        }

        function pad(digit: int): Item {
            return control("pad-" + digit);
        }

        function solutionAt(index: int): int {
            return Number(TestGames.solution[index]);
        }

        // Fills every open cell with its solution digit.
        function solve() {
            const open = [];
            for (let i = 0; i < 81; ++i) {
                // Entering a digit a cell already holds takes it out again.
                if (TestGames.puzzle[i] === "0" && game.values[i] !== solutionAt(i)) {
                    open.push(i);
                }
            }
            for (const index of open) {
                game.tapCell(index);
                game.pressDigit(solutionAt(index));
            }
        }

        // The open cells whose solution is `digit`.
        function openCellsOf(digit: int): list<int> {
            const cells = [];
            for (let i = 0; i < 81; ++i) {
                if (TestGames.puzzle[i] === "0" && solutionAt(i) === digit) {
                    cells.push(i);
                }
            }
            return cells;
        }

        function shortcut(key: int) {
            TestGames.sendKey(view, key, Qt.ControlModifier, "", false);
        }

        function menu(): Menu {
            return control("headerButtons").menu;
        }

        // Opens the menu with its button and picks entry `index`.
        function choose(index: int) {
            mouseClick(control("moreMenuButton"));
            tryVerify(() => menu().opened, 1000, "the menu opens");
            const item = menu().itemAt(index);
            verify(item, "menu entry " + index);
            mouseClick(item);
            tryVerify(() => !menu().visible, 1000, "the menu closes");
        }

        function init() {
            game = TestGames.makeGame();
            quits = 0;
            view = viewComponent.createObject(stage, {game: game});
            verify(view);
            view.terminate = () => {
                ++quits;
            };
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

        // ---- What rests when ----

        function test_enabledStatesFromDealToWin() {
            const tools = ["notesButton", "autoNotesButton", "eraseButton", "hintButton"];
            verify(!control("undoButton").enabled, "nothing to undo after the deal");
            for (let digit = 1; digit <= 9; ++digit) {
                verify(pad(digit).enabled, "pad " + digit + " after the deal");
            }
            for (const name of tools) {
                verify(control(name).enabled, name);
            }

            game.tapCell(stage.openCell);
            game.pressDigit(4);
            verify(control("undoButton").enabled, "the first entry can be undone");

            solve();
            verify(game.hasWon);
            verify(game.historyCount > 0);
            verify(!control("undoButton").enabled, "no undo after the win");
            for (let digit = 1; digit <= 9; ++digit) {
                verify(!pad(digit).enabled, "pad " + digit + " after the win");
            }
            verify(!control("toolRow").enabled, "the tool row rests after the win");
            verify(control("newPuzzleButton").enabled);
            verify(control("moreMenuButton").enabled);

            // Neither the button nor its shortcut undoes a won game.
            mouseClick(control("undoButton"));
            shortcut(Qt.Key_Z);
            verify(game.hasWon);
            compare(game.undoCount, 0);
        }

        function test_ninthCorrectDigitRestsItsButton() {
            const fours = openCellsOf(4);
            for (const index of fours.slice(0, -1)) {
                game.tapCell(index);
                game.pressDigit(4);
            }
            verify(pad(4).enabled, "eight 4s");
            // Tapping the selected cell again deselects it, so 4 arms.
            game.tapCell(fours[fours.length - 2]);
            game.pressDigit(4);
            compare(game.armedDigit, 4);
            game.tapCell(fours[fours.length - 1]);
            verify(!pad(4).enabled, "nine correct 4s");
            compare(game.armedDigit, -1, "the finished digit is disarmed");
            verify(!pad(4).isOn);
        }

        function test_wrongNinthDigitKeepsItsButton() {
            const fours = openCellsOf(4);
            for (const index of fours.slice(0, -1)) {
                game.tapCell(index);
                game.pressDigit(4);
            }
            // Cell 3 needs a 6.
            game.tapCell(3);
            game.pressDigit(4);
            compare(game.remainingCount(4), 0);
            verify(pad(4).enabled);
        }

        // ---- The pad ----

        function test_padTooltipCounts() {
            // Two 4s are given.
            compare(pad(4).ToolTip.text, "7 left");
            game.tapCell(stage.openCell);
            game.pressDigit(4);
            compare(pad(4).ToolTip.text, "6 left", "follows an entry");
            const fours = openCellsOf(4);
            for (const index of fours.slice(1, -1)) {
                game.tapCell(index);
                game.pressDigit(4);
            }
            compare(pad(4).ToolTip.text, "1 left");
            // A wrong 4 counts too: nine 4s on the board, then ten.
            game.tapCell(3);
            game.pressDigit(4);
            compare(pad(4).ToolTip.text, "0 left");
            // Cell 21 needs a 3.
            game.tapCell(21);
            game.pressDigit(4);
            compare(game.remainingCount(4), 0);
            compare(pad(4).ToolTip.text, "0 left", "ten 4s");
            game.eraseSelectedCell();
            game.tapCell(3);
            game.eraseSelectedCell();
            compare(pad(4).ToolTip.text, "1 left", "follows an erasure");
        }

        // The shown tooltip has the count after a click on its own button,
        // whether the click came before the tooltip's delay or after; it goes
        // when the panel hides, and stays away when the panel shows again
        // with the pointer elsewhere.
        function test_shownPadTooltipFollowsTheClickAndGoesWithThePanel() {
            const fours = openCellsOf(4);
            game.tapCell(fours[0]);
            mouseMove(pad(4));
            mouseClick(pad(4));
            tryVerify(() => pad(4).ToolTip.visible, 2000, "the tooltip shows");
            compare(pad(4).ToolTip.toolTip.text, "6 left", "a click in the delay");
            game.tapCell(fours[1]);
            mouseClick(pad(4));
            compare(pad(4).ToolTip.toolTip.text, "5 left", "a click on the shown tooltip");

            const window = stage.Window.window;
            window.hide();
            verify(!pad(4).ToolTip.visible, "hidden with the panel");
            // Meanwhile the pointer went elsewhere.
            mouseMove(control("undoButton"));
            window.show();
            window.requestActivate();
            wait(1000);
            verify(!pad(4).ToolTip.visible, "not back with the panel");
        }

        // A finished digit's button is disabled, and Qt hovers no disabled
        // control; its count must show all the same, without the button
        // taking the click.
        function test_finishedDigitStillShowsItsCount() {
            for (const index of openCellsOf(4)) {
                game.tapCell(index);
                game.pressDigit(4);
            }
            verify(!pad(4).enabled);
            const presses = createTemporaryObject(spyComponent, this,
                                                  {target: control("numberPad"),
                                                   signalName: "digitPressed"});
            mouseMove(pad(4));
            tryVerify(() => pad(4).ToolTip.visible, 2000, "the tooltip shows");
            compare(pad(4).ToolTip.text, "0 left");
            mouseClick(pad(4));
            compare(presses.count, 0, "the disabled button takes no click");
            mouseMove(control("undoButton"));
            tryVerify(() => !pad(4).ToolTip.visible, 2000, "the tooltip goes with the pointer");

            solve();
            mouseMove(pad(1));
            tryVerify(() => pad(1).ToolTip.visible, 2000, "and after the win");
            compare(pad(1).ToolTip.text, "0 left");
        }

        Component {
            id: spyComponent

            SignalSpy {}
        }

        function test_padArmsAndShowsTheArmedDigit() {
            mouseClick(pad(3));
            compare(game.armedDigit, 3);
            verify(view.boardHasFocus, "the board keeps the keys");
            for (let digit = 1; digit <= 9; ++digit) {
                compare(pad(digit).isOn, digit === 3, "pad " + digit);
                compare(pad(digit).prominent, digit === 3, "look of pad " + digit);
            }
            mouseClick(pad(5));
            verify(pad(5).isOn && !pad(3).isOn, "arming another digit moves the look");
            mouseClick(pad(5));
            compare(game.armedDigit, -1);
            verify(!pad(5).isOn);
        }

        function test_padEntersIntoTheSelectedCell() {
            game.tapCell(stage.openCell);
            mouseClick(pad(4));
            compare(game.values[stage.openCell], 4);
            verify(view.boardHasFocus);
            // The keys still reach the board after a pad click.
            TestGames.sendKey(view, Qt.Key_Delete, Qt.NoModifier, "\u007f", false);
            compare(game.values[stage.openCell], 0);
        }

        // ---- The tool row ----

        function test_toolButtons() {
            const notes = control("notesButton");
            verify(!notes.isOn);
            mouseClick(notes);
            verify(game.isNotesMode);
            verify(notes.isOn && notes.prominent);
            mouseClick(notes);
            verify(!game.isNotesMode && !notes.isOn);

            mouseClick(control("autoNotesButton"));
            compare(game.noteDigits(stage.openCell), [1, 2, 4]);
            verify(!control("autoNotesButton").isOn, "Auto is never switched on");

            game.tapCell(stage.openCell);
            mouseClick(control("hintButton"));
            compare(game.values[stage.openCell], 4);
            compare(game.hintsUsed, 1);

            game.tapCell(stage.openCell + 1);
            game.pressDigit(1);
            mouseClick(control("eraseButton"));
            compare(game.values[stage.openCell + 1], 0);
            verify(view.boardHasFocus, "tool clicks leave the keys with the board");
        }

        // ---- Header ----

        function test_tooltipsNameTheShortcuts() {
            compare(control("newPuzzleButton").ToolTip.text, "New Puzzle (Ctrl+N)");
            compare(control("undoButton").ToolTip.text, "Undo (Ctrl+Z) · Redo (Ctrl+Shift+Z)");
            compare(control("moreMenuButton").ToolTip.text,
                    "Preferences, Statistics, How to Play, About & Quit");
            compare(control("hintButton").ToolTip.text, "Hint (H)");
        }

        function test_undoButtonAndShortcut() {
            game.tapCell(stage.openCell);
            game.pressDigit(4);
            game.pressDigit(2);
            mouseClick(control("undoButton"));
            compare(game.values[stage.openCell], 4);
            shortcut(Qt.Key_Z);
            compare(game.values[stage.openCell], 0);
            compare(game.undoCount, 2);
            verify(!control("undoButton").enabled);
        }

        function test_redoShortcutsBringBackWhatUndoTook() {
            game.tapCell(stage.openCell);
            game.pressDigit(4);
            game.pressDigit(2);
            shortcut(Qt.Key_Z);
            shortcut(Qt.Key_Z);
            TestGames.sendKey(view, Qt.Key_Z, Qt.ControlModifier | Qt.ShiftModifier, "", false);
            compare(game.values[stage.openCell], 4);
            shortcut(Qt.Key_Y);
            compare(game.values[stage.openCell], 2);
        }

        // The hint's reason shows in the title's place and its proving cells
        // are tinted, until the next move.
        function test_aHintExplainsItselfInTheHeader() {
            const notice = control("boardNotice");
            verify(!notice.visible);
            game.tapCell(40); // a naked single: its filled peers show why
            game.giveHint();
            verify(notice.visible);
            verify(notice.text.length > 0 && notice.text !== "Pondrel Sudoku");
            compare(notice.Accessible.role, Accessible.AlertMessage);
            const proving = game.hintExplanation.cells;
            verify(proving.length > 0);
            const grid = control("sudokuGrid");
            const model = grid.cellModel;
            const highlight = cell => model.data(model.index(cell, 0), BoardCellModel.HighlightRole);
            for (const cell of proving) {
                if (cell !== game.selectedCell) {
                    compare(highlight(cell), BoardCellModel.HintReason);
                }
            }
            game.undo();
            verify(!notice.visible);
            verify(control("boardTitle").visible);
            for (const cell of proving) {
                verify(highlight(cell) !== BoardCellModel.HintReason);
            }
        }

        function test_pasteRefusalsAreSaidAndChangeNothing_data() {
            return [
                {tag: "none", text: "hello", message: "The clipboard holds no puzzle"},
                {tag: "two", text: "003456789456789123789123456004365897365897214897214365531642978642978531978531642",
                 message: "This puzzle has more than one solution"}
            ];
        }

        function test_pasteRefusalsAreSaidAndChangeNothing(data) {
            const before = game.puzzleText();
            Clipboard.setText(data.text);
            TestGames.sendKey(view, Qt.Key_V, Qt.ControlModifier, "", false);
            compare(control("boardNotice").text, data.message);
            compare(game.puzzleText(), before);
        }

        function test_copyThenPasteOverAStartedGameAsksFirst() {
            const givens = game.puzzleText();
            TestGames.sendKey(view, Qt.Key_C, Qt.ControlModifier, "", false);
            compare(Clipboard.text(), givens);
            compare(control("boardNotice").text, "Puzzle copied");
            game.tapCell(stage.openCell);
            game.pressDigit(4);
            choose(7);
            verify(view.isConfirmingNewPuzzle);
            view.newPuzzleRequest.confirm();
            compare(game.puzzleText(), givens);
            verify(!game.hasStartedCurrentGame);
        }

        function test_undoBouncesUnlessMotionIsReduced_data() {
            return [
                {tag: "motion", reduceMotion: false},
                {tag: "reduced motion", reduceMotion: true},
            ];
        }

        function test_undoBouncesUnlessMotionIsReduced(data) {
            view.desktop.reduceMotion = data.reduceMotion;
            const undo = control("undoButton");
            game.tapCell(stage.openCell);
            game.pressDigit(4);
            verify(!undo.isBouncing, "an entry does not bounce");
            game.undo();
            compare(undo.isBouncing, !data.reduceMotion);
            tryVerify(() => !undo.isBouncing, 2000, "one bounce, not a loop");
            compare(undo.contentItem.scale, 1);
        }

        function test_newPuzzleButtonAndShortcut() {
            // A fresh game is replaced at once.
            game.isNotesMode = true;
            mouseClick(control("newPuzzleButton"));
            verify(!game.isNotesMode, "dealt");
            verify(!view.isConfirmingNewPuzzle);

            // A started game asks first, from the button and the shortcut.
            game.tapCell(stage.openCell);
            game.pressDigit(4);
            shortcut(Qt.Key_N);
            verify(view.isConfirmingNewPuzzle);
            compare(game.values[stage.openCell], 4, "nothing dealt yet");
            view.isConfirmingNewPuzzle = false;
            mouseClick(control("newPuzzleButton"));
            verify(view.isConfirmingNewPuzzle);
        }

        // ---- The menu ----

        function test_menuOpensEachScreen_data() {
            return [
                {tag: "Preferences", index: 0},
                {tag: "Statistics", index: 1},
                {tag: "How to Play", index: 2},
                {tag: "About", index: 3},
            ];
        }

        function test_menuOpensEachScreen(data) {
            choose(data.index);
            compare(view.presentedScreen, data.tag);
            verify(game.isShowingScreen);
            tryVerify(() => findItem(view, "screenTitle") !== null, 1000, "the screen is shown");
            compare(findItem(view, "screenTitle").text, data.tag);

            mouseClick(control("closeScreenButton"));
            verify(!game.isShowingScreen);
            tryVerify(() => view.boardHasFocus, 1000, "the board has the keys again");
        }

        function test_menuEntriesInOrder() {
            const texts = [];
            for (let i = 0; i < menu().count; ++i) {
                const item = menu().itemAt(i);
                texts.push(item instanceof MenuSeparator ? "—" : item.text);
            }
            compare(texts, ["Preferences", "Statistics", "How to Play", "About", "—",
                            "Next Step", "Copy Puzzle", "Paste Puzzle", "—",
                            "Quit Pondrel Sudoku"]);
        }

        function test_nextStepFromTheMenu() {
            choose(5);
            compare(control("boardNotice").text, "Look at row 5 and column 5");
            verify(view.boardHasFocus, "the board keeps the keys");
        }

        function test_preferencesShortcut() {
            shortcut(Qt.Key_Comma);
            verify(game.isShowingScreen);
            compare(view.presentedScreen, "Preferences");
        }

        function test_menuWaitsWhileTheQuestionIsOpen() {
            game.tapCell(stage.openCell);
            game.pressDigit(4);
            view.requestNewPuzzle();
            verify(view.isConfirmingNewPuzzle);
            view.presentedScreen = "About";
            // The question covers the menu button, so the choice comes from
            // the menu itself and from the shortcut.
            for (let index = 0; index < 4; ++index) {
                menu().open();
                menu().itemAt(index).triggered();
            }
            shortcut(Qt.Key_Comma);
            verify(!game.isShowingScreen);
            compare(view.presentedScreen, "About");
            verify(view.isConfirmingNewPuzzle);
        }

        // ---- Quit ----

        // That the game is written first is the model's saveNow, tested
        // with the model.
        function test_quitFromTheMenuAndTheShortcut() {
            choose(9);
            compare(quits, 1);
            shortcut(Qt.Key_Q);
            compare(quits, 2);
        }

        function test_quitWorksOverTheQuestionAndScreens() {
            game.tapCell(stage.openCell);
            game.pressDigit(4);
            view.requestNewPuzzle();
            shortcut(Qt.Key_Q);
            compare(quits, 1);
            view.isConfirmingNewPuzzle = false;
            view.openScreen("About");
            shortcut(Qt.Key_Q);
            compare(quits, 2);
        }
    }
}
