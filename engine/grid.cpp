#include "grid.h"

namespace pondrel {

std::optional<Masks> candidateMasks(std::span<const std::uint8_t> grid)
{
    if (grid.size() != kCellCount) {
        return std::nullopt;
    }
    Masks masks;
    masks.fill(kAllDigits);
    for (int i = 0; i < kCellCount; ++i) {
        const int digit = grid[i];
        if (digit == 0) {
            continue;
        }
        if (digit > 9) {
            return std::nullopt;
        }
        const auto clear = static_cast<std::uint16_t>(~digitBit(digit));
        for (const std::uint8_t p : peers[i]) {
            if (grid[p] == digit) {
                return std::nullopt;
            }
            masks[p] &= clear;
        }
        masks[i] = 0;
    }
    return masks;
}

void place(Grid &grid, Masks &masks, int cell, int digit)
{
    grid[cell] = static_cast<std::uint8_t>(digit);
    masks[cell] = 0;
    const auto clear = static_cast<std::uint16_t>(~digitBit(digit));
    for (const std::uint8_t p : peers[cell]) {
        masks[p] &= clear;
    }
}

std::string gridText(const Grid &grid)
{
    std::string text;
    text.reserve(kCellCount);
    for (const std::uint8_t value : grid) {
        text += std::to_string(value);
    }
    return text;
}

} // namespace pondrel
