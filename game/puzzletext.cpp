#include "puzzletext.h"

#include "difficulty.h"
#include "rating.h"
#include "solver.h"

#include <algorithm>

namespace pondrel {

namespace {

// The grid drawing that the common text forms put between cells.
bool isSeparator(QChar character)
{
    return character.isSpace() || character == u'|' || character == u'-' || character == u'+';
}

} // namespace

ReadPuzzle readPuzzleText(QStringView text)
{
    if (text.size() > kMaxPuzzleTextLength) {
        return {};
    }
    // The digits as fromText reads them, "0" or "." for an empty cell.
    Grid grid{};
    std::size_t cells = 0;
    bool anyEmpty = false;
    for (const QChar character : text) {
        if (isSeparator(character)) {
            continue;
        }
        const int digit = character == u'.' ? 0 : character.digitValue();
        if (digit < 0 || digit > 9 || cells == grid.size()) {
            return {};
        }
        anyEmpty = anyEmpty || digit == 0;
        grid[cells++] = static_cast<std::uint8_t>(digit);
    }
    if (cells != grid.size() || !anyEmpty) {
        return {};
    }
    const SolutionCount count = judgeGivens(grid);
    if (count.count == 0) {
        return {PuzzleTextReading::noSolution, std::nullopt};
    }
    if (count.count > 1) {
        return {PuzzleTextReading::severalSolutions, std::nullopt};
    }
    // The rating's levels 1..4 are the difficulties' target ratings.
    const int level = std::clamp(rating(grid), 1, int(allDifficulties.size()));
    return {PuzzleTextReading::accepted,
            SudokuPuzzle{grid, count.solution, allDifficulties[level - 1]}};
}

QString puzzleText(const Grid &givens)
{
    QString text;
    text.reserve(kCellCount);
    for (const std::uint8_t value : givens) {
        text.append(value == 0 ? QChar(u'.') : QChar(char16_t(u'0' + value)));
    }
    return text;
}

} // namespace pondrel
