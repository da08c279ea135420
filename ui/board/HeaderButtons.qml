import QtQuick
import QtQuick.Controls.Basic
import Pondrel

// The three round buttons at the right end of the header: a new puzzle,
// undo, and the menu of the screens and Quit; with the keyboard shortcuts
// that do the same. The buttons only ask; the board screen decides what a
// request does (a new puzzle may need a confirmation, a screen may not
// open while one is showing).
Row {
    id: root

    required property SudokuGame game
    required property real boardScale
    property bool reduceMotion: false
    // The board takes the keys (no screen covers it and no question is
    // open); the board's own shortcuts wait otherwise. Quit always works.
    property bool acceptsShortcuts: true

    // The screens of the menu, in its order, by their titles.
    readonly property list<string> screens: ["Preferences", "Statistics", "How to Play", "About"]
    readonly property alias menu: menu
    readonly property bool canUndo: game.historyCount > 0 && !game.hasWon

    signal newPuzzleRequested
    signal screenRequested(string screen)
    signal quitRequested
    signal copyRequested
    signal pasteRequested

    // `key` with its "⌘" shortcut replaced by how this desktop writes
    // `shortcut` ("New Puzzle (⌘N)" → "New Puzzle (Ctrl+N)"); translations
    // keep the ⌘ form of the English key.
    function withShortcut(text: string, shortcut: Shortcut): string {
        return text.replace(/⌘./, shortcut.nativeText);
    }

    function undo() {
        if (canUndo) {
            game.undo();
        }
    }

    // Redo has no button; its keys are named in Undo's tooltip.
    function redo() {
        if (game.redoCount > 0 && !game.hasWon) {
            game.redo();
        }
    }

    spacing: 8 * boardScale

    // Written out rather than as standard keys: the desktops' key schemes
    // differ (KDE puts Preferences on Ctrl+Shift+Comma), while the game's
    // shortcuts are the same everywhere.
    Shortcut {
        id: newPuzzleShortcut

        sequence: "Ctrl+N"
        enabled: root.acceptsShortcuts
        onActivated: root.newPuzzleRequested()
    }

    Shortcut {
        id: undoShortcut

        sequence: "Ctrl+Z"
        enabled: root.acceptsShortcuts && root.canUndo
        onActivated: root.undo()
    }

    Shortcut {
        id: redoShortcut

        sequence: "Ctrl+Shift+Z"
        enabled: root.acceptsShortcuts
        onActivated: root.redo()
    }

    // The other desktops' redo key.
    Shortcut {
        sequence: "Ctrl+Y"
        enabled: root.acceptsShortcuts
        onActivated: root.redo()
    }

    Shortcut {
        id: preferencesShortcut

        sequence: "Ctrl+,"
        enabled: root.acceptsShortcuts
        onActivated: root.screenRequested(root.screens[0])
    }

    Shortcut {
        id: quitShortcut

        sequence: "Ctrl+Q"
        onActivated: root.quitRequested()
    }

    HeaderButton {
        objectName: "newPuzzleButton"
        boardScale: root.boardScale
        symbol: "square.grid.3x3"
        accessibleName: Localized.text("New Puzzle")
        toolTip: root.withShortcut(Localized.text("New Puzzle (⌘N)"), newPuzzleShortcut)
        onClicked: root.newPuzzleRequested()
    }

    HeaderButton {
        id: undoButton

        // One bounce of the symbol per undo, so a step back is seen even
        // where the board barely changes. Played only when the count
        // changes, never when the view is made.
        readonly property bool isBouncing: bounce.running

        objectName: "undoButton"
        boardScale: root.boardScale
        symbol: "arrow.uturn.backward"
        accessibleName: Localized.text("Undo")
        toolTip: root.withShortcut(Localized.text("Undo (⌘Z)"), undoShortcut) + " · "
                 + Localized.text("Redo (⇧⌘Z)").replace("⇧⌘Z", redoShortcut.nativeText)
        enabled: root.canUndo
        onClicked: root.undo()

        Connections {
            target: root.game

            function onUndoCountChanged() {
                if (!root.reduceMotion) {
                    bounce.restart();
                }
            }
        }

        SequentialAnimation {
            id: bounce

            NumberAnimation {
                target: undoButton.contentItem
                property: "scale"
                to: 0.8
                duration: 70
                easing.type: Easing.OutQuad
            }
            NumberAnimation {
                target: undoButton.contentItem
                property: "scale"
                to: 1.18
                duration: 120
                easing.type: Easing.OutQuad
            }
            NumberAnimation {
                target: undoButton.contentItem
                property: "scale"
                to: 1
                duration: 160
                easing.type: Easing.OutBack
            }
        }
    }

    HeaderButton {
        id: menuButton

        objectName: "moreMenuButton"
        boardScale: root.boardScale
        // The menu was open when the press came: that press closed it, and
        // its click should not open it again.
        property bool menuWasOpen: false

        symbol: "chevron.down"
        accessibleName: Localized.text("Menu")
        toolTip: Localized.text("Preferences, Statistics, How to Play, About & Quit")
        // The open menu says it all; the tooltip would lie over it.
        ToolTip.visible: hovered && !menu.visible
        onPressed: menuWasOpen = menu.visible
        onClicked: {
            if (!menuWasOpen) {
                menu.open();
            }
        }

        BoardMenu {
            id: menu

            y: menuButton.height + 4 * root.boardScale
            x: menuButton.width - width
            boardScale: root.boardScale
            screens: root.screens
            preferencesShortcut: preferencesShortcut.nativeText
            quitShortcut: quitShortcut.nativeText
            onScreenChosen: screen => root.screenRequested(screen)
            onCopyChosen: root.copyRequested()
            onPasteChosen: root.pasteRequested()
            onQuitChosen: root.quitRequested()
        }
    }

    // A round, symbol-only button in the regular look.
    component HeaderButton: GlassToggleStyle {
        required property real boardScale
        required property string accessibleName
        property string toolTip

        width: 28 * boardScale
        height: width
        padding: 0
        // The symbol at the size of 12-point text, in a 16-point frame.
        symbolSize: 14 * boardScale
        fontSize: 12 * boardScale
        Accessible.name: accessibleName
        Accessible.description: toolTip
        ToolTip.text: toolTip
        ToolTip.visible: hovered
        ToolTip.delay: 600
    }
}
