// Arbitrary bytes into fromText(): it must never crash, and whatever it
// accepts must be a real puzzle, since the game trusts its result without
// solving again.

#include "grid.h"
#include "solver.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// True when every filled cell of `grid` is 1..9 and no two peers share a
// digit.
bool isConsistent(const pondrel::Grid &grid)
{
    for (int cell = 0; cell < pondrel::kCellCount; ++cell) {
        if (grid[cell] > 9) {
            return false;
        }
        if (grid[cell] == 0) {
            continue;
        }
        for (const std::uint8_t peer : pondrel::peers[cell]) {
            if (grid[peer] == grid[cell]) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The first byte picks the difficulty so that it is fuzzed too; the text
    // is everything, so a corpus file is a plain puzzle text.
    const auto difficulty = static_cast<pondrel::Difficulty>(size > 0 ? data[0] % 4 : 0);
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const auto puzzle = pondrel::fromText(text, difficulty);
    if (!puzzle) {
        return 0;
    }
    if (puzzle->difficulty != difficulty || !isConsistent(puzzle->givens) ||
        !isConsistent(puzzle->solution)) {
        std::abort();
    }
    for (int cell = 0; cell < pondrel::kCellCount; ++cell) {
        const std::uint8_t given = puzzle->givens[cell];
        if (puzzle->solution[cell] == 0 || (given != 0 && given != puzzle->solution[cell])) {
            std::abort();
        }
    }
    // The solution is the only one.
    const pondrel::SolutionCount count = pondrel::countSolutions(puzzle->givens);
    if (count.count != 1 || count.solution != puzzle->solution) {
        std::abort();
    }
    return 0;
}
