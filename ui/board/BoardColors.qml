import QtQuick
import Pondrel

// The colours the board draws with, all taken from the system palette so the
// board follows the desktop's light or dark appearance. Made once by the
// board screen and handed to its parts.
QtObject {
    id: root

    // The user asked the desktop for more contrast; outlines get stronger.
    property bool increasedContrast: false

    readonly property SystemPalette palette: DesktopPalette.active
    readonly property bool isDark: DesktopPalette.isDark

    readonly property color background: palette.window
    readonly property color controlBackground: palette.base
    readonly property color primary: palette.text
    // Placeholder colours vary wildly between themes; the text colour at
    // reduced opacity reads as secondary on every one of them; less reduced
    // where the desktop asks for more contrast.
    readonly property color secondary: withOpacity(palette.text, increasedContrast ? 0.85 : 0.55)
    // The selection colour of the palette, brightened or deepened where it
    // would be hard to read on a cell: several dark schemes pair a deep
    // selection blue with a dark grey base, which leaves entered digits
    // barely visible.
    readonly property color accent: legibleOn(palette.highlight, controlBackground)
    // The cells that show why a hint's digit goes where it went: the hue
    // opposite the accent, so they never read as matching digits or the
    // selection (amber beside the usual blue, blue beside an orange
    // accent). A grey selection colour has no hue; amber then.
    readonly property color reason: {
        const hue = palette.highlight.hslHue;
        return Qt.hsla(hue < 0 ? 0.11 : (hue + 0.5) % 1, 0.85, isDark ? 0.6 : 0.5, 1);
    }
    // A wrong entry. Dark appearances use the bright red of dark system
    // palettes; on a light background that red is too pale to read at a
    // glance, so the light appearance uses a deeper one.
    readonly property color mistake: isDark ? Qt.rgba(1.0, 0.271, 0.227, 1.0)
                                            : Qt.rgba(0.8, 0.07, 0.07, 1.0)
    readonly property color cellOutline: withOpacity(primary, increasedContrast ? 0.5 : 0.2)
    readonly property color panelOutline: withOpacity(palette.windowText, isDark ? 0.35 : 0.25)

    // Digits on the cells are large and bold, for which a contrast of 3:1
    // reads well; a little more keeps thin fonts legible too.
    readonly property real minimumContrast: 3.5

    function withOpacity(base: color, opacity: real): color {
        return Qt.rgba(base.r, base.g, base.b, opacity);
    }

    // Relative luminance of an sRGB colour.
    function luminance(c: color): real {
        const linear = v => v <= 0.04045 ? v / 12.92 : Math.pow((v + 0.055) / 1.055, 2.4);
        return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
    }

    function contrast(a: color, b: color): real {
        const la = luminance(a);
        const lb = luminance(b);
        return (Math.max(la, lb) + 0.05) / (Math.min(la, lb) + 0.05);
    }

    // `tint` moved toward white on a dark background or black on a light
    // one, just far enough to stand out from `background`. Below a
    // luminance of 0.18 white contrasts more than black.
    function legibleOn(tint: color, background: color): color {
        const target = luminance(background) < 0.18 ? Qt.rgba(1, 1, 1, 1) : Qt.rgba(0, 0, 0, 1);
        let result = tint;
        for (let step = 1; step <= 20 && contrast(result, background) < minimumContrast; ++step) {
            const t = step / 20;
            result = Qt.rgba(tint.r + (target.r - tint.r) * t, tint.g + (target.g - tint.g) * t,
                             tint.b + (target.b - tint.b) * t, 1);
        }
        return result;
    }
}
