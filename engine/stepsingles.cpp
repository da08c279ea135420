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
            return Step{Technique::fullHouse, digitBit(digit), {u}, {empty}, {{empty, digit}}, {}};
        }
    }
    return std::nullopt;
}

std::optional<Step> findNakedSingle(const Board &board)
{
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (bitCount(board.candidates[cell]) == 1) {
            const int digit = lowestDigit(board.candidates[cell]);
            return Step{Technique::nakedSingle,
                        digitBit(digit),
                        {row(cell), 9 + column(cell), 18 + box(cell)},
                        {cell},
                        {{cell, digit}},
                        {}};
        }
    }
    return std::nullopt;
}

std::optional<Step> findHiddenSingle(const Board &board)
{
    // Boxes first: that is where a person scans for a hidden single.
    for (const int kind : {2, 0, 1}) {
        for (int k = 0; k < 9; ++k) {
            const int u = kind * 9 + k;
            for (int digit = 1; digit <= 9; ++digit) {
                const std::uint16_t places = board.places(u, digit);
                if (bitCount(places) == 1) {
                    const int cell = units[u][std::countr_zero(places)];
                    return Step{
                        Technique::hiddenSingle, digitBit(digit), {u}, {cell}, {{cell, digit}}, {}};
                }
            }
        }
    }
    return std::nullopt;
}

} // namespace pondrel::steps
