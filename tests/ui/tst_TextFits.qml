import QtQuick
import QtQuick.Window
import QtQuick.Controls.Basic
import QtTest
import Pondrel
import Pondrel.Testing

// Nothing the player reads is cut off, in the language of the run's
// environment (one ctest per shipped table, tests/ui/CMakeLists.txt), at the
// standard and the large board. The board, its menu, its tooltips, the
// abandon-game question, the solved card, the four screens with their choice
// lists, tooltips and questions, and the welcome window are shown in a window
// of the panel's own size, and every visible text must
// - not be elided,
// - fit the box it is given (its painted size within its width and height),
// - lie inside every container that frames it: a control's padded content
//   area, a filled or outlined box, a card, a clipping item and the window,
// - not overlap another text of the same layer,
// - break its lines only between words, in the languages that space their
//   words (Chinese, Japanese and Korean break between characters as their
//   rules allow),
// - not be an English text that the table translates (a missed lookup);
// the panel is no wider than 375 points times the board scale, and a card
// that grows with its texts stays inside the panel.
//
// Every problem found is collected and reported at the end with the
// language, the board size, the scene, the string-table key and the sizes.
Item {
    id: stage

    width: 200
    height: 200

    // The tray panel: a window exactly the size of the board screen.
    Window {
        id: panel

        visible: true
        flags: Qt.FramelessWindowHint
    }

    Window {
        id: welcomeWindow

        visible: true
        title: "Welcome"
    }

    Component {
        id: viewComponent

        SudokuView {}
    }

    Component {
        id: welcomeComponent

        // At the desktop's default text size.
        WelcomeView {
            iconName: "circle.grid.3x3.fill"
            systemScale: 1
        }
    }

    // Lays a text out again as it is drawn, to ask where its lines start
    // (a Text cannot tell).
    TextEdit {
        id: lineProbe

        visible: false
        readOnly: true
        textFormat: TextEdit.PlainText
    }

    ViewTestCase {
        name: "TextFits"

        // Half a pixel of rounding on either side is no cut.
        readonly property real tolerance: 0.5
        readonly property real panelWidth: 375
        readonly property real largeBoardFactor: 1.18

        property SudokuGame game: null
        property SudokuView view: null
        property var problems: []
        // Where the texts being checked are shown, for the messages.
        property string where: ""
        // Translation → key and key → translation, from this run's string
        // table.
        property var keys: ({})
        property var translations: ({})
        property var keyPatterns: []

        // ---- The string table, to name a failing text by its key ----

        function unescapeXml(text: string): string {
            return text.replace(/&lt;/g, "<").replace(/&gt;/g, ">").replace(/&quot;/g, "\"")
                .replace(/&apos;/g, "'").replace(/&amp;/g, "&");
        }

        function loadKeys() {
            const request = new XMLHttpRequest();
            request.open("GET", Qt.resolvedUrl("../../resources/translations/pondrel_"
                                               + Localized.language + ".ts"), false);
            request.send();
            const messages = /<source>([\s\S]*?)<\/source>\s*<translation[^>]*>([\s\S]*?)<\/translation>/g;
            let match;
            while ((match = messages.exec(request.responseText ?? "")) !== null) {
                const key = unescapeXml(match[1]).replace(/\|[a-z]+$/, "");
                const translation = unescapeXml(match[2]);
                keys[translation] = key;
                translations[key] = translation;
                // A formatted text: its conversions match any argument.
                const parts = translation.split(/%(?:\d+\$)?(?:@|lld|d|\.1f)/);
                if (parts.length > 1) {
                    const pattern = parts.map(part => part.replace(/[.*+?^${}()|[\]\\]/g, "\\$&"))
                        .join(".+").replace(/%%/g, "%");
                    keyPatterns.push({ pattern: new RegExp("^" + pattern + "$"), key: key });
                }
            }
        }

        function keyOf(text: string): string {
            if (keys[text] !== undefined) {
                return keys[text];
            }
            const found = keyPatterns.find(entry => entry.pattern.test(text));
            return found ? found.key : text;
        }

        // ---- Finding things ----

        function isText(item: Item): bool {
            return item.truncated !== undefined && item.lineCount !== undefined
                && typeof item.text === "string";
        }

        // The visible texts under `item`, skipping the subtree `skip`. The
        // grid's digits and notes are not translated and are left out.
        function texts(item: Item, skip: Item, found: var): var {
            if (!item.visible || item.opacity === 0 || item === skip
                    || item.objectName === "sudokuGrid") {
                return found;
            }
            if (isText(item) && item.text !== "") {
                found.push(item);
            }
            for (let i = 0; i < item.children.length; ++i) {
                texts(item.children[i], skip, found);
            }
            return found;
        }

        function visibleItems(item: Item, found: var): var {
            if (!item.visible || item.objectName === "sudokuGrid") {
                return found;
            }
            found.push(item);
            for (let i = 0; i < item.children.length; ++i) {
                visibleItems(item.children[i], found);
            }
            return found;
        }

        // The first visible item named `name` in the panel, or null.
        function findShown(name: string): Item {
            return findItem(panel.contentItem, name, true);
        }

        function find(name: string): Item {
            const found = findShown(name);
            verify(found, "no visible item " + name);
            return found;
        }

        // ---- The checks ----

        function describe(rect: rect): string {
            return rect.width.toFixed(1) + " × " + rect.height.toFixed(1) + " at ("
                + rect.x.toFixed(1) + ", " + rect.y.toFixed(1) + ")";
        }

        // Each problem once, with the language it was found in.
        function addProblem(line: string) {
            line = "[" + Localized.language + "] " + line;
            if (!problems.includes(line)) {
                problems.push(line);
            }
        }

        function report(text: Item, what: string) {
            addProblem(where + ": \"" + text.text + "\" (key \"" + keyOf(text.text) + "\", "
                       + text.font.pixelSize + " px) " + what);
        }

        // Where the text's glyphs are drawn, in `target`'s coordinates.
        function paintedRect(text: Item, target: Item): rect {
            const innerWidth = text.width - text.leftPadding - text.rightPadding;
            const innerHeight = text.height - text.topPadding - text.bottomPadding;
            let x = text.leftPadding;
            let y = text.topPadding;
            if (text.horizontalAlignment === Text.AlignHCenter) {
                x += (innerWidth - text.contentWidth) / 2;
            } else if (text.horizontalAlignment === Text.AlignRight) {
                x += innerWidth - text.contentWidth;
            }
            if (text.verticalAlignment === Text.AlignVCenter) {
                y += (innerHeight - text.contentHeight) / 2;
            } else if (text.verticalAlignment === Text.AlignBottom) {
                y += innerHeight - text.contentHeight;
            }
            return text.mapToItem(target, x, y, text.contentWidth, text.contentHeight);
        }

        function isFlickable(item: Item): bool {
            return item.contentY !== undefined && item.flickableDirection !== undefined;
        }

        // `rect` (window coordinates) inside `frame`'s rectangle from
        // (left, top) of size width × height; vertically only if asked.
        function checkInside(text: Item, rect: rect, frame: Item, left: real, top: real,
                             width: real, height: real, vertically: bool, what: string) {
            const box = frame.mapToItem(null, left, top, width, height);
            const outside = rect.x < box.x - tolerance
                || rect.x + rect.width > box.x + box.width + tolerance
                || (vertically && (rect.y < box.y - tolerance
                                   || rect.y + rect.height > box.y + box.height + tolerance));
            if (outside) {
                report(text, "sticks out of " + what + ": text " + describe(rect) + ", "
                       + what + " " + describe(box));
            }
        }

        // Each line after the first starts after a space, a hyphen, a slash
        // or a dash, never between two letters or digits of one word (which
        // Text.Wrap does to a word too long for the line, and WrapAnywhere
        // to any). Where a line starts is asked of the same text laid out
        // again at the size it is drawn: the first position whose cursor is
        // on the next line, whichever way the line runs. Chinese, Japanese
        // and Korean break between characters as their rules allow, and
        // Thai between words it writes without spaces (by its dictionary):
        // they are not checked.
        function checkLineBreaks(text: Item) {
            if (text.lineCount < 2 || /^(ja|ko|zh|th)/.test(Localized.language)) {
                return;
            }
            lineProbe.font = text.font;
            lineProbe.font.pixelSize = text.fontInfo.pixelSize;
            lineProbe.width = text.width - text.leftPadding - text.rightPadding;
            lineProbe.wrapMode = text.wrapMode;
            lineProbe.text = text.text;

            // Spaces, dashes and punctuation (the maqaf, the Arabic comma
            // and question mark too); QML's regular expressions know no
            // Unicode classes to name the letters instead.
            const separator = /[\s\-\u2010-\u2015\/·,.;:!?()\[\]«»„“”"'…×%\u05be\u060c\u061b\u061f]/;
            const inWord = character => character !== undefined && !separator.test(character);
            let lineTop = 0;
            for (let start = 1; start < text.text.length; ++start) {
                const top = lineProbe.positionToRectangle(start).y;
                if (top > lineTop && inWord(text.text[start - 1]) && inWord(text.text[start])) {
                    report(text, "breaks a word: \"" + text.text.slice(Math.max(0, start - 12), start)
                           + "|" + text.text.slice(start, start + 12) + "\"");
                }
                lineTop = top;
            }
        }

        function checkText(text: Item) {
            const innerWidth = text.width - text.leftPadding - text.rightPadding;
            const innerHeight = text.height - text.topPadding - text.bottomPadding;
            if (text.truncated) {
                report(text, "is elided in a box " + innerWidth.toFixed(1) + " × "
                       + innerHeight.toFixed(1) + " px");
            }
            if (text.contentWidth > innerWidth + tolerance
                    || text.contentHeight > innerHeight + tolerance) {
                report(text, "needs " + text.contentWidth.toFixed(1) + " × "
                       + text.contentHeight.toFixed(1) + " px in a box of "
                       + innerWidth.toFixed(1) + " × " + innerHeight.toFixed(1));
            }
            checkLineBreaks(text);
            // An English text the table translates was shown without its
            // lookup.
            if (keys[text.text] === undefined && translations[text.text] !== undefined
                    && translations[text.text] !== text.text) {
                report(text, "is shown in English; the table has \"" + translations[text.text] + "\"");
            }
            const rect = paintedRect(text, null);
            let scrolled = false;
            for (let frame = text.parent; frame; frame = frame.parent) {
                const name = frame.objectName !== "" ? frame.objectName : String(frame).split("(")[0];
                if (isFlickable(frame)) {
                    // Below the fold is scrolling, not cutting.
                    scrolled = true;
                    checkInside(text, rect, frame, 0, 0, frame.width, frame.height, false, name);
                } else if (frame.availableWidth !== undefined && frame.leftPadding !== undefined) {
                    // A control: its label stays within the side padding
                    // (off a capsule's round ends) and within its height.
                    checkInside(text, rect, frame, frame.leftPadding, 0, frame.availableWidth,
                                frame.height, !scrolled, name);
                } else if (frame.clip || frame.shadowBlur !== undefined
                           || (frame.radius !== undefined && frame.border !== undefined
                               && (frame.color.a > 0 || frame.border.width > 0))) {
                    // A clipping item, a card, a filled or outlined box.
                    checkInside(text, rect, frame, 0, 0, frame.width, frame.height, !scrolled, name);
                }
            }
            const window = text.Window.window;
            checkInside(text, rect, window.contentItem, 0, 0, window.width, window.height,
                        !scrolled, "the window");
        }

        function overlaps(a: rect, b: rect): bool {
            return a.x + tolerance < b.x + b.width && b.x + tolerance < a.x + a.width
                && a.y + tolerance < b.y + b.height && b.y + tolerance < a.y + a.height;
        }

        // Every text of one layer: fits, and overlaps no other.
        function checkLayer(name: string, layer: Item, skip: Item) {
            where = game ? boardName() + " " + name : name;
            // The layout of what just changed is done before the next frame.
            waitForRendering(layer);
            const found = texts(layer, skip ?? null, []);
            verify(found.length > 0, where + ": no texts found");
            // A card that grows with its texts stays inside the panel.
            const window = layer.Window.window;
            const frame = layer.mapToItem(null, 0, 0, layer.width, layer.height);
            if (frame.x < -tolerance || frame.x + frame.width > window.width + tolerance) {
                addProblem(where + ": " + describe(frame) + ", beyond the window's "
                           + window.width + " px");
            }
            const rects = found.map(text => paintedRect(text, null));
            for (let i = 0; i < found.length; ++i) {
                checkText(found[i]);
                for (let j = i + 1; j < found.length; ++j) {
                    if (overlaps(rects[i], rects[j])) {
                        report(found[i], "overlaps \"" + found[j].text + "\" (key \""
                               + keyOf(found[j].text) + "\"): " + describe(rects[i]) + " and "
                               + describe(rects[j]));
                    }
                }
            }
        }

        // Shows the tooltip of every control of `layer` that has one, at
        // once rather than after the hover delay, and checks its text.
        function checkToolTips(name: string, layer: Item) {
            where = boardName() + " " + name + " tooltip";
            for (const item of visibleItems(layer, [])) {
                const attached = item.ToolTip;
                if (!attached || attached.text === "") {
                    continue;
                }
                attached.delay = 0;
                attached.show(attached.text);
                const tip = attached.toolTip;
                tryVerify(() => tip.opened, 1000, "the tooltip of " + item + " opens");
                checkText(tip.contentItem);
                attached.hide();
            }
        }

        // ---- Driving the board ----

        function boardScale(): real {
            const textScale = Math.min(Math.max(Qt.application.font.pointSize / 10, 1), 1.65);
            const expected = textScale * (game.boardSize === "Large" ? largeBoardFactor : 1);
            // The view's own figure, wherever it keeps it.
            return typeof view.boardScale === "number" ? view.boardScale : expected;
        }

        function boardName(): string {
            return game.boardSize.toLowerCase() + " board (× " + boardScale().toFixed(2) + ")";
        }

        function checkPanelWidth(name: string, item: Item) {
            const allowed = panelWidth * boardScale();
            if (item.implicitWidth > allowed + tolerance) {
                addProblem(boardName() + " " + name + ": " + item.implicitWidth.toFixed(1)
                           + " px wide, more than " + allowed.toFixed(1));
            }
        }

        function makeBoard(boardSize: string) {
            // A fast clock, so the solved card and the statistics show a
            // time of minutes rather than 0:00.
            game = TestGames.makeGame(2);
            game.boardSize = boardSize;
            const board = createTemporaryObject(viewComponent, panel.contentItem, { game: game });
            verify(board);
            view = board;
            board.width = Qt.binding(() => board.implicitWidth);
            board.height = Qt.binding(() => board.implicitHeight);
            panel.width = Math.ceil(board.implicitWidth);
            panel.height = Math.ceil(board.implicitHeight);
            game.setPlayActive(true);
            tryCompare(panel, "width", Math.ceil(board.implicitWidth));
            // The open panel has the keys, as in the tray.
            panel.requestActivate();
            tryVerify(() => panel.active);
            checkPanelWidth("panel", view);
        }

        // The menu's entry `name` ("menuItem-Statistics").
        function chooseFromMenu(name: string) {
            mouseClick(find("moreMenuButton"));
            const entry = find(name);
            tryVerify(() => entry.width > 0 && entry.Window.window === panel);
            mouseClick(entry);
        }

        function openScreen(screen: string): Item {
            chooseFromMenu("menuItem-" + screen);
            const modal = find("modalScreen");
            checkPanelWidth(screen, modal);
            return modal;
        }

        function closeScreen() {
            mouseClick(find("closeScreenButton"));
            tryVerify(() => !game.isShowingScreen);
        }

        // Everything in the panel's overlay: the open popups.
        function checkPopups(name: string) {
            checkLayer(name, panel.contentItem, view);
        }

        // Escape to the panel, which closes the open popup.
        function pressEscape() {
            TestGames.sendKey(view, Qt.Key_Escape, 0, "");
        }

        // Opens the popup of the button `name`, which shows `entry`.
        function openPopup(name: string, entry: string) {
            mouseClick(find(name));
            tryVerify(() => findShown(entry) !== null, 1000, name + " opens");
        }

        function openAndCheckPopup(name: string, entry: string, layer: string) {
            openPopup(name, entry);
            checkPopups(layer);
            pressEscape();
            tryVerify(() => findShown(entry) === null);
        }

        function checkBoardSize(boardSize: string) {
            makeBoard(boardSize);

            checkLayer("board", view);
            checkToolTips("board", view);

            openAndCheckPopup("moreMenuButton", "menuItem-Quit", "menu");

            // The header's notice: a real hint's reason, then every line of
            // Next Step and of the hint, with each technique that reads it,
            // and every copy and paste message in its place.
            game.tapCell(2);
            game.giveHint();
            checkLayer("hint explanation", view);
            const techniques = new Set();
            for (const line of TestGames.stepLineSamples()) {
                view.noticeMessage = Localized.line(line);
                checkLayer("notice \"" + line.key + "\" " + line.technique, view);
                if (line.technique) {
                    techniques.add(line.technique);
                }
            }
            verify(techniques.size >= 26, "every technique has a line");
            const two = "003456789456789123789123456004365897365897214897214365531642978642978531978531642";
            const none = "55" + two.slice(2);
            for (const text of ["no puzzle", two, none]) {
                Clipboard.setText(text);
                view.pastePuzzle();
                checkLayer("paste message for " + text.slice(0, 9), view);
            }
            view.copyPuzzle();
            checkLayer("copy message", view);
            view.noticeMessage = "";
            // Back to the untouched board, with no selection.
            game.undo();
            game.tapCell(game.selectedCell);

            // A started game asks before it is abandoned.
            game.tapCell(2);
            game.pressDigit(4);
            mouseClick(find("newPuzzleButton"));
            checkLayer("abandon-game question", find("abandonGameDialog"));
            mouseClick(find("cancelNewPuzzleButton"));

            let modal = openScreen("Preferences");
            // The note under Launch at Login shows while the desktop has the
            // autostart entry turned off.
            modal.loginItemStatus = 2;
            verify(find("switchRowNote").visible);
            checkLayer("Preferences", modal);
            checkToolTips("Preferences", modal);
            openAndCheckPopup("boardSizePicker", "choiceMenuEntry", "boardSizePicker list");
            openAndCheckPopup("difficultyPicker", "choiceMenuEntry", "difficultyPicker list");
            // Another difficulty during a game asks first.
            openPopup("difficultyPicker", "choiceMenuEntry");
            const current = find("difficultyPicker").text;
            mouseClick(visibleItems(panel.contentItem, [])
                       .find(item => item.objectName === "choiceMenuEntry" && item.text !== current));
            checkLayer("difficulty question", find("rulesChangeDialog"));
            mouseClick(find("cancelRulesChangeButton"));
            closeScreen();

            for (const screen of ["How to Play", "About"]) {
                modal = openScreen(screen);
                checkLayer(screen, modal);
                closeScreen();
            }

            fillByHand(game, 81);
            verify(game.hasWon);
            checkLayer("solved card", find("puzzleSolvedOverlay"));

            modal = openScreen("Statistics");
            checkLayer("Statistics", modal);
            checkToolTips("Statistics", modal);
            mouseClick(find("resetStatsButton"));
            checkLayer("reset question", find("resetStatsDialog"));
            mouseClick(find("cancelResetStatsButton"));
            closeScreen();
        }

        // One line per problem (a test failure message is cut short), then
        // the failure with the first of them.
        function verifyNoProblems() {
            for (const line of problems) {
                console.warn(line);
            }
            verify(problems.length === 0, problems.length + " problems, the first: " + problems[0]);
        }

        // The language this run's environment asks for (LANGUAGE).
        function requestedLanguage(): string {
            const request = new XMLHttpRequest();
            request.open("GET", "file:///proc/self/environ", false);
            request.send();
            const setting = (request.responseText ?? "").split("\0")
                .find(line => line.startsWith("LANGUAGE="));
            return setting ? setting.slice("LANGUAGE=".length) : "";
        }

        function initTestCase() {
            // Each run checks the table it was started for, not English
            // shown in its place.
            const requested = requestedLanguage();
            if (requested !== "") {
                compare(Localized.language, requested, "the display language");
            }
            // Without a font for the script the texts would be measured as
            // missing-glyph boxes; dev.sh installs these.
            const scriptFonts = [
                { languages: /^(ja|ko|zh)/, families: /^Noto Sans CJK/, debian: "fonts-noto-cjk" },
                { languages: /^hi/, families: /^(Lohit|Noto Sans) Devanagari/, debian: "fonts-lohit-deva" },
                { languages: /^bn/, families: /^(Lohit|Noto Sans) Bengali/, debian: "fonts-lohit-beng-bengali" },
                { languages: /^th/, families: /^(Loma|Noto Sans Thai)/, debian: "fonts-thai-tlwg" },
            ];
            for (const script of scriptFonts) {
                if (script.languages.test(Localized.language)) {
                    verify(Qt.fontFamilies().some(family => script.families.test(family)),
                           "no font for " + Localized.language + ": install " + script.debian);
                }
            }
            const script = { ar: "Arabic", fa: "Arabic", he: "Hebrew" }[Localized.language];
            if (script) {
                verify(Qt.fontFamilies().includes("Noto Sans " + script),
                       "no Noto Sans " + script + " font: install fonts-noto-core");
            }
            loadKeys();
            verify(Object.keys(keys).length > 0, "the string table of " + Localized.language
                   + " (file reads need QML_XHR_ALLOW_FILE_READ=1)");
        }

        function cleanup() {
            view?.destroy();
            view = null;
            if (game) {
                TestGames.discard(game);
            }
            game = null;
            problems = [];
        }

        function test_everyTextFits_data() {
            return [{ tag: "standard", boardSize: "Standard" }, { tag: "large", boardSize: "Large" }];
        }

        function test_everyTextFits(data) {
            checkBoardSize(data.boardSize);
            verifyNoProblems();
        }

        // The board size plays no part in the welcome window.
        function test_welcomeWindowFits() {
            const welcome = createTemporaryObject(welcomeComponent, welcomeWindow.contentItem);
            verify(welcome);
            welcomeWindow.width = Qt.binding(() => welcome.implicitWidth);
            welcomeWindow.height = Qt.binding(() => welcome.implicitHeight);
            tryCompare(welcomeWindow, "width", welcome.implicitWidth);
            checkLayer("welcome window", welcome);
            verifyNoProblems();
        }
    }
}
