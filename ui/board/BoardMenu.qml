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

    readonly property SystemPalette systemPalette: SystemPalette {
        colorGroup: SystemPalette.Active
    }
    readonly property bool isDark: systemPalette.window.hslLightness < 0.5

    signal screenChosen(string screen)
    signal quitChosen
    signal copyChosen
    signal pasteChosen
    signal nextStepChosen

    topPadding: 5 * board.scale
    bottomPadding: 5 * board.scale

    background: Rectangle {
        // Room for "Quit Pondrel Sudoku" beside its shortcut.
        implicitWidth: 240 * root.board.scale
        radius: 8 * root.board.scale
        color: root.systemPalette.base
        border.width: 1
        border.color: root.isDark ? Qt.rgba(1, 1, 1, 0.18) : Qt.rgba(0, 0, 0, 0.16)
    }

    Repeater {
        model: ModalScreen.allCases

        BoardMenuItem {
            required property string modelData

            objectName: "menuItem-" + modelData
            boardScale: root.board.scale
            systemPalette: root.systemPalette
            text: Localized.text(modelData)
            shortcutText: modelData === ModalScreen.preferences ? root.preferencesShortcut : ""
            onTriggered: root.screenChosen(modelData)
        }
    }

    MenuDivider {}

    BoardMenuItem {
        objectName: "menuItem-NextStep"
        boardScale: root.board.scale
        systemPalette: root.systemPalette
        text: Localized.text("Next Step")
        shortcutText: "S"
        onTriggered: root.nextStepChosen()
    }

    BoardMenuItem {
        objectName: "menuItem-Copy"
        boardScale: root.board.scale
        systemPalette: root.systemPalette
        text: Localized.text("Copy Puzzle")
        shortcutText: copyKeys.nativeText
        onTriggered: root.copyChosen()
    }

    BoardMenuItem {
        objectName: "menuItem-Paste"
        boardScale: root.board.scale
        systemPalette: root.systemPalette
        text: Localized.text("Paste Puzzle")
        shortcutText: pasteKeys.nativeText
        onTriggered: root.pasteChosen()
    }

    MenuDivider {}

    BoardMenuItem {
        objectName: "menuItem-Quit"
        boardScale: root.board.scale
        systemPalette: root.systemPalette
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
            color: root.isDark ? Qt.rgba(1, 1, 1, 0.15) : Qt.rgba(0, 0, 0, 0.12)
        }
    }

    component BoardMenuItem: MenuItem {
        id: item

        required property real boardScale
        required property SystemPalette systemPalette
        property string shortcutText

        implicitHeight: Math.round(24 * item.boardScale)
        leftPadding: 12 * item.boardScale
        rightPadding: 12 * item.boardScale
        font.pixelSize: Math.round(13 * item.boardScale)
        Accessible.name: text
        Accessible.onPressAction: triggered()

        contentItem: Item {
            implicitWidth: label.implicitWidth + (shortcut.text ? 24 * item.boardScale
                                                                 + shortcut.implicitWidth : 0)
            implicitHeight: label.implicitHeight

            Text {
                id: label

                anchors.verticalCenter: parent.verticalCenter
                text: item.text
                font: item.font
                color: item.highlighted ? item.systemPalette.highlightedText
                                        : item.systemPalette.text
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
            x: 5 * item.boardScale
            width: item.width - 10 * item.boardScale
            radius: 5 * item.boardScale
            color: item.highlighted ? item.systemPalette.highlight : "transparent"
        }
    }
}
