import QtQuick
import QtTest
import Pondrel
import Pondrel.Testing

// The ten statistics rows on a real game: their order and identifiers, the
// values as games are won, abandoned and reset, and their size on the large
// board.
Item {
    id: stage

    width: 400
    height: 700

    Component {
        id: screenComponent

        StatisticsScreen {
            width: 347
        }
    }

    TestCase {
        name: "StatisticsScreen"
        when: windowShown

        readonly property list<string> rowIDs: [
            "stat-gamesPlayed", "stat-gamesWon", "stat-gamesLost", "stat-winRate",
            "stat-currentStreak", "stat-bestStreak", "stat-bestTime-Easy",
            "stat-bestTime-Medium", "stat-bestTime-Hard", "stat-bestTime-Expert"
        ]

        property SudokuGame game: null
        property StatisticsScreen screen: null

        function collect(item: Item, found: var) {
            if (item.objectName.startsWith("stat-")) {
                found.push(item);
            }
            for (let i = 0; i < item.children.length; ++i) {
                collect(item.children[i], found);
            }
        }

        // The rows as drawn, top to bottom.
        function shownRows(): var {
            const found = [];
            collect(screen, found);
            return found.sort((a, b) => a.mapToItem(screen, 0, 0).y - b.mapToItem(screen, 0, 0).y);
        }

        function values(): var {
            return shownRows().map(row => row.value);
        }

        function valueOf(id: string): string {
            return shownRows().find(row => row.objectName === id).value;
        }

        function makeScreen(properties: var) {
            screen = createTemporaryObject(screenComponent, stage,
                                           Object.assign({ game: game }, properties ?? {}));
            verify(screen);
        }

        function winWithHints() {
            for (let i = 0; i < 81 && !game.hasWon; ++i) {
                game.giveHint();
            }
            verify(game.hasWon);
        }

        // Enters the solution's digit into the first `count` empty cells.
        function fillByHand(count: int) {
            for (let i = 0; i < 81 && count > 0; ++i) {
                if (game.values[i] === 0) {
                    --count;
                    game.tapCell(i);
                    game.pressDigit(Number(TestGames.solution[i]));
                }
            }
        }

        function abandonStartedGame() {
            game.startNewGame();
            game.giveHint();
            game.startNewGame();
        }

        function init() {
            game = TestGames.makeGame(10);
        }

        function cleanup() {
            screen?.destroy();
            screen = null;
            TestGames.discard(game);
            game = null;
        }

        function test_tenRowsInOrderWithTheirTitles() {
            makeScreen();
            const rows = shownRows();
            compare(rows.map(row => row.objectName), rowIDs);
            compare(rows.map(row => row.title), [
                "Games Played", "Games Won", "Games Lost", "Win Rate", "Current Streak",
                "Best Streak", "Best Time: Easy", "Best Time: Medium", "Best Time: Hard",
                "Best Time: Expert"
            ]);
            // Every row lies inside the body, one below the other.
            for (let i = 1; i < rows.length; ++i) {
                verify(rows[i].mapToItem(screen, 0, 0).y
                       >= rows[i - 1].mapToItem(screen, 0, rows[i - 1].height).y);
            }
            const last = rows[rows.length - 1];
            verify(last.mapToItem(screen, 0, last.height).y <= screen.implicitHeight);
            // Assistive technology reads each row as one sentence.
            compare(rows[3].Accessible.name, "Win Rate, 0.0%");
        }

        function test_freshStatisticsShowZerosAndDashes() {
            makeScreen();
            compare(values(), ["0", "0", "0", "0.0%", "0", "0", "\u2013", "\u2013", "\u2013", "\u2013"]);
        }

        function test_valuesFollowWinsAndAbandonedGames() {
            makeScreen();
            winWithHints();
            compare(values().slice(0, 6), ["1", "1", "0", "100.0%", "1", "1"]);
            // A win with hints sets no best time.
            compare(values().slice(6), ["\u2013", "\u2013", "\u2013", "\u2013"]);

            abandonStartedGame();
            compare(values().slice(0, 6), ["2", "1", "1", "50.0%", "0", "1"]);

            winWithHints();
            compare(values().slice(0, 6), ["3", "2", "1", "66.7%", "1", "1"]);
        }

        function test_aWinWithoutHintsShowsItsTime() {
            makeScreen();
            game.setPlayActive(true);
            fillByHand(1);
            // The clock ticks every 10 ms here: more than a minute passes.
            tryVerify(() => game.elapsed >= 65, 5000);
            fillByHand(81);
            verify(game.hasWon);
            compare(game.hintsUsed, 0);
            const difficulty = game.puzzle.difficulty;
            const shown = valueOf("stat-bestTime-" + difficulty);
            verify(/^\d+:\d\d$/.test(shown), shown);
            compare(shown, game.formatTime(game.bestTimes[difficulty]));
            verify(shown !== "0:00");
            for (const other of ["Easy", "Medium", "Hard", "Expert"].filter(d => d !== difficulty)) {
                compare(valueOf("stat-bestTime-" + other), "\u2013");
            }
        }

        function test_resetShowsFreshValuesAtOnce() {
            makeScreen();
            winWithHints();
            abandonStartedGame();
            game.resetStatistics();
            compare(values(), ["0", "0", "0", "0.0%", "0", "0", "\u2013", "\u2013", "\u2013", "\u2013"]);
        }

        function test_moreWinsThanGamesNeverShowLosses() {
            makeScreen();
            game.giveHint();
            // The started game stays counted as started, so its win below
            // counts in no game.
            game.resetStatistics();
            winWithHints();
            compare(values().slice(0, 4), ["0", "1", "0", "0.0%"]);
        }

        // Counts edited by hand in the settings: the rate is shown as it
        // comes out, above 100 %, and no losses.
        function test_moreWinsThanGamesInTheSettingsShowARateAbove100() {
            TestGames.discard(game);
            game = TestGames.makeGame(10, {"Pondrel_GamesCount": 2, "Pondrel_SolvedCount": 3});
            makeScreen();
            compare(values().slice(0, 4), ["2", "3", "0", "150.0%"]);
        }

        function test_textFollowsTheContentScale() {
            makeScreen({ boardScale: 1.0 });
            const standardRow = shownRows()[0];
            const standardHeight = screen.implicitHeight;
            const standardFont = standardRow.children[1].font.pixelSize;
            screen.boardScale = 1.18;
            const largeRow = shownRows()[0];
            const largeFont = largeRow.children[1].font.pixelSize;
            compare(standardFont, 13);
            compare(largeFont, Math.round(13 * 1.18));
            tryVerify(() => screen.implicitHeight > standardHeight);
        }
    }
}
