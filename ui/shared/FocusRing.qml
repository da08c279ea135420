import QtQuick
import Pondrel

// The ring round a line of text that Tab reaches, so that a screen reader
// reads it, while it has the keys: its parent is the text.
Rectangle {
    anchors.fill: parent
    anchors.margins: -2
    radius: 4
    color: "transparent"
    border.width: 2
    border.color: DesktopPalette.active.highlight
    visible: parent.activeFocus
}
