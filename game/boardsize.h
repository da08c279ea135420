#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace pondrel {

// How large the board is drawn. The raw value is both the stored form of the
// setting and the title shown in Preferences.
enum class BoardSize { standard, large };

inline constexpr std::array<BoardSize, 2> allBoardSizes{BoardSize::standard, BoardSize::large};

constexpr std::string_view rawValue(BoardSize size)
{
    return size == BoardSize::large ? "Large" : "Standard";
}

// Exact, case-sensitive match against the raw values.
constexpr std::optional<BoardSize> boardSizeFromRawValue(std::string_view text)
{
    for (const BoardSize size : allBoardSizes) {
        if (rawValue(size) == text) {
            return size;
        }
    }
    return std::nullopt;
}

} // namespace pondrel
