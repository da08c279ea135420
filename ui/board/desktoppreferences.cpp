#include "desktoppreferences.h"

namespace pondrel {

DesktopPreferences::DesktopPreferences(QObject *parent) : QObject(parent) {}

void DesktopPreferences::setReduceMotion(bool reduceMotion)
{
    if (m_reduceMotion == reduceMotion) {
        return;
    }
    m_reduceMotion = reduceMotion;
    emit reduceMotionChanged();
}

void DesktopPreferences::setIncreasedContrast(bool increasedContrast)
{
    if (m_increasedContrast == increasedContrast) {
        return;
    }
    m_increasedContrast = increasedContrast;
    emit increasedContrastChanged();
}

void DesktopPreferences::setTextScale(double textScale)
{
    if (m_textScale == textScale) {
        return;
    }
    m_textScale = textScale;
    emit textScaleChanged();
}

} // namespace pondrel
