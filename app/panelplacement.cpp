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

QRect cornerAnchor(const QRect &availableArea)
{
    return {availableArea.topRight(), QSize(1, 1)};
}

} // namespace pondrel
