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
//     confirm()   the question's New Puzzle: closes it, then deals (or
//                 starts the pasted puzzle); the model counts the
//                 abandoned game and resets the streak
//     playAgain() the solved card's button: deals at once
//     paste(text) Paste Puzzle: a text the model accepts becomes the new
//                 game, after the same question when a game is in
//                 progress; returns the model's answer ("accepted",
//                 "noPuzzle", ...), and anything but "accepted" changes
//                 nothing
QtObject {
    id: root

    required property SudokuGame game
    // The abandon-game question is open.
    property bool confirming: false
    // The pasted puzzle the open question is about; empty for a new deal.
    property string pendingPaste: ""

    // Whether replacing the current game needs the question first.
    readonly property bool abandonsGame: game !== null && game.isGameInProgress

    function request() {
        if (game.isShowingScreen || confirming) {
            return;
        }
        if (abandonsGame) {
            pendingPaste = "";
            confirming = true;
            return;
        }
        game.startNewGame();
    }

    function paste(text: string): string {
        if (game.isShowingScreen || confirming) {
            return "";
        }
        // Without a game to abandon, pasting reads the text once.
        if (!abandonsGame) {
            return game.pastePuzzle(text);
        }
        const answer = game.checkPuzzleText(text);
        if (answer === "accepted") {
            pendingPaste = text;
            confirming = true;
        }
        return answer;
    }

    function cancel() {
        confirming = false;
        pendingPaste = "";
    }

    function confirm() {
        confirming = false;
        const text = pendingPaste;
        pendingPaste = "";
        if (text.length > 0) {
            game.pastePuzzle(text);
        } else {
            game.startNewGame();
        }
    }

    function playAgain() {
        game.startNewGame();
    }
}
