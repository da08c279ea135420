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

// The first unit (rows, columns, boxes) and within it the lowest digit that
// has exactly one empty cell left in the unit.
std::optional<Placement> findHiddenSingle(const Grid &grid, const Masks &masks);

// The positions (0..8 within `unit`) of its empty cells that still have the
// candidate `bit`, as a 9-bit mask.
std::uint16_t
positionsOf(const Grid &grid, const Masks &masks, const Unit &unit, std::uint16_t bit);

// One pass of locked candidates (pointing, then claiming); only when that
// removes nothing, one pass of naked and hidden pairs. Returns whether any
// candidate was removed from `masks`.
bool applyEliminations(const Grid &grid, Masks &masks);

} // namespace pondrel
