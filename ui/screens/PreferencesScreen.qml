import QtQuick
import QtQuick.Window
import QtQuick.Controls.Basic
import Pondrel

// The Preferences body: the tray icon, the board size and launching at
// login under APP; the difficulty and the three gameplay switches under
// GAMEPLAY. Every control writes straight into the game, which stores the
// setting; only a difficulty change during a game waits for a confirmation,
// which the host shows when `rulesChangeRequested` arrives.
Column {
    id: root

    required property SudokuGame game
    // The content scale; shadows Item's transform scale, as in the menus.
    property real scale: 1
    // The host keeps the launch-at-login status, so it lives exactly as
    // long as the screen; this body reads the service and reports back.
    property int loginItemStatus: 0
    // The service: status(), registerItem(), unregisterItem().
    property var loginItem: LoginItem

    signal loginItemStatusRead(int status)
    signal rulesChangeRequested(PendingRulesChange change)

    readonly property var iconSymbols: ({
            "Dots": "circle.grid.3x3.fill",
            "Corner Grid": "square.grid.3x3.topleft.filled",
            "Number Square": "number.square.fill"
        })

    function readLoginItemStatus() {
        loginItemStatusRead(loginItem.status());
    }

    // A failed registration is not reported: the status read afterwards
    // shows what really happened.
    function setLaunchAtLogin(on: bool) {
        if (on) {
            loginItem.registerItem();
        } else {
            loginItem.unregisterItem();
        }
        readLoginItemStatus();
    }

    // A new difficulty deals a new puzzle, so a game under way is given up
    // only after the player agrees.
    function requestDifficulty(difficulty: string) {
        if (difficulty === game.difficulty) {
            return;
        }
        if (game.hasStartedCurrentGame && !game.hasWon) {
            const target = game;
            rulesChangeRequested(pendingChange.createObject(root, {
                apply: () => {
                    target.difficulty = difficulty;
                }
            }));
            return;
        }
        game.difficulty = difficulty;
    }

    spacing: 14

    Component {
        id: pendingChange

        PendingRulesChange {}
    }

    component Divider: Rectangle {
        width: parent ? parent.width : 0
        height: 1
        color: Qt.rgba(palette.windowText.r, palette.windowText.g, palette.windowText.b, 0.1)

        SystemPalette {
            id: palette
        }
    }

    component LabelledRow: Item {
        id: row

        property string title
        default property alias control: holder.data

        width: parent ? parent.width : 0
        implicitHeight: Math.max(label.implicitHeight, holder.childrenRect.height)

        Text {
            id: label

            anchors.verticalCenter: parent.verticalCenter
            text: row.title
            color: palette.windowText
            font.pixelSize: Math.round(13 * root.scale)

            SystemPalette {
                id: palette
            }
        }

        Item {
            id: holder

            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            width: childrenRect.width
            height: childrenRect.height
        }
    }

    SectionBlock {
        width: root.width
        title: QT_TRANSLATE_NOOP("Pondrel", "APP")
        scale: root.scale

        LabelledRow {
            title: Localized.text("Menu Bar Icon")

            Row {
                objectName: "menuBarIconPicker"
                spacing: 6
                Accessible.role: Accessible.Grouping
                Accessible.name: Localized.text("Menu Bar Icon")

                Repeater {
                    model: root.game.menuBarIconRawValues()

                    GlassToggleStyle {
                        required property string modelData

                        objectName: "menuBarIcon-" + modelData
                        width: Math.round(28 * root.scale)
                        height: width
                        padding: 0
                        isOn: root.game.menuBarIcon === modelData
                        symbol: root.iconSymbols[modelData] ?? ""
                        symbolSize: 14 * root.scale
                        fontSize: 12 * root.scale
                        Accessible.name: Localized.text(modelData)
                        Accessible.checkable: true
                        Accessible.checked: isOn
                        ToolTip.text: Localized.text(modelData)
                        ToolTip.visible: hovered
                        ToolTip.delay: 600
                        onClicked: root.game.menuBarIcon = modelData
                    }
                }
            }
        }

        Divider {}

        LabelledRow {
            title: Localized.text("Game Size")

            ChoiceMenu {
                objectName: "boardSizePicker"
                selection: root.game.boardSize
                options: root.game.boardSizeRawValues()
                title: value => Localized.text(value)
                scale: root.scale
                Accessible.name: Localized.text("Game Size")
                onPicked: value => root.game.boardSize = value
            }
        }

        Divider {}

        SwitchRow {
            id: launchAtLogin

            title: Localized.text("Launch at Login")
            note: root.loginItemStatus === LoginItem.RequiresApproval
                  ? Localized.text("Turned off in your desktop's autostart settings.") : ""
            toggleID: "launchAtLoginToggle"
            scale: root.scale
            checked: root.loginItemStatus === LoginItem.Enabled
                     || root.loginItemStatus === LoginItem.RequiresApproval
            onToggled: on => root.setLaunchAtLogin(on)
            // The user may change the entry in the desktop's settings while
            // the game runs: read it whenever the row comes into view, which
            // includes the panel opening again with this screen in it.
            onVisibleChanged: {
                if (visible) {
                    root.readLoginItemStatus();
                }
            }
            Component.onCompleted: root.readLoginItemStatus()

            Connections {
                target: launchAtLogin.Window.window

                function onVisibleChanged() {
                    if (launchAtLogin.Window.window.visible && launchAtLogin.visible) {
                        root.readLoginItemStatus();
                    }
                }
            }
        }
    }

    SectionBlock {
        width: root.width
        title: QT_TRANSLATE_NOOP("Pondrel", "GAMEPLAY")
        scale: root.scale

        LabelledRow {
            title: Localized.text("Difficulty")

            ChoiceMenu {
                objectName: "difficultyPicker"
                selection: root.game.difficulty
                options: root.game.difficultyRawValues()
                title: value => Localized.text(value)
                scale: root.scale
                Accessible.name: Localized.text("Difficulty")
                onPicked: value => root.requestDifficulty(value)
            }
        }

        Divider {}

        SwitchRow {
            title: Localized.text("Highlight Mistakes")
            toolTip: Localized.text("Shows a number in red as soon as it breaks the rules or doesn't belong in that square.")
            toggleID: "highlightMistakesToggle"
            scale: root.scale
            checked: root.game.highlightsMistakes
            onToggled: on => root.game.highlightsMistakes = on
        }

        Divider {}

        SwitchRow {
            title: Localized.text("Highlight Matching Numbers")
            toolTip: Localized.text("Shades every square holding the same number as the selected one.")
            toggleID: "highlightMatchesToggle"
            scale: root.scale
            checked: root.game.highlightsMatchingNumbers
            onToggled: on => root.game.highlightsMatchingNumbers = on
        }

        Divider {}

        SwitchRow {
            title: Localized.text("Clear Notes Automatically")
            toolTip: Localized.text("Placing a number removes it from the notes in its row, column and box.")
            toggleID: "clearNotesToggle"
            scale: root.scale
            checked: root.game.clearsNotesAutomatically
            onToggled: on => root.game.clearsNotesAutomatically = on
        }

        Divider {}

        SwitchRow {
            title: Localized.text("Explain Hints")
            toolTip: Localized.text("After a hint, says in one line why its number goes there.")
            toggleID: "explainHintsToggle"
            scale: root.scale
            checked: root.game.explainsHints
            onToggled: on => root.game.explainsHints = on
        }
    }
}
