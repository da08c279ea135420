#include "hintexplanation.h"

#include "rating.h"

#include <algorithm>
#include <array>

namespace pondrel {

namespace {

using Kind = HintExplanation::Kind;

// The first unit of the cell, in the engine's unit order, whose empty cells
// leave the digit only this one; nothing when none does.
std::optional<HintExplanation> hiddenSingleAt(const Masks &masks, int cell, int digit)
{
    const std::array<int, 3> cellUnits = unitsOf(cell);
    const std::array<int, 3> unitNumbers{row(cell), column(cell), box(cell)};
    constexpr std::array<Kind, 3> kinds{
        Kind::hiddenSingleInRow, Kind::hiddenSingleInColumn, Kind::hiddenSingleInBox};
    for (std::size_t family = 0; family < kinds.size(); ++family) {
        if (bitCount(placesOf(masks, cellUnits[family], digit)) == 1) {
            HintExplanation explanation{kinds[family], unitNumbers[family], {}, std::nullopt};
            // Every unit lists its cells in ascending order.
            const Unit &unit = units[cellUnits[family]];
            explanation.cells.assign(unit.begin(), unit.end());
            return explanation;
        }
    }
    return std::nullopt;
}

// Whether the board still allows the digit in the cell and every empty cell
// some digit.
bool isConsistent(const Grid &grid, const Masks &masks, int cell, int digit)
{
    for (int other = 0; other < kCellCount; ++other) {
        if (grid[other] == 0 && masks[other] == 0) {
            return false;
        }
    }
    return (masks[cell] & digitBit(digit)) != 0;
}

// Whether the digit is the cell's only candidate or has no other place in
// one of the cell's units.
bool isSingle(const Masks &masks, int cell, int digit)
{
    if (masks[cell] == digitBit(digit)) {
        return true;
    }
    if ((masks[cell] & digitBit(digit)) == 0) {
        return false;
    }
    const std::array<int, 3> cellUnits = unitsOf(cell);
    return std::any_of(cellUnits.begin(), cellUnits.end(), [&](int u) {
        return bitCount(placesOf(masks, u, digit)) == 1;
    });
}

// The technique of the step finder's step after which the digit is a single
// in the cell (or that places it there), climbing the ladder from the board
// as it stands; nothing when the ladder gets stuck or fills the cell
// otherwise.
std::optional<Technique> techniqueLeavingSingle(Grid grid, Masks masks, int cell, int digit)
{
    // Every step places a digit or removes a candidate the finder saw.
    for (int guard = 0; guard < kCellCount * 10; ++guard) {
        const std::optional<Step> step = findNextStep(grid, masks);
        if (!step) {
            return std::nullopt;
        }
        applyStep(*step, grid, masks);
        if (grid[cell] != 0) {
            return grid[cell] == digit ? std::optional(step->technique) : std::nullopt;
        }
        if (isSingle(masks, cell, digit)) {
            return step->technique;
        }
    }
    return std::nullopt;
}

} // namespace

HintExplanation explainPlacement(const Grid &values, int cell, int digit)
{
    const HintExplanation fallback;
    if (cell < 0 || cell >= kCellCount || digit < 1 || digit > 9) {
        return fallback;
    }
    Grid emptied = values;
    emptied[cell] = 0;
    Grid grid = emptied;
    const std::optional<Masks> start = candidateMasks(grid);
    if (!start) {
        return fallback;
    }
    Masks masks = *start;
    // Every step places a digit or removes a candidate, so the loop ends
    // within 81 + 729 steps.
    for (bool onBoardAsItStands = true;; onBoardAsItStands = false) {
        if (!isConsistent(grid, masks, cell, digit)) {
            return fallback;
        }
        std::optional<HintExplanation> single;
        if (masks[cell] == digitBit(digit)) {
            single = HintExplanation{Kind::nakedSingle, std::nullopt, {}, std::nullopt};
            for (const std::uint8_t peer : peers[cell]) {
                if (values[peer] != 0) {
                    single->cells.push_back(peer);
                }
            }
        } else {
            single = hiddenSingleAt(masks, cell, digit);
        }
        if (single && onBoardAsItStands) {
            return *single;
        }
        if (single) {
            return HintExplanation{Kind::elimination,
                                   std::nullopt,
                                   {},
                                   techniqueLeavingSingle(emptied, *start, cell, digit)};
        }
        // A rung that fills the hinted cell (with another digit, since its
        // own single is looked for first) clears its mask, which the next
        // consistency check reports.
        const Rung rung = climbLadder(grid, masks);
        if (rung == Rung::solved || rung == Rung::stuck) {
            // Past the rating's ladder the step finder's longer one may
            // still get there.
            const std::optional<Technique> technique =
                techniqueLeavingSingle(emptied, *start, cell, digit);
            return technique ? HintExplanation{Kind::elimination, std::nullopt, {}, technique}
                             : fallback;
        }
    }
}

} // namespace pondrel
