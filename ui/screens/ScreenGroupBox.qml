import QtQuick
import Pondrel

// The rounded, lightly filled box that groups the rows of a screen: its
// children are stacked top to bottom at the full inner width, `spacing`
// apart, `inset` away from the box's own padding at top and bottom and
// `sideInset` at the sides.
Rectangle {
    id: root

    default property alias rows: column.data
    property alias spacing: column.spacing
    property real inset: 0
    property real sideInset: 0

    // The box's own padding around its content, as a desktop group box has.
    readonly property real padding: 10

    implicitHeight: column.implicitHeight + 2 * (padding + inset)
    radius: 8
    // The same faint fill and rim as the section blocks' boxes.
    color: Theme.colors.isDark ? Qt.rgba(1, 1, 1, 0.06) : Qt.rgba(0, 0, 0, 0.04)
    border.width: 1
    border.color: Theme.colors?.increasedContrast ? Theme.colors.withOpacity(Theme.colors.primary, 0.5)
                  : Theme.colors.isDark ? Qt.rgba(1, 1, 1, 0.08) : Qt.rgba(0, 0, 0, 0.06)

    Column {
        id: column

        x: root.padding + root.sideInset
        y: root.padding + root.inset
        width: root.width - 2 * x
    }
}
