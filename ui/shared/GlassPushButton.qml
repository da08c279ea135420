import QtQuick
import QtQuick.Templates as T
import Pondrel

// A push button in one of the two glass looks: "prominent" is filled with
// the accent colour, "regular" is a light translucent fill with a hairline
// rim. A destructive button draws its text in the system red. Sizes come
// from `fontSize`; the paddings give the compact control size.
T.Button {
    id: root

    property bool prominent: false
    property bool destructive: false
    // A capsule (fully rounded ends) rather than a rounded rectangle.
    property bool capsule: true
    property real fontSize: 12
    property int fontWeight: Font.Medium
    // A symbol after the text, e.g. the chevrons of a pull-down.
    property string trailingSymbol
    property real trailingSymbolSize: fontSize * 0.75

    readonly property SystemPalette systemPalette: enabled ? DesktopPalette.active
                                                           : DesktopPalette.disabled
    readonly property bool isDark: systemPalette.window.hslLightness < 0.5
    // The same reds the board uses for mistakes: the light appearance needs
    // a deeper one to stay legible on a pale fill.
    readonly property color systemRed: isDark ? Qt.rgba(1.0, 0.271, 0.227, 1.0) : Qt.rgba(0.8, 0.07, 0.07, 1.0)

    readonly property color foreground: prominent ? systemPalette.highlightedText : destructive ? systemRed : systemPalette.buttonText

    implicitWidth: Math.max(implicitBackgroundWidth, implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight, implicitContentHeight + topPadding + bottomPadding)
    horizontalPadding: Math.round(fontSize * 0.9)
    verticalPadding: Math.round(fontSize * 0.4)
    focusPolicy: Qt.TabFocus
    opacity: enabled ? 1 : 0.45

    // Without this a templates button ignores the accessibility "Press".
    Accessible.name: text
    Accessible.onPressAction: clicked()

    // The label stays centred when the button is wider than it needs.
    contentItem: Item {
        // From the label's own size, not the row's, which is clipped to
        // the button's width and would feed back into it.
        implicitWidth: label.implicitWidth + (symbol.visible ? symbol.width + labelRow.spacing : 0)
        implicitHeight: Math.max(label.implicitHeight, symbol.visible ? symbol.height : 0)

        Row {
            id: labelRow

            anchors.centerIn: parent
            spacing: 4

            Text {
                id: label

                anchors.verticalCenter: parent.verticalCenter
                width: Math.min(implicitWidth, root.availableWidth - (symbol.visible ? symbol.width + labelRow.spacing : 0))
                text: root.text
                font.pixelSize: Math.round(root.fontSize)
                font.weight: root.fontWeight
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
                color: root.foreground
            }

            GlyphImage {
                id: symbol

                anchors.verticalCenter: parent.verticalCenter
                visible: root.trailingSymbol !== ""
                width: Math.round(root.trailingSymbolSize)
                height: width
                symbol: root.trailingSymbol
                tint: root.foreground
            }
        }
    }

    background: Rectangle {
        implicitHeight: Math.round(root.fontSize * 2)
        radius: root.capsule ? height / 2 : Math.round(root.fontSize * 0.5)
        color: {
            if (root.prominent) {
                return root.down ? Qt.darker(root.systemPalette.highlight, 1.15) : root.systemPalette.highlight;
            }
            const tone = root.isDark ? 1 : 0;
            const strength = (root.isDark ? 0.10 : 0.06) + (root.down ? 0.08 : root.hovered ? 0.04 : 0);
            return Qt.rgba(tone, tone, tone, strength);
        }
        border.width: root.prominent ? 0 : 1
        border.color: Theme.colors?.increasedContrast ? Qt.rgba(root.foreground.r, root.foreground.g, root.foreground.b, 0.6)
                      : root.isDark ? Qt.rgba(1, 1, 1, 0.18) : Qt.rgba(0, 0, 0, 0.14)

        // The keyboard focus ring, outside the button's own edge.
        Rectangle {
            anchors.fill: parent
            anchors.margins: -3
            radius: parent.radius + 3
            color: "transparent"
            border.width: 2
            border.color: root.systemPalette.highlight
            visible: root.visualFocus
        }
    }
}
