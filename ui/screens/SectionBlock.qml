import QtQuick
import Pondrel

// A titled group of rows: an upper-case header in the secondary text style
// above a rounded, lightly filled box holding the rows one below another.
//
//     SectionBlock {
//         title: QT_TRANSLATE_NOOP("Pondrel", "GAMEPLAY")
//         SwitchRow { ... }
//     }
//
// Rows fill the box's width. `title` is a lookup key; the block localizes it.
Column {
    id: root

    property string title
    default property alias rows: rowStack.data

    readonly property color secondaryText: Qt.rgba(DesktopPalette.active.windowText.r,
                                                   DesktopPalette.active.windowText.g,
                                                   DesktopPalette.active.windowText.b,
                                                   Theme.colors?.increasedContrast ? 0.85 : 0.6)

    spacing: 6

    Text {
        // A margin rather than a padding: it follows a mirrored layout.
        anchors.left: parent.left
        anchors.leftMargin: 8
        text: Localized.text(root.title)
        color: root.secondaryText
        font.pixelSize: Math.round(10 * Theme.boardScale)
        font.weight: Font.DemiBold
        Accessible.role: Accessible.Heading
        Accessible.name: text
    }

    Rectangle {
        // The box's own inset, plus the 2 above and below the rows.
        readonly property real inset: 10

        width: root.width
        height: rowStack.implicitHeight + 2 * inset + 4
        radius: 8
        color: DesktopPalette.isDark ? Qt.rgba(1, 1, 1, 0.06) : Qt.rgba(0, 0, 0, 0.04)
        border.width: 1
        border.color: Theme.colors?.increasedContrast ? Theme.colors.withOpacity(DesktopPalette.active.windowText, 0.5)
                      : DesktopPalette.isDark ? Qt.rgba(1, 1, 1, 0.08) : Qt.rgba(0, 0, 0, 0.06)

        Column {
            id: rowStack

            x: parent.inset
            y: parent.inset + 2
            width: parent.width - 2 * parent.inset
            spacing: 8
        }
    }
}
