#include "puzzleset.h"

#include <fstream>

namespace pondrel::bench {

std::optional<PuzzleSet>
loadPuzzleSet(const std::filesystem::path &path, std::string name, std::size_t limit)
{
    std::ifstream in(path);
    if (!in) {
        return std::nullopt;
    }
    PuzzleSet set;
    set.name = std::move(name);
    std::string line;
    while (set.grids.size() < limit && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        Grid grid{};
        bool valid = line.size() == static_cast<std::size_t>(kCellCount);
        for (int i = 0; valid && i < kCellCount; ++i) {
            const char c = line[static_cast<std::size_t>(i)];
            if (c >= '1' && c <= '9') {
                grid[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(c - '0');
            } else if (c != '.' && c != '0') {
                valid = false;
            }
        }
        if (valid) {
            set.grids.push_back(grid);
        } else {
            ++set.malformedLines;
        }
    }
    return set;
}

std::string qqwingInput(const std::vector<Grid> &grids)
{
    std::string text;
    text.reserve(grids.size() * (kCellCount + 1));
    for (const Grid &grid : grids) {
        for (const std::uint8_t value : grid) {
            text += value == 0 ? '.' : static_cast<char>('0' + value);
        }
        text += '\n';
    }
    return text;
}

} // namespace pondrel::bench
