#include "gamesettings.h"

namespace pondrel {

void GameSettings::load(const QSettings &store)
{
    highlightsMistakes.load(store);
    hasSeenWelcome.load(store);
    highlightsMatchingNumbers.load(store);
    clearsNotesAutomatically.load(store);
    difficulty.load(store);
    boardSize.load(store);
    menuBarIcon.load(store);
    explainsHints.load(store);
}

} // namespace pondrel
