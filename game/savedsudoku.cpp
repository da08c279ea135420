#include "savedsudoku.h"

#include "solver.h"
#include "unicodetext.h"

#include <nlohmann/json.hpp>

#include <limits>

namespace pondrel {

namespace {

using nlohmann::json;

// Masks may only use bits 1..9: bit 0 and bits 10..15 mean nothing.
constexpr std::uint16_t kForeignNoteBits = 0xFC01;

// Non-negative integers parse as unsigned, negative ones as signed; floats
// are never integers here, so 1.0 for a count is refused rather than rounded.
std::optional<std::int64_t> signedInteger(const json &value)
{
    if (value.is_number_unsigned()) {
        const auto number = value.get<std::uint64_t>();
        if (number > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
            return std::nullopt;
        }
        return static_cast<std::int64_t>(number);
    }
    if (value.is_number_integer()) {
        return value.get<std::int64_t>();
    }
    return std::nullopt;
}

const json *member(const json &object, const char *key)
{
    const auto found = object.find(key);
    return found == object.end() ? nullptr : &*found;
}

// The digits of the text in order, other characters skipped; a grid only when
// there are exactly 81 of them.
std::optional<Grid> readDigits(const std::u32string &characters)
{
    Grid grid{};
    std::size_t count = 0;
    for (const char32_t character : characters) {
        const std::optional<int> value = digitValue(character);
        if (!value) {
            continue;
        }
        if (count == grid.size()) {
            return std::nullopt;
        }
        grid[count++] = static_cast<std::uint8_t>(*value);
    }
    if (count != grid.size()) {
        return std::nullopt;
    }
    return grid;
}

} // namespace

std::optional<SavedSudoku> decodeSavedSudoku(std::string_view text)
{
    if (text.size() > kMaxSavedSudokuBytes) {
        return std::nullopt;
    }
    const json document = json::parse(text, nullptr, false);
    if (document.is_discarded() || !document.is_object()) {
        return std::nullopt;
    }
    const json *version = member(document, "version");
    const json *difficulty = member(document, "difficulty");
    const json *givens = member(document, "givens");
    const json *values = member(document, "values");
    const json *notes = member(document, "notes");
    const json *elapsed = member(document, "elapsed");
    const json *hintsUsed = member(document, "hintsUsed");
    const json *hasStarted = member(document, "hasStarted");
    if (!version || !difficulty || !givens || !values || !notes || !elapsed || !hintsUsed ||
        !hasStarted) {
        return std::nullopt;
    }
    if (!difficulty->is_string() || !givens->is_string() || !values->is_string() ||
        !notes->is_array() || !hasStarted->is_boolean()) {
        return std::nullopt;
    }

    SavedSudoku record;
    const std::optional<std::int64_t> versionNumber = signedInteger(*version);
    const std::optional<std::int64_t> elapsedNumber = signedInteger(*elapsed);
    const std::optional<std::int64_t> hintsNumber = signedInteger(*hintsUsed);
    const std::optional<Difficulty> level =
        difficultyFromRawValue(difficulty->get_ref<const std::string &>());
    if (!versionNumber || !elapsedNumber || !hintsNumber || !level) {
        return std::nullopt;
    }
    record.version = *versionNumber;
    record.difficulty = *level;
    record.givens = givens->get<std::string>();
    record.values = values->get<std::string>();
    record.elapsed = *elapsedNumber;
    record.hintsUsed = *hintsNumber;
    record.hasStarted = hasStarted->get<bool>();
    const json *pasted = member(document, "pasted");
    record.pasted = pasted && pasted->is_boolean() && pasted->get<bool>();
    record.notes.reserve(notes->size());
    for (const json &mask : *notes) {
        const std::optional<std::int64_t> number = signedInteger(mask);
        if (!number || *number < 0 || *number > std::numeric_limits<std::uint16_t>::max()) {
            return std::nullopt;
        }
        record.notes.push_back(static_cast<std::uint16_t>(*number));
    }
    return record;
}

std::optional<std::string> encodeSavedSudoku(const SavedSudoku &record)
{
    // Keys in the order of the record, as a reader of the file would expect.
    nlohmann::ordered_json document;
    document["version"] = record.version;
    document["difficulty"] = std::string(rawValue(record.difficulty));
    document["givens"] = record.givens;
    document["values"] = record.values;
    document["notes"] = record.notes;
    document["elapsed"] = record.elapsed;
    document["hintsUsed"] = record.hintsUsed;
    document["hasStarted"] = record.hasStarted;
    document["pasted"] = record.pasted;
    try {
        return document.dump();
    } catch (const nlohmann::json::exception &) {
        return std::nullopt; // a text field that is not valid UTF-8
    }
}

std::optional<RestoredGame> validateSavedSudoku(const SavedSudoku &record)
{
    if (record.version != SavedSudoku::currentVersion) {
        return std::nullopt;
    }
    std::optional<SudokuPuzzle> puzzle = fromText(record.givens, record.difficulty);
    if (!puzzle) {
        return std::nullopt;
    }
    const std::optional<std::u32string> valueCharacters = decodeUtf8(record.values);
    if (!valueCharacters || valueCharacters->size() != kCellCount) {
        return std::nullopt;
    }
    if (record.notes.size() != kCellCount) {
        return std::nullopt;
    }
    if (record.elapsed < 0 || record.elapsed > kMaxElapsedSeconds || record.hintsUsed < 0) {
        return std::nullopt;
    }
    RestoredGame game;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if ((record.notes[cell] & kForeignNoteBits) != 0) {
            return std::nullopt;
        }
        game.notes[cell] = record.notes[cell];
    }
    const std::optional<Grid> values = readDigits(*valueCharacters);
    if (!values) {
        return std::nullopt;
    }
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (puzzle->givens[cell] != 0 && puzzle->givens[cell] != (*values)[cell]) {
            return std::nullopt;
        }
    }
    game.puzzle = std::move(*puzzle);
    game.values = *values;
    game.elapsed = record.elapsed;
    game.hintsUsed = record.hintsUsed;
    game.hasStarted = record.hasStarted;
    game.pasted = record.pasted;
    return game;
}

} // namespace pondrel
