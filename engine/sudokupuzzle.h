#pragma once

#include "difficulty.h"
#include "grid.h"

namespace pondrel {

// A puzzle with exactly one solution. Only code that has just found
// `solution` to be the one solution of `givens` makes one: fromText(),
// generate() and the reading of pasted text.
struct SudokuPuzzle
{
    Grid givens{};
    Grid solution{};
    Difficulty difficulty = Difficulty::easy;

    friend bool operator==(const SudokuPuzzle &, const SudokuPuzzle &) = default;
};

} // namespace pondrel
