#pragma once

#include "sudokugame.h"

#include <QObject>
#include <QtQml/qqml.h>

namespace pondrel {

// Makes the game model a QML type, so views can declare
// `required property SudokuGame game`. The model stays free of QML: it is
// registered from here, and only the application makes the one instance.
struct SudokuGameForeign
{
    Q_GADGET
    QML_FOREIGN(pondrel::SudokuGame)
    QML_NAMED_ELEMENT(SudokuGame)
    QML_UNCREATABLE("The game is made once, by the application.")
};

} // namespace pondrel
