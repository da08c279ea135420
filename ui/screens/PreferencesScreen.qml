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
    // The host keeps the launch-at-login status, so it lives exactly as
    // long as the screen; this body reads the service and reports back.
    property int loginItemStatus: 0
    // The service: status(), registerItem(), unregisterItem().
    property var loginItem: LoginItem

    signal loginItemStatusRead(int status)
    signal rulesChangeRequested(PendingRulesChange change)

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
        if (game.isGameInProgress) {
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

    component LabelledRow: Item {
        id: row

        property string title
        default property alias control: holder.data

        width: parent ? parent.width : 0
        implicitHeight: Math.max(label.implicitHeight, holder.childrenRect.height)

        Text {
            id: label

            anchors.left: parent.left
            anchors.verticalCenter: parent.verticalCenter
            text: row.title
            color: DesktopPalette.active.windowText
            font.pixelSize: Math.round(13 * Theme.boardScale)
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

        LabelledRow {
            title: Localized.text("Menu Bar Icon")

            Row {
                objectName: "menuBarIconPicker"
                spacing: 6
                Accessible.role: Accessible.Grouping
                Accessible.name: Localized.text("Menu Bar Icon")

                Repeater {
                    model: root.game.menuBarIconRawValues()

                    SymbolButton {
                        required property string modelData

                        objectName: "menuBarIcon-" + modelData
                        isOn: root.game.menuBarIcon === modelData
                        // The glyph the tray will show for this choice.
                        symbol: Glyphs.menuBarSymbolName(modelData)
                        toolTip: Localized.text(modelData)
                        Accessible.name: Localized.text(modelData)
                        Accessible.checkable: true
                        Accessible.checked: isOn
                        // Checkable, so that assistive technology says which
                        // one is chosen; the click's own toggle is undone,
                        // the choice shows what the game holds.
                        checkable: true
                        onClicked: {
                            root.game.menuBarIcon = modelData;
                            checked = Qt.binding(() => isOn);
                        }
                    }
                }
            }
        }

        RowDivider {}

        LabelledRow {
            title: Localized.text("Game Size")

            ChoiceMenu {
                objectName: "boardSizePicker"
                selection: root.game.boardSize
                options: root.game.boardSizeRawValues()
                title: value => Localized.text(value)
                Accessible.name: Localized.text("Game Size")
                onPicked: value => root.game.boardSize = value
            }
        }

        RowDivider {}

        SwitchRow {
            id: launchAtLogin

            title: Localized.text("Launch at Login")
            note: root.loginItemStatus === LoginItem.RequiresApproval
                  ? Localized.text("Turned off in your desktop's autostart settings.") : ""
            toggleID: "launchAtLoginToggle"
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

        LabelledRow {
            title: Localized.text("Difficulty")

            ChoiceMenu {
                objectName: "difficultyPicker"
                selection: root.game.difficulty
                options: root.game.difficultyRawValues()
                title: value => Localized.text(value)
                Accessible.name: Localized.text("Difficulty")
                onPicked: value => root.requestDifficulty(value)
            }
        }

        RowDivider {}

        SwitchRow {
            title: Localized.text("Highlight Mistakes")
            toolTip: Localized.text("Shows a number in red as soon as it breaks the rules or doesn't belong in that square.")
            toggleID: "highlightMistakesToggle"
            checked: root.game.highlightsMistakes
            onToggled: on => root.game.highlightsMistakes = on
        }

        RowDivider {}

        SwitchRow {
            title: Localized.text("Highlight Matching Numbers")
            toolTip: Localized.text("Shades every square holding the same number as the selected one.")
            toggleID: "highlightMatchesToggle"
            checked: root.game.highlightsMatchingNumbers
            onToggled: on => root.game.highlightsMatchingNumbers = on
        }

        RowDivider {}

        SwitchRow {
            title: Localized.text("Clear Notes Automatically")
            toolTip: Localized.text("Placing a number removes it from the notes in its row, column and box.")
            toggleID: "clearNotesToggle"
            checked: root.game.clearsNotesAutomatically
            onToggled: on => root.game.clearsNotesAutomatically = on
        }

        RowDivider {}

        SwitchRow {
            title: Localized.text("Explain Hints")
            toolTip: Localized.text("After a hint, says in one line why its number goes there.")
            toggleID: "explainHintsToggle"
            checked: root.game.explainsHints
            onToggled: on => root.game.explainsHints = on
        }
    }
}
