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

// How far the panel's near edge stays from a click point when the screen's
// usable area says nothing of the bar that holds the icon (XWayland under a
// Wayland compositor knows no bars): a bar's height, so the panel clears a
// bar of up to that height wherever in it the click was.
inline constexpr int kBarClearance = 32;

// The anchor for a StatusNotifier host's click at `point` on a screen of
// `screenGeometry` whose usable area is `availableArea`. Where the area
// leaves out the bar, the span from the point to the area's edge, so the
// panel hangs `kPanelGap` beyond the bar as it does from an icon. Where it
// does not, a span of `kBarClearance` each way of the point, so the panel
// opens that far beyond it.
QRect pointAnchor(const QPoint &point, const QRect &screenGeometry, const QRect &availableArea);

// A host's click point, which is in the display server's pixels, in the
// device-independent pixels of a screen of `geometry` (device-independent)
// and `devicePixelRatio`; Qt keeps each screen's top-left corner where the
// server has it and scales the rest.
QPoint pointFromNative(const QPoint &native, const QRect &geometry, qreal devicePixelRatio);

// The anchor when neither the icon's place nor a click point is known: the
// top-right corner of `availableArea`, where most desktops keep their tray.
QRect cornerAnchor(const QRect &availableArea);

} // namespace pondrel
