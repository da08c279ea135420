// Unique Rectangle: four empty cells on two rows, two columns and two boxes
// that all still hold the digits x and y. If all four ended as x/y, the two
// digits could be swapped and the puzzle would have two solutions; the
// puzzle has one, so whatever would leave that pattern goes:
// - type 1: three of the cells are exactly {x,y}: the fourth loses x and y;
// - type 2: two are exactly {x,y}, the other two exactly {x,y,z}: one of
//   those holds z, so cells seeing both lose z;
// - type 4: two are exactly {x,y}, the other two share a line in which x has
//   no other place: one of them is x, so neither can be y.
// Sound only for puzzles with one solution, and only because none of the
// four cells is a given (they are empty). Other types are not searched.

#include "stepfinderdetail.h"

#include <algorithm>

namespace pondrel::steps {

namespace {

Step rectangleStep(const std::array<int, 4> &corners, std::uint16_t pair, std::uint16_t digits)
{
    std::array<int, 4> sorted = corners;
    std::sort(sorted.begin(), sorted.end());
    Step step{Technique::uniqueRectangle, digits, {}, {sorted.begin(), sorted.end()}, {}, {}};
    step.pairDigits = pair;
    return step;
}

std::optional<Step> rectangleAt(const Board &board, const std::array<int, 4> &corners)
{
    // corners: [0] and [1] share a row, [0] and [2] a column, [3] is opposite [0].
    const Masks &cand = board.candidates;
    const std::uint16_t common =
        cand[corners[0]] & cand[corners[1]] & cand[corners[2]] & cand[corners[3]];
    for (std::uint16_t xs = common; xs != 0; xs &= xs - 1) {
        for (std::uint16_t ys = xs & (xs - 1); ys != 0; ys &= ys - 1) {
            const auto pair = static_cast<std::uint16_t>(digitBit(std::countr_zero(xs)) |
                                                         digitBit(std::countr_zero(ys)));
            std::array<int, 4> floor{};
            std::array<int, 4> roof{};
            int floorCount = 0;
            int roofCount = 0;
            for (const int cell : corners) {
                if (cand[cell] == pair) {
                    floor[floorCount++] = cell;
                } else {
                    roof[roofCount++] = cell;
                }
            }
            if (floorCount == 3) {
                Step step = rectangleStep(corners, pair, pair);
                for (std::uint16_t d = pair; d != 0; d &= d - 1) {
                    step.eliminations.push_back({roof[0], std::countr_zero(d)});
                }
                return step;
            }
            if (floorCount != 2) {
                continue;
            }
            const int r1 = roof[0];
            const int r2 = roof[1];
            const std::uint16_t extra1 = cand[r1] & static_cast<std::uint16_t>(~pair);
            if (bitCount(extra1) == 1 && cand[r2] == cand[r1]) {
                const int z = lowestDigit(extra1);
                CellSet targets = board.cellsWith[z] & peerSets[r1] & peerSets[r2];
                if (!targets.empty()) {
                    Step step = rectangleStep(corners, pair, extra1);
                    targets.forEach([&](int cell) { step.eliminations.push_back({cell, z}); });
                    return step;
                }
            }
            const int line = row(r1) == row(r2) ? rowUnit(row(r1)) : columnUnit(column(r1));
            if (row(r1) != row(r2) && column(r1) != column(r2)) {
                continue;
            }
            for (std::uint16_t d = pair; d != 0; d &= d - 1) {
                const int x = std::countr_zero(d);
                const int y = lowestDigit(pair & static_cast<std::uint16_t>(~digitBit(x)));
                if ((board.cellsWith[x] & unitSets[line]).size() == 2) {
                    Step step = rectangleStep(corners, pair, digitBit(y));
                    step.eliminations.push_back({std::min(r1, r2), y});
                    step.eliminations.push_back({std::max(r1, r2), y});
                    return step;
                }
            }
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<Step> findUniqueRectangle(const Board &board)
{
    for (int r1 = 0; r1 < 9; ++r1) {
        for (int r2 = r1 + 1; r2 < 9; ++r2) {
            for (int c1 = 0; c1 < 9; ++c1) {
                for (int c2 = c1 + 1; c2 < 9; ++c2) {
                    // Two boxes: the rows share a band or the columns a stack, not both.
                    if ((r1 / 3 == r2 / 3) == (c1 / 3 == c2 / 3)) {
                        continue;
                    }
                    const std::array<int, 4> corners{
                        cellAt(r1, c1), cellAt(r1, c2), cellAt(r2, c1), cellAt(r2, c2)};
                    bool open = true;
                    for (const int cell : corners) {
                        open = open && bitCount(board.candidates[cell]) >= 2;
                    }
                    if (!open) {
                        continue;
                    }
                    if (auto step = rectangleAt(board, corners)) {
                        return step;
                    }
                }
            }
        }
    }
    return std::nullopt;
}

} // namespace pondrel::steps
