import QtQuick
import QtTest
import Pondrel
import Pondrel.Testing

// The seven topics and the nine keyboard commands: order, identifiers,
// the Linux texts, symbols that exist, and their size on the large board.
Item {
    id: stage

    // What the board screen gives the views below it.
    Theme.colors: BoardColors {}

    width: 400
    height: 1000

    Component {
        id: screenComponent

        HowToPlayScreen {
            width: 347
        }
    }

    ViewTestCase {
        name: "HowToPlayScreen"

        property HowToPlayScreen screen: null

        function topics(): var {
            return shown(screen, item => item.objectName.startsWith("howTo-"));
        }

        function keyboardRows(): var {
            return shown(screen, item => item.objectName === "keyboardRow");
        }

        function makeScreen(properties: var) {
            screen = createTemporaryObject(screenComponent, stage, properties ?? {});
            verify(screen);
        }

        function cleanup() {
            stage.Theme.boardScale = 1;
            screen?.destroy();
            screen = null;
        }

        function test_sevenTopicsWithTheirIdentifiers() {
            makeScreen();
            const rows = topics();
            compare(rows.map(row => row.objectName), [
                "howTo-menuBar", "howTo-goal", "howTo-place", "howTo-notes", "howTo-hint",
                "howTo-lock", "howTo-undo"
            ]);
            compare(rows.map(row => row.title), [
                "Lives in your system tray", "Fill the grid", "Pick a square, then a number",
                "Use notes", "Need a hand?", "Finished numbers lock", "Undo and new puzzles"
            ]);
            // The tray topic speaks of a panel, not of a menu bar and ⌘.
            compare(rows[0].body, "Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.");
            compare(rows[1].body, "Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.");
            compare(rows[6].Accessible.name, "Undo and new puzzles, Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.");
            // Each symbol is drawn; long bodies wrap inside the body's width
            // instead of running out.
            for (const row of rows) {
                tryCompare(row.symbol, "status", Image.Ready);
                verify(row.symbol.implicitWidth > 0, row.objectName);
                verify(row.mapToItem(screen, row.width, 0).x <= screen.width);
                verify(row.bodyText.contentWidth <= row.bodyText.width + 0.5, row.objectName);
            }
            verify(rows[0].bodyText.lineCount > 2, "the tray topic's long body wraps");
        }

        function test_keyboardCommandsWithLinuxKeys() {
            makeScreen();
            const rows = keyboardRows();
            compare(rows.map(row => row.description), [
                "Move between squares", "Enter a number", "Erase", "Turn Notes on or off",
                "Fill in all notes", "Give a hint", "Next Step", "Undo", "Redo", "Copy Puzzle",
                "Paste Puzzle", "New puzzle", "Open Preferences"
            ]);
            compare(rows.map(row => row.key), [
                "\u2190 \u2191 \u2193 \u2192", "1\u20139", "Delete", "N", "A", "H", "S",
                "Ctrl+Z", "Ctrl+Shift+Z", "Ctrl+C", "Ctrl+V", "Ctrl+N", "Ctrl+,"
            ]);
            compare(rows[11].Accessible.name, "New puzzle, Ctrl+N");
            // Below the topics, in the keyboard section.
            const lastTopic = topics()[6];
            verify(rows[0].mapToItem(screen, 0, 0).y > lastTopic.mapToItem(screen, 0, lastTopic.height).y);
            const last = rows[12];
            verify(last.mapToItem(screen, 0, last.height).y <= screen.implicitHeight);
        }

        function test_sizedByTheContentScale_data() {
            return [{ tag: "standard", scale: 1.0 }, { tag: "large", scale: 1.18 }];
        }

        function test_sizedByTheContentScale(data) {
            stage.Theme.boardScale = data.scale;
            makeScreen();
            const topic = topics()[1];
            compare(topic.titleText.font.pixelSize, Math.round(13 * data.scale));
            compare(topic.bodyText.font.pixelSize, Math.round(13 * data.scale));
            compare(topic.symbol.width, Math.round(16 * data.scale));
            // The text column starts after the 29 s symbol column and 3 s.
            fuzzyCompare(topic.titleText.mapToItem(topic, 0, 0).x, 32 * data.scale, 0.5);
        }
    }
}
