import QtQuick
import QtQuick.Window
import Pondrel

// The board screen, the whole content of the tray panel: the board column
// sized by one scale factor, and the keyboard and pointer handling that
// turns presses and clicks into moves of the game.
//
// Keys are handled here rather than on the grid so that they also arrive
// while a control below the grid has the focus; most of them act only while
// the grid itself holds the focus and nothing covers the board.
//
// Play activity (the clock) follows the panel window and is the host's job;
// this view resets its own state whenever the panel is shown.
FocusScope {
    id: root

    required property SudokuGame game
    // What the desktop asks of the board (less motion, more contrast, its
    // text size), as the host reads and follows it.
    property DesktopPreferences desktop: DesktopPreferences {}

    // The selected cell shows its focus ring: the player is using the keys.
    property alias showKeyboardFocus: board.showsKeyboardFocus
    // The abandon-this-game confirmation is over the board.
    property alias isConfirmingNewPuzzle: newPuzzle.confirming
    // The screen shown over the board while game.isShowingScreen is true,
    // by its title ("Preferences", "Statistics", "How to Play", "About").
    property string presentedScreen: ModalScreen.preferences
    readonly property bool boardHasFocus: column.grid.activeFocus

    // The desktop's text size, already held where the panel still fits a
    // laptop screen.
    readonly property real systemScale: desktop.textScale
    // Every size of the board screen is a number of points times this.
    readonly property real boardScale: BoardMetrics.boardScale(systemScale, game.boardSize)

    readonly property BoardColors colors: BoardColors {
        increasedContrast: root.desktop.increasedContrast
    }
    // What every board part reads (the game, scale, colours, motion, keys),
    // in one object each part takes as its required `board` and passes on,
    // instead of each value relayed by hand through every level. A plain
    // object rather than a context property or a singleton: a part says
    // what it needs, and a test gives it a board of its own. The parts act
    // on `board.game` themselves, as a cell taps itself; only what belongs
    // to this screen (screens, the new-puzzle question, Quit) comes here.
    readonly property BoardContext board: BoardContext {
        id: board

        game: root.game
        boardScale: root.boardScale
        colors: root.colors
        reduceMotion: root.desktop.reduceMotion
        takesKeys: !root.game.isShowingScreen && !root.isConfirmingNewPuzzle
    }
    readonly property alias grid: column.grid
    // What the new-puzzle button, Ctrl+N and Play Again do.
    readonly property NewPuzzleRequest newPuzzleRequest: NewPuzzleRequest {
        id: newPuzzle

        game: root.game
    }

    // Keys act on the board only while it has the focus and nothing
    // covers it.
    readonly property bool boardAcceptsKeys: board.takesKeys && boardHasFocus

    // What Quit does: ask the host to end the application, which stops the
    // clock and writes the game first. Tests put a stand-in here.
    property var terminate: () => Qt.quit()

    function focusBoard() {
        column.grid.forceActiveFocus();
    }

    // The new puzzle button and Ctrl+N: deals at once, or first asks
    // whether to abandon a game in progress.
    function requestNewPuzzle() {
        newPuzzle.request();
    }

    // Shows `screen` (by its title) over the board. A menu choice waits
    // while the new-puzzle question is open.
    function openScreen(screen: string) {
        if (isConfirmingNewPuzzle) {
            return;
        }
        presentedScreen = screen;
        game.isShowingScreen = true;
    }

    // A copy or paste message in the header, until the next change to the
    // board or a few seconds have passed.
    property string noticeMessage: ""

    function showNotice(message: string) {
        noticeMessage = message;
        noticeTimer.restart();
    }

    // Ctrl+C and Copy Puzzle: the givens as text, "." for an empty cell.
    function copyPuzzle() {
        Clipboard.setText(game.puzzleText());
        showNotice(Localized.text("Puzzle copied"));
    }

    // Ctrl+V and Paste Puzzle: a puzzle with one solution becomes the new
    // game (after the abandon question when one is in progress); anything
    // else is said in the header and changes nothing.
    function pastePuzzle() {
        const refusals = {
            "noPuzzle": QT_TRANSLATE_NOOP("Pondrel", "The clipboard holds no puzzle"),
            "noSolution": QT_TRANSLATE_NOOP("Pondrel", "This puzzle has no solution"),
            "severalSolutions": QT_TRANSLATE_NOOP("Pondrel", "This puzzle has more than one solution")
        };
        const answer = newPuzzle.paste(Clipboard.text());
        if (refusals[answer] !== undefined) {
            showNotice(Localized.text(refusals[answer]));
        }
    }

    function dismissScreen() {
        game.isShowingScreen = false;
    }

    function quit() {
        terminate();
    }

    // The keys go to whatever lies on top: a screen (or the question it
    // asks) over the board, the solved card's Play Again, else the board
    // itself.
    function focusTopmost() {
        if (game.isShowingScreen) {
            screenLoader.item?.focusTopmost();
        } else if (game.hasWon) {
            solvedOverlay.focusPlayAgain();
        } else {
            focusBoard();
        }
    }

    // Each opening of the panel starts without the focus ring and without a
    // pending confirmation, with the keys going to what is on top; a screen
    // left open stays open, with its question.
    function boardAppeared() {
        showKeyboardFocus = false;
        isConfirmingNewPuzzle = false;
        focusTopmost();
    }

    // Moving the focus with Tab is steering with the keyboard too.
    function tabPressed() {
        if (!game.isShowingScreen) {
            showKeyboardFocus = true;
        }
    }

    // The keypad flag only says where a key sits, and the group switch which
    // layout is active; neither is a modifier the player holds.
    function heldModifiers(event: KeyEvent): int {
        return event.modifiers & ~(Qt.KeypadModifier | Qt.GroupSwitchModifier);
    }

    function isPlain(event: KeyEvent): bool {
        return heldModifiers(event) === Qt.NoModifier;
    }

    // The digit 1-9 a key types, or 0: the Persian layout types ۱-۹,
    // Arabic layouts can type ١-٩ and the Bengali and Hindi ones ১-৯ and
    // १-९, which are the same digits.
    function typedDigit(text: string): int {
        for (const digits of ["0123456789", "٠١٢٣٤٥٦٧٨٩", "۰۱۲۳۴۵۶۷۸۹", "০১২৩৪৫৬৭৮৯",
                              "०१२३४५६७८९"]) {
            const digit = text.length === 1 ? digits.indexOf(text) : -1;
            if (digit > 0) {
                return digit;
            }
        }
        return 0;
    }

    // French and Belgian layouts put the digits of the top row on Shift, so
    // a digit typed with Shift alone is still that digit; Ctrl, Alt and Meta
    // make it some other command.
    function isDigitKey(event: KeyEvent): bool {
        const held = heldModifiers(event);
        return typedDigit(event.text) > 0
                && (held === Qt.NoModifier || held === Qt.ShiftModifier);
    }

    function headerHasFocus(): bool {
        for (let item = Window.activeFocusItem; item; item = item.parent) {
            if (item === column.headerButtons) {
                return true;
            }
        }
        return false;
    }

    function handleKey(event: KeyEvent) {
        event.accepted = false;
        const moves = [[StandardKey.MoveToPreviousLine, -1, 0],
                       [StandardKey.MoveToNextLine, 1, 0],
                       [StandardKey.MoveToPreviousChar, 0, -1],
                       [StandardKey.MoveToNextChar, 0, 1]];
        for (const [command, rowDelta, columnDelta] of moves) {
            if (event.matches(command)) {
                // Not while a header button has the keys: the selection
                // would move unseen, and unheard, under it.
                if (board.takesKeys && !headerHasFocus()) {
                    showKeyboardFocus = true;
                    game.moveSelection(rowDelta, columnDelta);
                    event.accepted = true;
                }
                return;
            }
        }

        if (event.key === Qt.Key_Tab || event.key === Qt.Key_Backtab) {
            // Left unaccepted, so the focus still moves on.
            tabPressed();
            return;
        }

        if (!boardAcceptsKeys) {
            return;
        }
        const text = event.text;
        const plain = isPlain(event);
        if (isDigitKey(event)) {
            showKeyboardFocus = true;
            game.pressDigit(typedDigit(text));
            event.accepted = true;
        } else if (plain && (event.key === Qt.Key_Backspace || event.key === Qt.Key_Delete
                             || /[\u007f\u0008\uf728]/.test(text))) {
            game.eraseSelectedCell();
            event.accepted = true;
        } else if (event.matches(StandardKey.Delete)) {
            game.eraseSelectedCell();
            event.accepted = true;
        } else if (event.matches(StandardKey.Copy)) {
            copyPuzzle();
            event.accepted = true;
        } else if (event.matches(StandardKey.Paste)) {
            pastePuzzle();
            event.accepted = true;
        } else if (plain && event.key === Qt.Key_Escape && game.stepLine.key !== undefined) {
            // Escape takes a Next Step away first; left unaccepted, it goes
            // on to close the panel.
            game.dismissStep();
            event.accepted = true;
        } else if (plain && text.length === 1 && "nNaAhHsS".includes(text)) {
            switch (text.toLowerCase()) {
            case "n":
                game.isNotesMode = !game.isNotesMode;
                break;
            case "a":
                game.fillAllNotes();
                break;
            case "s":
                game.nextStep();
                break;
            default:
                game.giveHint();
                break;
            }
            event.accepted = true;
        }
    }

    implicitWidth: column.implicitWidth
    implicitHeight: column.implicitHeight
    // The scale and colours that the screens and shared controls below read
    // as their `Theme`, each where it draws, without a hand relay per level.
    Theme.boardScale: boardScale
    Theme.colors: colors
    focus: true
    // Arabic, Hebrew and Persian read the panel from the right: the title
    // at the right, the buttons at the left, the pad and the tools running
    // from the right. The grid keeps its geometry (BoardGrid.qml).
    LayoutMirroring.enabled: Qt.application.layoutDirection === Qt.RightToLeft
    LayoutMirroring.childrenInherit: true

    Keys.onPressed: event => root.handleKey(event)
    // A view made while its window is already up (the tests) has appeared.
    Component.onCompleted: {
        if (Window.window?.visible) {
            boardAppeared();
        }
    }

    Rectangle {
        anchors.fill: parent
        color: root.colors.background
        border.width: 1
        border.color: root.colors.panelOutline
    }

    // Hidden but kept while a screen covers the board, so the board keeps
    // its size and comes back as it was. Invisible too, not only
    // transparent: a screen reader would otherwise still list the board's
    // controls as on screen under the screen.
    BoardColumn {
        id: column

        anchors.fill: parent
        opacity: root.game.isShowingScreen ? 0 : 1
        visible: !root.game.isShowingScreen
        enabled: !root.game.isShowingScreen
        board: root.board
        noticeMessage: root.noticeMessage
    }

    // Part of the board: a screen over the board hides it too, or the card
    // would show through the screen and be read out with it.
    SolvedOverlay {
        id: solvedOverlay

        visible: root.game.hasWon && !root.game.isShowingScreen
        x: 187.5 * root.boardScale - width / 2
        y: 230 * root.boardScale - height / 2
        width: implicitWidth
        height: implicitHeight
        board: root.board
        onPlayAgain: {
            newPuzzle.playAgain();
            root.focusBoard();
        }
    }

    // Over the column's whole frame while the question is open; it takes
    // the keys then and hands them back to the board when it closes.
    Loader {
        anchors.fill: column
        active: root.isConfirmingNewPuzzle
        sourceComponent: AbandonGameConfirmation {
            request: newPuzzle
            board: root.board
        }
        onActiveChanged: {
            if (!active && !root.game.isShowingScreen) {
                root.focusBoard();
            }
        }
    }

    // Made afresh for each opening: a screen's own state ends with it.
    Loader {
        id: screenLoader

        anchors.fill: parent
        active: root.game.isShowingScreen
        // Once the screen is laid out, so its first control can take the keys.
        onLoaded: Qt.callLater(() => item?.focusTopmost())
        sourceComponent: ModalScreenView {
            objectName: "modalScreen"
            game: root.game
            screen: root.presentedScreen
            onDismissed: root.dismissScreen()
        }
    }

    // What the board has read out (see BoardContext.announce): a
    // notification, which a screen reader speaks when it appears, inside a
    // status bar, so it is read without the word "notification". The lines
    // of one turn are said together: a screen reader reads the text once
    // the notification shows, and would read the last one twice.
    Item {
        id: announcer

        property var pending: []

        function say(text: string) {
            pending = pending.concat([text]);
            Qt.callLater(flush);
        }

        function flush() {
            if (pending.length === 0) {
                return;
            }
            notification.visible = false;
            notification.text = pending.join(". ");
            pending = [];
            notification.visible = true;
        }

        Accessible.role: Accessible.StatusBar
        Accessible.name: ""

        Item {
            id: notification

            property string text

            objectName: "announcement"
            visible: false
            Accessible.role: Accessible.Notification
            Accessible.name: text
        }
    }

    Connections {
        target: board

        function onAnnounce(text: string) {
            announcer.say(text);
        }
    }

    Connections {
        target: root.Window.window

        function onVisibleChanged() {
            if (root.Window.window.visible) {
                root.boardAppeared();
            }
        }
    }

    Timer {
        id: noticeTimer

        interval: 4000
        onTriggered: root.noticeMessage = ""
    }

    // The header's buttons and shortcuts only ask; the board screen decides.
    Connections {
        target: column.headerButtons

        function onNewPuzzleRequested() {
            root.requestNewPuzzle();
        }

        function onScreenRequested(screen: string) {
            root.openScreen(screen);
        }

        function onQuitRequested() {
            root.quit();
        }

        function onCopyRequested() {
            root.copyPuzzle();
        }

        function onPasteRequested() {
            root.pastePuzzle();
        }

        function onNextStepRequested() {
            root.game.nextStep();
            root.focusBoard();
        }
    }

    // The header's menu, closing, leaves the keys with the window's root
    // item; they go back to what is on top (the board, or the screen chosen).
    Connections {
        target: column.headerButtons.menu

        function onClosed() {
            root.focusTopmost();
        }
    }

    Connections {
        target: root.game

        function onValuesChanged() {
            root.noticeMessage = "";
        }

        function onNotesChanged() {
            root.noticeMessage = "";
        }

        // A Next Step asked for takes the header from a copy or paste message.
        function onShownStepChanged() {
            root.noticeMessage = "";
        }

        // The keys go to the solved card's Play Again, so a screen reader
        // hears the win (the card's title and time) as they arrive.
        function onHasWonChanged() {
            if (root.game.hasWon && root.boardAcceptsKeys) {
                Qt.callLater(solvedOverlay.focusPlayAgain);
            }
        }

        function onIsShowingScreenChanged() {
            root.showKeyboardFocus = false;
            // The column is enabled again by its own binding, which may run
            // after this handler; a disabled grid cannot take the focus.
            if (!root.game.isShowingScreen) {
                Qt.callLater(root.focusBoard);
            }
        }
    }
}
