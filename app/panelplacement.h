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

// How near the top-left corner of its screen a host's click point lies
// when it is no screen point at all: some hosts pass a point relative to
// the icon (Debian 12's waybar on every click, Plasma on activation from
// the keyboard, which gives the icon's centre). Icons are drawn at up to 64
// pixels (a 32-pixel icon on a doubled screen), so a point within that of the
// corner is taken for one of these. Only a tray icon in the very corner of
// the screen is mistaken for it, and the panel still opens on the bar's side.
inline constexpr int kIconReach = 64;

// Whether a host's click point, already in device-independent pixels, can
// be a place on a screen of `screenGeometry`.
bool isScreenPoint(const QPoint &point, const QRect &screenGeometry);

// The anchor when neither the icon's place nor a click point is known: where
// trays sit on the bar that cuts the usable area. A bar at the top or the
// bottom holds its tray at its trailing end (the right for left-to-right
// text), a bar at a side at its lower end. The anchor spans the bar, so the
// panel hangs `kPanelGap` beyond it as from an icon. Top is tried first, then
// bottom, left and right (desktops with two bars keep the tray in the top
// one). With no bar known (XWayland under a Wayland compositor), the
// trailing top corner of the area, where most desktops keep their tray,
// `kBarClearance` down, so the panel clears a bar there.
QRect trayEndAnchor(const QRect &screenGeometry,
                    const QRect &availableArea,
                    Qt::LayoutDirection direction);

} // namespace pondrel
