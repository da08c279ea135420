#pragma once

#include "difficulty.h"
#include "grid.h"

namespace pondrel {

// A puzzle with exactly one solution. Only fromText() and generate() make
// one, and both guarantee that `solution` is the one solution of `givens`.
struct SudokuPuzzle
{
    Grid givens{};
    Grid solution{};
    Difficulty difficulty = Difficulty::easy;

    friend bool operator==(const SudokuPuzzle &, const SudokuPuzzle &) = default;
};

} // namespace pondrel
