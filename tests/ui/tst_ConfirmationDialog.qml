import QtQuick
import QtTest
import Pondrel

// The shared yes-or-no question: every way out that cancels (Return, the
// emphasised button, the backdrop) and the one way that confirms; clicks on
// the card itself; the card's fixed width at any scale with texts that wrap.
Item {
    id: stage

    width: 400
    height: 500

    Component {
        id: dialogComponent

        ConfirmationDialog {
            anchors.fill: parent
            title: "Abandon this game?"
            message: "Starting a new puzzle now will reset your win streak."
            dialogID: "testDialog"
            cancelTitle: "Cancel"
            cancelID: "testCancel"
            confirmTitle: "New Puzzle"
            confirmID: "testConfirm"
        }
    }

    SignalSpy {
        id: cancelSpy

        signalName: "cancel"
    }

    SignalSpy {
        id: confirmSpy

        signalName: "confirm"
    }

    TestCase {
        name: "ConfirmationDialog"
        when: windowShown

        property ConfirmationDialog dialog: null

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
            const found = findItem(dialog, name);
            verify(found, name);
            return found;
        }

        function makeDialog(properties: var) {
            dialog = createTemporaryObject(dialogComponent, stage, properties ?? {});
            verify(dialog);
            cancelSpy.target = dialog;
            confirmSpy.target = dialog;
            cancelSpy.clear();
            confirmSpy.clear();
            dialog.forceActiveFocus();
            waitForRendering(dialog);
        }

        function cleanup() {
            dialog = null;
        }

        function test_cancelsWithReturnAndEnter_data() {
            return [{ tag: "Return", key: Qt.Key_Return }, { tag: "Enter", key: Qt.Key_Enter },
                    { tag: "Escape", key: Qt.Key_Escape }];
        }

        function test_cancelsWithReturnAndEnter(data) {
            makeDialog();
            keyClick(data.key);
            compare(cancelSpy.count, 1);
            compare(confirmSpy.count, 0);
        }

        // Even with the keyboard focus on the confirm button, Return is the
        // dialog's default action and cancels.
        function test_returnOnFocusedConfirmButtonStillCancels() {
            makeDialog();
            part("testConfirm").forceActiveFocus();
            verify(part("testConfirm").activeFocus);
            keyClick(Qt.Key_Return);
            compare(cancelSpy.count, 1);
            compare(confirmSpy.count, 0);
        }

        function test_buttonsPerformTheirActions() {
            makeDialog();
            mouseClick(part("testCancel"));
            compare(cancelSpy.count, 1);
            compare(confirmSpy.count, 0);
            mouseClick(part("testConfirm"));
            compare(cancelSpy.count, 1);
            compare(confirmSpy.count, 1);
        }

        function test_buttonsCarryTheirLooksAndTexts() {
            makeDialog();
            const cancel = part("testCancel");
            const confirm = part("testConfirm");
            compare(cancel.text, "Cancel");
            compare(confirm.text, "New Puzzle");
            verify(cancel.prominent);
            verify(!confirm.prominent);
            verify(confirm.destructive);
            verify(cancel.x < confirm.x, "cancel comes first");
            // Assistive technology can press both.
            compare(cancel.Accessible.name, "Cancel");
            compare(confirm.Accessible.name, "New Puzzle");
        }

        function test_backdropClickCancels_data() {
            return [{ tag: "top left corner", x: 5, y: 5 },
                    { tag: "bottom right corner", x: 395, y: 495 },
                    { tag: "just above the card", x: 200, y: -4 }];
        }

        function test_backdropClickCancels(data) {
            makeDialog();
            const card = part("testDialog");
            // Negative y is relative to the card's top edge.
            const y = data.y < 0 ? card.y + data.y : data.y;
            mouseClick(dialog, data.x, y);
            compare(cancelSpy.count, 1);
            compare(confirmSpy.count, 0);
        }

        function test_clickOnCardOutsideButtonsDoesNothing() {
            makeDialog();
            const card = part("testDialog");
            mouseClick(card, 6, 6);
            mouseClick(card, card.width / 2, 4);
            mouseClick(card, card.width - 6, card.height - 6);
            compare(cancelSpy.count, 0);
            compare(confirmSpy.count, 0);
        }

        function test_cardHasFixedWidthAndGrowsWithItsTexts_data() {
            return [{ tag: "scale 1", scale: 1.0 }, { tag: "scale 1.18", scale: 1.18 },
                    { tag: "scale 1.65", scale: 1.65 }];
        }

        function test_cardHasFixedWidthAndGrowsWithItsTexts(data) {
            makeDialog({ boardScale: data.scale });
            const card = part("testDialog");
            fuzzyCompare(card.width, 260 * data.scale, 0.01);
            // Laid out larger, never magnified.
            compare(dialog.mapToItem(null, 100, 0).x - dialog.mapToItem(null, 0, 0).x, 100);
            const shortHeight = card.height;

            dialog.message = "Starting a new puzzle now will reset your win streak. ".repeat(6);
            dialog.title = "A question long enough to need more than one line of the card";
            waitForRendering(dialog);
            fuzzyCompare(card.width, 260 * data.scale, 0.01);
            verify(card.height > shortHeight + 40 * data.scale, "the card grows with its texts");
            // Every line of both texts is inside the card.
            for (const name of ["confirmationTitle", "confirmationMessage"]) {
                const text = part(name);
                verify(text.lineCount > 1, name + " wraps");
                verify(!text.truncated, name);
                verify(text.contentWidth <= text.width + 0.5, name + " fits the width");
                const bottom = text.mapToItem(card, 0, text.height).y;
                verify(bottom <= card.height, name + " inside the card");
            }
            // The buttons stay inside the card, below the texts.
            const cancel = part("testCancel");
            const below = part("confirmationMessage").mapToItem(card, 0, part("confirmationMessage").height).y;
            verify(cancel.mapToItem(card, 0, 0).y >= below);
            verify(cancel.mapToItem(card, 0, cancel.height).y <= card.height);
        }

        function test_cardIsCentredAndNamedForAssistiveTechnology() {
            makeDialog();
            const card = part("testDialog");
            fuzzyCompare(card.x + card.width / 2, dialog.width / 2, 0.5);
            fuzzyCompare(card.y + card.height / 2, dialog.height / 2, 0.5);
            compare(card.Accessible.role, Accessible.Dialog);
            compare(card.Accessible.name, "Abandon this game?");
        }
    }
}
