#pragma once

// The game in progress as it is kept between launches: one compact UTF-8
// JSON object stored as a byte array under the preference key
// "Pondrel_SavedSudoku":
//
//     {"version":1,"difficulty":"Hard","givens":"<81 digits>",
//      "values":"<81 digits>","notes":[<81 masks>],"elapsed":95,
//      "hintsUsed":0,"hasStarted":true,"pasted":false}
//
// Every key but "pasted" is required and must have exactly its JSON type: integers are
// written as integers (a float such as 1.0 is refused, as is any integer that
// does not fit a signed 64-bit value), notes are integers 0..65535, the
// difficulty is one of the four raw values. Other keys are ignored. "pasted"
// came later: a record without it (or with anything but true there) is a
// dealt game, so older records keep loading, and older versions of the
// program, which ignore the key, still read newer records.
//
// The solution is not stored; it is recomputed from the givens, so a record
// can never bring back a puzzle without exactly one solution. Selection,
// armed digit, notes mode and the undo history are not stored either.

#include "difficulty.h"
#include "grid.h"
#include "sudokupuzzle.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pondrel {

inline constexpr char kSavedSudokuKey[] = "Pondrel_SavedSudoku";

// A record this program writes is under a kilobyte; the largest sensible one
// (81 four-byte characters, masks written with blanks) stays far below this.
// Anything longer is not ours and is refused before it is parsed.
inline constexpr std::size_t kMaxSavedSudokuBytes = 64 * 1024;

// The longest play time a record may hold: 2^53 - 1 seconds. The board
// shows the clock through QML, whose numbers are doubles and hold integers
// exactly only up to here; 2^63 - 1 came out as "0:00". No game reaches it
// (the clock counts one a second: 285 million years), so a record beyond it
// was not written by this program and is refused as damaged, rather than
// shown wrong or carried through a separate exact path for a case no
// player meets.
inline constexpr std::int64_t kMaxElapsedSeconds = (std::int64_t{1} << 53) - 1;

struct SavedSudoku
{
    static constexpr std::int64_t currentVersion = 1;

    std::int64_t version = currentVersion;
    Difficulty difficulty = Difficulty::medium;
    std::string givens;
    std::string values;
    std::vector<std::uint16_t> notes;
    std::int64_t elapsed = 0;
    std::int64_t hintsUsed = 0;
    bool hasStarted = false;
    // The player brought the puzzle in by pasting it.
    bool pasted = false;

    friend bool operator==(const SavedSudoku &, const SavedSudoku &) = default;
};

// What a valid record puts back on the board.
struct RestoredGame
{
    SudokuPuzzle puzzle;
    Grid values{};
    Masks notes{};
    std::int64_t elapsed = 0;
    std::int64_t hintsUsed = 0;
    bool hasStarted = false;
    bool pasted = false;
};

// Nothing when the text is not JSON of the shape above (including invalid
// UTF-8 and texts longer than kMaxSavedSudokuBytes).
std::optional<SavedSudoku> decodeSavedSudoku(std::string_view json);

// Compact JSON with the keys in the order of the record; nothing when a text
// field is not valid UTF-8 (which only a hand-made record can hold).
std::optional<std::string> encodeSavedSudoku(const SavedSudoku &record);

// Checks a decoded record, first failure wins, in this order: version 1;
// givens form a puzzle with exactly one solution; values has 81 characters;
// 81 notes; elapsed and hints not negative, elapsed at most
// kMaxElapsedSeconds; masks use bits 1..9 only; values
// read as 81 digits; every given stands unchanged in values.
//
// Digits follow fromText(): a decimal digit of any script counts. Characters
// that are not digits are skipped while reading values, so with exactly 81
// characters required every one of them must be a digit; a numeral above 9
// (a Roman twelve, say) is not a digit here and therefore fails the record.
std::optional<RestoredGame> validateSavedSudoku(const SavedSudoku &record);

} // namespace pondrel
