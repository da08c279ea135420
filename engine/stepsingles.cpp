// Singles: a unit with one empty cell (Full House), a cell with one
// candidate (Naked Single), a digit with one place in a unit (Hidden
// Single). Each places one digit; they read the candidates as given and do
// not check them against the filled cells.

#include "stepfinderdetail.h"

namespace pondrel::steps {

std::optional<Step> findFullHouse(const Board &board)
{
    for (int u = 0; u < 27; ++u) {
        int empty = -1;
        int emptyCount = 0;
        for (const int cell : units[u]) {
            if (board.values[cell] == 0) {
                empty = cell;
                ++emptyCount;
            }
        }
        if (emptyCount == 1 && bitCount(board.candidates[empty]) == 1) {
            const int digit = lowestDigit(board.candidates[empty]);
            return Step{.technique = Technique::fullHouse,
                        .digits = digitBit(digit),
                        .units = {u},
                        .cells = {empty},
                        .placements = {{empty, digit}}};
        }
    }
    return std::nullopt;
}

std::optional<Step> findNakedSingle(const Board &board)
{
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (bitCount(board.candidates[cell]) == 1) {
            const int digit = lowestDigit(board.candidates[cell]);
            const std::array<int, 3> cellUnits = unitsOf(cell);
            return Step{.technique = Technique::nakedSingle,
                        .digits = digitBit(digit),
                        .units = {cellUnits.begin(), cellUnits.end()},
                        .cells = {cell},
                        .placements = {{cell, digit}}};
        }
    }
    return std::nullopt;
}

std::optional<Step> findHiddenSingle(const Board &board)
{
    // Boxes first: that is where a person scans for a hidden single.
    for (const int firstUnit : {boxUnit(0), rowUnit(0), columnUnit(0)}) {
        for (int u = firstUnit; u < firstUnit + 9; ++u) {
            if (const std::optional<Placement> single = hiddenSingleIn(board.candidates, u)) {
                return Step{.technique = Technique::hiddenSingle,
                            .digits = digitBit(single->digit),
                            .units = {u},
                            .cells = {single->cell},
                            .placements = {*single}};
            }
        }
    }
    return std::nullopt;
}

} // namespace pondrel::steps
