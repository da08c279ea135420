#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace pondrel {

// Space between the tray icon and the panel, in device-independent pixels.
inline constexpr int kPanelGap = 4;

// Where the panel's top-left corner goes when it hangs from `anchor` (the
// tray icon's rectangle, or a 1x1 rectangle at the pointer) on a screen whose
// usable area is `screenArea`.
//
// The panel is centred under the anchor, or above it when the anchor is in
// the lower half of the screen (a tray at the bottom), `kPanelGap` away, and
// then moved as little as needed to lie fully inside `screenArea`. A panel
// larger than the area is aligned to its top-left corner, so its title and
// close controls stay reachable.
QPoint panelPosition(const QRect &anchor, const QSize &panelSize, const QRect &screenArea);

} // namespace pondrel
