#pragma once

#include "grid.h"
#include "stepfinder.h"
#include "stepwording.h"
#include "sudokupuzzle.h"

#include <array>
#include <optional>

namespace pondrel {

// Next Step teaches a person's next move in three presses: where to look,
// then the technique and its reason, then the move itself. These are its
// rules as plain functions of the board; SudokuGame keeps the step that is
// shown and applies it.

// The step on show.
struct ShownStep
{
    enum class Stage : std::uint8_t {
        // Where to look: a unit or some cells, no technique yet.
        nudge,
        // The technique, its reason, the pattern and what it removes.
        reason,
    };

    Stage stage = Stage::nudge;
    // A cell whose digit, entered by the player, is not the solution's:
    // pointed out before any step, since no reasoning holds on a board
    // that contradicts the solution.
    std::optional<int> wrongCell;
    // The step, when there is no wrong cell.
    Step step;
    // No technique of the step finder applies: its ladder ends before the
    // hardest puzzles do. The board says so and sends the player to the
    // Hint, which fills a cell from the solution.
    bool isStuck = false;

    friend bool operator==(const ShownStep &, const ShownStep &) = default;
};

// What a step reasons on. An empty cell's candidates are those the board
// leaves it, narrowed to the player's notes when the notes hold the
// solution's digit: eliminations the player (or an earlier step) made stay
// made, while notes that lost the solution's digit would lead the reasoning
// astray and are passed over. Filled cells have none.
Masks stepCandidates(const SudokuPuzzle &puzzle, const Grid &values, const Masks &notes);

// The first wrong digit of the player's, else the step finder's easiest
// step, at the nudge, else a stuck step when no technique applies; nothing
// on a full board.
std::optional<ShownStep>
findShownStep(const SudokuPuzzle &puzzle, const Grid &values, const Masks &notes);

// The notes after an applied step's eliminations: each cell it removes
// candidates from gets the candidates the step reasoned on, less those, so
// a cell without notes gains them. Other cells keep theirs.
Masks notesAfterStep(const Step &step, const Masks &notes, const Masks &candidates);

// The one line a shown step reads: where to look at the nudge, why at the
// reason (stepwording.h words it).
StepLine stepLine(const ShownStep &shown, const Grid &values);

// What a shown step on `values` tints on the board: the cells to look at
// (`area`), the pattern's cells, and the candidates it removes, by cell.
struct StepMarks
{
    std::array<bool, kCellCount> area{};
    std::array<bool, kCellCount> pattern{};
    Masks removed{};
};

StepMarks stepMarks(const ShownStep &shown, const Grid &values);

} // namespace pondrel
