#pragma once

#include <QPoint>
#include <QRasterWindow>

namespace pondrel {

// An invisible window over the whole screen, just under the open panel, that
// notices a press anywhere else: for window managers that keep the focus
// where it is when the player clicks the empty desktop (GNOME Shell), so
// that losing the focus cannot tell the panel to hide. It never takes the
// focus; a press on it is the player's click away, and it is not passed on.
class ClickCatcher : public QRasterWindow
{
    Q_OBJECT

public:
    ClickCatcher();

    // Shows it over `screen`'s whole area, under windows shown after it.
    void cover(QScreen *screen);

signals:
    void pressed();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace pondrel
