#pragma once

#include "grid.h"
#include "stepfinder.h"

#include <optional>
#include <vector>

namespace pondrel {

// Why a digit goes in a cell, in the terms of the rating's technique ladder,
// for the one line a hint shows beside the digit it placed.
struct HintExplanation
{
    enum class Kind {
        // The cell had one candidate left.
        nakedSingle,
        // The digit had one place left in the cell's row, column or box; the
        // first unit in the engine's order (row, column, box) that shows it.
        hiddenSingleInRow,
        hiddenSingleInColumn,
        hiddenSingleInBox,
        // The cell becomes a single only after further steps of the ladder:
        // singles elsewhere, locked candidates, pairs; where those get
        // stuck, the step finder's longer ladder (`technique` says which).
        elimination,
        // No reason can be given from the board: both ladders get stuck,
        // or the entries contradict one another or the digit (a mistake).
        onlyCompletion,
    };

    Kind kind = Kind::onlyCompletion;
    // The row, column or box number (0..8) of a hidden single; nothing
    // otherwise.
    std::optional<int> unit;
    // The cells that show the reason, ascending: the unit's nine cells for a
    // hidden single, the filled peers for a naked single, none otherwise.
    std::vector<int> cells;
    // For `elimination`: the technique whose step left the cell a single on
    // the step finder's ladder; nothing when the ladder does not get there.
    std::optional<Technique> technique;

    friend bool operator==(const HintExplanation &, const HintExplanation &) = default;
};

// Explains placing `digit` in `cell` on `values`, the board as it stood just
// before the hint (0 = empty; the player's entries as they are, right or
// wrong). Whatever `cell` holds is ignored: a hint may replace a wrong entry.
// The reason is judged on the board's candidate masks with the rating's own
// techniques (candidateMasks, climbLadder), so a
// hint explains itself exactly as the puzzle was rated; only where those
// get stuck does the step finder's ladder take over. For `elimination` the
// step finder climbs from the board as it stands to name `technique`.
//
// It does not check that `digit` is the solution's: a board whose candidates
// contradict (two peers alike, an empty cell without candidates, the digit
// ruled out of the cell, now or on the way) gives onlyCompletion, as do a
// cell outside 0..80 and a digit outside 1..9.
HintExplanation explainPlacement(const Grid &values, int cell, int digit);

} // namespace pondrel
