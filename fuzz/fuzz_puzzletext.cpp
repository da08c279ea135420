// Arbitrary bytes as the clipboard text a player pastes. A text that is
// accepted must be a uniquely solvable puzzle whose copy reads back as the
// same puzzle; anything longer than the cap is turned down unread.

#include "puzzletext.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const pondrel::ReadPuzzle read = pondrel::readPuzzleText(text);
    if (read.puzzle.has_value() != (read.reading == pondrel::PuzzleTextReading::accepted)) {
        std::abort();
    }
    if (!read.puzzle) {
        return 0;
    }
    if (text.size() > pondrel::kMaxPuzzleTextLength) {
        std::abort();
    }
    const pondrel::SudokuPuzzle &puzzle = *read.puzzle;
    for (int cell = 0; cell < pondrel::kCellCount; ++cell) {
        if (puzzle.givens[cell] != 0 && puzzle.givens[cell] != puzzle.solution[cell]) {
            std::abort();
        }
    }
    const pondrel::ReadPuzzle again = pondrel::readPuzzleText(pondrel::puzzleText(puzzle.givens));
    if (!again.puzzle || *again.puzzle != puzzle) {
        std::abort();
    }
    return 0;
}
