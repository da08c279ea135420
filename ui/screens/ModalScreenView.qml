import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Templates as T
import Pondrel

// A screen in the board's place: the title bar with Close (and Reset on
// Statistics), the screen's body in a scrolling region, and the two
// questions a screen can ask, laid over it. Made afresh for each opening,
// so a question left open or a stale login status ends with the screen.
FocusScope {
    id: root

    required property SudokuGame game
    // One of ModalScreen's raw values.
    required property string screen
    property bool isConfirmingReset: false
    property PendingRulesChange pendingRulesChange: null
    // The launch-at-login service; tests put a stand-in here.
    property var loginItem: LoginItem
    // Read once when the view is made, not bound: the service is asked
    // again only at the moments the Preferences screen chooses.
    property int loginItemStatus: 0
    property var openURL: url => Qt.openUrlExternally(url)

    // Close: the board screen hides this view.
    signal dismissed

    readonly property real inset: 14 * Theme.boardScale
    readonly property Item body: bodyLoader.item

    // The pending change is cleared first, so its dialog is gone by the
    // time the new puzzle shows.
    function confirmRulesChange() {
        const change = pendingRulesChange;
        pendingRulesChange = null;
        change.apply();
        change.destroy();
    }

    function cancelRulesChange() {
        const change = pendingRulesChange;
        pendingRulesChange = null;
        change.destroy();
    }

    // The keys go to the open question, else to the screen's first control
    // (Close on a screen without one), so a screen reader hears where they
    // are, Tab goes on among the controls and Return and Escape reach the
    // question.
    function focusTopmost() {
        const question = rulesChangeQuestion.active ? rulesChangeQuestion.item
                                                    : resetQuestion.active ? resetQuestion.item
                                                                           : null;
        if (question) {
            question.forceActiveFocus();
            return;
        }
        (firstControl(body) ?? close).forceActiveFocus(Qt.TabFocusReason);
    }

    // The first item under `item` that Tab reaches, in the order of the
    // items (the order they are laid out in), or null.
    function firstControl(item: var): var {
        const children = item ? item.children : [];
        for (let i = 0; i < children.length; ++i) {
            const child = children[i];
            if (!child.visible || !child.enabled) {
                continue;
            }
            const found = child.activeFocusOnTab ? child : firstControl(child);
            if (found) {
                return found;
            }
        }
        return null;
    }

    function isInside(item: Item, ancestor: Item): bool {
        for (let up = item; up; up = up.parent) {
            if (up === ancestor) {
                return true;
            }
        }
        return false;
    }

    // The body scrolls to the control the keys reach, as Tab moves on.
    function revealFocus() {
        const item = root.Window.activeFocusItem;
        if (!item || !isInside(item, scroller.contentItem)) {
            return;
        }
        const top = item.mapToItem(scroller.contentItem, 0, 0).y;
        const bottom = top + item.height;
        if (top < scroller.contentY) {
            scroller.contentY = Math.max(0, top);
        } else if (bottom > scroller.contentY + scroller.height) {
            scroller.contentY = Math.max(0, Math.min(bottom - scroller.height,
                                                     scroller.contentHeight - scroller.height));
        }
    }

    function confirmReset() {
        isConfirmingReset = false;
        game.resetStatistics();
    }

    // The body of `screen`; none for a text that names no screen.
    function bodyComponent(screen: string): Component {
        switch (screen) {
        case ModalScreen.preferences:
            return preferences;
        case ModalScreen.statistics:
            return statistics;
        case ModalScreen.howToPlay:
            return howToPlay;
        case ModalScreen.about:
            return about;
        }
        return null;
    }

    implicitWidth: 375 * Theme.boardScale
    // Escape closes the screen, the topmost layer once a question or a menu
    // open on it has taken its own Escape; accepted here, it leaves the
    // panel open.
    Keys.onEscapePressed: root.dismissed()
    Component.onCompleted: loginItemStatus = loginItem.status()
    // A screen reader names the screen by its title as the focus enters it.
    Accessible.role: Accessible.Dialog
    Accessible.name: title.text

    Connections {
        target: root.Window.window

        function onActiveFocusItemChanged() {
            root.revealFocus();
        }
    }

    Column {
        id: stack

        x: Math.max(0, (root.width - width) / 2)
        y: root.inset
        width: 375 * Theme.boardScale - 2 * root.inset
        spacing: 12 * Theme.boardScale

        Row {
            id: titleBar

            width: parent.width
            height: Math.max(title.implicitHeight, close.height)
            spacing: 6 * Theme.boardScale

            Text {
                id: title

                objectName: "screenTitle"
                anchors.verticalCenter: parent.verticalCenter
                width: parent.width - buttons.width - parent.spacing
                text: Localized.text(root.screen)
                color: DesktopPalette.active.windowText
                font.pixelSize: Math.round(13 * Theme.boardScale)
                font.weight: Font.DemiBold
                elide: Text.ElideRight
                Accessible.role: Accessible.Heading
                Accessible.name: text
            }

            Row {
                id: buttons

                anchors.verticalCenter: parent.verticalCenter
                spacing: 8 * Theme.boardScale

                GlassPushButton {
                    objectName: "resetStatsButton"
                    anchors.verticalCenter: parent.verticalCenter
                    visible: root.screen === ModalScreen.statistics
                    text: Localized.text("Reset")
                    capsule: true
                    fontSize: 12 * Theme.boardScale
                    fontWeight: Font.Medium
                    ToolTip.text: Localized.text("Reset all statistics")
                    ToolTip.visible: hovered
                    ToolTip.delay: 600
                    onClicked: root.isConfirmingReset = true
                }

                SymbolButton {
                    id: close

                    objectName: "closeScreenButton"
                    anchors.verticalCenter: parent.verticalCenter
                    symbol: "xmark"
                    toolTip: Localized.text("Close")
                    Accessible.name: Localized.text("Close")
                    onClicked: root.dismissed()
                }
            }
        }

        Flickable {
            id: scroller

            objectName: "screenScroller"
            width: parent.width
            height: Math.max(0, root.height - 2 * root.inset - titleBar.height - stack.spacing)
            contentWidth: width
            contentHeight: bodyLoader.height
            boundsBehavior: Flickable.StopAtBounds
            clip: true

            T.ScrollIndicator.vertical: T.ScrollIndicator {
                objectName: "screenScrollIndicator"
                // About keeps its short page free of scroll marks.
                visible: root.screen !== ModalScreen.about
                active: scroller.moving || scroller.contentHeight > scroller.height
                padding: 2
                contentItem: Rectangle {
                    implicitWidth: 3
                    implicitHeight: 3
                    radius: width / 2
                    color: DesktopPalette.active.windowText
                    opacity: 0.3
                }
            }

            Loader {
                id: bodyLoader

                width: scroller.width
                height: item ? item.implicitHeight : 0
                sourceComponent: root.bodyComponent(root.screen)
            }
        }
    }

    // A question over the whole screen: it takes the keys when it opens,
    // and says when it has closed, so the keys can go back.
    component QuestionLoader: Loader {
        signal closed

        anchors.fill: parent
        onLoaded: item.forceActiveFocus()
        onActiveChanged: {
            if (!active) {
                closed();
            }
        }
    }

    Component {
        id: preferences

        PreferencesScreen {
            width: bodyLoader.width
            game: root.game
            loginItem: root.loginItem
            loginItemStatus: root.loginItemStatus
            onLoginItemStatusRead: status => root.loginItemStatus = status
            onRulesChangeRequested: change => root.pendingRulesChange = change
        }
    }

    Component {
        id: statistics

        StatisticsScreen {
            width: bodyLoader.width
            game: root.game
        }
    }

    Component {
        id: howToPlay

        HowToPlayScreen {
            width: bodyLoader.width
            game: root.game
        }
    }

    Component {
        id: about

        AboutScreen {
            width: bodyLoader.width
            game: root.game
            openURL: root.openURL
        }
    }

    QuestionLoader {
        id: resetQuestion

        active: root.isConfirmingReset
        onClosed: root.focusTopmost()
        sourceComponent: ConfirmationDialog {
            title: Localized.text("Reset all statistics?")
            message: Localized.text("This clears your games, wins, streaks and best times. It can't be undone.")
            dialogID: "resetStatsDialog"
            cancelTitle: Localized.text("Cancel")
            cancelID: "cancelResetStatsButton"
            confirmTitle: Localized.text("Reset")
            confirmID: "confirmResetStatsButton"
            onCancel: root.isConfirmingReset = false
            onConfirm: root.confirmReset()
        }
    }

    QuestionLoader {
        id: rulesChangeQuestion

        active: root.pendingRulesChange !== null
        onClosed: root.focusTopmost()
        sourceComponent: ConfirmationDialog {
            title: Localized.text("Abandon this game?")
            message: Localized.text("Changing the difficulty deals a new puzzle and resets your win streak.")
            dialogID: "rulesChangeDialog"
            cancelTitle: Localized.text("Cancel")
            cancelID: "cancelRulesChangeButton"
            confirmTitle: Localized.text("New Puzzle")
            confirmID: "confirmRulesChangeButton"
            onCancel: root.cancelRulesChange()
            onConfirm: root.confirmRulesChange()
        }
    }
}
