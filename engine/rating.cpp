#include "rating.h"

#include <algorithm>

namespace pondrel {

namespace {

// Clears `bits` from an empty cell's mask; whether anything was cleared.
bool removeDigits(const Grid &grid, Masks &masks, int cell, std::uint16_t bits)
{
    if (grid[cell] != 0 || (masks[cell] & bits) == 0) {
        return false;
    }
    masks[cell] &= static_cast<std::uint16_t>(~bits);
    return true;
}

bool hasCandidate(const Grid &grid, const Masks &masks, int cell, std::uint16_t bit)
{
    return grid[cell] == 0 && (masks[cell] & bit) != 0;
}

} // namespace

std::uint16_t positionsOf(const Grid &grid, const Masks &masks, const Unit &unit, std::uint16_t bit)
{
    std::uint16_t positions = 0;
    for (int j = 0; j < 9; ++j) {
        if (hasCandidate(grid, masks, unit[j], bit)) {
            positions |= static_cast<std::uint16_t>(1u << j);
        }
    }
    return positions;
}

namespace {

// Pointing: a digit confined to one row (or column) inside a box leaves the
// rest of that row (or column). Claiming: a digit confined to one box inside
// a line leaves the rest of that box.
bool applyLockedCandidates(const Grid &grid, Masks &masks)
{
    bool changed = false;
    for (int digit = 1; digit <= 9; ++digit) {
        const std::uint16_t bit = digitBit(digit);
        for (int b = 0; b < 9; ++b) {
            const std::uint16_t inBox = positionsOf(grid, masks, boxes[b], bit);
            if (std::popcount(inBox) < 2) {
                continue;
            }
            const int first = boxes[b][std::countr_zero(inBox)];
            bool sameRow = true;
            bool sameColumn = true;
            for (int j = 0; j < 9; ++j) {
                if ((inBox & (1u << j)) != 0) {
                    sameRow = sameRow && row(boxes[b][j]) == row(first);
                    sameColumn = sameColumn && column(boxes[b][j]) == column(first);
                }
            }
            if (sameRow) {
                for (const std::uint8_t cell : rows[row(first)]) {
                    if (box(cell) != b) {
                        changed |= removeDigits(grid, masks, cell, bit);
                    }
                }
            }
            if (sameColumn) {
                for (const std::uint8_t cell : columns[column(first)]) {
                    if (box(cell) != b) {
                        changed |= removeDigits(grid, masks, cell, bit);
                    }
                }
            }
        }
        for (int line = 0; line < 18; ++line) {
            const Unit &unit = units[line]; // rows 0..8, then columns 0..8
            const std::uint16_t inLine = positionsOf(grid, masks, unit, bit);
            if (std::popcount(inLine) < 2) {
                continue;
            }
            const int lineBox = box(unit[std::countr_zero(inLine)]);
            bool sameBox = true;
            for (int j = 0; j < 9; ++j) {
                if ((inLine & (1u << j)) != 0) {
                    sameBox = sameBox && box(unit[j]) == lineBox;
                }
            }
            if (!sameBox) {
                continue;
            }
            const bool isRow = line < 9;
            for (const std::uint8_t cell : boxes[lineBox]) {
                const bool onLine = isRow ? row(cell) == line : column(cell) == line - 9;
                if (!onLine) {
                    changed |= removeDigits(grid, masks, cell, bit);
                }
            }
        }
    }
    return changed;
}

bool applyPairs(const Grid &grid, Masks &masks)
{
    bool changed = false;
    for (const Unit &unit : units) {
        // Naked pairs: two cells holding the same two digits take those
        // digits from the rest of the unit. The candidates are collected once,
        // their masks compared as they stand after earlier removals.
        std::array<std::uint8_t, 9> pairCells{};
        int pairCount = 0;
        for (const std::uint8_t cell : unit) {
            if (grid[cell] == 0 && digitCount(masks[cell]) == 2) {
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
                        changed |= removeDigits(grid, masks, cell, pair);
                    }
                }
            }
        }

        // Hidden pairs: two digits that share the same two cells and no
        // others leave those cells with just the two.
        std::array<std::uint16_t, 10> positions{};
        for (int digit = 1; digit <= 9; ++digit) {
            positions[digit] = positionsOf(grid, masks, unit, digitBit(digit));
        }
        for (int a = 1; a <= 8; ++a) {
            for (int b = a + 1; b <= 9; ++b) {
                if (std::popcount(positions[a]) != 2 || positions[a] != positions[b]) {
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
                        positions[digit] = positionsOf(grid, masks, unit, digitBit(digit));
                    }
                }
            }
        }
    }
    return changed;
}

} // namespace

std::optional<Placement> findHiddenSingle(const Grid &grid, const Masks &masks)
{
    for (const Unit &unit : units) {
        std::uint16_t once = 0;
        std::uint16_t twice = 0;
        for (const std::uint8_t cell : unit) {
            const std::uint16_t mask = grid[cell] == 0 ? masks[cell] : 0;
            twice |= once & mask;
            once |= mask;
        }
        const auto singles = static_cast<std::uint16_t>(once & ~twice & kAllDigits);
        if (singles == 0) {
            continue;
        }
        const int digit = lowestDigit(singles);
        for (const std::uint8_t cell : unit) {
            if (hasCandidate(grid, masks, cell, digitBit(digit))) {
                return Placement{cell, digit};
            }
        }
    }
    return std::nullopt;
}

bool applyEliminations(const Grid &grid, Masks &masks)
{
    if (applyLockedCandidates(grid, masks)) {
        return true;
    }
    return applyPairs(grid, masks);
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
        // One pass answers three questions in the ladder's order: is anything
        // empty, is any empty cell dead, which is the first naked single.
        bool anyEmpty = false;
        int nakedSingle = -1;
        for (int cell = 0; cell < kCellCount; ++cell) {
            if (work[cell] != 0) {
                continue;
            }
            anyEmpty = true;
            const std::uint16_t mask = masks[cell];
            if (mask == 0) {
                return kUnsolvable;
            }
            if (nakedSingle < 0 && (mask & (mask - 1)) == 0) {
                nakedSingle = cell;
            }
        }
        if (!anyEmpty) {
            return level;
        }
        if (nakedSingle >= 0) {
            place(work, masks, nakedSingle, lowestDigit(masks[nakedSingle]));
            continue;
        }
        if (const std::optional<Placement> single = findHiddenSingle(work, masks)) {
            place(work, masks, single->cell, single->digit);
            level = std::max(level, 2);
            continue;
        }
        if (applyEliminations(work, masks)) {
            level = 3;
            continue;
        }
        return kUnsolvable;
    }
}

} // namespace pondrel
