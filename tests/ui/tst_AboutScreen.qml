import QtQuick
import QtTest
import Pondrel
import Pondrel.Testing

// The About column: its texts, the version from the application, the
// website button handing the address to the injected opener, and its size
// on the large board.
Item {
    id: stage

    width: 400
    height: 600

    Component {
        id: screenComponent

        AboutScreen {
            width: 347
        }
    }

    TestCase {
        name: "AboutScreen"
        when: windowShown

        property AboutScreen screen: null
        property var opened: []
        property string savedVersion

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
            const found = findItem(screen, name);
            verify(found, name);
            return found;
        }

        function makeScreen(properties: var) {
            const recorder = { openURL: address => { opened = opened.concat([address]); } };
            screen = createTemporaryObject(screenComponent, stage,
                                           Object.assign(recorder, properties ?? {}));
            verify(screen);
        }

        function initTestCase() {
            savedVersion = Qt.application.version;
        }

        function init() {
            opened = [];
        }

        function cleanup() {
            screen?.destroy();
            screen = null;
            Qt.application.version = savedVersion;
        }

        function test_showsTheApplicationAndItsPublisher() {
            makeScreen();
            compare(part("appName").text, "Pondrel Sudoku");
            compare(part("publisherLine").text, "Made by the Pondrel team");
            compare(part("descriptionLine").text, "A simple sudoku game for your system tray.");
            compare(part("visitWebsiteButton").text, "Visit pondrel.example.org");
            verify(/^© \d{4} /.test(part("legalLine").text));
            tryCompare(part("appIcon"), "status", Image.Ready);
            // Top to bottom in that order, all centred in the body.
            const order = ["appIcon", "appName", "versionLine", "publisherLine", "descriptionLine",
                           "visitWebsiteButton", "legalLine"].map(part);
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
            compare(part("versionLine").text, "Version 2.4.1");
            Qt.application.version = "";
            compare(part("versionLine").text, "Version 1.0");
        }

        function test_websiteButtonOpensTheAddressOnce() {
            makeScreen();
            const button = part("visitWebsiteButton");
            mouseClick(button);
            compare(opened, ["https://pondrel.example.org"]);
            // Assistive technology presses it the same way.
            button.Accessible.pressAction();
            compare(opened.length, 2);
        }

        function test_unusableAddressOpensNothing_data() {
            return [{ tag: "empty", address: "" }, { tag: "no scheme", address: "pondrel example" },
                    { tag: "blank inside", address: "https://pondrel .example.org" }];
        }

        function test_unusableAddressOpensNothing(data) {
            makeScreen({ websiteAddress: data.address });
            mouseClick(part("visitWebsiteButton"));
            compare(opened, []);
        }

        function test_sizedByTheContentScale_data() {
            return [{ tag: "standard", scale: 1.0 }, { tag: "large", scale: 1.18 }];
        }

        function test_sizedByTheContentScale(data) {
            makeScreen({ boardScale: data.scale });
            compare(part("appIcon").width, Math.round(64 * data.scale));
            compare(part("appName").font.pixelSize, Math.round(15 * data.scale));
            compare(part("versionLine").font.pixelSize, Math.round(13 * data.scale));
            compare(part("legalLine").font.pixelSize, Math.round(10 * data.scale));
            // The description wraps at 300 s, well inside the body.
            verify(part("descriptionLine").width <= 300 * data.scale + 0.5);
        }
    }
}
