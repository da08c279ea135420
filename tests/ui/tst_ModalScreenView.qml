import QtQuick
import QtQuick.Window
import QtTest
import Pondrel
import Pondrel.Testing

// The screen host, alone and inside the board screen: its title bar per
// screen, the sizes with both board sizes, the reset confirmation, and
// opening and closing through the board with the clock's flag.
Item {
    id: stage

    // What the board screen gives the views below it.
    Theme.colors: BoardColors {}

    width: 560
    height: 900

    QtObject {
        id: fakeLoginItem

        function status(): int {
            return 0;
        }
        function registerItem(): bool {
            return false;
        }
        function unregisterItem(): bool {
            return true;
        }
    }

    Component {
        id: hostComponent

        ModalScreenView {
            width: 375 * Theme.boardScale
            height: 760
            loginItem: fakeLoginItem
        }
    }

    Component {
        id: boardComponent

        SudokuView {}
    }

    // A panel window of its own, to hide and show again.
    Window {
        id: panel

        width: 480
        height: 900
    }

    ViewTestCase {
        name: "ModalScreenView"

        property SudokuGame game: null
        property Item view: null

        function host(screen: string, boardScale: real): Item {
            stage.Theme.boardScale = boardScale;
            view = hostComponent.createObject(stage, {game: game, screen: screen});
            verify(view);
            return view;
        }

        function init() {
            game = TestGames.makeGame();
        }

        function cleanup() {
            stage.Theme.boardScale = 1;
            if (view) {
                view.destroy();
                view = null;
            }
            wait(0);
            TestGames.discard(game);
            game = null;
        }

        function test_titleBarPerScreen_data() {
            return ModalScreen.allCases.map(screen => ({tag: screen, screen: screen}));
        }

        function test_titleBarPerScreen(data) {
            host(data.screen, 1);
            compare(part(view, "screenTitle").text, data.screen);
            verify(part(view, "closeScreenButton").visible);
            compare(part(view, "resetStatsButton").visible, data.screen === ModalScreen.statistics);
            compare(part(view, "screenScrollIndicator").visible, data.screen !== ModalScreen.about);
        }

        function test_screensInMenuOrder() {
            compare(ModalScreen.allCases, ["Preferences", "Statistics", "How to Play", "About"]);
        }

        function test_closeAsksTheBoardToDismiss() {
            host(ModalScreen.about, 1);
            const spy = createTemporaryObject(signalSpyComponent, this,
                                              {target: view, signalName: "dismissed"});
            mouseClick(part(view, "closeScreenButton"));
            compare(spy.count, 1);
        }

        Component {
            id: signalSpyComponent

            SignalSpy {}
        }

        // The board's scale reaches the frame, the body and the popups the
        // window's overlay draws, and follows when it changes.
        function test_everyPartFollowsTheBoardScale() {
            host(ModalScreen.preferences, 1.18);
            compare(view.implicitWidth, 375 * 1.18);
            compare(part(view, "screenTitle").font.pixelSize, Math.round(13 * 1.18));
            compare(part(view, "closeScreenButton").width, Math.round(28 * 1.18));
            const picker = partShown(view, "boardSizePicker");
            compare(picker.fontSize, 12 * 1.18);
            picker.menu.open();
            tryVerify(() => picker.menu.opened, 1000);
            const checkmark = part(picker.menu.contentItem, "choiceMenuCheckmark");
            compare(checkmark.width, Math.round(11 * 1.18));
            stage.Theme.boardScale = 1;
            compare(checkmark.width, 11);
            compare(part(view, "screenTitle").font.pixelSize, 13);
            picker.menu.close();
        }

        function test_resetAsksFirst() {
            game.tapCell(2);
            game.pressDigit(4);
            host(ModalScreen.statistics, 1);
            const games = game.gamesCount;
            verify(games > 0, "the started game is counted");

            mouseClick(part(view, "resetStatsButton"));
            verify(view.isConfirmingReset);
            partShown(view, "resetStatsDialog");
            compare(findItem(view, "confirmationTitle").text, "Reset all statistics?");
            mouseClick(part(view, "cancelResetStatsButton"));
            verify(!view.isConfirmingReset);
            compare(game.gamesCount, games, "cancel keeps the record");
            tryVerify(() => findItem(view, "resetStatsDialog") === null, 1000);

            mouseClick(part(view, "resetStatsButton"));
            const resets = createTemporaryObject(signalSpyComponent, this,
                                                 {target: game, signalName: "gamesCountChanged"});
            mouseClick(part(view, "confirmResetStatsButton"));
            verify(!view.isConfirmingReset);
            compare(game.gamesCount, 0);
            compare(game.currentStreak, 0);
            compare(resets.count, 1);
        }

        // ---- Inside the board screen ----

        function test_boardOpensAndClosesScreens() {
            view = boardComponent.createObject(stage, {game: game});
            verify(view);
            verify(findItem(view, "modalScreen") === null);
            for (const screen of ModalScreen.allCases) {
                view.openScreen(screen);
                verify(game.isShowingScreen);
                partShown(view, "modalScreen");
                compare(part(view, "screenTitle").text, screen);
                compare(part(view, "modalScreen").Theme.boardScale, view.boardScale);
                mouseClick(part(view, "closeScreenButton"));
                verify(!game.isShowingScreen);
                tryVerify(() => findItem(view, "modalScreen") === null, 1000);
            }
        }

        function test_gameSizeGrowsTheFrameAtOnce() {
            view = boardComponent.createObject(stage, {game: game});
            view.openScreen(ModalScreen.preferences);
            partShown(view, "boardSizePicker").picked("Large");
            const large = 375 * 1.18;
            fuzzyCompare(view.width, large, 1e-9);
            fuzzyCompare(part(view, "modalScreen").width, large, 1e-9);
            // The title bar spans the frame less its insets of 14.
            fuzzyCompare(part(view, "screenTitle").parent.width, large - 2 * 14 * 1.18, 1e-9);
        }

        // Hiding the panel keeps a screen and its question; when the panel
        // shows again, Return and Escape must still reach the question.
        function test_reopenedPanelGivesTheKeysToTheQuestion_data() {
            return [
                {tag: "reset", screen: ModalScreen.statistics, dialog: "resetStatsDialog"},
                {tag: "rules change", screen: ModalScreen.preferences,
                 dialog: "rulesChangeDialog"},
            ];
        }

        function test_reopenedPanelGivesTheKeysToTheQuestion(data) {
            view = boardComponent.createObject(panel.contentItem, {game: game});
            panel.show();
            tryVerify(() => view.boardHasFocus, 2000);
            game.tapCell(2);
            game.pressDigit(4);
            view.openScreen(data.screen);
            tryVerify(() => findItem(view, "modalScreen")?.body ?? false, 1000);
            const screen = part(view, "modalScreen");
            const ask = () => {
                if (data.tag === "reset") {
                    screen.isConfirmingReset = true;
                } else {
                    const difficulty = game.difficultyRawValues().find(d => d !== game.difficulty);
                    screen.body.requestDifficulty(difficulty);
                }
                partShown(view, data.dialog);
            };
            // The board clears its focus ring on each appearance: once it is
            // gone, the board has handled the panel's showing.
            const reopen = () => {
                panel.hide();
                view.showKeyboardFocus = true;
                panel.show();
                tryVerify(() => panel.active && !view.showKeyboardFocus, 2000);
            };
            for (const [k, text] of [[Qt.Key_Return, "\r"], [Qt.Key_Escape, "\u001b"]]) {
                ask();
                reopen();
                TestGames.sendKey(view, k, Qt.NoModifier, text, false);
                verify(findItem(view, data.dialog) === null, "the key cancelled the question");
                verify(game.isShowingScreen);
            }
            // Without a question the screen has the keys, not the hidden grid.
            reopen();
            verify(screen.activeFocus);
            verify(!view.boardHasFocus);
            panel.hide();
        }

        // Escape closes the topmost layer only: an open menu (the header's,
        // or one on a screen), then the screen; none reaches the host, which
        // would hide the panel. The board has the keys again.
        function test_escapeClosesTheTopmostLayer_data() {
            return ModalScreen.allCases.map(screen => ({tag: screen, screen: screen}))
                .concat([{tag: "choice menu", screen: ModalScreen.preferences,
                          menu: "boardSizePicker"},
                         {tag: "board menu", screen: "", menu: "headerButtons"}]);
        }

        function test_escapeClosesTheTopmostLayer(data) {
            view = boardComponent.createObject(stage, {game: game});
            stage.Window.window.requestActivate();
            view.forceActiveFocus();
            tryVerify(() => view.boardHasFocus, 1000);
            game.tapCell(10);
            if (data.screen) {
                view.openScreen(data.screen);
                partShown(view, "modalScreen");
            }
            let escapesLeft = 0;
            const handler = event => escapesLeft += event.key === Qt.Key_Escape;
            stage.Keys.pressed.connect(handler);
            const escape = () => TestGames.sendKey(view, Qt.Key_Escape, Qt.NoModifier, "\u001b",
                                                   false);
            if (data.menu) {
                const menu = part(view, data.menu).menu;
                menu.open();
                tryVerify(() => menu.opened, 1000);
                escape();
                tryVerify(() => !menu.visible, 1000);
                compare(game.isShowingScreen, data.screen !== "", "the menu closes first");
            }
            if (data.screen) {
                escape();
            }
            stage.Keys.pressed.disconnect(handler);
            compare(escapesLeft, 0, "an Escape went on to the host");
            verify(!game.isShowingScreen, "Escape closed the screen");
            tryVerify(() => view.boardHasFocus, 1000, "the board has the keys again");
            TestGames.sendKey(view, Qt.Key_Down, Qt.NoModifier, "", false);
            compare(game.selectedCell, 19, "the arrow moved the selection");
        }

        function test_eachOpeningStartsFresh() {
            view = boardComponent.createObject(stage, {game: game});
            view.openScreen(ModalScreen.statistics);
            partShown(view, "modalScreen");
            mouseClick(part(view, "resetStatsButton"));
            verify(part(view, "modalScreen").isConfirmingReset);
            view.dismissScreen();
            view.openScreen(ModalScreen.statistics);
            verify(!partShown(view, "modalScreen").isConfirmingReset);
        }
    }
}
