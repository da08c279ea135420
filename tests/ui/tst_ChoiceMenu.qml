import QtQuick
import QtTest
import Pondrel

// The shared pull-down: what its face shows, the checkmark on the current
// choice only, and that a pick reports the value (also the one already
// chosen) while the user's binding of the selection keeps working.
Item {
    id: stage

    width: 400
    height: 400

    // The user's store, which the menu reads through a binding and writes
    // through its pick.
    property string difficulty: "Medium"

    Component {
        id: menuComponent

        ChoiceMenu {
            x: 20
            y: 20
            selection: stage.difficulty
            options: ["Easy", "Medium", "Hard"]
            title: value => "Level " + value
            onPicked: value => stage.difficulty = value
        }
    }

    SignalSpy {
        id: pickedSpy

        signalName: "picked"
    }

    ViewTestCase {
        name: "ChoiceMenu"

        property ChoiceMenu menu: null

        function init() {
            stage.difficulty = "Medium";
            menu = createTemporaryObject(menuComponent, stage);
            verify(menu);
            pickedSpy.target = menu;
            pickedSpy.clear();
        }

        function cleanup() {
            menu = null;
        }

        // Repeater delegates are not found by findChild: walk the list.
        function entries(): var {
            const list = menu.menu.contentItem;
            const found = [];
            for (let i = 0; i < list.children.length; ++i) {
                if (list.children[i].objectName === "choiceMenuEntry") {
                    found.push(list.children[i]);
                }
            }
            return found;
        }

        function checkmarkShown(entry: Item): bool {
            const slots = entry.contentItem.children;
            for (let i = 0; i < slots.length; ++i) {
                if (slots[i].objectName === "choiceMenuCheckmark") {
                    return slots[i].visible && slots[i].opacity > 0;
                }
            }
            fail("no checkmark slot in " + entry.text);
            return false;
        }

        function openMenu() {
            mouseClick(menu);
            tryCompare(menu.menu, "opened", true);
        }

        function test_entriesInOrderWithCheckmarkOnCurrentChoiceOnly() {
            openMenu();
            const list = entries();
            compare(list.map(entry => entry.text), ["Level Easy", "Level Medium", "Level Hard"]);
            compare(list.map(checkmarkShown), [false, true, false]);
            verify(list[0].y < list[1].y && list[1].y < list[2].y);
            compare(list[1].Accessible.checked, true);
        }

        // A pick by mouse or keyboard reports and stores the value, also the
        // one already chosen; the face follows, and the user's binding of the
        // selection survives the pick.
        function test_pickStoresTheValueAndTheFaceFollows_data() {
            return [{ tag: "another choice", entry: 2, value: "Hard" },
                    { tag: "the current choice", entry: 1, value: "Medium" },
                    { tag: "keyboard", keys: [Qt.Key_Down, Qt.Key_Return], value: "Hard" }];
        }

        function test_pickStoresTheValueAndTheFaceFollows(data) {
            compare(menu.text, "Level Medium");
            openMenu();
            // The list opens on the current choice.
            verify(entries()[1].activeFocus);
            if (data.keys) {
                data.keys.forEach(key => keyClick(key));
            } else {
                mouseClick(entries()[data.entry]);
            }
            compare(pickedSpy.count, 1);
            compare(pickedSpy.signalArguments[0][0], data.value);
            compare(stage.difficulty, data.value);
            compare(menu.text, "Level " + data.value);
            tryCompare(menu.menu, "visible", false);

            // A change made elsewhere shows.
            stage.difficulty = "Easy";
            compare(menu.text, "Level Easy");
            openMenu();
            compare(entries().map(checkmarkShown), [true, false, false]);
        }

        function test_selectionOutsideTheOptionsShowsNoCheckmark() {
            stage.difficulty = "Expert";
            compare(menu.text, "Level Expert");
            openMenu();
            compare(entries().map(checkmarkShown), [false, false, false]);
        }

        // A translation can make a choice far longer than the one on the
        // face: the list widens to show it whole.
        function test_listIsAsWideAsItsLongestTitle() {
            stage.difficulty = "Easy";
            menu.options = ["Easy", "Medium with a much longer name"];
            openMenu();
            const list = entries();
            verify(list[1].implicitWidth > menu.width);
            for (const entry of list) {
                verify(entry.width >= entry.implicitWidth, entry.text + " is cut off");
            }
        }

        function test_faceKeepsItsIdealSize() {
            const before = menu.width;
            verify(before > 0);
            stage.difficulty = "Medium with a much longer name";
            verify(menu.width > before, "the face grows with its title");
            compare(menu.width, menu.implicitWidth);
        }
    }
}
