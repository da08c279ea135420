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

    // The board's own shortcuts wait while it does not take the keys; Quit
    // always works.
    required property BoardContext board

    readonly property alias menu: menu
    readonly property bool canUndo: board.game.canUndo

    signal newPuzzleRequested
    signal screenRequested(string screen)
    signal quitRequested
    signal copyRequested
    signal pasteRequested
    signal nextStepRequested

    // `text` with its "⌘" (or "⇧⌘") shortcut replaced by how this desktop
    // writes `shortcut` ("New Puzzle (⌘N)" → "New Puzzle (Ctrl+N)");
    // translations keep the ⌘ form of the English key.
    function withShortcut(text: string, shortcut: Shortcut): string {
        return text.replace(/⇧?⌘./, shortcut.nativeText);
    }

    spacing: 8 * board.boardScale

    Shortcut {
        id: newPuzzleShortcut

        sequence: KeyboardShortcuts.newPuzzle
        enabled: root.board.takesKeys
        onActivated: root.newPuzzleRequested()
    }

    Shortcut {
        id: undoShortcut

        sequence: KeyboardShortcuts.undo
        enabled: root.board.takesKeys && root.canUndo
        onActivated: root.board.game.undo()
    }

    // Redo has no button; its keys are named in Undo's tooltip. The game
    // refuses a redo it cannot take.
    Shortcut {
        id: redoShortcut

        sequence: KeyboardShortcuts.redo
        enabled: root.board.takesKeys
        onActivated: root.board.game.redo()
    }

    // The other desktops' redo key.
    Shortcut {
        sequence: KeyboardShortcuts.redoAlternative
        enabled: root.board.takesKeys
        onActivated: root.board.game.redo()
    }

    Shortcut {
        id: preferencesShortcut

        sequence: KeyboardShortcuts.preferences
        enabled: root.board.takesKeys
        onActivated: root.screenRequested(ModalScreen.preferences)
    }

    Shortcut {
        id: quitShortcut

        sequence: KeyboardShortcuts.quit
        onActivated: root.quitRequested()
    }

    SymbolButton {
        objectName: "newPuzzleButton"
        symbol: "square.grid.3x3"
        Accessible.name: Localized.text("New Puzzle")
        toolTip: root.withShortcut(Localized.text("New Puzzle (⌘N)"), newPuzzleShortcut)
        onClicked: root.newPuzzleRequested()
    }

    SymbolButton {
        id: undoButton

        // One bounce of the symbol per undo, so a step back is seen even
        // where the board barely changes. Played only when the count
        // changes, never when the view is made.
        readonly property bool isBouncing: bounce.running

        objectName: "undoButton"
        symbol: "arrow.uturn.backward"
        symbolPointsAlongLine: true
        Accessible.name: Localized.text("Undo")
        toolTip: root.withShortcut(Localized.text("Undo (⌘Z)"), undoShortcut) + " · "
                 + root.withShortcut(Localized.text("Redo (⇧⌘Z)"), redoShortcut)
        enabled: root.canUndo
        onClicked: root.board.game.undo()

        Connections {
            target: root.board.game

            function onUndoCountChanged() {
                if (!root.board.reduceMotion) {
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

    SymbolButton {
        id: menuButton

        objectName: "moreMenuButton"
        // The menu was open when the press came: that press closed it, and
        // its click should not open it again.
        property bool menuWasOpen: false

        symbol: "chevron.down"
        Accessible.name: Localized.text("Menu")
        toolTip: Localized.text("Preferences, Statistics, How to Play, About & Quit")
        // The open menu says it all; the tooltip would lie over it.
        ToolTip.visible: hovered && !menu.visible
        onPressed: menuWasOpen = menu.visible
        // Opened from the keyboard, the menu starts on its first item, as a
        // desktop's menus do: the arrows go on from there, and a screen
        // reader says where the player is.
        function openMenu() {
            menu.fromKeyboard = visualFocus;
            menu.open();
        }

        onClicked: {
            if (!menuWasOpen) {
                openMenu();
            }
        }
        // Return opens it too, as Space does: it is the menu's button.
        Keys.onReturnPressed: openMenu()
        Keys.onEnterPressed: openMenu()

        BoardMenu {
            id: menu

            property bool fromKeyboard: false

            y: menuButton.height + 4 * root.board.boardScale
            // Under the button, opening towards the panel's middle.
            x: root.LayoutMirroring.enabled ? 0 : menuButton.width - width
            board: root.board
            preferencesShortcut: preferencesShortcut.nativeText
            quitShortcut: quitShortcut.nativeText
            onScreenChosen: screen => root.screenRequested(screen)
            onCopyChosen: root.copyRequested()
            onPasteChosen: root.pasteRequested()
            onNextStepChosen: root.nextStepRequested()
            onQuitChosen: root.quitRequested()
            onOpened: {
                if (fromKeyboard) {
                    currentIndex = 0;
                }
            }
        }
    }
}
