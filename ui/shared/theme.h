#pragma once

#include <QObject>
#include <QPointer>
#include <QtQml/qqml.h>

#include <optional>

namespace pondrel {

// The board's size factor and colours, set once where a view begins and read
// by every item below it, the way a desktop toolkit hands its theme down the
// widget tree:
//
//     SudokuView {
//         Theme.boardScale: boardScale
//         Theme.colors: colors
//     }
//     Text { font.pixelSize: Math.round(13 * Theme.boardScale) }
//
// An item that sets neither value takes its parent's, and follows the parent
// when it moves. A popup and the items it shows take them from the item the
// popup belongs to, not from the window's overlay that draws them. Without
// any setter above, the scale is 1 and there are no colours.
class Theme : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Theme is an attached property")
    QML_ATTACHED(Theme)

    // Every size is a number of points times this.
    Q_PROPERTY(double boardScale READ boardScale WRITE setBoardScale NOTIFY boardScaleChanged)
    // A BoardColors.
    Q_PROPERTY(QObject *colors READ colors WRITE setColors NOTIFY colorsChanged)

public:
    explicit Theme(QObject *attachee);

    static Theme *qmlAttachedProperties(QObject *attachee);

    double boardScale() const;
    void setBoardScale(double boardScale);
    QObject *colors() const;
    void setColors(QObject *colors);

signals:
    void boardScaleChanged();
    void colorsChanged();

private slots:
    // Finds the theme of the item above and follows it from then on.
    void inherit();

private:
    QPointer<Theme> m_inherited;
    std::optional<double> m_boardScale;
    std::optional<QPointer<QObject>> m_colors;
};

} // namespace pondrel
