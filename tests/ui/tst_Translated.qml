import QtQuick
import QtTest
import Pondrel
import Pondrel.Testing

// The interface in the language the environment prefers, as the application
// finds it (QLocale::uiLanguages() from LANGUAGE, LC_ALL or LANG). Each ctest
// runs one function below with its own environment (tests/ui/CMakeLists.txt):
// the texts, the plural forms and the numbers of the Statistics screen
// follow the display language, and a language without a table shows English.
Item {
    id: stage

    // What the board screen gives the views below it.
    Theme.colors: BoardColors {}

    width: 400
    height: 700

    Component {
        id: boardComponent

        SudokuView {}
    }

    Component {
        id: screenComponent

        StatisticsScreen {
            width: 347
        }
    }

    ViewTestCase {
        name: "Translated"

        property SudokuGame game: null
        property StatisticsScreen screen: null
        property SudokuView board: null

        // Three games, two of them won: a win rate of 66.666…%.
        function showTwoWinsInThreeGames() {
            game = TestGames.makeGame(10);
            screen = createTemporaryObject(screenComponent, stage, { game: game });
            verify(screen);
            winWithHints(game);
            abandonStartedGame(game);
            winWithHints(game);
            compare(part(screen, "stat-gamesPlayed").value, Localized.digits("3"));
        }

        // Where `item` is drawn, in the stage's coordinates.
        function xOf(item: Item): real {
            return item.mapToItem(stage, 0, 0).x;
        }

        // The board of a mirrored panel: the title at the right, the header
        // buttons at the left, the pad's 1 at the right; the grid as in
        // every language, with Left moving to the cell drawn on the left.
        function checkMirroredBoard() {
            compare(Qt.application.layoutDirection, Qt.RightToLeft);
            game = TestGames.makeGame(10);
            board = createTemporaryObject(boardComponent, stage, { game: game });
            verify(board);
            verify(xOf(part(board, "headerButtons")) < xOf(part(board, "boardTitle")),
                   "the buttons are left of the title");
            verify(xOf(part(board, "pad-1")) > xOf(part(board, "pad-9")), "the pad runs from the right");
            verify(xOf(part(board, "notesButton")) > xOf(part(board, "hintButton")),
                   "the tools run from the right");
            const firstRow = shown(part(board, "sudokuGrid"), item => item.row === 0);
            verify(xOf(firstRow.find(cell => cell.column === 0))
                   < xOf(firstRow.find(cell => cell.column === 8)), "column 1 is on the left");
            game.tapCell(40);
            board.focusBoard();
            keyClick(Qt.Key_Left);
            compare(game.selectedCell, 39, "Left moves to the cell on the left");
        }

        function cleanup() {
            board?.destroy();
            board = null;
            screen?.destroy();
            screen = null;
            if (game) {
                TestGames.discard(game);
            }
            game = null;
        }

        // LANG=de_DE.UTF-8, no LANGUAGE.
        function test_germanFollowsLang() {
            compare(Localized.language, "de");
            compare(Localized.text("Notes"), "Notizen");
            compare(Localized.text(ModalScreen.howToPlay), "Spielanleitung");
            compare(Localized.plural("%lld left", 1), "Noch 1 übrig");
            compare(Localized.plural("%lld left", 3), "Noch 3 übrig");
            showTwoWinsInThreeGames();
            compare(part(screen, "stat-winRate").title, "Gewinnquote");
            compare(part(screen, "stat-winRate").value, "66,7\u00a0%");
            compare(part(screen, "stat-bestTime-Easy").title, "Bestzeit: Leicht");
        }

        // LANGUAGE=fr with LC_ALL=C.UTF-8: LANGUAGE decides.
        function test_frenchFollowsLanguageBeforeLcAll() {
            compare(Localized.language, "fr");
            compare(Localized.text("Hint"), "Indice");
            compare(Localized.text("Time: %@", ["1:05"]), "Temps\u00a0: 1:05");
            // French counts 0 as singular.
            compare(Localized.plural("%lld left", 0), "0 restant");
            compare(Localized.plural("%lld left", 1), "1 restant");
            compare(Localized.plural("%lld left", 2), "2 restants");
            showTwoWinsInThreeGames();
            compare(part(screen, "stat-winRate").value, "66,7\u202f%");
            compare(part(screen, "stat-bestTime-Expert").title, "Meilleur temps\u00a0: Expert");
        }

        // LC_ALL=pl_PL.UTF-8: every Polish plural form.
        function test_polishFollowsLcAllWithEveryPluralForm() {
            compare(Localized.language, "pl");
            compare(Localized.text(AppInfo.description), "Proste sudoku do zasobnika systemowego.");
            compare(Localized.plural("%lld left", 1), "Została 1");
            compare(Localized.plural("%lld left", 3), "Zostały 3");
            compare(Localized.plural("%lld left", 22), "Zostały 22");
            compare(Localized.plural("%lld left", 5), "Zostało 5");
            compare(Localized.plural("%lld left", 12), "Zostało 12");
            compare(Localized.plural("%lld left", 0), "Zostało 0");
            showTwoWinsInThreeGames();
            compare(part(screen, "stat-winRate").value, "66,7%");
        }

        // A language without a table (Welsh), and English ahead of a
        // shipped language: both show the English keys with English numbers,
        // and the English table's texts adapted for Linux desktops.
        function test_englishKeysWithoutAPreferredTable() {
            compare(Localized.language, "en");
            compare(Localized.text("Notes"), "Notes");
            compare(Localized.text("Menu Bar Icon"), "Tray Icon");
            compare(Localized.plural("%lld left", 1), "1 left");
            showTwoWinsInThreeGames();
            compare(part(screen, "stat-winRate").value, "66.7%");
            compare(part(screen, "stat-bestTime-Easy").title, "Best Time: Easy");
        }

        // LANG=ru_RU.UTF-8: CLDR's forms, 21 taking the form of 1.
        function test_russianPluralForms() {
            compare(Localized.language, "ru");
            compare(Localized.plural("%lld left", 1), "Осталась 1");
            compare(Localized.plural("%lld left", 21), "Осталась 21");
            compare(Localized.plural("%lld left", 3), "Осталось 3");
            compare(Localized.plural("%lld left", 11), "Осталось 11");
        }

        // Regions and scripts without a table of their own read the closest
        // one (each run names the language it expects).
        function test_hongKongReadsTraditionalChinese() {
            compare(Localized.language, "zh_TW");
        }
        function test_portugalReadsPortuguese() {
            compare(Localized.language, "pt");
            compare(Localized.plural("%lld left", 0), Localized.plural("%lld left", 2).replace("2", "0"));
        }
        function test_brazilReadsBrazilianPortuguese() {
            compare(Localized.language, "pt_BR");
        }
        function test_mexicoReadsSpanish() {
            compare(Localized.language, "es");
        }
        function test_norwegianReadsBokmal() {
            compare(Localized.language, "nb");
        }

        // LANG=ar_MA.UTF-8: Arabic's zero, dual and many, with 0-9 as on the
        // board, and the panel mirrored.
        function test_arabicMirroredWithWesternDigits() {
            compare(Localized.language, "ar");
            compare(Localized.plural("%lld left", 0), "لم تتبقَّ أي خانة (0)");
            compare(Localized.plural("%lld left", 2), "تبقّت خانتان (2)");
            compare(Localized.plural("%lld left", 11), "تبقّت 11 خانة");
            compare(Localized.digits("12:05"), "12:05");
            showTwoWinsInThreeGames();
            compare(part(screen, "stat-winRate").value, "66.7%");
            checkMirroredBoard();
        }

        // LANGUAGE=he: the dual, and the panel mirrored.
        function test_hebrewPluralFormsMirrored() {
            compare(Localized.language, "he");
            compare(Localized.plural("%lld left", 2), "נותרו 2");
            compare(Localized.plural("%lld left", 20), "נותרו 20");
            checkMirroredBoard();
        }

        // LANG=fa_IR.UTF-8: Persian digits everywhere, the board's included.
        function test_persianDigits() {
            compare(Localized.language, "fa");
            compare(Localized.plural("%lld left", 3), "۳ خانه مانده");
            compare(Localized.digits("12:05"), "۱۲:۰۵");
            showTwoWinsInThreeGames();
            compare(part(screen, "stat-gamesPlayed").value, "۳");
            compare(part(screen, "stat-winRate").value, "۶۶٫۷٪");
            checkMirroredBoard();
            const given = shown(part(board, "sudokuGrid"), item => item.given === true)[0];
            verify(/^[۱-۹]$/.test(part(given, "digit").text), "a Persian digit on the board");
        }
    }
}
