import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Templates as T
import Pondrel

// A settings row: the title (and an optional note below it) at the leading
// edge and a small switch at the trailing edge. The tooltip, if any, belongs
// to the whole row.
//
// The switch never flips itself: a click emits `toggled` with the wanted
// state, and `checked` follows whatever the user's store then holds, so a
// change that did not take effect shows the old state again.
Item {
    id: root

    property string title
    property string note
    property string toolTip
    property bool checked
    // The switch's identifier.
    property string toggleID

    signal toggled(bool on)

    readonly property alias toggle: toggle

    width: parent ? parent.width : implicitWidth
    implicitWidth: labels.implicitWidth + 8 + toggle.implicitWidth
    implicitHeight: Math.max(labels.implicitHeight, toggle.implicitHeight)

    ToolTip.text: toolTip
    ToolTip.visible: toolTip !== "" && hover.hovered
    ToolTip.delay: 600

    HoverHandler {
        id: hover
    }

    Column {
        id: labels

        anchors.verticalCenter: parent.verticalCenter
        width: root.width - 8 - toggle.width
        spacing: 2

        Text {
            width: parent.width
            text: root.title
            wrapMode: Text.Wrap
            color: DesktopPalette.active.windowText
            font.pixelSize: Math.round(13 * Theme.boardScale)
        }

        Text {
            objectName: "switchRowNote"
            width: parent.width
            visible: root.note !== ""
            text: root.note
            wrapMode: Text.Wrap
            color: Qt.rgba(DesktopPalette.active.windowText.r, DesktopPalette.active.windowText.g,
                           DesktopPalette.active.windowText.b,
                           Theme.colors?.increasedContrast ? 0.85 : 0.6)
            font.pixelSize: Math.round(10 * Theme.boardScale)
        }
    }

    // A check box to assistive technology, which says on or off: Qt 6.4
    // gives a switch, and a check box too, the role of a push button,
    // whatever the item asks; a check delegate has its own.
    T.CheckDelegate {
        id: toggle

        objectName: root.toggleID
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        implicitWidth: indicator.width
        implicitHeight: indicator.height
        checkable: false
        checked: root.checked
        focusPolicy: Qt.TabFocus
        Accessible.name: root.title
        Accessible.description: root.toolTip
        Accessible.checkable: true
        Accessible.checked: checked
        Accessible.onPressAction: clicked()
        Accessible.onToggleAction: clicked()
        onClicked: root.toggled(!checked)

        indicator: Rectangle {
            width: Math.round(30 * Theme.boardScale)
            height: Math.round(17 * Theme.boardScale)
            radius: height / 2
            color: toggle.checked ? DesktopPalette.active.highlight
                                  : Qt.rgba(DesktopPalette.active.windowText.r,
                                            DesktopPalette.active.windowText.g,
                                            DesktopPalette.active.windowText.b,
                                            Theme.colors?.increasedContrast ? 0.45 : 0.18)
            border.width: toggle.visualFocus ? 2 : 0
            border.color: DesktopPalette.active.highlight

            Rectangle {
                readonly property real inset: 2

                // On is towards the line's end: the left in a mirrored panel.
                x: toggle.checked !== toggle.mirrored ? parent.width - width - inset : inset
                y: inset
                width: parent.height - 2 * inset
                height: width
                radius: width / 2
                color: "white"
                border.width: 1
                border.color: Qt.rgba(0, 0, 0, 0.12)
            }
        }
    }
}
