#include "solver.h"

#include "bandsolver.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <cmath>

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
        const int count = digitCount(masks[cell]);
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

// The value of a character that stands for a whole number 0..9 in any
// script, or -1.
int digitValue(UChar32 character)
{
    if (character >= '0' && character <= '9') {
        return character - '0';
    }
    const double value = u_getNumericValue(character);
    if (value == U_NO_NUMERIC_VALUE || value < 0 || value > 9 || value != std::floor(value)) {
        return -1;
    }
    return static_cast<int>(value);
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

std::optional<SudokuPuzzle> fromText(std::string_view utf8Text, Difficulty difficulty)
{
    // 81 characters take at most 4 bytes each; anything longer is not a grid,
    // and the cap keeps the offsets well inside ICU's 32-bit indices.
    constexpr std::size_t kMaxBytes = 4 * kCellCount;
    if (utf8Text.size() > kMaxBytes) {
        return std::nullopt;
    }
    Grid givens;
    int count = 0;
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(utf8Text.data());
    const auto length = static_cast<std::int32_t>(utf8Text.size());
    std::int32_t offset = 0;
    while (offset < length) {
        UChar32 character;
        U8_NEXT(bytes, offset, length, character);
        if (character < 0 || count == kCellCount) {
            return std::nullopt; // invalid UTF-8, or more than 81 characters
        }
        const int value = digitValue(character);
        if (value < 0) {
            return std::nullopt;
        }
        givens[count++] = static_cast<std::uint8_t>(value);
    }
    if (count != kCellCount) {
        return std::nullopt;
    }
    const SolutionCount answer = countSolutions(givens);
    if (answer.count != 1) {
        return std::nullopt;
    }
    return SudokuPuzzle{givens, answer.solution, difficulty};
}

} // namespace pondrel
