#pragma once

namespace pondrel {

class SudokuGame;

// Ends the application the way the board menu's Quit does: the clock stops,
// so the time played since the last move is kept, the pending save is
// written now (it would otherwise run on an event-loop turn that quitting
// skips), and the event loop ends on its next turn.
void quitAfterSave(SudokuGame &game);

} // namespace pondrel
