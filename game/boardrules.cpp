#include "boardrules.h"

#include <algorithm>

namespace pondrel {

bool isMistake(const SudokuPuzzle &puzzle, const Grid &values, int index)
{
    return isCell(index) && values[index] != 0 && puzzle.givens[index] == 0 &&
           values[index] != puzzle.solution[index];
}

int remainingCount(const Grid &values, int digit)
{
    if (!isDigit(digit)) {
        return 0;
    }
    const auto placed = std::count(values.begin(), values.end(), digit);
    return placed > 9 ? 0 : static_cast<int>(9 - placed);
}

bool isDigitComplete(const SudokuPuzzle &puzzle, const Grid &values, int digit)
{
    if (!isDigit(digit)) {
        return false;
    }
    int correct = 0;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (values[cell] == digit && puzzle.solution[cell] == digit) {
            ++correct;
        }
    }
    return correct == 9;
}

bool isCellLocked(const SudokuPuzzle &puzzle, const Grid &values, int index)
{
    return isCell(index) && values[index] != 0 && isDigitComplete(puzzle, values, values[index]);
}

bool isBlocked(const Grid &values, int index, int digit)
{
    if (!isCell(index) || !isDigit(digit)) {
        return false;
    }
    if (values[index] != 0) {
        return values[index] != digit;
    }
    return std::any_of(peers[index].begin(), peers[index].end(), [&](std::uint8_t peer) {
        return values[peer] == digit;
    });
}

std::uint16_t openDigits(const Grid &values, int index)
{
    std::uint16_t mask = kAllDigits;
    for (const std::uint8_t peer : peers[index]) {
        if (values[peer] != 0) {
            mask &= static_cast<std::uint16_t>(~digitBit(values[peer]));
        }
    }
    return mask;
}

} // namespace pondrel
