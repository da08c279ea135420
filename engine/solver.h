#pragma once

#include "sudokupuzzle.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace pondrel {

// Depth-first search for solved grids. Branches on the first empty cell with
// the fewest candidates (stopping the scan at a cell with one candidate),
// tries its digits in ascending order and stops once `limit` grids are found.
// The order of the returned grids is the order of that search. Empty when the
// grid does not hold 81 values, breaks the rules or has no solution.
std::vector<Grid> solutions(std::span<const std::uint8_t> grid, std::size_t limit);

// The answer to "none, one or more than one solution?".
struct SolutionCount
{
    int count = 0;   // 0, 1 or 2 (2 stands for "two or more")
    Grid solution{}; // the unique solution when count == 1
};

// Same answer as solutions(grid, 2).size() (and the grid when unique), found
// by a faster solver that propagates naked and hidden singles. Use it
// wherever only the count or the unique solution matters.
SolutionCount countSolutions(std::span<const std::uint8_t> grid);

// Whether the grid has a solution in which the empty `cell` holds a digit
// other than `digit`. When the grid with `digit` in `cell` has exactly one
// solution, this is the question "does emptying that cell make the puzzle
// ambiguous?", answered without counting the known solution again.
bool hasSolutionWithout(const Grid &grid, int cell, int digit);

// No grid with fewer givens than this has exactly one solution (McGuire,
// Tugemann and Civario, 2012). Below it a search can only tell none from
// several, and on a sparse grid without a solution that search may take
// seconds, so untrusted givens are judged without it.
inline constexpr int kMinimumUniqueGivens = 17;

// countSolutions for givens from outside (typed, pasted, read from a file):
// clashing givens are told to have none and fewer than kMinimumUniqueGivens
// to have several, both without a search.
SolutionCount judgeGivens(const Grid &givens);

// Reads 81 characters, each a decimal digit of any script (an Arabic-Indic
// three counts as 3), "0" for empty, and returns the puzzle when it has
// exactly one solution. Anything else gives nothing: other characters,
// numerals above 9 or not whole, invalid UTF-8, a length other than 81, a
// grid that breaks the rules, no solution or several. The difficulty is
// trusted, not rated.
std::optional<SudokuPuzzle> fromText(std::string_view utf8Text, Difficulty difficulty);

} // namespace pondrel
