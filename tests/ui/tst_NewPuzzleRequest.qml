import QtQuick
import QtTest
import Pondrel
import Pondrel.Testing

// What the new-puzzle button and Ctrl+N do, on a real game: deal at once
// before the first entry and after the win, ask while a started game is
// unsolved, and do nothing while a screen or the question is up. The
// question itself: Cancel in all its forms changes nothing, New Puzzle
// deals and ends the win streak through the model.
Item {
    id: stage

    width: 400
    height: 600

    Component {
        id: requestComponent

        NewPuzzleRequest {}
    }

    Component {
        id: confirmationComponent

        AbandonGameConfirmation {
            id: dialog

            anchors.fill: parent
            board: BoardContext {
                game: dialog.request.game
            }
        }
    }

    TestCase {
        name: "NewPuzzleRequest"
        when: windowShown

        property SudokuGame game: null
        property NewPuzzleRequest request: null
        property AbandonGameConfirmation confirmation: null

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

        function part(name: string): Item {
            const found = findItem(confirmation, name);
            verify(found, name);
            return found;
        }

        // Every game deals the same puzzle, so a deal shows in what it
        // clears: mark the board with a selection and notes mode, neither of
        // which starts the game.
        function markBoard() {
            game.tapCell(5);
            game.isNotesMode = true;
        }

        function dealt(): bool {
            return game.selectedCell < 0 && !game.isNotesMode;
        }

        function enterFirstDigit() {
            game.tapCell(2);
            game.pressDigit(4);
            verify(game.hasStartedCurrentGame);
        }

        function win() {
            for (let i = 0; i < 81 && !game.hasWon; ++i) {
                game.giveHint();
            }
            verify(game.hasWon);
        }

        // A started, unsolved game on a win streak of one.
        function startGameOnAStreak() {
            win();
            request.playAgain();
            verify(!game.hasWon);
            compare(game.currentStreak, 1);
            enterFirstDigit();
        }

        function init() {
            game = TestGames.makeGame();
            request = createTemporaryObject(requestComponent, stage, { game: game });
            confirmation = createTemporaryObject(confirmationComponent, stage, { request: request });
            verify(request && confirmation);
        }

        function cleanup() {
            confirmation?.destroy();
            confirmation = null;
            request = null;
            TestGames.discard(game);
            game = null;
        }

        function test_dealsAtOnceBeforeTheFirstEntry() {
            markBoard();
            verify(!game.hasStartedCurrentGame);
            request.request();
            verify(!request.confirming);
            verify(!confirmation.visible);
            verify(dealt());
            compare(game.currentStreak, 0);
        }

        function test_dealsAtOnceAfterTheWin() {
            win();
            game.tapCell(5);
            const streak = game.currentStreak;
            request.request();
            verify(dealt());
            verify(!request.confirming);
            verify(!game.hasWon);
            compare(game.currentStreak, streak);
        }

        function test_asksWhileAStartedGameIsUnsolved() {
            startGameOnAStreak();
            markBoard();
            const values = game.values;
            request.request();
            verify(request.confirming);
            verify(confirmation.visible);
            verify(!dealt());
            verify(confirmation.activeFocus, "Return reaches the question");
            compare(part("abandonGameDialog").Accessible.name, "Abandon this game?");
            compare(part("cancelNewPuzzleButton").text, "Cancel");
            compare(part("confirmNewPuzzleButton").text, "New Puzzle");
            // Nothing else changes while asking.
            compare(game.values, values);
            compare(game.currentStreak, 1);
        }

        function test_doesNothingWhileAskingOrShowingAScreen() {
            startGameOnAStreak();
            request.request();
            const values = game.values;
            request.request();
            verify(request.confirming);
            compare(game.values, values);

            request.cancel();
            game.isShowingScreen = true;
            request.request();
            verify(!request.confirming);
            compare(game.values, values);
            game.isShowingScreen = false;

            // Not even an untouched game is replaced under a screen.
            request.playAgain();
            markBoard();
            game.isShowingScreen = true;
            request.request();
            verify(!dealt());
        }

        function test_cancelChangesNothing_data() {
            return [{ tag: "Cancel button", how: "button" }, { tag: "Return", how: "return" },
                    { tag: "backdrop", how: "backdrop" }];
        }

        function test_cancelChangesNothing(data) {
            startGameOnAStreak();
            markBoard();
            const values = game.values;
            const games = game.gamesCount;
            request.request();
            waitForRendering(confirmation);
            if (data.how === "button") {
                mouseClick(part("cancelNewPuzzleButton"));
            } else if (data.how === "return") {
                keyClick(Qt.Key_Return);
            } else {
                mouseClick(confirmation, 3, 3);
            }
            verify(!request.confirming);
            verify(!confirmation.visible);
            verify(!dealt());
            compare(game.values, values);
            compare(game.currentStreak, 1);
            compare(game.gamesCount, games);
            verify(game.hasStartedCurrentGame);
        }

        function test_newPuzzleAbandonsTheGame() {
            startGameOnAStreak();
            markBoard();
            request.request();
            waitForRendering(confirmation);
            mouseClick(part("confirmNewPuzzleButton"));
            verify(!request.confirming);
            verify(!confirmation.visible);
            verify(dealt());
            verify(!game.hasStartedCurrentGame);
            compare(game.currentStreak, 0);
        }
    }
}
