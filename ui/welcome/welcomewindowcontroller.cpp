#include "welcomewindowcontroller.h"

#include "sudokugame.h"

namespace pondrel {

void showWelcomeIfNeeded(SudokuGame &game)
{
    // The welcome window is not built yet. Until it is, the flag is left
    // alone, so the first start that has the window still shows it.
    Q_UNUSED(game);
}

} // namespace pondrel
