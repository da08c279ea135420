#pragma once

#include "grid.h"
#include "sudokupuzzle.h"

#include <cstdint>

namespace pondrel {

// The rules the board answers from its puzzle and the player's entries, as
// plain functions of the two: SudokuGame's queries and moves ask them. Cell
// indexes outside 0..80 and digits outside 1..9 answer false or 0.

constexpr bool isCell(int index)
{
    return index >= 0 && index < kCellCount;
}

constexpr bool isDigit(int digit)
{
    return digit >= 1 && digit <= 9;
}

// A filled cell, not a given, whose entry differs from the solution.
bool isMistake(const SudokuPuzzle &puzzle, const Grid &values, int index);
// How many of the digit are still to place; 0 once nine or more stand.
int remainingCount(const Grid &values, int digit);
// All nine of the digit stand where the solution has them.
bool isDigitComplete(const SudokuPuzzle &puzzle, const Grid &values, int digit);
// A filled cell whose digit is complete: nothing in it may change.
bool isCellLocked(const SudokuPuzzle &puzzle, const Grid &values, int index);
// The digit cannot go in the cell as the board stands: the cell holds
// another digit, or an empty cell sees the digit in a peer.
bool isBlocked(const Grid &values, int index, int digit);
// The digits no filled peer holds. Every filled peer counts, a wrong entry
// included: the notes show what the board as it stands still allows.
std::uint16_t openDigits(const Grid &values, int index);

} // namespace pondrel
