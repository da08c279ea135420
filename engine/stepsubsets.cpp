// Naked and hidden subsets of size 2..4 within one unit. Naked: `size` empty
// cells whose candidates together are `size` digits, so the unit's other
// cells lose those digits. Hidden: `size` digits whose places together are
// `size` cells, so those cells lose every other digit. Every combination of
// positions (or digits) is tried as a 9-bit mask; only steps that remove
// something count. A naked subset also inside a box or line is reported for
// the unit searched first (rows, columns, boxes) and removes only there.

#include "stepfinderdetail.h"

namespace pondrel::steps {

namespace {

constexpr std::array<Technique, 5> kNaked = {Technique::nakedPair,
                                             Technique::nakedPair,
                                             Technique::nakedPair,
                                             Technique::nakedTriple,
                                             Technique::nakedQuad};
constexpr std::array<Technique, 5> kHidden = {Technique::hiddenPair,
                                              Technique::hiddenPair,
                                              Technique::hiddenPair,
                                              Technique::hiddenTriple,
                                              Technique::hiddenQuad};

std::vector<int> cellsOf(int unit, std::uint16_t positions)
{
    std::vector<int> cells;
    cellsAt(unit, positions).forEach([&](int cell) { cells.push_back(cell); });
    return cells;
}

} // namespace

std::optional<Step> findNakedSubset(const Board &board, int size)
{
    for (int u = 0; u < 27; ++u) {
        std::uint16_t open = 0; // positions of empty cells with 2..size candidates
        std::uint16_t empty = 0;
        for (int j = 0; j < 9; ++j) {
            const int count = bitCount(board.candidates[units[u][j]]);
            if (count > 0) {
                empty |= static_cast<std::uint16_t>(1U << j);
            }
            if (count >= 2 && count <= size) {
                open |= static_cast<std::uint16_t>(1U << j);
            }
        }
        if (bitCount(open) < size || bitCount(empty) <= size) {
            continue;
        }
        auto step = eachMaskOfSize(size, open, [&](std::uint16_t subset) -> std::optional<Step> {
            std::uint16_t digits = 0;
            for (std::uint16_t bits = subset; bits != 0; bits &= bits - 1) {
                digits |= board.candidates[units[u][std::countr_zero(bits)]];
            }
            if (bitCount(digits) != size) {
                return std::nullopt;
            }
            std::optional<Step> found;
            for (std::uint16_t bits = empty & ~subset; bits != 0; bits &= bits - 1) {
                const int cell = units[u][std::countr_zero(bits)];
                for (std::uint16_t d = board.candidates[cell] & digits; d != 0; d &= d - 1) {
                    if (!found) {
                        found = Step{.technique = kNaked[size],
                                     .digits = digits,
                                     .units = {u},
                                     .cells = cellsOf(u, subset)};
                    }
                    found->eliminations.push_back({cell, std::countr_zero(d)});
                }
            }
            return found;
        });
        if (step) {
            return step;
        }
    }
    return std::nullopt;
}

std::optional<Step> findHiddenSubset(const Board &board, int size)
{
    for (int u = 0; u < 27; ++u) {
        std::array<std::uint16_t, 10> places{};
        std::uint16_t open = 0; // digits with 2..size places
        int emptyCount = 0;
        for (int j = 0; j < 9; ++j) {
            emptyCount += board.candidates[units[u][j]] != 0 ? 1 : 0;
        }
        for (int digit = 1; digit <= 9; ++digit) {
            places[digit] = board.places(u, digit);
            const int count = bitCount(places[digit]);
            if (count >= 2 && count <= size) {
                open |= digitBit(digit);
            }
        }
        if (bitCount(open) < size || emptyCount <= size) {
            continue;
        }
        // Digits 1..9 are bits 0..8 of the combination masks.
        const auto open9 = static_cast<std::uint16_t>(open >> 1);
        auto step = eachMaskOfSize(size, open9, [&](std::uint16_t subset) -> std::optional<Step> {
            const auto digits = static_cast<std::uint16_t>(subset << 1);
            std::uint16_t positions = 0;
            for (std::uint16_t d = digits; d != 0; d &= d - 1) {
                positions |= places[std::countr_zero(d)];
            }
            if (bitCount(positions) != size) {
                return std::nullopt;
            }
            std::optional<Step> found;
            for (std::uint16_t bits = positions; bits != 0; bits &= bits - 1) {
                const int cell = units[u][std::countr_zero(bits)];
                for (std::uint16_t d = board.candidates[cell] & ~digits; d != 0; d &= d - 1) {
                    if (!found) {
                        found = Step{.technique = kHidden[size],
                                     .digits = digits,
                                     .units = {u},
                                     .cells = cellsOf(u, positions)};
                    }
                    found->eliminations.push_back({cell, std::countr_zero(d)});
                }
            }
            return found;
        });
        if (step) {
            return step;
        }
    }
    return std::nullopt;
}

} // namespace pondrel::steps
