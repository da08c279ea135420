import QtQuick
import Pondrel

// A floating glass card: a translucent rounded surface with a hairline rim
// and a soft shadow below it. The software scene graph has no shaders, so
// the shadow's blur is approximated by rings of faint rounded rectangles
// growing outward: where they all overlap the shadow reaches its full
// opacity, and it fades out over the blur radius.
//
// Lay the card's content over it as children; the shadow is drawn outside
// the card's own rectangle and takes no room.
Item {
    id: root

    property real radius: 16
    property real shadowBlur: 16
    property real shadowOffset: 6
    property real shadowOpacity: 0.3

    // Ten rings are smooth at the blur radii used here (up to about 30 px);
    // each ring is one more rectangle for the renderer to draw.
    readonly property int shadowRings: 10


    Repeater {
        model: root.shadowRings

        Rectangle {
            required property int index

            // Ring i spreads (i + 0.5)/n of the blur beyond the card, so the
            // shadow's half-opacity edge lies at the card's own edge.
            readonly property real spread: root.shadowBlur * ((index + 0.5) / root.shadowRings - 0.5)

            x: -spread
            y: root.shadowOffset - spread
            width: root.width + 2 * spread
            height: root.height + 2 * spread
            radius: Math.max(0, root.radius + spread)
            // n layers of opacity a stack to 1 - (1 - a)^n = shadowOpacity.
            color: Qt.rgba(0, 0, 0, 1 - Math.pow(1 - root.shadowOpacity, 1 / root.shadowRings))
        }
    }

    // The surface: mostly opaque, since the shadow lies below it and would
    // darken a clearer glass into a grey smudge.
    Rectangle {
        anchors.fill: parent
        radius: root.radius
        color: Qt.rgba(DesktopPalette.active.window.r, DesktopPalette.active.window.g,
                       DesktopPalette.active.window.b,
                       DesktopPalette.isDark ? 0.96 : 0.95)
        border.width: 1
        border.color: DesktopPalette.isDark ? Qt.rgba(1, 1, 1, 0.16) : Qt.rgba(0, 0, 0, 0.12)
    }

    // A faint sheen along the upper half, the part of glass that catches the
    // light.
    Rectangle {
        x: 1
        y: 1
        width: parent.width - 2
        height: parent.height / 2
        radius: Math.max(0, root.radius - 1)
        gradient: Gradient {
            GradientStop { position: 0; color: Qt.rgba(1, 1, 1, DesktopPalette.isDark ? 0.07 : 0.35) }
            GradientStop { position: 1; color: Qt.rgba(1, 1, 1, 0) }
        }
    }
}
