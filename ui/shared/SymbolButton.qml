import QtQuick
import QtQuick.Controls.Basic
import Pondrel

// A round button showing only a symbol, in the regular glass look (the
// prominent one while `isOn`): the header's buttons, Close, the tray icon
// choices. The symbol is drawn at the size of 12-point text in a 28-point
// circle; the tooltip, if any, shows on hover and is read out after the
// name.
//
//     SymbolButton {
//         symbol: "xmark"
//         toolTip: Localized.text("Close")
//         Accessible.name: Localized.text("Close")
//     }
GlassToggleStyle {
    id: root

    property string toolTip

    width: Math.round(28 * Theme.boardScale)
    height: width
    padding: 0
    symbolSize: 14 * Theme.boardScale
    fontSize: 12 * Theme.boardScale
    // A tooltip that only repeats the name is not read out twice.
    Accessible.description: toolTip !== Accessible.name ? toolTip : ""
    ToolTip.text: toolTip
    ToolTip.visible: hovered && toolTip !== ""
    ToolTip.delay: 600
}
