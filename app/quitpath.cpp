#include "quitpath.h"

#include "sudokugame.h"

#include <QCoreApplication>

namespace pondrel {

void quitAfterSave(SudokuGame &game)
{
    game.setPlayActive(false);
    game.saveNow();
    QCoreApplication::quit();
}

} // namespace pondrel
