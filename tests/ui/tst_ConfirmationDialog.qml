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

    ViewTestCase {
        name: "ConfirmationDialog"

        property ConfirmationDialog dialog: null

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
            stage.Theme.boardScale = 1;
            dialog = null;
        }

        // Every way out but the confirm button cancels, once; clicks on the
        // card outside its buttons do nothing. `at` gives a click's place in
        // the dialog, from the card.
        function test_eachWayOutReportsItsAction_data() {
            return [
                { tag: "Return", key: Qt.Key_Return, cancels: 1 },
                { tag: "Enter", key: Qt.Key_Enter, cancels: 1 },
                { tag: "Escape", key: Qt.Key_Escape, cancels: 1 },
                // Return is the dialog's default action even with the focus
                // on the confirm button.
                { tag: "Return on the focused confirm button", key: Qt.Key_Return,
                  focus: "testConfirm", cancels: 1 },
                { tag: "cancel button", button: "testCancel", cancels: 1 },
                { tag: "confirm button", button: "testConfirm", confirms: 1 },
                { tag: "backdrop, top left corner", at: card => Qt.point(5, 5), cancels: 1 },
                { tag: "backdrop, bottom right corner", at: card => Qt.point(395, 495), cancels: 1 },
                { tag: "backdrop, just above the card", at: card => Qt.point(200, card.y - 4),
                  cancels: 1 },
                { tag: "card, top left", at: card => card.mapToItem(dialog, 6, 6) },
                { tag: "card, top middle", at: card => card.mapToItem(dialog, card.width / 2, 4) },
                { tag: "card, bottom right",
                  at: card => card.mapToItem(dialog, card.width - 6, card.height - 6) },
            ];
        }

        function test_eachWayOutReportsItsAction(data) {
            makeDialog();
            if (data.focus) {
                part(dialog, data.focus).forceActiveFocus();
                verify(part(dialog, data.focus).activeFocus);
            }
            if (data.key) {
                keyClick(data.key);
            } else if (data.button) {
                mouseClick(part(dialog, data.button));
            } else {
                const place = data.at(part(dialog, "testDialog"));
                mouseClick(dialog, place.x, place.y);
            }
            compare(cancelSpy.count, data.cancels ?? 0);
            compare(confirmSpy.count, data.confirms ?? 0);
        }

        function test_centredCardAndButtonsWithTheirLooksAndNames() {
            makeDialog();
            const card = part(dialog, "testDialog");
            fuzzyCompare(card.x + card.width / 2, dialog.width / 2, 0.5);
            fuzzyCompare(card.y + card.height / 2, dialog.height / 2, 0.5);
            compare(card.Accessible.role, Accessible.Dialog);
            compare(card.Accessible.name, "Abandon this game?");
            const cancel = part(dialog, "testCancel");
            const confirm = part(dialog, "testConfirm");
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

        function test_cardHasFixedWidthAndGrowsWithItsTexts_data() {
            return [{ tag: "scale 1", scale: 1.0 }, { tag: "scale 1.18", scale: 1.18 },
                    { tag: "scale 1.65", scale: 1.65 }];
        }

        function test_cardHasFixedWidthAndGrowsWithItsTexts(data) {
            stage.Theme.boardScale = data.scale;
            makeDialog();
            const card = part(dialog, "testDialog");
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
                const text = part(dialog, name);
                verify(text.lineCount > 1, name + " wraps");
                verify(!text.truncated, name);
                verify(text.contentWidth <= text.width + 0.5, name + " fits the width");
                const bottom = text.mapToItem(card, 0, text.height).y;
                verify(bottom <= card.height, name + " inside the card");
            }
            // The buttons stay inside the card, below the texts.
            const cancel = part(dialog, "testCancel");
            const message = part(dialog, "confirmationMessage");
            const below = message.mapToItem(card, 0, message.height).y;
            verify(cancel.mapToItem(card, 0, 0).y >= below);
            verify(cancel.mapToItem(card, 0, cancel.height).y <= card.height);
        }
    }
}
