import QtQuick
import QtQuick.Controls.Basic
import Pondrel

// The pull-down of the header's menu button: one item per screen, a
// divider, the board's own commands (Next Step, copying and pasting the
// puzzle as text), a divider, and Quit. Items with a keyboard shortcut show it at their right edge; the
// shortcuts themselves belong to the header and the board screen.
Menu {
    id: root

    required property BoardContext board
    // How this desktop writes the shortcuts of Preferences and Quit.
    property string preferencesShortcut
    property string quitShortcut

    signal screenChosen(string screen)
    signal quitChosen
    signal copyChosen
    signal pasteChosen
    signal nextStepChosen

    topPadding: 5 * board.boardScale
    bottomPadding: 5 * board.boardScale

    background: Rectangle {
        // Room for "Quit Pondrel Sudoku" beside its shortcut.
        implicitWidth: 240 * root.board.boardScale
        radius: 8 * root.board.boardScale
        color: DesktopPalette.active.base
        border.width: 1
        border.color: DesktopPalette.isDark ? Qt.rgba(1, 1, 1, 0.18) : Qt.rgba(0, 0, 0, 0.16)
    }

    Repeater {
        model: ModalScreen.allCases

        BoardMenuItem {
            required property string modelData

            objectName: "menuItem-" + modelData
            text: Localized.text(modelData)
            shortcutText: modelData === ModalScreen.preferences ? root.preferencesShortcut : ""
            onTriggered: root.screenChosen(modelData)
        }
    }

    MenuDivider {}

    BoardMenuItem {
        objectName: "menuItem-NextStep"
        text: Localized.text("Next Step")
        shortcutText: "S"
        onTriggered: root.nextStepChosen()
    }

    BoardMenuItem {
        objectName: "menuItem-Copy"
        text: Localized.text("Copy Puzzle")
        shortcutText: copyKeys.nativeText
        onTriggered: root.copyChosen()
    }

    BoardMenuItem {
        objectName: "menuItem-Paste"
        text: Localized.text("Paste Puzzle")
        shortcutText: pasteKeys.nativeText
        onTriggered: root.pasteChosen()
    }

    MenuDivider {}

    BoardMenuItem {
        objectName: "menuItem-Quit"
        text: Localized.text("Quit Pondrel Sudoku")
        shortcutText: root.quitShortcut
        onTriggered: root.quitChosen()
    }

    // Only for how this desktop writes the keys; the board screen handles
    // them.
    Shortcut {
        id: copyKeys

        sequence: KeyboardShortcuts.copy
        enabled: false
    }

    Shortcut {
        id: pasteKeys

        sequence: KeyboardShortcuts.paste
        enabled: false
    }

    component MenuDivider: MenuSeparator {
        contentItem: Rectangle {
            implicitHeight: 1
            color: DesktopPalette.isDark ? Qt.rgba(1, 1, 1, 0.15) : Qt.rgba(0, 0, 0, 0.12)
        }
    }

    component BoardMenuItem: MenuItem {
        id: item

        property string shortcutText

        implicitHeight: Math.round(24 * Theme.boardScale)
        // A menu lies outside the mirrored view: its items mirror on their own.
        LayoutMirroring.enabled: Qt.application.layoutDirection === Qt.RightToLeft
        LayoutMirroring.childrenInherit: true
        leftPadding: 12 * Theme.boardScale
        rightPadding: 12 * Theme.boardScale
        font.pixelSize: Math.round(13 * Theme.boardScale)
        Accessible.name: text
        Accessible.onPressAction: triggered()

        contentItem: Item {
            implicitWidth: label.implicitWidth + (shortcut.text ? 24 * Theme.boardScale
                                                                 + shortcut.implicitWidth : 0)
            implicitHeight: label.implicitHeight

            Text {
                id: label

                anchors.left: parent.left
                anchors.verticalCenter: parent.verticalCenter
                text: item.text
                font: item.font
                color: item.highlighted ? DesktopPalette.active.highlightedText
                                        : DesktopPalette.active.text
            }

            Text {
                id: shortcut

                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                text: item.shortcutText
                font: item.font
                color: label.color
                opacity: 0.6
            }
        }

        background: Rectangle {
            x: 5 * Theme.boardScale
            width: item.width - 10 * Theme.boardScale
            radius: 5 * Theme.boardScale
            color: item.highlighted ? DesktopPalette.active.highlight : "transparent"
        }
    }
}
