import QtQuick
import Pondrel

// What the new-puzzle button and Ctrl+N do, and the abandon-game question
// they may raise. The board screen keeps one and aliases its own flag to
// it, so clearing the flag when the panel opens clears the question too:
//
//     NewPuzzleRequest { id: newPuzzle; game: root.game }
//     property alias isConfirmingNewPuzzle: newPuzzle.confirming
//
//     request()   the button's and the shortcut's action: nothing while a
//                 screen or the question is up; the question when the
//                 current game was started and is unsolved; otherwise a
//                 new deal at once
//     cancel()    the question's Cancel: closes it, changes nothing else
//     confirm()   the question's New Puzzle: closes it, then deals; the
//                 model counts the abandoned game and resets the streak
//     playAgain() the solved card's button: deals at once
QtObject {
    id: root

    required property SudokuGame game
    // The abandon-game question is open.
    property bool confirming: false

    function request() {
        if (game.isShowingScreen || confirming) {
            return;
        }
        if (game.hasStartedCurrentGame && !game.hasWon) {
            confirming = true;
            return;
        }
        game.startNewGame();
    }

    function cancel() {
        confirming = false;
    }

    function confirm() {
        confirming = false;
        game.startNewGame();
    }

    function playAgain() {
        game.startNewGame();
    }
}
