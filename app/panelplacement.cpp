#include "panelplacement.h"

#include <algorithm>

namespace pondrel {

namespace {

// The start of a span of `length` placed at `wanted` and kept inside
// [areaStart, areaStart + areaLength).
int clampSpan(int wanted, int length, int areaStart, int areaLength)
{
    if (length >= areaLength) {
        return areaStart;
    }
    return std::clamp(wanted, areaStart, areaStart + areaLength - length);
}

} // namespace

QPoint panelPosition(const QRect &anchor, const QSize &panelSize, const QRect &screenArea)
{
    const QPoint anchorCentre = anchor.center();
    const bool opensDownwards = anchorCentre.y() < screenArea.center().y();

    const int wantedX = anchorCentre.x() - panelSize.width() / 2;
    const int wantedY = opensDownwards ? anchor.bottom() + 1 + kPanelGap
                                       : anchor.top() - kPanelGap - panelSize.height();

    return {clampSpan(wantedX, panelSize.width(), screenArea.left(), screenArea.width()),
            clampSpan(wantedY, panelSize.height(), screenArea.top(), screenArea.height())};
}

QRect pointAnchor(const QPoint &point, const QRect &screenGeometry, const QRect &availableArea)
{
    if (availableArea != screenGeometry) {
        // A click on a bar outside the area: the anchor reaches to the
        // area's edge, so the panel keeps its gap from the bar as it does
        // from an icon.
        if (point.y() < availableArea.top()) {
            return {point, QPoint(point.x(), availableArea.top() - 1)};
        }
        if (point.y() > availableArea.bottom()) {
            return {QPoint(point.x(), availableArea.bottom() + 1), point};
        }
        return {point, QSize(1, 1)};
    }
    return {QPoint(point.x(), point.y() - kBarClearance), QSize(1, 2 * kBarClearance + 1)};
}

QPoint pointFromNative(const QPoint &native, const QRect &geometry, qreal devicePixelRatio)
{
    const QPoint offset = native - geometry.topLeft();
    return geometry.topLeft() +
           QPoint(qRound(offset.x() / devicePixelRatio), qRound(offset.y() / devicePixelRatio));
}

bool isScreenPoint(const QPoint &point, const QRect &screenGeometry)
{
    const QPoint offset = point - screenGeometry.topLeft();
    return screenGeometry.contains(point) && (offset.x() >= kIconReach || offset.y() >= kIconReach);
}

QRect trayEndAnchor(const QRect &screenGeometry,
                    const QRect &availableArea,
                    Qt::LayoutDirection direction)
{
    const int trailingX =
        direction == Qt::RightToLeft ? availableArea.left() : availableArea.right();
    if (availableArea.top() > screenGeometry.top()) {
        return {QPoint(trailingX, screenGeometry.top()),
                QPoint(trailingX, availableArea.top() - 1)};
    }
    if (availableArea.bottom() < screenGeometry.bottom()) {
        return {QPoint(trailingX, availableArea.bottom() + 1),
                QPoint(trailingX, screenGeometry.bottom())};
    }
    const int lowY = availableArea.bottom();
    if (availableArea.left() > screenGeometry.left()) {
        return {QPoint(screenGeometry.left(), lowY), QPoint(availableArea.left() - 1, lowY)};
    }
    if (availableArea.right() < screenGeometry.right()) {
        return {QPoint(availableArea.right() + 1, lowY), QPoint(screenGeometry.right(), lowY)};
    }
    // As from a click at the corner on a bar the server does not know of.
    return {QPoint(trailingX, availableArea.top()), QSize(1, kBarClearance)};
}

} // namespace pondrel
