// The rating's ladder. Hidden singles and locked candidates are the step
// finder's own (stepsingles.cpp, stepintersections.cpp); the rating keeps
// its order of search and its pass of eliminations, which its levels and
// the stored difficulties of every puzzle depend on.

#include "rating.h"

#include "stepfinderdetail.h"

#include <algorithm>

namespace pondrel {

namespace {

// Clears `bits` from a cell's mask; whether anything was cleared.
bool removeDigits(Masks &masks, int cell, std::uint16_t bits)
{
    if ((masks[cell] & bits) == 0) {
        return false;
    }
    masks[cell] &= static_cast<std::uint16_t>(~bits);
    return true;
}

// One pass, digit by digit: pointing from each box, then claiming from each
// row and column.
bool applyLockedCandidates(Masks &masks)
{
    bool changed = false;
    const auto lockFrom = [&](int from, int digit) {
        if (const auto locked = steps::lockedCandidates(masks, from, digit)) {
            locked->targets.forEach(
                [&](int cell) { changed |= removeDigits(masks, cell, digitBit(digit)); });
        }
    };
    for (int digit = 1; digit <= 9; ++digit) {
        for (int b = 0; b < 9; ++b) {
            lockFrom(boxUnit(b), digit);
        }
        for (int line = rowUnit(0); line < boxUnit(0); ++line) {
            lockFrom(line, digit);
        }
    }
    return changed;
}

bool applyPairs(Masks &masks)
{
    bool changed = false;
    for (int u = 0; u < 27; ++u) {
        const Unit &unit = units[u];
        // Naked pairs: two cells holding the same two digits take those
        // digits from the rest of the unit. The candidates are collected once,
        // their masks compared as they stand after earlier removals.
        std::array<std::uint8_t, 9> pairCells{};
        int pairCount = 0;
        for (const std::uint8_t cell : unit) {
            if (bitCount(masks[cell]) == 2) {
                pairCells[pairCount++] = cell;
            }
        }
        for (int i = 0; i < pairCount; ++i) {
            for (int j = i + 1; j < pairCount; ++j) {
                const int first = pairCells[i];
                const int second = pairCells[j];
                if (masks[first] != masks[second]) {
                    continue;
                }
                const std::uint16_t pair = masks[first];
                for (const std::uint8_t cell : unit) {
                    if (cell != first && cell != second) {
                        changed |= removeDigits(masks, cell, pair);
                    }
                }
            }
        }

        // Hidden pairs: two digits that share the same two cells and no
        // others leave those cells with just the two.
        std::array<std::uint16_t, 10> positions{};
        for (int digit = 1; digit <= 9; ++digit) {
            positions[digit] = placesOf(masks, u, digit);
        }
        for (int a = 1; a <= 8; ++a) {
            for (int b = a + 1; b <= 9; ++b) {
                if (bitCount(positions[a]) != 2 || positions[a] != positions[b]) {
                    continue;
                }
                const auto keep = static_cast<std::uint16_t>(digitBit(a) | digitBit(b));
                bool reduced = false;
                for (int j = 0; j < 9; ++j) {
                    if ((positions[a] & (1u << j)) == 0) {
                        continue;
                    }
                    const int cell = unit[j];
                    if ((masks[cell] & ~keep) != 0) {
                        masks[cell] &= keep;
                        reduced = true;
                    }
                }
                if (reduced) {
                    changed = true;
                    for (int digit = 1; digit <= 9; ++digit) {
                        positions[digit] = placesOf(masks, u, digit);
                    }
                }
            }
        }
    }
    return changed;
}

// The rungs above naked singles.
Rung climbPastNakedSingles(Grid &grid, Masks &masks)
{
    for (int u = 0; u < 27; ++u) {
        if (const std::optional<Placement> single = steps::hiddenSingleIn(masks, u)) {
            place(grid, masks, single->cell, single->digit);
            return Rung::hiddenSingle;
        }
    }
    if (applyLockedCandidates(masks) || applyPairs(masks)) {
        return Rung::elimination;
    }
    return Rung::stuck;
}

// climbLadder, inlined into the rating's loop: rating an easy puzzle is
// some 50 climbs of a naked single, and the call (GCC does not inline it by
// itself) made the rating 8% slower.
[[gnu::always_inline]] inline Rung climb(Grid &grid, Masks &masks)
{
    // One pass answers three questions in the ladder's order: is anything
    // empty, is any empty cell dead, which is the first naked single.
    bool anyEmpty = false;
    int nakedSingle = -1;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (grid[cell] != 0) {
            continue;
        }
        anyEmpty = true;
        const std::uint16_t mask = masks[cell];
        if (mask == 0) {
            return Rung::stuck;
        }
        if (nakedSingle < 0 && (mask & (mask - 1)) == 0) {
            nakedSingle = cell;
        }
    }
    if (!anyEmpty) {
        return Rung::solved;
    }
    if (nakedSingle >= 0) {
        place(grid, masks, nakedSingle, lowestDigit(masks[nakedSingle]));
        return Rung::nakedSingle;
    }
    return climbPastNakedSingles(grid, masks);
}

} // namespace

Rung climbLadder(Grid &grid, Masks &masks)
{
    return climb(grid, masks);
}

int rating(const Grid &grid)
{
    constexpr int kUnsolvable = 4;
    const std::optional<Masks> start = candidateMasks(grid);
    if (!start) {
        return kUnsolvable;
    }
    Grid work = grid;
    Masks masks = *start;
    int level = 1;
    for (;;) {
        switch (climb(work, masks)) {
        case Rung::nakedSingle:
            break;
        case Rung::hiddenSingle:
            level = std::max(level, 2);
            break;
        case Rung::elimination:
            level = 3;
            break;
        case Rung::solved:
            return level;
        case Rung::stuck:
            return kUnsolvable;
        }
    }
}

} // namespace pondrel
