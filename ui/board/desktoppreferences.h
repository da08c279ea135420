#pragma once

#include <QObject>
#include <QtQml/qqml.h>

namespace pondrel {

// What the desktop asks of the board: less motion, more contrast, and its
// text size as a scale of the board. The host keeps one up to date with the
// desktop (DesktopSettingsMonitor) and gives it to the board once; the
// board binds to it:
//
//     BoardColors { increasedContrast: root.desktop.increasedContrast }
//
// The text scale arrives already held to the range the board is laid out
// for; this object only carries the values.
class DesktopPreferences : public QObject
{
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(bool reduceMotion READ reduceMotion WRITE setReduceMotion NOTIFY reduceMotionChanged)
    Q_PROPERTY(bool increasedContrast READ increasedContrast WRITE setIncreasedContrast NOTIFY
                   increasedContrastChanged)
    Q_PROPERTY(double textScale READ textScale WRITE setTextScale NOTIFY textScaleChanged)

public:
    explicit DesktopPreferences(QObject *parent = nullptr);

    bool reduceMotion() const { return m_reduceMotion; }
    void setReduceMotion(bool reduceMotion);
    bool increasedContrast() const { return m_increasedContrast; }
    void setIncreasedContrast(bool increasedContrast);
    double textScale() const { return m_textScale; }
    void setTextScale(double textScale);

signals:
    void reduceMotionChanged();
    void increasedContrastChanged();
    void textScaleChanged();

private:
    bool m_reduceMotion = false;
    bool m_increasedContrast = false;
    double m_textScale = 1.0;
};

} // namespace pondrel
