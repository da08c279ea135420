// Locked candidates. Pointing: a digit's places in a box all lie in one row
// or column, so the rest of that line loses it. Claiming: a digit's places
// in a row or column all lie in one box, so the rest of the box loses it.
// Steps that remove nothing are skipped.

#include "stepfinderdetail.h"

namespace pondrel::steps {

namespace {

// The step when the digit is locked from `from` into another unit and
// something goes; units are {from, into}.
std::optional<Step> lockedStep(const Board &board, Technique technique, int from, int digit)
{
    const std::optional<LockedCandidates> locked = lockedCandidates(board.candidates, from, digit);
    if (!locked || locked->targets.empty()) {
        return std::nullopt;
    }
    return eliminationStep(
        technique, digitBit(digit), {from, locked->into}, locked->places, locked->targets, digit);
}

} // namespace

std::optional<LockedCandidates> lockedCandidates(const Masks &candidates, int from, int digit)
{
    const std::uint16_t positions = placesOf(candidates, from, digit);
    if (bitCount(positions) < 2) {
        return std::nullopt;
    }
    const CellSet places = cellsAt(from, positions);
    // Only a unit of the other kind that holds the first place can hold
    // them all: its row or column for a box, its box for a line.
    for (const int into : unitsOf(places.first())) {
        if (isBoxUnit(into) == isBoxUnit(from) || !places.without(unitSets[into]).empty()) {
            continue;
        }
        LockedCandidates locked{into, places, {}};
        for (const std::uint8_t cell : units[into]) {
            if ((candidates[cell] & digitBit(digit)) != 0 && !unitSets[from].contains(cell)) {
                locked.targets.insert(cell);
            }
        }
        return locked;
    }
    return std::nullopt;
}

std::optional<Step> findPointing(const Board &board)
{
    for (int b = 0; b < 9; ++b) {
        for (int digit = 1; digit <= 9; ++digit) {
            if (auto step = lockedStep(board, Technique::pointing, boxUnit(b), digit)) {
                return step;
            }
        }
    }
    return std::nullopt;
}

std::optional<Step> findClaiming(const Board &board)
{
    // Rows, then columns.
    for (int line = rowUnit(0); line < boxUnit(0); ++line) {
        for (int digit = 1; digit <= 9; ++digit) {
            if (auto step = lockedStep(board, Technique::claiming, line, digit)) {
                return step;
            }
        }
    }
    return std::nullopt;
}

} // namespace pondrel::steps
