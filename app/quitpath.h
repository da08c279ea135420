#pragma once

namespace pondrel {

class SudokuGame;

// Every quit of the application, once: the board's Quit (which only asks,
// through the QML engine's quit signal), the tray menu's Quit, logout and
// `kill`. The clock stops, so the time played since the last move is kept,
// the pending save is written now (it would otherwise run on an event-loop
// turn that quitting skips), and the event loop ends on its next turn.
void quitAfterSave(SudokuGame &game);

} // namespace pondrel
