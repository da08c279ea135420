import QtQuick
import Pondrel

// Stands in for a modal screen until the screens exist: the column-sized
// frame with the screen's title and its Close button, and an empty body.
Item {
    id: root

    required property string screen
    required property real boardScale

    readonly property real inset: 14 * boardScale

    signal dismissed

    implicitWidth: 375 * boardScale

    Row {
        x: root.inset
        y: root.inset
        width: root.width - 2 * root.inset
        height: close.height

        Text {
            objectName: "screenTitle"
            anchors.verticalCenter: parent.verticalCenter
            width: parent.width - close.width
            text: Localized.text(root.screen)
            color: close.systemPalette.windowText
            font.pixelSize: Math.round(13 * root.boardScale)
            font.weight: Font.DemiBold
            elide: Text.ElideRight
            Accessible.role: Accessible.Heading
            Accessible.name: text
        }

        GlassToggleStyle {
            id: close

            objectName: "closeScreenButton"
            width: 28 * root.boardScale
            height: width
            padding: 0
            symbol: "xmark"
            symbolSize: 14 * root.boardScale
            fontSize: 12 * root.boardScale
            Accessible.name: Localized.text("Close")
            onClicked: root.dismissed()
        }
    }
}
