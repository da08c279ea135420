#pragma once

#include "randomsource.h"
#include "sudokupuzzle.h"

#include <atomic>
#include <optional>

namespace pondrel {

// Completes grid and masks in place with a random valid filling (backtracking
// over the first cell with the fewest candidates, digits in shuffled order).
// Returns false and leaves both unchanged when no completion exists.
bool fillGrid(Grid &grid, Masks &masks, RandomSource &random);

// Deals a puzzle of the difficulty: a random full grid, then clues removed in
// random order while the solution stays unique and (below expert) the rating
// stays at or under the target. An attempt whose final rating misses the
// target is thrown away. Returns nothing after `attempts` misses, and at once
// when `stop` is set (it is checked between removals and between attempts).
std::optional<SudokuPuzzle> generate(Difficulty difficulty,
                                     int attempts,
                                     RandomSource &random,
                                     const std::atomic<bool> *stop = nullptr);

// The same with the calling thread's system random source.
std::optional<SudokuPuzzle>
generate(Difficulty difficulty, int attempts, const std::atomic<bool> *stop = nullptr);

} // namespace pondrel
