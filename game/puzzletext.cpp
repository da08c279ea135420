#include "puzzletext.h"

#include "difficulty.h"
#include "rating.h"
#include "solver.h"

#include <algorithm>
#include <string>

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
    // The cells as fromText reads them: one ASCII digit each, "0" for empty.
    std::string cells;
    cells.reserve(kCellCount);
    for (const QChar character : text) {
        if (isSeparator(character)) {
            continue;
        }
        const int digit = character == u'.' ? 0 : character.digitValue();
        if (digit < 0 || digit > 9 || cells.size() == std::size_t(kCellCount)) {
            return {};
        }
        cells.push_back(static_cast<char>('0' + digit));
    }
    if (cells.size() != std::size_t(kCellCount) || cells.find('0') == std::string::npos) {
        return {};
    }
    Grid grid{};
    std::transform(cells.begin(), cells.end(), grid.begin(), [](char c) {
        return static_cast<std::uint8_t>(c - '0');
    });
    // Clashing givens have no solution, and too few givens never have just
    // one: both are told without a search, which a sparse grid can make
    // take seconds.
    if (!candidateMasks(grid)) {
        return {PuzzleTextReading::noSolution, std::nullopt};
    }
    if (std::count_if(grid.begin(), grid.end(), [](std::uint8_t value) { return value != 0; }) <
        kMinimumUniqueGivens) {
        return {PuzzleTextReading::severalSolutions, std::nullopt};
    }
    const SolutionCount count = countSolutions(grid);
    if (count.count == 0) {
        return {PuzzleTextReading::noSolution, std::nullopt};
    }
    if (count.count > 1) {
        return {PuzzleTextReading::severalSolutions, std::nullopt};
    }
    // The rating's levels 1..4 are the difficulties' target ratings.
    const int level = std::clamp(rating(grid), 1, int(allDifficulties.size()));
    std::optional<SudokuPuzzle> puzzle = fromText(cells, allDifficulties[level - 1]);
    if (!puzzle) {
        return {};
    }
    return {PuzzleTextReading::accepted, std::move(puzzle)};
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
