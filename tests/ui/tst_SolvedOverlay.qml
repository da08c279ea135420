import QtQuick
import QtTest
import Pondrel
import Pondrel.Testing

// The card over a solved puzzle, on a real game won with hints: it appears
// with the win showing the stopped clock, Play Again asks for the next deal,
// and it leaves with that deal.
Item {
    id: stage

    width: 500
    height: 600

    Component {
        id: overlayComponent

        SolvedOverlay {
            id: madeOverlay

            property SudokuGame game
            property real boardScale: 1

            board: BoardContext {
                game: madeOverlay.game
                boardScale: madeOverlay.boardScale
            }
        }
    }

    SignalSpy {
        id: playAgainSpy

        signalName: "playAgain"
    }

    TestCase {
        name: "SolvedOverlay"
        when: windowShown

        property SudokuGame game: null
        property SolvedOverlay overlay: null

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
            const found = findItem(overlay, name);
            verify(found, name);
            return found;
        }

        function makeOverlay(properties: var) {
            const all = Object.assign({ game: game }, properties ?? {});
            overlay = createTemporaryObject(overlayComponent, stage, all);
            verify(overlay);
            playAgainSpy.target = overlay;
            playAgainSpy.clear();
        }

        function win() {
            for (let i = 0; i < 81 && !game.hasWon; ++i) {
                game.giveHint();
            }
            verify(game.hasWon);
        }

        function init() {
            game = TestGames.makeGame();
        }

        function cleanup() {
            overlay?.destroy();
            overlay = null;
            TestGames.discard(game);
            game = null;
        }

        function test_hiddenUntilTheWinAndGoneWithTheNextDeal() {
            makeOverlay();
            verify(!overlay.visible);
            win();
            verify(overlay.visible);
            compare(part("puzzleSolvedTitle").text, "Puzzle Solved");
            game.startNewGame();
            verify(!overlay.visible);
        }

        function test_showsTheTimeAtWhichTheClockStopped() {
            makeOverlay();
            game.setPlayActive(true);
            game.tapCell(2);
            game.pressDigit(4);
            tryVerify(() => game.elapsed >= 2, 5000);
            win();
            const stopped = game.elapsed;
            const time = part("solvedTime");
            compare(time.text, "Time: " + game.formatTime(stopped));
            wait(1200);
            compare(game.elapsed, stopped);
            compare(time.text, "Time: " + game.formatTime(stopped));
        }

        function test_playAgainAsksForTheNextDeal() {
            makeOverlay();
            win();
            const button = part("playAgainButton");
            compare(button.text, "Play Again");
            verify(button.prominent);
            verify(button.width >= 110);
            mouseClick(button);
            compare(playAgainSpy.count, 1);
            // Assistive technology presses it the same way.
            button.Accessible.pressAction();
            compare(playAgainSpy.count, 2);
        }

        function test_clicksOnTheCardStayOnTheCard() {
            makeOverlay();
            win();
            const board = Qt.createQmlObject("import QtQuick; MouseArea { anchors.fill: parent; property int clicks: 0; onClicked: ++clicks }", stage);
            overlay.z = 1;
            mouseClick(overlay, 4, 4);
            mouseClick(overlay, overlay.width / 2, overlay.height - 3);
            compare(board.clicks, 0);
            board.destroy();
        }

        function test_sizedByTheBoardScale_data() {
            return [{ tag: "standard", scale: 1.0 }, { tag: "large", scale: 1.18 },
                    { tag: "largest", scale: 1.18 * 1.65 }];
        }

        function test_sizedByTheBoardScale(data) {
            makeOverlay({ boardScale: data.scale });
            win();
            // The button is at least 110 s wide and the stack is inset 24 s.
            verify(overlay.width >= (110 + 48) * data.scale - 0.5);
            const button = part("playAgainButton");
            verify(button.width >= 110 * data.scale - 0.5);
            const corner = button.mapToItem(overlay, 0, button.height);
            verify(overlay.height - corner.y >= 24 * data.scale - 0.5);
        }

        // No fade or zoom: the first frame after the win already shows the
        // card as it stays.
        function test_appearsAtOnce() {
            makeOverlay({});
            win();
            verify(overlay.visible);
            const first = grabImage(overlay);
            wait(400);
            verify(first.equals(grabImage(overlay)), "the card changed after it appeared");
        }
    }
}
