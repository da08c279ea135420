import QtQuick
import Pondrel

// The rules in seven short topics, each a symbol, a title and a paragraph,
// then the board's keyboard commands. Static text; only its size follows
// the content scale.
Item {
    id: root

    property SudokuGame game

    // Titles and bodies are lookup keys.
    readonly property var topics: [
        { symbol: "menubar.rectangle", title: QT_TRANSLATE_NOOP("Pondrel", "Lives in your system tray"), body: QT_TRANSLATE_NOOP("Pondrel", "Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow."), id: "howTo-menuBar" },
        { symbol: "square.grid.3x3", title: QT_TRANSLATE_NOOP("Pondrel", "Fill the grid"), body: QT_TRANSLATE_NOOP("Pondrel", "Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once."), id: "howTo-goal" },
        { symbol: "hand.tap.fill", title: QT_TRANSLATE_NOOP("Pondrel", "Pick a square, then a number"), body: QT_TRANSLATE_NOOP("Pondrel", "Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board."), id: "howTo-place" },
        { symbol: "pencil", title: QT_TRANSLATE_NOOP("Pondrel", "Use notes"), body: QT_TRANSLATE_NOOP("Pondrel", "Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back."), id: "howTo-notes" },
        { symbol: "lightbulb.fill", title: QT_TRANSLATE_NOOP("Pondrel", "Need a hand?"), body: QT_TRANSLATE_NOOP("Pondrel", "Hint fills in one square for you. A game that used a hint doesn't set a best time."), id: "howTo-hint" },
        { symbol: "lock.fill", title: QT_TRANSLATE_NOOP("Pondrel", "Finished numbers lock"), body: QT_TRANSLATE_NOOP("Pondrel", "When all nine of a number are in the right places, its squares lock and the number can't be used again."), id: "howTo-lock" },
        { symbol: "arrow.uturn.backward", title: QT_TRANSLATE_NOOP("Pondrel", "Undo and new puzzles"), body: QT_TRANSLATE_NOOP("Pondrel", "Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences."), id: "howTo-undo" }
    ]

    // Descriptions are lookup keys; the key texts are shown as they stand,
    // the Ctrl shortcuts as this desktop writes them.
    readonly property var keyboardCommands: [
        { description: QT_TRANSLATE_NOOP("Pondrel", "Move between squares"), key: "\u2190 \u2191 \u2193 \u2192" },
        { description: QT_TRANSLATE_NOOP("Pondrel", "Enter a number"), key: "1\u20139" },
        { description: QT_TRANSLATE_NOOP("Pondrel", "Erase"), key: "Delete" },
        { description: QT_TRANSLATE_NOOP("Pondrel", "Turn Notes on or off"), key: "N" },
        { description: QT_TRANSLATE_NOOP("Pondrel", "Fill in all notes"), key: "A" },
        { description: QT_TRANSLATE_NOOP("Pondrel", "Give a hint"), key: "H" },
        { description: QT_TRANSLATE_NOOP("Pondrel", "Next Step"), key: "S" },
        { description: QT_TRANSLATE_NOOP("Pondrel", "Undo"), key: undoShortcut.nativeText },
        { description: QT_TRANSLATE_NOOP("Pondrel", "Redo"), key: redoShortcut.nativeText },
        { description: QT_TRANSLATE_NOOP("Pondrel", "Copy Puzzle"), key: copyShortcut.nativeText },
        { description: QT_TRANSLATE_NOOP("Pondrel", "Paste Puzzle"), key: pasteShortcut.nativeText },
        { description: QT_TRANSLATE_NOOP("Pondrel", "New puzzle"), key: newPuzzleShortcut.nativeText },
        { description: QT_TRANSLATE_NOOP("Pondrel", "Open Preferences"), key: preferencesShortcut.nativeText }
    ]

    implicitHeight: content.implicitHeight

    // Never enabled: they only spell the board's shortcuts the way this
    // desktop does ("Ctrl+Z"), which QML offers through a Shortcut alone.
    Shortcut {
        id: undoShortcut

        sequence: KeyboardShortcuts.undo
        enabled: false
    }

    Shortcut {
        id: redoShortcut

        sequence: KeyboardShortcuts.redo
        enabled: false
    }

    Shortcut {
        id: copyShortcut

        sequence: KeyboardShortcuts.copy
        enabled: false
    }

    Shortcut {
        id: pasteShortcut

        sequence: KeyboardShortcuts.paste
        enabled: false
    }

    Shortcut {
        id: newPuzzleShortcut

        sequence: KeyboardShortcuts.newPuzzle
        enabled: false
    }

    Shortcut {
        id: preferencesShortcut

        sequence: KeyboardShortcuts.preferences
        enabled: false
    }

    Column {
        id: content

        width: root.width
        spacing: 14

        ScreenGroupBox {
            width: parent.width
            spacing: 12
            inset: 2

            Repeater {
                model: root.topics

                Column {
                    id: topic

                    required property var modelData
                    required property int index

                    // A delegate may be made before the repeater is placed.
                    width: parent ? parent.width : 0
                    spacing: 12

                    RowDivider {
                        width: parent.width
                        visible: topic.index > 0
                    }

                    Item {
                        id: topicRow

                        readonly property string title: Localized.text(topic.modelData.title)
                        readonly property string body: Localized.text(topic.modelData.body)
                        readonly property Text titleText: titleText
                        readonly property Text bodyText: bodyText
                        readonly property Image symbol: symbol

                        objectName: topic.modelData.id
                        width: parent.width
                        implicitHeight: texts.implicitHeight

                        Accessible.role: Accessible.StaticText
                        Accessible.name: title + ", " + body

                        // Tab reaches the row, so a screen reader reads it.
                        activeFocusOnTab: true

                        FocusRing {}

                        // The symbol sits on the title's first line, centred
                        // in a fixed column so the titles line up.
                        Item {
                            id: symbolFrame

                            anchors.left: parent.left
                            width: 29 * Theme.boardScale
                            height: titleText.implicitHeight / Math.max(1, titleText.lineCount)

                            GlyphImage {
                                id: symbol

                                anchors.centerIn: parent
                                // A symbol at a 14-point semibold font
                                // fills about 1.15 em.
                                width: Math.round(16 * Theme.boardScale)
                                height: width
                                symbol: topic.modelData.symbol
                                tint: Theme.colors.accent
                            }
                        }

                        Column {
                            id: texts

                            anchors.left: symbolFrame.right
                            anchors.leftMargin: 3 * Theme.boardScale
                            anchors.right: parent.right
                            spacing: 2

                            Text {
                                id: titleText

                                width: parent.width
                                text: topicRow.title
                                font.pixelSize: Math.round(13 * Theme.boardScale)
                                font.weight: Font.DemiBold
                                color: Theme.colors.primary
                                wrapMode: Text.Wrap
                            }

                            Text {
                                id: bodyText

                                width: parent.width
                                text: topicRow.body
                                font.pixelSize: Math.round(13 * Theme.boardScale)
                                color: Theme.colors.secondary
                                wrapMode: Text.Wrap
                            }
                        }
                    }
                }
            }
        }

        SectionBlock {
            objectName: "keyboardSection"
            width: parent.width
            title: QT_TRANSLATE_NOOP("Pondrel", "KEYBOARD")

            Repeater {
                model: root.keyboardCommands

                Column {
                    id: command

                    required property var modelData
                    required property int index

                    // A delegate may be made before the repeater is placed.
                    width: parent ? parent.width : 0
                    spacing: 8

                    RowDivider {
                        width: parent.width
                        visible: command.index > 0
                    }

                    Item {
                        readonly property string description: Localized.text(command.modelData.description)
                        readonly property string key: command.modelData.key

                        objectName: "keyboardRow"
                        width: parent.width
                        implicitHeight: Math.max(descriptionText.implicitHeight, keyText.implicitHeight)

                        Accessible.role: Accessible.StaticText
                        Accessible.name: description + ", " + key

                        // Tab reaches the row, so a screen reader reads it.
                        activeFocusOnTab: true

                        FocusRing {}

                        Text {
                            id: descriptionText

                            anchors.left: parent.left
                            anchors.verticalCenter: parent.verticalCenter
                            width: Math.min(implicitWidth, parent.width - keyText.implicitWidth - 8)
                            text: parent.description
                            font.pixelSize: Math.round(13 * Theme.boardScale)
                            color: Theme.colors.primary
                            elide: Text.ElideRight
                        }

                        Text {
                            id: keyText

                            anchors.right: parent.right
                            anchors.verticalCenter: parent.verticalCenter
                            text: parent.key
                            font.pixelSize: Math.round(13 * Theme.boardScale)
                            font.weight: Font.Medium
                            color: Theme.colors.secondary
                        }
                    }
                }
            }
        }
    }
}
