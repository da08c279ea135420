#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace pondrel {

// The four difficulties, in the order every loop over them runs. A
// difficulty is defined by the solving technique it needs (see rating.h),
// the clue count only says how far the generator removes clues.
enum class Difficulty { easy, medium, hard, expert };

inline constexpr std::array<Difficulty, 4> allDifficulties{
    Difficulty::easy, Difficulty::medium, Difficulty::hard, Difficulty::expert};

struct ClueRange
{
    int lowest;
    int highest;
};

// "Easy", "Medium", "Hard", "Expert": shown name, stored form and file key.
constexpr std::string_view rawValue(Difficulty difficulty)
{
    constexpr std::array<std::string_view, 4> names{"Easy", "Medium", "Hard", "Expert"};
    return names[static_cast<int>(difficulty)];
}

// Exact, case-sensitive match against the raw values.
constexpr std::optional<Difficulty> difficultyFromRawValue(std::string_view text)
{
    for (const Difficulty d : allDifficulties) {
        if (rawValue(d) == text) {
            return d;
        }
    }
    return std::nullopt;
}

// 1 for easy up to 4 for expert.
constexpr int targetRating(Difficulty difficulty)
{
    return static_cast<int>(difficulty) + 1;
}

// The letter of the built-in puzzle list: E, M, H and X (not E) for expert.
constexpr char listLetter(Difficulty difficulty)
{
    constexpr std::array<char, 4> letters{'E', 'M', 'H', 'X'};
    return letters[static_cast<int>(difficulty)];
}

constexpr std::optional<Difficulty> difficultyFromListLetter(char letter)
{
    for (const Difficulty d : allDifficulties) {
        if (listLetter(d) == letter) {
            return d;
        }
    }
    return std::nullopt;
}

// How many clues the generator aims to leave.
constexpr ClueRange clueRange(Difficulty difficulty)
{
    constexpr std::array<ClueRange, 4> ranges{{{32, 36}, {27, 31}, {25, 25}, {22, 22}}};
    return ranges[static_cast<int>(difficulty)];
}

} // namespace pondrel
