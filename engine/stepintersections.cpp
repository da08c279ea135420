// Locked candidates. Pointing: a digit's places in a box all lie in one row
// or column, so the rest of that line loses it. Claiming: a digit's places
// in a row or column all lie in one box, so the rest of the box loses it.
// Steps that remove nothing are skipped.

#include "stepfinderdetail.h"

namespace pondrel::steps {

namespace {

// The step when the digit's places in `from` all lie in `into` and `into`
// has the digit elsewhere; units are {from, into}.
std::optional<Step> lockedIn(const Board &board, Technique technique, int from, int digit)
{
    const CellSet places = board.cellsWith[digit] & unitSets[from];
    if (places.size() < 2) {
        return std::nullopt;
    }
    const int first = places.first();
    // The other kind of unit that holds the first place: rows and columns
    // for a box, the box for a line.
    const std::array<int, 2> candidatesInto =
        from >= 18 ? std::array<int, 2>{row(first), 9 + column(first)}
                   : std::array<int, 2>{18 + box(first), 18 + box(first)};
    for (const int into : candidatesInto) {
        if (places.without(unitSets[into]).empty()) {
            const CellSet targets = (board.cellsWith[digit] & unitSets[into]).without(places);
            if (!targets.empty()) {
                return eliminationStep(
                    technique, digitBit(digit), {from, into}, places, targets, digit);
            }
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<Step> findPointing(const Board &board)
{
    for (int u = 18; u < 27; ++u) {
        for (int digit = 1; digit <= 9; ++digit) {
            if (auto step = lockedIn(board, Technique::pointing, u, digit)) {
                return step;
            }
        }
    }
    return std::nullopt;
}

std::optional<Step> findClaiming(const Board &board)
{
    for (int u = 0; u < 18; ++u) {
        for (int digit = 1; digit <= 9; ++digit) {
            if (auto step = lockedIn(board, Technique::claiming, u, digit)) {
                return step;
            }
        }
    }
    return std::nullopt;
}

} // namespace pondrel::steps
