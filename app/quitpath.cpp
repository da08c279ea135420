#include "quitpath.h"

#include "sudokugame.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace pondrel {

void quitAfterSave(SudokuGame &game)
{
    game.setPlayActive(false);
    game.saveNow();
    // Queued, so whatever asked (a menu, a D-Bus call) has returned first.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
}

} // namespace pondrel
