#pragma once

// The two files of the puzzle supply.
//
// Supply file ("PuzzleSupply.json"): one compact UTF-8 JSON object
//
//     {"played":[<uint64>, ...],"ready":{"Easy":["<81 digits>", ...], ...}}
//
// Both keys are required and must have exactly these JSON types; every
// fingerprint is a non-negative integer below 2^64 in plain digits (never a
// float, so no digit is lost). Other top-level keys are ignored. Anything else
// does not decode, and the caller starts with an empty state.
//
// Built-in list: UTF-8 text, one puzzle per line as "<letter> <81 chars>".
// Lines end at LF, VT, FF, CR, U+0085, U+2028 or U+2029; fields are split at
// U+0020 only. The letter is E, M, H or X (expert). Any other line is skipped.

#include "difficulty.h"
#include "savedstate.h"

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pondrel {

inline constexpr char kSupplyFileName[] = "PuzzleSupply.json";
inline constexpr char kBundledListResource[] = ":/Puzzles.txt";

// Nothing this program writes comes near this: 4000 fingerprints of at most
// 20 digits and three 81-character texts per difficulty are under 100 KB. A
// larger file is treated as corrupt rather than read into memory, so a
// runaway or foreign file cannot stall start-up; the next save replaces it.
inline constexpr std::int64_t kMaxSupplyFileBytes = 8 * 1024 * 1024;

// Grid texts of the built-in list per difficulty, in file order.
using BundledPuzzles = std::map<Difficulty, std::vector<std::string>>;

// Decodes the supply file's content; nothing when it is not valid UTF-8
// JSON of exactly the shape above.
std::optional<SavedState> decodeSavedState(std::string_view json);

// The compact JSON text of the state; nothing when a text in it is not valid
// UTF-8 (which only a hand-made state can contain).
std::optional<std::string> encodeSavedState(const SavedState &state);

// Nothing when the file is missing, not a regular file, unreadable, larger
// than kMaxSupplyFileBytes or does not decode.
std::optional<SavedState> readSupplyFile(const QString &path);

// Replaces the file in one step (write a temporary file beside it, then
// rename), so a reader or a crash finds the complete old or the complete new
// content. Returns false, leaving the old file alone, when anything fails or
// when what stands at `path` is not a regular file (see regularfile.h).
bool writeSupplyFile(const SavedState &state, const QString &path);

// Parses the built-in list. Bytes that are not entirely valid UTF-8 give an
// empty list. The 81-character texts are not validated here.
BundledPuzzles parseBundledList(QByteArrayView utf8);

// Reads and parses the list at `path` (normally the compiled-in resource);
// empty when it is missing or unreadable.
BundledPuzzles loadBundledList(const QString &path);

} // namespace pondrel
