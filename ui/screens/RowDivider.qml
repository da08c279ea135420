import QtQuick
import Pondrel

// The hairline between two rows of a group box.
Rectangle {
    readonly property BoardColors colors: BoardColors {}

    width: parent ? parent.width : 0
    implicitHeight: 1
    color: colors.withOpacity(colors.primary, colors.isDark ? 0.16 : 0.12)
}
