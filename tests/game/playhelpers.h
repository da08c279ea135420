#pragma once

#include "sudokugame.h"

#include <vector>

// Playing a game as a player would, for the game tests and the crash tests'
// writer alike.
namespace pondrel::test {

inline int solutionAt(const SudokuGame &game, int cell)
{
    return game.puzzle().solution[cell];
}

// The cells of the current puzzle that have no given.
inline std::vector<int> openCells(const SudokuGame &game)
{
    std::vector<int> cells;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (game.puzzle().givens[cell] == 0) {
            cells.push_back(cell);
        }
    }
    return cells;
}

// Selects the cell (clearing any armed digit) and types the digit.
inline void type(SudokuGame &game, int cell, int digit)
{
    if (game.selectedCell() != cell) {
        game.tapCell(cell);
    }
    game.pressDigit(digit);
}

} // namespace pondrel::test
