#pragma once

#include "difficulty.h"
#include "grid.h"
#include "randomsource.h"

#include <cstdint>
#include <deque>
#include <fstream>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

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

// kSolvedText with the given cells emptied.
inline Grid solvedWithout(std::initializer_list<int> cells)
{
    Grid grid = gridFromText(kSolvedText);
    for (const int cell : cells) {
        grid[cell] = 0;
    }
    return grid;
}

// Legal but without a solution: row 0 needs a 9 in cell 8, but column 8
// already has one.
inline Grid deadCellGrid()
{
    Grid grid{};
    for (int cell = 0; cell < 8; ++cell) {
        grid[cell] = static_cast<std::uint8_t>(cell + 1);
    }
    grid[80] = 9;
    return grid;
}

inline Masks allCandidates()
{
    Masks masks;
    masks.fill(kAllDigits);
    return masks;
}

inline std::uint16_t maskOf(std::initializer_list<int> digits)
{
    std::uint16_t mask = 0;
    for (const int d : digits) {
        mask |= digitBit(d);
    }
    return mask;
}

// Up to `limit` puzzles of a file with one per line ("#" starts a comment),
// after skipping the first `skip` of them.
inline std::vector<Grid>
readPuzzleFile(const std::string &path, std::size_t limit = SIZE_MAX, std::size_t skip = 0)
{
    std::vector<Grid> grids;
    std::ifstream in(path);
    std::string line;
    while (grids.size() < limit && std::getline(in, line)) {
        if (line.size() >= 81 && line[0] != '#') {
            if (skip > 0) {
                --skip;
                continue;
            }
            grids.push_back(gridFromText(line));
        }
    }
    return grids;
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
