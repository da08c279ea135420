#pragma once

namespace pondrel {

class SudokuGame;

// The first-start check, run once per process by the application's start-up
// task on the main thread: on the first start it marks the welcome as seen
// and opens the welcome window.
void showWelcomeIfNeeded(SudokuGame &game);

} // namespace pondrel
