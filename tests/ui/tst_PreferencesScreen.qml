import QtQuick
import QtQuick.Window
import QtTest
import Pondrel
import Pondrel.Testing

// The Preferences screen in its host: its rows and identifiers, that each
// control writes the game at once, the difficulty request's three ways, and
// the launch-at-login switch over a stand-in service whose status the test
// sets.
Item {
    id: stage

    // What the board screen gives the views below it.
    Theme.colors: BoardColors {}

    width: 520
    height: 900

    // The service, scripted: register works unless told otherwise.
    QtObject {
        id: fakeLoginItem

        property int current: 0
        property bool registerWorks: true
        property int registerCalls: 0
        property int unregisterCalls: 0

        function status(): int {
            return current;
        }
        function registerItem(): bool {
            ++registerCalls;
            if (registerWorks) {
                current = 1;
            }
            return registerWorks;
        }
        function unregisterItem(): bool {
            ++unregisterCalls;
            current = 0;
            return true;
        }
    }

    Component {
        id: hostComponent

        ModalScreenView {
            width: 375
            height: 760
            screen: ModalScreen.preferences
            loginItem: fakeLoginItem
        }
    }

    // A panel window of its own, to hide and show again.
    Window {
        id: panel

        width: 400
        height: 800
    }

    TestCase {
        name: "PreferencesScreen"
        when: windowShown

        property SudokuGame game: null
        property ModalScreenView host: null
        // The dealt game's difficulty, and others to change to.
        property string start
        readonly property var others: game ? game.difficultyRawValues().filter(d => d !== start) : []

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
            const found = findItem(host, name);
            verify(found, name);
            return found;
        }

        function open() {
            host = hostComponent.createObject(stage, {game: game});
            verify(host);
            tryVerify(() => host.body !== null, 1000, "the body is loaded");
        }

        function close() {
            host.destroy();
            host = null;
            wait(0);
        }

        function makeMove() {
            for (let i = 0; i < 81; ++i) {
                if (TestGames.puzzle[i] === "0") {
                    game.tapCell(i);
                    game.pressDigit(Number(TestGames.solution[i]));
                    return;
                }
            }
        }

        function solve() {
            for (let i = 0; i < 81; ++i) {
                if (TestGames.puzzle[i] === "0" && game.values[i] !== Number(TestGames.solution[i])) {
                    game.tapCell(i);
                    game.pressDigit(Number(TestGames.solution[i]));
                }
            }
        }

        function init() {
            game = TestGames.makeGame();
            start = game.difficulty;
            fakeLoginItem.current = 0;
            fakeLoginItem.registerWorks = true;
            fakeLoginItem.registerCalls = 0;
            fakeLoginItem.unregisterCalls = 0;
            open();
        }

        function cleanup() {
            stage.Theme.boardScale = 1;
            close();
            TestGames.discard(game);
            game = null;
        }

        function test_rowsAndIdentifiers() {
            compare(control("screenTitle").text, "Preferences");
            for (const name of ["menuBarIconPicker", "menuBarIcon-Dots", "menuBarIcon-Corner Grid",
                                "menuBarIcon-Number Square", "boardSizePicker",
                                "launchAtLoginToggle", "difficultyPicker",
                                "highlightMistakesToggle", "highlightMatchesToggle",
                                "clearNotesToggle"]) {
                verify(control(name).visible, name);
            }
            // APP above GAMEPLAY, rows top to bottom as listed.
            const order = ["menuBarIconPicker", "boardSizePicker", "launchAtLoginToggle",
                           "difficultyPicker", "highlightMistakesToggle",
                           "highlightMatchesToggle", "clearNotesToggle"];
            for (let i = 1; i < order.length; ++i) {
                const above = control(order[i - 1]);
                const below = control(order[i]);
                verify(above.mapToItem(host, 0, 0).y < below.mapToItem(host, 0, 0).y,
                       order[i - 1] + " above " + order[i]);
            }
            verify(!findItem(host, "resetStatsButton").visible, "no Reset on Preferences");
        }

        // Where the desktop asks for more contrast, a row's note and an off
        // switch's track grow stronger.
        function test_moreContrast() {
            const note = findItem(control("launchAtLoginToggle").parent, "switchRowNote");
            const track = control("highlightMistakesToggle").indicator;
            const faint = [note.color.a, track.color.a];
            stage.Theme.colors.increasedContrast = true;
            const strong = [note.color.a, track.color.a];
            stage.Theme.colors.increasedContrast = false;
            verify(strong[0] > faint[0] && strong[1] > faint[1], `${faint} -> ${strong}`);
        }

        function test_iconPickerSwitchesTheIconAtOnce() {
            for (const option of ["Corner Grid", "Number Square", "Dots"]) {
                verify(control("menuBarIcon-" + option).symbol !== "", option + " shows a glyph");
                mouseClick(control("menuBarIcon-" + option));
                compare(game.menuBarIcon, option);
                for (const other of ["Dots", "Corner Grid", "Number Square"]) {
                    compare(control("menuBarIcon-" + other).prominent, other === option,
                            other + " prominent after choosing " + option);
                }
            }
        }

        function test_gameSizeRescalesTheScreen() {
            const label = control("menuBarIcon-Dots");
            const standardWidth = label.width;
            stage.Theme.boardScale = 1.18;
            compare(label.width, Math.round(28 * 1.18));
            verify(label.width > standardWidth);
            compare(control("difficultyPicker").fontSize, 12 * 1.18);
        }

        function test_switchesWriteAndFollowTheGame_data() {
            return [
                {tag: "highlightMistakesToggle", property: "highlightsMistakes"},
                {tag: "highlightMatchesToggle", property: "highlightsMatchingNumbers"},
                {tag: "clearNotesToggle", property: "clearsNotesAutomatically"},
            ];
        }

        function test_switchesWriteAndFollowTheGame(data) {
            const toggle = control(data.tag);
            const before = game[data.property];
            compare(toggle.checked, before);
            mouseClick(toggle);
            compare(game[data.property], !before);
            compare(toggle.checked, !before);
            game[data.property] = before;
            compare(toggle.checked, before, "the switch follows the game");
        }

        function test_switchRowsCarryTheirTooltips() {
            const texts = {
                "highlightMistakesToggle": "Shows a number in red as soon as it breaks the rules or doesn't belong in that square.",
                "highlightMatchesToggle": "Shades every square holding the same number as the selected one.",
                "clearNotesToggle": "Placing a number removes it from the notes in its row, column and box."
            };
            for (const name in texts) {
                compare(control(name).parent.toolTip, texts[name]);
            }
            compare(control("launchAtLoginToggle").parent.toolTip, "");
        }

        // ---- Difficulty ----

        function test_sameDifficultyDoesNothing() {
            makeMove();
            const values = game.values;
            control("difficultyPicker").picked(start);
            compare(host.pendingRulesChange, null);
            compare(game.values, values);
        }

        function test_beforeTheFirstMoveDealsAtOnce() {
            verify(!game.hasStartedCurrentGame);
            control("difficultyPicker").picked(others[0]);
            compare(host.pendingRulesChange, null);
            compare(game.difficulty, others[0]);
        }

        function test_afterAWinDealsAtOnce() {
            solve();
            verify(game.hasWon);
            control("difficultyPicker").picked(others[0]);
            compare(host.pendingRulesChange, null);
            compare(game.difficulty, others[0]);
        }

        function test_duringAGameAsksFirst() {
            makeMove();
            const values = game.values;
            control("difficultyPicker").picked(others[0]);
            verify(host.pendingRulesChange !== null);
            compare(game.difficulty, start);
            compare(control("difficultyPicker").text, start, "the menu keeps the old choice");
            tryVerify(() => findItem(host, "rulesChangeDialog") !== null, 1000);
            compare(findItem(host, "confirmationTitle").text, "Abandon this game?");

            mouseClick(control("cancelRulesChangeButton"));
            compare(host.pendingRulesChange, null);
            compare(game.difficulty, start);
            compare(game.values, values, "the puzzle stays");
            tryVerify(() => findItem(host, "rulesChangeDialog") === null, 1000);

            control("difficultyPicker").picked(others[0]);
            let pendingWhileDealing = "not run";
            game.difficultyChanged.connect(() => {
                pendingWhileDealing = host.pendingRulesChange;
            });
            mouseClick(control("confirmRulesChangeButton"));
            compare(game.difficulty, others[0]);
            compare(pendingWhileDealing, null, "the question is gone before the deal");
            verify(!game.hasStartedCurrentGame, "a new puzzle");
            tryVerify(() => findItem(host, "rulesChangeDialog") === null, 1000);
        }

        function test_closingDropsAPendingChange() {
            makeMove();
            control("difficultyPicker").picked(others[0]);
            verify(host.pendingRulesChange !== null);
            close();
            compare(game.difficulty, start);
            open();
            compare(host.pendingRulesChange, null);
        }

        // ---- Launch at login ----

        function test_launchAtLoginShowsEachStatus_data() {
            return [
                {tag: "not registered", status: 0, on: false, note: false},
                {tag: "enabled", status: 1, on: true, note: false},
                {tag: "requires approval", status: 2, on: true, note: true},
                {tag: "not found", status: 3, on: false, note: false},
            ];
        }

        function test_launchAtLoginShowsEachStatus(data) {
            close();
            fakeLoginItem.current = data.status;
            open();
            const toggle = control("launchAtLoginToggle");
            compare(toggle.checked, data.on);
            const note = findItem(toggle.parent, "switchRowNote");
            compare(note.visible, data.note);
            if (data.note) {
                compare(note.text, "Turned off in your desktop's autostart settings.");
            }
        }

        function test_turningOffWhileAwaitingApprovalUnregisters() {
            close();
            fakeLoginItem.current = 2;
            open();
            const toggle = control("launchAtLoginToggle");
            mouseClick(toggle);
            compare(fakeLoginItem.unregisterCalls, 1);
            compare(host.loginItemStatus, 0);
            verify(!toggle.checked);
            verify(!findItem(toggle.parent, "switchRowNote").visible);
        }

        function test_registrationShowsTheRealOutcome() {
            const toggle = control("launchAtLoginToggle");
            mouseClick(toggle);
            compare(fakeLoginItem.registerCalls, 1);
            verify(toggle.checked);

            mouseClick(toggle);
            verify(!toggle.checked);

            fakeLoginItem.registerWorks = false;
            mouseClick(toggle);
            compare(fakeLoginItem.registerCalls, 2);
            verify(!toggle.checked, "a registration that failed shows off again");
        }

        function test_statusIsReadAgainWhenTheRowAppears() {
            fakeLoginItem.current = 1;
            const toggle = control("launchAtLoginToggle");
            verify(!toggle.checked, "read when the screen opened");
            toggle.parent.visible = false;
            toggle.parent.visible = true;
            verify(toggle.checked);
            fakeLoginItem.current = 0;
            close();
            open();
            verify(!control("launchAtLoginToggle").checked);
        }

        // The panel hides with the screen still in it; showing it again
        // brings the row into view again.
        function test_statusIsReadAgainWhenThePanelReappears() {
            close();
            host = hostComponent.createObject(panel.contentItem, {game: game});
            panel.show();
            tryVerify(() => panel.visible && host.body !== null, 2000);
            const toggle = control("launchAtLoginToggle");
            verify(!toggle.checked);
            panel.hide();
            fakeLoginItem.current = 2;
            panel.show();
            tryVerify(() => toggle.checked, 2000, "the status was read again");
            verify(findItem(toggle.parent, "switchRowNote").visible);
            panel.hide();
        }

        // The service behind the switch, on the tests' own autostart folder.
        function test_realServiceRegistersAndUnregisters() {
            close();
            host = hostComponent.createObject(stage, {game: game, loginItem: LoginItem});
            tryVerify(() => host.body !== null, 1000);
            verify(!control("launchAtLoginToggle").checked, "no entry to begin with");
            mouseClick(control("launchAtLoginToggle"));
            verify(control("launchAtLoginToggle").checked, "the entry was written");
            // A new screen reads the entry the last one wrote.
            close();
            host = hostComponent.createObject(stage, {game: game, loginItem: LoginItem});
            tryVerify(() => host.body !== null, 1000);
            verify(control("launchAtLoginToggle").checked);
            mouseClick(control("launchAtLoginToggle"));
            verify(!control("launchAtLoginToggle").checked, "the entry was removed");
            compare(LoginItem.status(), LoginItem.NotRegistered);
        }
    }
}
