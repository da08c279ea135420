// Arbitrary bytes as the saved game record: decoded, then validated as a
// restore does. A record that validates must put a consistent game on the
// board, since nothing checks it again.

#include "savedsudoku.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view json(reinterpret_cast<const char *>(data), size);
    const auto record = pondrel::decodeSavedSudoku(json);
    if (!record) {
        return 0;
    }
    const auto encoded = pondrel::encodeSavedSudoku(*record);
    if (!encoded || pondrel::decodeSavedSudoku(*encoded) != record) {
        std::abort();
    }
    const auto restored = pondrel::validateSavedSudoku(*record);
    if (!restored) {
        return 0;
    }
    if (restored->elapsed < 0 || restored->elapsed > pondrel::kMaxElapsedSeconds ||
        restored->hintsUsed < 0) {
        std::abort();
    }
    for (int cell = 0; cell < pondrel::kCellCount; ++cell) {
        const std::uint8_t given = restored->puzzle.givens[cell];
        const bool givenMismatch = given != 0 && (given != restored->puzzle.solution[cell] ||
                                                  restored->values[cell] != given);
        if (restored->values[cell] > 9 || (restored->notes[cell] & ~pondrel::kAllDigits) != 0 ||
            givenMismatch) {
            std::abort();
        }
    }
    return 0;
}
