import QtQuick
import QtTest
import Pondrel
import Pondrel.Testing

// The About column: its texts, the version from the application, the
// website button handing the address to the injected opener, and its size
// on the large board.
Item {
    id: stage

    // What the board screen gives the views below it.
    Theme.colors: BoardColors {}

    width: 400
    height: 600

    Component {
        id: screenComponent

        AboutScreen {
            width: 347
        }
    }

    ViewTestCase {
        name: "AboutScreen"

        property AboutScreen screen: null
        property var opened: []
        property string savedVersion

        function makeScreen(properties: var) {
            opened = [];
            const recorder = { openURL: address => { opened = opened.concat([address]); } };
            screen = createTemporaryObject(screenComponent, stage,
                                           Object.assign(recorder, properties ?? {}));
            verify(screen);
        }

        function initTestCase() {
            savedVersion = Qt.application.version;
        }

        function cleanup() {
            stage.Theme.boardScale = 1;
            screen?.destroy();
            screen = null;
            Qt.application.version = savedVersion;
        }

        function test_showsTheApplicationAndItsPublisher() {
            makeScreen();
            compare(part(screen, "appName").text, "Pondrel Sudoku");
            compare(part(screen, "publisherLine").text, "Made by the Pondrel team");
            compare(part(screen, "descriptionLine").text, "A simple sudoku game for your system tray.");
            compare(part(screen, "visitWebsiteButton").text, "Visit pondrel.example.org");
            verify(/^© \d{4} /.test(part(screen, "legalLine").text));
            tryCompare(part(screen, "appIcon"), "status", Image.Ready);
            // Top to bottom in that order, all centred in the body.
            const order = ["appIcon", "appName", "versionLine", "publisherLine", "descriptionLine",
                           "visitWebsiteButton", "legalLine"].map(name => part(screen, name));
            for (let i = 1; i < order.length; ++i) {
                verify(order[i].y >= order[i - 1].y + order[i - 1].height);
            }
            for (const item of order) {
                fuzzyCompare(item.x + item.width / 2, screen.width / 2, 1);
            }
            const last = order[order.length - 1];
            verify(last.y + last.height <= screen.implicitHeight);
        }

        function test_versionFollowsTheApplication() {
            Qt.application.version = "2.4.1";
            makeScreen();
            compare(part(screen, "versionLine").text, "Version 2.4.1");
            Qt.application.version = "";
            compare(part(screen, "versionLine").text, "Version 1.0");
        }

        // The address must be one a browser can open; the default one is.
        function test_websiteButtonOpensAUsableAddressOnce_data() {
            return [{ tag: "default", opens: ["https://pondrel.example.org"] },
                    { tag: "empty", address: "", opens: [] },
                    { tag: "no scheme", address: "pondrel example", opens: [] },
                    { tag: "blank inside", address: "https://pondrel .example.org", opens: [] }];
        }

        function test_websiteButtonOpensAUsableAddressOnce(data) {
            makeScreen(data.address === undefined ? {} : { websiteAddress: data.address });
            const button = part(screen, "visitWebsiteButton");
            mouseClick(button);
            compare(opened, data.opens);
            // Assistive technology presses it the same way.
            button.Accessible.pressAction();
            compare(opened, data.opens.concat(data.opens));
        }

        function test_sizedByTheContentScale_data() {
            return [{ tag: "standard", scale: 1.0 }, { tag: "large", scale: 1.18 }];
        }

        function test_sizedByTheContentScale(data) {
            stage.Theme.boardScale = data.scale;
            makeScreen();
            compare(part(screen, "appIcon").width, Math.round(64 * data.scale));
            compare(part(screen, "appName").font.pixelSize, Math.round(15 * data.scale));
            compare(part(screen, "versionLine").font.pixelSize, Math.round(13 * data.scale));
            compare(part(screen, "legalLine").font.pixelSize, Math.round(10 * data.scale));
            // The description wraps at 300 s, well inside the body.
            verify(part(screen, "descriptionLine").width <= 300 * data.scale + 0.5);
        }
    }
}
