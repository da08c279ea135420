#include "solver.h"

#include <algorithm>

#include "bandsolver.h"
#include "unicodetext.h"

namespace pondrel {

namespace {

// The plain search. Each branch works on its own copy of grid and masks
// (243 bytes on the stack): cheaper than an undo log at this size, and it
// keeps the order in which solutions are found easy to reason about.
void search(const Grid &grid, const Masks &masks, std::vector<Grid> &found, std::size_t limit)
{
    int chosen = -1;
    int bestCount = 99;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (grid[cell] != 0) {
            continue;
        }
        if (masks[cell] == 0) {
            return;
        }
        const int count = bitCount(masks[cell]);
        if (count < bestCount) {
            chosen = cell;
            bestCount = count;
            if (count == 1) {
                break;
            }
        }
    }
    if (chosen < 0) {
        found.push_back(grid);
        return;
    }
    for (std::uint16_t mask = masks[chosen]; mask != 0; mask &= mask - 1) {
        Grid nextGrid = grid;
        Masks nextMasks = masks;
        place(nextGrid, nextMasks, chosen, lowestDigit(mask));
        search(nextGrid, nextMasks, found, limit);
        if (found.size() >= limit) {
            return;
        }
    }
}

} // namespace

std::vector<Grid> solutions(std::span<const std::uint8_t> grid, std::size_t limit)
{
    std::vector<Grid> found;
    // A limit of 0 asks for no grid at all; searching would still add the first.
    if (limit == 0) {
        return found;
    }
    const std::optional<Masks> masks = candidateMasks(grid);
    if (!masks) {
        return found;
    }
    Grid start;
    std::copy(grid.begin(), grid.end(), start.begin());
    search(start, *masks, found, limit);
    return found;
}

SolutionCount countSolutions(std::span<const std::uint8_t> grid)
{
    if (grid.size() != kCellCount) {
        return {};
    }
    Grid start;
    std::copy(grid.begin(), grid.end(), start.begin());
    const detail::BandSolverResult result = detail::countWithBands(start, 2);
    return {result.count, result.solution};
}

bool hasSolutionWithout(const Grid &grid, int cell, int digit)
{
    if (cell < 0 || cell >= kCellCount || digit < 1 || digit > 9 || grid[cell] != 0) {
        return false;
    }
    return detail::countWithBands(grid, 1, cell, digit).count > 0;
}

SolutionCount judgeGivens(const Grid &givens)
{
    if (!candidateMasks(givens)) {
        return {};
    }
    if (std::count_if(givens.begin(), givens.end(), [](std::uint8_t value) { return value != 0; }) <
        kMinimumUniqueGivens) {
        return {2, {}};
    }
    return countSolutions(givens);
}

std::optional<SudokuPuzzle> fromText(std::string_view utf8Text, Difficulty difficulty)
{
    // 81 characters take at most 4 bytes each: anything longer is no grid,
    // and is turned down before it is decoded.
    constexpr std::size_t kMaxBytes = 4 * kCellCount;
    if (utf8Text.size() > kMaxBytes) {
        return std::nullopt;
    }
    const std::optional<std::u32string> characters = decodeUtf8(utf8Text);
    if (!characters || characters->size() != kCellCount) {
        return std::nullopt;
    }
    Grid givens;
    for (int i = 0; i < kCellCount; ++i) {
        const std::optional<int> value = digitValue((*characters)[i]);
        if (!value) {
            return std::nullopt;
        }
        givens[i] = static_cast<std::uint8_t>(*value);
    }
    const SolutionCount answer = judgeGivens(givens);
    if (answer.count != 1) {
        return std::nullopt;
    }
    return SudokuPuzzle{givens, answer.solution, difficulty};
}

} // namespace pondrel
