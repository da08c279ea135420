import QtQuick
import QtQuick.Layouts
import Pondrel

// Who made the game: its icon, name and version, the publisher, a line on
// what it is, a button to the publisher's website and the legal notice, in
// one centred column.
Item {
    id: root

    property SudokuGame game
    // Opens a web address in the browser; tests put a recorder here.
    property var openURL: address => Qt.openUrlExternally(address)
    property string websiteAddress: AppInfo.websiteAddress

    // The build sets the version; without one the line still reads sensibly.
    readonly property string version: Qt.application.version !== "" ? Qt.application.version
                                                                    : AppInfo.fallbackVersion
    // Only a complete http(s) address is handed to the browser.
    readonly property bool hasUsableWebsite: /^https?:\/\/[^\s\/?#]+(\/\S*)?$/i.test(websiteAddress)
    readonly property string websiteHost: websiteAddress.replace(/^[a-z][a-z0-9+.-]*:\/\//i, "")
                                                        .replace(/[\/?#].*$/, "")

    function openWebsite() {
        if (hasUsableWebsite) {
            openURL(websiteAddress);
        }
    }

    implicitHeight: column.implicitHeight

    ColumnLayout {
        id: column

        width: root.width
        spacing: 4

        Image {
            objectName: "appIcon"
            Layout.alignment: Qt.AlignHCenter
            Layout.topMargin: 14
            Layout.preferredWidth: Math.round(64 * Theme.boardScale)
            Layout.preferredHeight: Math.round(64 * Theme.boardScale)
            fillMode: Image.PreserveAspectFit
            sourceSize: Qt.size(Layout.preferredWidth * 2, Layout.preferredHeight * 2)
            source: AppInfo.icon
            Accessible.ignored: true
        }

        Text {
            objectName: "appName"
            Layout.alignment: Qt.AlignHCenter
            Layout.topMargin: 8
            Layout.maximumWidth: root.width
            text: Localized.text(AppInfo.name)
            font.pixelSize: Math.round(15 * Theme.boardScale)
            font.weight: Font.DemiBold
            color: Theme.colors.primary
            elide: Text.ElideRight
            // Tab reaches each line, so a screen reader reads it.
            activeFocusOnTab: true
            Accessible.role: Accessible.StaticText
            Accessible.name: text

            FocusRing {}
        }

        Text {
            objectName: "versionLine"
            Layout.alignment: Qt.AlignHCenter
            Layout.maximumWidth: root.width
            text: Localized.text("Version %@", [root.version])
            font.pixelSize: Math.round(13 * Theme.boardScale)
            color: Theme.colors.secondary
            elide: Text.ElideRight
            // Tab reaches each line, so a screen reader reads it.
            activeFocusOnTab: true
            Accessible.role: Accessible.StaticText
            Accessible.name: text

            FocusRing {}
        }

        Text {
            objectName: "publisherLine"
            Layout.alignment: Qt.AlignHCenter
            Layout.maximumWidth: root.width
            text: Localized.text(AppInfo.publisherLine)
            font.pixelSize: Math.round(13 * Theme.boardScale)
            font.weight: Font.DemiBold
            color: Theme.colors.secondary
            elide: Text.ElideRight
            // Tab reaches each line, so a screen reader reads it.
            activeFocusOnTab: true
            Accessible.role: Accessible.StaticText
            Accessible.name: text

            FocusRing {}
        }

        Text {
            objectName: "descriptionLine"
            Layout.alignment: Qt.AlignHCenter
            Layout.topMargin: 8
            Layout.maximumWidth: Math.min(root.width, 300 * Theme.boardScale)
            text: Localized.text(AppInfo.description)
            font.pixelSize: Math.round(13 * Theme.boardScale)
            color: Theme.colors.primary
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignHCenter
            // Tab reaches each line, so a screen reader reads it.
            activeFocusOnTab: true
            Accessible.role: Accessible.StaticText
            Accessible.name: text

            FocusRing {}
        }

        GlassPushButton {
            objectName: "visitWebsiteButton"
            Layout.alignment: Qt.AlignHCenter
            Layout.topMargin: 14
            Layout.maximumWidth: root.width
            text: Localized.text(AppInfo.websiteButtonTitle, [root.websiteHost])
            fontSize: 13 * Theme.boardScale
            fontWeight: Font.Medium
            capsule: true
            onClicked: root.openWebsite()
        }

        Text {
            objectName: "legalLine"
            Layout.alignment: Qt.AlignHCenter
            Layout.topMargin: 14
            Layout.maximumWidth: root.width
            text: Localized.text(AppInfo.legalLine)
            font.pixelSize: Math.round(10 * Theme.boardScale)
            color: Theme.colors.secondary
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignHCenter
            // Tab reaches each line, so a screen reader reads it.
            activeFocusOnTab: true
            Accessible.role: Accessible.StaticText
            Accessible.name: text

            FocusRing {}
        }
    }
}
