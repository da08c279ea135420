#pragma once

#include "grid.h"

#include <optional>

namespace pondrel {

// Rates a grid by solving it as a person would, never guessing:
//   1  naked singles were enough
//   2  at least one hidden single was needed
//   3  at least one pass of eliminations (locked candidates, naked pairs,
//      hidden pairs) was needed
//   4  these techniques get stuck, or the grid breaks the rules, or a cell
//      runs out of candidates
// Naked singles are always exhausted before a hidden single is looked for,
// and both before an elimination pass; the level never goes down.
int rating(const Grid &grid);

struct Placement
{
    int cell;
    int digit;
    friend bool operator==(const Placement &, const Placement &) = default;
};

// The rungs of the ladder, easiest first, and where a climb ends.
enum class Rung { nakedSingle, hiddenSingle, elimination, solved, stuck };

// Climbs one rung: places the lowest naked single; else the first hidden
// single, units in the order of `units` (rows, columns, boxes), then the
// lowest digit; else makes one pass of locked candidates (digit by digit:
// pointing from each box, then claiming from each row and column, each
// removal seen by the next) and, only when that removes nothing, one pass of
// naked and hidden pairs. `solved` when no cell is empty; `stuck` when an
// empty cell has no candidate left or nothing applies.
// Precondition: the masks of filled cells are 0, as candidateMasks and
// place leave them.
Rung climbLadder(Grid &grid, Masks &masks);

} // namespace pondrel
