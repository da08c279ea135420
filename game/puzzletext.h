#pragma once

#include "grid.h"
#include "sudokupuzzle.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <string_view>

namespace pondrel {

// Puzzles as plain text, for the clipboard.

// Longer texts are turned down unread: a puzzle drawn with every separator
// and line break is well under 1 KB, while a clipboard can hold megabytes.
inline constexpr qsizetype kMaxPuzzleTextLength = 4096;

// What reading a puzzle text found.
enum class PuzzleTextReading {
    accepted,
    noPuzzle,         // not 81 cells of digits, "." or "0"
    noSolution,       // the givens break the rules or lead nowhere
    severalSolutions, // the givens leave more than one way
};

// The reading's name, as checkPuzzleText and pastePuzzle answer QML: an
// identifier the view maps to its own words, never shown as it is.
constexpr std::string_view readingName(PuzzleTextReading reading)
{
    switch (reading) {
    case PuzzleTextReading::accepted:
        return "accepted";
    case PuzzleTextReading::noPuzzle:
        return "noPuzzle";
    case PuzzleTextReading::noSolution:
        return "noSolution";
    case PuzzleTextReading::severalSolutions:
        return "severalSolutions";
    }
    return "noPuzzle";
}

struct ReadPuzzle
{
    PuzzleTextReading reading = PuzzleTextReading::noPuzzle;
    // With `accepted`: the puzzle, its difficulty taken from its rating.
    std::optional<SudokuPuzzle> puzzle;
};

// Reads the common ways of writing a puzzle down: 81 cells in row order,
// each a decimal digit (of any script) with "0" or "." for an empty cell,
// optionally spread over lines and drawn as a grid with blanks, "|", "-" and
// "+". Any other character, a cell count other than 81 or a text longer than
// kMaxPuzzleTextLength is no puzzle; so is a finished grid, which leaves
// nothing to play. The cells are then judged by fromText: exactly one
// solution, or no puzzle.
ReadPuzzle readPuzzleText(QStringView text);

// The givens as 81 characters in row order, "." for an empty cell.
QString puzzleText(const Grid &givens);

} // namespace pondrel
