#pragma once

#include "difficulty.h"
#include "grid.h"
#include "randomsource.h"

#include <cstdint>
#include <deque>
#include <ostream>
#include <string_view>

namespace pondrel {

// Readable test names and failure messages.
inline void PrintTo(Difficulty difficulty, std::ostream *out)
{
    *out << rawValue(difficulty);
}

} // namespace pondrel

namespace pondrel::test {

// The complete, valid grid every suite starts from.
inline constexpr std::string_view kSolvedText =
    "123456789456789123789123456214365897365897214897214365531642978642978531978531642";

// 81 digits, '0' or '.' for empty.
inline Grid gridFromText(std::string_view text)
{
    Grid grid{};
    for (int i = 0; i < kCellCount; ++i) {
        const char c = text[i];
        grid[i] = (c >= '1' && c <= '9') ? static_cast<std::uint8_t>(c - '0') : 0;
    }
    return grid;
}

inline bool isCompleteAndValid(const Grid &grid)
{
    for (const Unit &unit : units) {
        std::uint16_t seen = 0;
        for (const std::uint8_t cell : unit) {
            seen |= digitBit(grid[cell]);
        }
        if (seen != kAllDigits) {
            return false;
        }
    }
    return true;
}

inline int clueCount(const Grid &grid)
{
    int count = 0;
    for (const std::uint8_t value : grid) {
        count += value != 0 ? 1 : 0;
    }
    return count;
}

// Plays back the given values, then a fallback value forever; counts draws.
class ScriptedRandomSource : public RandomSource
{
public:
    explicit ScriptedRandomSource(std::deque<std::uint64_t> script = {},
                                  std::uint64_t fallback = UINT64_MAX)
        : m_script(std::move(script)), m_fallback(fallback)
    {}

    std::uint64_t next() override
    {
        ++draws;
        if (m_script.empty()) {
            return m_fallback;
        }
        const std::uint64_t value = m_script.front();
        m_script.pop_front();
        return value;
    }

    int draws = 0;

private:
    std::deque<std::uint64_t> m_script;
    std::uint64_t m_fallback;
};

// Counts the draws of the real system source.
class CountingRandomSource : public RandomSource
{
public:
    std::uint64_t next() override
    {
        ++draws;
        return m_source.next();
    }

    int draws = 0;

private:
    SystemRandomSource m_source;
};

} // namespace pondrel::test
