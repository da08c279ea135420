import QtQuick
import QtQuick.Templates as T
import Pondrel

// A compact pull-down that picks one value out of a list. Its face, a
// capsule glass button, shows the current choice and the up-and-down
// chevrons; a click opens the list, where the current choice carries a
// checkmark.
//
//     ChoiceMenu {
//         selection: game.difficulty
//         options: ["Easy", "Medium", "Hard"]
//         title: value => Localized.text(value)
//         onPicked: value => game.difficulty = value
//     }
//
// `selection` is one half of a two-way binding and `picked` the other: the
// menu never assigns `selection` itself, so the user's binding survives and
// the face always shows what the user's store holds. `picked` fires for
// every pick, also of the value already selected. Values are compared with
// ===, so options are texts or numbers.
GlassPushButton {
    id: root

    property var selection
    property var options: []
    property var title: value => String(value)

    signal picked(var value)

    readonly property alias menu: popup

    function pick(value: var) {
        popup.close();
        root.picked(value);
    }

    text: title(selection)
    capsule: true
    fontSize: 12 * Theme.boardScale
    fontWeight: Font.Medium
    trailingSymbol: "chevron.up.chevron.down"
    trailingSymbolSize: 9 * Theme.boardScale
    Accessible.role: Accessible.ComboBox
    // The name says what is chosen ("Game Size"); the current choice is
    // read out after it, as it is shown on the face.
    Accessible.description: text
    onClicked: popup.opened ? popup.close() : popup.open()

    T.Popup {
        id: popup

        objectName: "choiceMenuList"
        // Under the button, lined up with its leading edge.
        x: contentItem.LayoutMirroring.enabled ? root.width - width : 0
        y: root.height + 4 * Theme.boardScale
        padding: 5 * Theme.boardScale
        // Keep the list inside the panel.
        margins: 4
        focus: true
        // As wide as the widest title needs: the entries stretch to the
        // list's width, so the column's own implicit width cannot tell.
        readonly property real widestEntry: {
            let widest = 0;
            for (let i = 0; i < entries.children.length; ++i) {
                const entry = entries.children[i];
                if (entry.objectName === "choiceMenuEntry") {
                    widest = Math.max(widest, entry.implicitWidth);
                }
            }
            return widest;
        }

        implicitWidth: Math.max(root.width, widestEntry + leftPadding + rightPadding)
        implicitHeight: entries.implicitHeight + topPadding + bottomPadding
        // A popup that closes leaves the keys with the window's root item,
        // where no screen hears them (Escape would hide the panel, not close
        // the screen): they go back to the button, as with a combo box.
        onClosed: root.forceActiveFocus(Qt.PopupFocusReason)

        background: GlassCard {
            radius: 10 * Theme.boardScale
            shadowBlur: 12 * Theme.boardScale
            shadowOffset: 4 * Theme.boardScale
            shadowOpacity: 0.25
        }

        contentItem: Column {
            id: entries

            // A popup lies outside the mirrored view: mirrored on its own.
            LayoutMirroring.enabled: Qt.application.layoutDirection === Qt.RightToLeft
            LayoutMirroring.childrenInherit: true

            Repeater {
                model: root.options

                // A radio button to assistive technology, which says which
                // one is chosen: Qt 6.4 keeps a button's role whatever the
                // item asks.
                T.RadioButton {
                    id: entry

                    required property var modelData
                    readonly property bool isCurrent: modelData === root.selection
                    readonly property bool highlighted: hovered || activeFocus
                    readonly property color foreground: highlighted
                                                        ? root.systemPalette.highlightedText
                                                        : root.systemPalette.windowText

                    objectName: "choiceMenuEntry"
                    width: entries.width
                    implicitWidth: Math.ceil(check.width + 6 * Theme.boardScale + label.implicitWidth
                                             + leftPadding + rightPadding)
                    implicitHeight: Math.ceil(label.implicitHeight + topPadding + bottomPadding)
                    horizontalPadding: 8 * Theme.boardScale
                    verticalPadding: 4 * Theme.boardScale
                    focus: isCurrent
                    text: root.title(modelData)
                    // Its own state, which Qt hands to a screen reader; not
                    // checkable, so a click leaves it to the selection.
                    checkable: false
                    autoExclusive: false
                    checked: isCurrent
                    Accessible.name: text
                    Accessible.checkable: true
                    Accessible.checked: isCurrent
                    Accessible.onPressAction: clicked()
                    Keys.onUpPressed: nextItemInFocusChain(false).forceActiveFocus()
                    Keys.onDownPressed: nextItemInFocusChain(true).forceActiveFocus()
                    Keys.onReturnPressed: clicked()
                    Keys.onEnterPressed: clicked()
                    onClicked: root.pick(modelData)

                    background: Rectangle {
                        radius: 5 * Theme.boardScale
                        color: entry.highlighted ? root.systemPalette.highlight : "transparent"
                    }

                    contentItem: Item {
                        GlyphImage {
                            id: check

                            objectName: "choiceMenuCheckmark"
                            anchors.left: parent.left
                            anchors.verticalCenter: parent.verticalCenter
                            width: Math.round(11 * Theme.boardScale)
                            height: width
                            // Hidden but laid out, so every title starts at
                            // the same place.
                            opacity: entry.isCurrent ? 1 : 0
                            symbol: "checkmark"
                            tint: entry.foreground
                        }

                        Text {
                            id: label

                            anchors.verticalCenter: parent.verticalCenter
                            anchors.left: check.right
                            anchors.leftMargin: 6 * Theme.boardScale
                            text: entry.text
                            font.pixelSize: Math.round(12 * Theme.boardScale)
                            color: entry.foreground
                        }
                    }
                }
            }
        }
    }
}
