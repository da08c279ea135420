pragma Singleton

import QtQuick

// The desktop's colours, for every view: one system palette object, read in
// the active group and, for a control turned off, in the disabled one. It
// follows the desktop when its palette changes.
QtObject {
    readonly property SystemPalette active: SystemPalette {
        colorGroup: SystemPalette.Active
    }
    readonly property SystemPalette disabled: SystemPalette {
        colorGroup: SystemPalette.Disabled
    }
    // Light text on a dark window.
    readonly property bool isDark: active.window.hslLightness < 0.5
}
