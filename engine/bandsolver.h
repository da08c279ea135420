#pragma once

#include "grid.h"

namespace pondrel::detail {

struct BandSolverResult
{
    int count = 0;   // solutions found, stopped at the limit
    Grid solution{}; // the first one found
};

// Counts the solutions of a grid up to `limit` (1 or 2); none when the grid
// breaks the rules or holds a value above 9.
// With an excluded cell, only solutions that do not put `excludedDigit`
// there count.
BandSolverResult
countWithBands(const Grid &grid, int limit, int excludedCell = -1, int excludedDigit = 0);

} // namespace pondrel::detail
