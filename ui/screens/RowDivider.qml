import QtQuick
import Pondrel

// The hairline between two rows of a group box.
Rectangle {
    width: parent ? parent.width : 0
    implicitHeight: 1
    color: Theme.colors.withOpacity(Theme.colors.primary, Theme.colors.isDark ? 0.16 : 0.12)
}
