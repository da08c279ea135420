import QtQuick
import Pondrel

// A yes-or-no question drawn inside the panel: a dimmed backdrop over all
// the room its user gives it, and a glass card in the middle with the
// question, an explanation, and a cancel and a confirm button.
//
//     ConfirmationDialog {
//         anchors.fill: content
//         title: Localized.text("Abandon this game?")
//         ...
//         onCancel: ...
//         onConfirm: ...
//     }
//
// Cancelling is the easy way out: the emphasised button, Return (and
// Escape) and a click anywhere on the backdrop all cancel. Confirming takes
// the confirm button, which has no key of its own. The user shows the
// dialog only while its question is open, gives it the focus so the keys
// reach it, and closes it in both handlers. The texts arrive localized and
// are shown verbatim.
FocusScope {
    id: root

    property string title
    property string message
    property string dialogID
    property string cancelTitle
    property string cancelID
    property string confirmTitle
    property string confirmID

    signal cancel
    signal confirm

    readonly property Item card: card

    // Return is the default action, which here is Cancel. Escape also
    // cancels, and accepting it keeps the panel from closing underneath.
    // The question holds the keyboard while it is open: Tab only goes round
    // its own two buttons (each names the other as its Tab neighbour), never
    // to the controls under the backdrop. Here the dialog itself has the
    // focus, when neither button does.
    Keys.onPressed: event => {
        if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter
                || event.key === Qt.Key_Escape) {
            event.accepted = true;
            root.cancel();
        } else if (event.key === Qt.Key_Tab || event.key === Qt.Key_Backtab) {
            event.accepted = true;
            if (event.key === Qt.Key_Tab) {
                cancelButton.forceActiveFocus(Qt.TabFocusReason);
            } else {
                confirmButton.forceActiveFocus(Qt.BacktabFocusReason);
            }
        }
    }

    // The backdrop: everything outside the card dims and cancels on a click.
    // It takes the hover too, so no control under it shows a tooltip.
    MouseArea {
        objectName: "confirmationBackdrop"
        anchors.fill: parent
        acceptedButtons: Qt.LeftButton
        hoverEnabled: true
        onClicked: root.cancel()

        Rectangle {
            anchors.fill: parent
            color: Qt.rgba(0, 0, 0, 0.25)
        }
    }

    GlassCard {
        id: card

        readonly property real inset: 18 * Theme.boardScale

        objectName: root.dialogID
        anchors.centerIn: parent
        width: 260 * Theme.boardScale
        height: stack.implicitHeight + 2 * inset
        radius: 16 * Theme.boardScale
        shadowBlur: 16 * Theme.boardScale
        shadowOffset: 6 * Theme.boardScale
        Accessible.role: Accessible.Dialog
        Accessible.name: root.title
        Accessible.description: root.message

        // Clicks on the card itself, between the buttons, must not reach
        // the backdrop below.
        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.AllButtons
        }

        Column {
            id: stack

            x: card.inset
            y: card.inset
            width: card.width - 2 * card.inset
            spacing: 10 * Theme.boardScale

            Text {
                objectName: "confirmationTitle"
                width: parent.width
                text: root.title
                wrapMode: Text.Wrap
                horizontalAlignment: Text.AlignHCenter
                font.pixelSize: Math.round(14 * Theme.boardScale)
                font.bold: true
                color: DesktopPalette.active.windowText
                Accessible.role: Accessible.Heading
                Accessible.name: text
            }

            Text {
                objectName: "confirmationMessage"
                width: parent.width
                text: root.message
                wrapMode: Text.Wrap
                horizontalAlignment: Text.AlignHCenter
                font.pixelSize: Math.round(11 * Theme.boardScale)
                // Secondary text: the primary colour at reduced opacity
                // reads as secondary on every palette.
                color: Qt.rgba(DesktopPalette.active.windowText.r, DesktopPalette.active.windowText.g,
                               DesktopPalette.active.windowText.b,
                               Theme.colors?.increasedContrast ? 0.85 : 0.65)
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }

            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 10 * Theme.boardScale

                GlassPushButton {
                    id: cancelButton

                    objectName: root.cancelID
                    // The dialog's focus lands here as it opens, so a
                    // screen reader reads the question with its way out;
                    // Return and Escape still reach the dialog.
                    focus: true
                    KeyNavigation.tab: confirmButton
                    KeyNavigation.backtab: confirmButton
                    anchors.verticalCenter: parent.verticalCenter
                    text: root.cancelTitle
                    prominent: true
                    fontSize: 12 * Theme.boardScale
                    onClicked: root.cancel()
                }

                GlassPushButton {
                    id: confirmButton

                    objectName: root.confirmID
                    KeyNavigation.tab: cancelButton
                    KeyNavigation.backtab: cancelButton
                    anchors.verticalCenter: parent.verticalCenter
                    text: root.confirmTitle
                    destructive: true
                    fontSize: 12 * Theme.boardScale
                    onClicked: root.confirm()
                }
            }
        }
    }
}
