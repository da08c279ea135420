import QtQuick
import QtTest
import Pondrel
import Pondrel.Testing

// The ten statistics rows on a real game: their order and identifiers, the
// values as games are won, abandoned and reset, and their size on the large
// board.
Item {
    id: stage

    // What the board screen gives the views below it.
    Theme.colors: BoardColors {}

    width: 400
    height: 700

    Component {
        id: screenComponent

        StatisticsScreen {
            width: 347
        }
    }

    ViewTestCase {
        name: "StatisticsScreen"

        property SudokuGame game: null
        property StatisticsScreen screen: null

        // The rows as drawn, top to bottom.
        function shownRows(): var {
            return shown(screen, item => item.objectName.startsWith("stat-"));
        }

        function values(): var {
            return shownRows().map(row => row.value);
        }

        function makeScreen(properties: var) {
            screen = createTemporaryObject(screenComponent, stage,
                                           Object.assign({ game: game }, properties ?? {}));
            verify(screen);
        }

        function init() {
            game = TestGames.makeGame(10);
        }

        function cleanup() {
            stage.Theme.boardScale = 1;
            screen?.destroy();
            screen = null;
            TestGames.discard(game);
            game = null;
        }

        function test_tenRowsInOrderWithTheirTitles() {
            makeScreen();
            const rows = shownRows();
            compare(rows.map(row => row.objectName), [
                "stat-gamesPlayed", "stat-gamesWon", "stat-gamesLost", "stat-winRate",
                "stat-currentStreak", "stat-bestStreak", "stat-bestTime-Easy",
                "stat-bestTime-Medium", "stat-bestTime-Hard", "stat-bestTime-Expert"
            ]);
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

        // Fresh statistics, and statistics reset after play, at once.
        function test_freshAndResetStatisticsShowZerosAndDashes() {
            makeScreen();
            const fresh = ["0", "0", "0", "0.0%", "0", "0", "\u2013", "\u2013", "\u2013", "\u2013"];
            compare(values(), fresh);
            winWithHints(game);
            abandonStartedGame(game);
            game.resetStatistics();
            compare(values(), fresh);
        }

        function test_valuesFollowWinsAndAbandonedGames() {
            makeScreen();
            winWithHints(game);
            compare(values().slice(0, 6), ["1", "1", "0", "100.0%", "1", "1"]);
            // A win with hints sets no best time.
            compare(values().slice(6), ["\u2013", "\u2013", "\u2013", "\u2013"]);

            abandonStartedGame(game);
            compare(values().slice(0, 6), ["2", "1", "1", "50.0%", "0", "1"]);

            winWithHints(game);
            compare(values().slice(0, 6), ["3", "2", "1", "66.7%", "1", "1"]);
        }

        function test_aWinWithoutHintsShowsItsTime() {
            makeScreen();
            game.setPlayActive(true);
            fillByHand(game, 1);
            // The clock ticks every 10 ms here: more than a minute passes.
            tryVerify(() => game.elapsed >= 65, 5000);
            fillByHand(game, 81);
            verify(game.hasWon);
            compare(game.hintsUsed, 0);
            const difficulty = game.puzzle.difficulty;
            const time = part(screen, "stat-bestTime-" + difficulty).value;
            verify(/^\d+:\d\d$/.test(time), time);
            compare(time, game.formatTime(game.bestTimes[difficulty]));
            verify(time !== "0:00");
            for (const other of ["Easy", "Medium", "Hard", "Expert"].filter(d => d !== difficulty)) {
                compare(part(screen, "stat-bestTime-" + other).value, "\u2013");
            }
        }

        function test_moreWinsThanGamesNeverShowLosses() {
            makeScreen();
            game.giveHint();
            // The started game stays counted as started, so its win below
            // counts in no game.
            game.resetStatistics();
            winWithHints(game);
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
            makeScreen();
            const standardRow = shownRows()[0];
            const standardHeight = screen.implicitHeight;
            const standardFont = standardRow.children[1].font.pixelSize;
            stage.Theme.boardScale = 1.18;
            const largeRow = shownRows()[0];
            const largeFont = largeRow.children[1].font.pixelSize;
            compare(standardFont, 13);
            compare(largeFont, Math.round(13 * 1.18));
            tryVerify(() => screen.implicitHeight > standardHeight);
        }
    }
}
