#pragma once

#include "grid.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace pondrel::bench {

// A list of puzzles read from a benchmark file: one puzzle per line, 81
// characters, '.' or '0' for an empty cell, '1'..'9' for a clue. Lines that
// start with '#' and blank lines are skipped; a trailing CR is ignored (the
// 17-clue collection has CR LF endings). Any other line is counted in
// `malformedLines` and left out.
struct PuzzleSet
{
    std::string name;
    std::vector<Grid> grids;
    int malformedLines = 0;
};

// Nothing when the file cannot be opened. Reads at most `limit` puzzles.
std::optional<PuzzleSet>
loadPuzzleSet(const std::filesystem::path &path, std::string name, std::size_t limit);

// The puzzles as qqwing reads them: 81 characters per line, '.' for empty.
std::string qqwingInput(const std::vector<Grid> &grids);

} // namespace pondrel::bench
