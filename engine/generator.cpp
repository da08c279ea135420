#include "generator.h"

#include "rating.h"
#include "solver.h"

#include <numeric>

namespace pondrel {

bool fillGrid(Grid &grid, Masks &masks, RandomSource &random)
{
    int chosen = -1;
    int bestCount = 99;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (grid[cell] != 0) {
            continue;
        }
        if (masks[cell] == 0) {
            return false;
        }
        const int count = bitCount(masks[cell]);
        if (count < bestCount) {
            chosen = cell;
            bestCount = count;
        }
    }
    if (chosen < 0) {
        return true;
    }
    std::array<std::uint8_t, 9> digits{};
    int digitTotal = 0;
    for (std::uint16_t mask = masks[chosen]; mask != 0; mask &= mask - 1) {
        digits[digitTotal++] = static_cast<std::uint8_t>(lowestDigit(mask));
    }
    shuffle(std::span<std::uint8_t>(digits.data(), digitTotal), random);
    for (int i = 0; i < digitTotal; ++i) {
        Grid nextGrid = grid;
        Masks nextMasks = masks;
        place(nextGrid, nextMasks, chosen, digits[i]);
        if (fillGrid(nextGrid, nextMasks, random)) {
            grid = nextGrid;
            masks = nextMasks;
            return true;
        }
    }
    return false;
}

namespace {

bool stopRequested(const std::atomic<bool> *stop)
{
    return stop != nullptr && stop->load(std::memory_order_relaxed);
}

} // namespace

std::optional<SudokuPuzzle>
generate(Difficulty difficulty, int attempts, RandomSource &random, const std::atomic<bool> *stop)
{
    const int target = targetRating(difficulty);
    const ClueRange range = clueRange(difficulty);
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (stopRequested(stop)) {
            return std::nullopt;
        }
        Grid solution{};
        Masks masks;
        masks.fill(kAllDigits);
        fillGrid(solution, masks, random); // always succeeds from an empty grid

        const auto span = static_cast<std::uint64_t>(range.highest - range.lowest + 1);
        const int targetClues = range.lowest + static_cast<int>(uniformBelow(random, span));

        std::array<std::uint8_t, kCellCount> order;
        std::iota(order.begin(), order.end(), std::uint8_t{0});
        shuffle(std::span<std::uint8_t>(order), random);

        // The puzzle keeps exactly one solution throughout, so a removal
        // keeps it unique exactly when no solution puts another digit there.
        Grid puzzle = solution;
        int clues = kCellCount;
        for (const std::uint8_t cell : order) {
            if (clues <= targetClues) {
                break;
            }
            if (stopRequested(stop)) {
                return std::nullopt;
            }
            const std::uint8_t digit = puzzle[cell];
            puzzle[cell] = 0;
            const bool keep = !hasSolutionWithout(puzzle, cell, digit) &&
                              (difficulty == Difficulty::expert || rating(puzzle) <= target);
            if (keep) {
                --clues;
            } else {
                puzzle[cell] = digit;
            }
        }
        if (rating(puzzle) == target) {
            return SudokuPuzzle{puzzle, solution, difficulty};
        }
    }
    return std::nullopt;
}

std::optional<SudokuPuzzle>
generate(Difficulty difficulty, int attempts, const std::atomic<bool> *stop)
{
    return generate(difficulty, attempts, threadRandomSource(), stop);
}

} // namespace pondrel
