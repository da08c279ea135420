import QtQuick
import Pondrel

// The welcome window's content: where the game lives, a drawing of the tray
// with the game's icon highlighted, and "Got it". Its size is what the
// content needs at a fixed width; the window takes that size.
Rectangle {
    id: root

    // The symbol name of the tray glyph to draw highlighted.
    required property string iconName
    // The desktop's text size relative to Qt's 10 pt reference. Not capped:
    // this window, unlike the board, has room to grow with the text.
    property real systemScale: Qt.application.font.pointSize > 0 ? Qt.application.font.pointSize / 10 : 1

    readonly property color primaryColor: DesktopPalette.active.windowText
    // What the desktop asks (more contrast), when the host passes it on.
    property DesktopPreferences desktop: null
    readonly property bool increasedContrast: desktop?.increasedContrast ?? false
    readonly property color secondaryColor: Qt.rgba(primaryColor.r, primaryColor.g, primaryColor.b,
                                                    increasedContrast ? 0.9 : 0.68)
    // The faintest fill, as behind the tray drawing.
    readonly property color quaternaryFill: Qt.rgba(primaryColor.r, primaryColor.g, primaryColor.b, 0.1)

    // "Got it", or Return anywhere in the window.
    signal dismissed

    implicitWidth: Math.round(400 * systemScale)
    implicitHeight: Math.ceil(content.implicitHeight + 2 * 28 * systemScale)
    width: implicitWidth
    height: implicitHeight
    color: DesktopPalette.active.window
    focus: true
    // Mirrored for the languages written right to left, the tray drawing
    // with it, as their desktops mirror the panel.
    LayoutMirroring.enabled: Qt.application.layoutDirection === Qt.RightToLeft
    LayoutMirroring.childrenInherit: true
    // The button's outline follows the contrast too.
    Theme.colors: BoardColors {
        increasedContrast: root.increasedContrast
    }

    // The window's default button.
    Keys.onReturnPressed: root.dismissed()
    Keys.onEnterPressed: root.dismissed()
    // The keys start on Got it, inside a dialog named by the title, so a
    // screen reader reads the window's text with its way out.
    Accessible.role: Accessible.Dialog
    Accessible.name: Localized.text("Welcome to Pondrel Sudoku")
    Component.onCompleted: gotIt.forceActiveFocus()

    Column {
        id: content

        x: Math.round(28 * root.systemScale)
        y: Math.round(28 * root.systemScale)
        width: root.width - 2 * x
        spacing: Math.round(14 * root.systemScale)

        Image {
            anchors.horizontalCenter: parent.horizontalCenter
            width: Math.round(80 * root.systemScale)
            height: width
            sourceSize: Qt.size(width, height)
            fillMode: Image.PreserveAspectFit
            source: "qrc:/pondrel-sudoku.svg"
            Accessible.ignored: true
        }

        Text {
            objectName: "welcomeTitle"
            width: parent.width
            text: Localized.text("Welcome to Pondrel Sudoku")
            font.pixelSize: Math.round(17 * root.systemScale)
            font.weight: Font.DemiBold
            color: root.primaryColor
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            Accessible.name: text
        }

        Text {
            objectName: "welcomeMenuBarText"
            width: parent.width
            text: Localized.text("Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:")
            font.pixelSize: Math.round(13 * root.systemScale)
            color: root.primaryColor
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            Accessible.name: text
        }

        // The tray drawing: network, battery, the game's icon on a filled
        // highlight, and the clock.
        Rectangle {
            id: trayDrawing

            objectName: "welcomeIconHint"
            anchors.horizontalCenter: parent.horizontalCenter
            width: trayRow.implicitWidth + 2 * Math.round(20 * root.systemScale)
            height: trayRow.implicitHeight + 2 * Math.round(10 * root.systemScale)
            radius: Math.round(10 * root.systemScale)
            color: root.quaternaryFill
            Accessible.role: Accessible.Graphic
            Accessible.name: Localized.text("The game's icon, highlighted in the menu bar")

            Row {
                id: trayRow

                readonly property int symbolSize: Math.round(20 * root.systemScale)

                anchors.centerIn: parent
                spacing: Math.round(18 * root.systemScale)

                GlyphImage {
                    anchors.verticalCenter: parent.verticalCenter
                    width: trayRow.symbolSize
                    height: width
                    symbol: "wifi"
                    tint: root.primaryColor
                    Accessible.ignored: true
                }

                GlyphImage {
                    anchors.verticalCenter: parent.verticalCenter
                    width: trayRow.symbolSize
                    height: width
                    symbol: "battery.100percent"
                    tint: root.primaryColor
                    Accessible.ignored: true
                }

                // Drawn in the window's colour on a primary fill, so it reads
                // as the one marked icon in either appearance.
                Rectangle {
                    objectName: "welcomeHighlightedIcon"
                    anchors.verticalCenter: parent.verticalCenter
                    width: trayRow.symbolSize + 2 * Math.round(7 * root.systemScale)
                    height: trayRow.symbolSize + 2 * Math.round(3 * root.systemScale)
                    radius: Math.round(6 * root.systemScale)
                    color: root.primaryColor
                    Accessible.ignored: true

                    GlyphImage {
                        objectName: "welcomeHighlightedGlyph"
                        anchors.centerIn: parent
                        width: trayRow.symbolSize
                        height: width
                        symbol: root.iconName
                        tint: DesktopPalette.active.window
                    }
                }

                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    // Hour and minute in the locale's short form (with its
                    // AM/PM marker where it has one), fixed when the window
                    // opens; some short forms carry seconds, which a clock in
                    // a panel does not show.
                    text: Qt.formatTime(new Date(), Qt.locale().timeFormat(Locale.ShortFormat).replace(/[:.]ss?/, ""))
                    font.pixelSize: Math.round(20 * root.systemScale)
                    font.weight: Font.Medium
                    color: root.primaryColor
                    Accessible.ignored: true
                }
            }
        }

        Text {
            width: parent.width
            text: Localized.text("Can't see it? Your panel may hide some tray icons behind an arrow.")
            font.pixelSize: Math.round(13 * root.systemScale)
            color: root.secondaryColor
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            Accessible.name: text
        }

        Text {
            width: parent.width
            text: Localized.text("Need the rules? Open the game's menu and choose How to Play.")
            font.pixelSize: Math.round(13 * root.systemScale)
            color: root.secondaryColor
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            Accessible.name: text
        }

        // The button with an extra inset above it.
        Item {
            width: parent.width
            height: gotIt.height + Math.round(4 * root.systemScale)

            GlassPushButton {
                id: gotIt

                objectName: "welcomeGotItButton"
                anchors.horizontalCenter: parent.horizontalCenter
                anchors.bottom: parent.bottom
                text: Localized.text("Got it")
                prominent: true
                capsule: true
                fontSize: 13 * root.systemScale
                fontWeight: Font.Medium
                // The label's own padding plus the control's.
                horizontalPadding: Math.round((16 + 8) * root.systemScale)
                verticalPadding: Math.round((2 + 4) * root.systemScale)
                onClicked: root.dismissed()
            }
        }
    }
}
