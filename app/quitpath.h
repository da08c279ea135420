#pragma once

namespace pondrel {

class SudokuGame;

// Quit, from wherever it is asked for (the board's menu, the tray's menu, a
// signal at logout): stops the clock, which queues a save holding the time
// played since the last move, writes that save now, and ends the event loop.
// The save must not wait for the next turn of the loop: there is none.
void quitAfterSave(SudokuGame &game);

} // namespace pondrel
