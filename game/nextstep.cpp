#include "nextstep.h"

#include <QtGlobal>

#include <algorithm>

namespace pondrel {

namespace {

// The techniques whose pattern lies in the unit (or the two units) they
// name: a person is sent to that unit first.
bool isUnitTechnique(Technique technique)
{
    switch (technique) {
    case Technique::fullHouse:
    case Technique::hiddenSingle:
    case Technique::pointing:
    case Technique::claiming:
    case Technique::nakedPair:
    case Technique::hiddenPair:
    case Technique::nakedTriple:
    case Technique::hiddenTriple:
    case Technique::nakedQuad:
    case Technique::hiddenQuad:
        return true;
    default:
        return false;
    }
}

// The unit a nudge names: the first of the step's, for a technique that
// works in one; nothing otherwise.
std::optional<int> nudgeUnit(const Step &step)
{
    const std::size_t needed =
        step.technique == Technique::pointing || step.technique == Technique::claiming ? 2 : 1;
    if (!isUnitTechnique(step.technique) || step.units.size() < needed) {
        return std::nullopt;
    }
    return step.units.front();
}

// The digits filled in a unit.
std::uint16_t unitDigits(int unit, const Grid &values)
{
    std::uint16_t digits = 0;
    for (const int cell : units[unit]) {
        if (values[cell] != 0) {
            digits |= digitBit(values[cell]);
        }
    }
    return digits;
}

// The units a naked single's nudge sends a person to: its row and column,
// and its box too when the box holds a digit that neither of them holds,
// without which the cell would not be a single.
std::vector<int> singleUnits(int cell, const Grid &values)
{
    const auto [rowOf, columnOf, boxOf] = unitsOf(cell);
    const std::uint16_t lines = unitDigits(rowOf, values) | unitDigits(columnOf, values);
    if ((unitDigits(boxOf, values) & ~lines) != 0) {
        return {rowOf, columnOf, boxOf};
    }
    return {rowOf, columnOf};
}

StepLine line(const char *key, QVariantList arguments = {})
{
    return {QString::fromUtf8(key), QString(), std::move(arguments)};
}

StepLine nudgeLine(const Step &step, const Grid &values)
{
    if (step.technique == Technique::nakedSingle && !step.cells.empty()) {
        const int cell = step.cells.front();
        if (singleUnits(cell, values).size() == 3) {
            return line(QT_TRANSLATE_NOOP("Pondrel", "Look at row %lld, column %lld and box %lld"),
                        {row(cell) + 1, column(cell) + 1, box(cell) + 1});
        }
        return line(QT_TRANSLATE_NOOP("Pondrel", "Look at row %lld and column %lld"),
                    {row(cell) + 1, column(cell) + 1});
    }
    if (const std::optional<int> unit = nudgeUnit(step)) {
        return line(byUnitKind(*unit,
                               QT_TRANSLATE_NOOP("Pondrel", "Look at row %lld"),
                               QT_TRANSLATE_NOOP("Pondrel", "Look at column %lld"),
                               QT_TRANSLATE_NOOP("Pondrel", "Look at box %lld")),
                    {unitNumber(*unit)});
    }
    return line(QT_TRANSLATE_NOOP("Pondrel", "Look at the highlighted cells"));
}

void markUnit(std::array<bool, kCellCount> &cells, int unit)
{
    if (unit >= 0 && unit < int(units.size())) {
        for (const int cell : units[unit]) {
            cells[cell] = true;
        }
    }
}

void markCells(std::array<bool, kCellCount> &marked, const std::vector<int> &cells)
{
    for (const int cell : cells) {
        if (cell >= 0 && cell < kCellCount) {
            marked[cell] = true;
        }
    }
}

} // namespace

Masks stepCandidates(const SudokuPuzzle &puzzle, const Grid &values, const Masks &notes)
{
    Masks candidates{};
    const std::optional<Masks> open = candidateMasks(values);
    if (!open) {
        return candidates;
    }
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (values[cell] != 0) {
            continue;
        }
        candidates[cell] = (*open)[cell];
        if ((notes[cell] & digitBit(puzzle.solution[cell])) != 0) {
            candidates[cell] &= notes[cell];
        }
    }
    return candidates;
}

std::optional<ShownStep>
findShownStep(const SudokuPuzzle &puzzle, const Grid &values, const Masks &notes)
{
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (values[cell] != 0 && values[cell] != puzzle.solution[cell]) {
            return ShownStep{ShownStep::Stage::nudge, cell, {}};
        }
    }
    std::optional<Step> step = findNextStep(values, stepCandidates(puzzle, values, notes));
    if (!step) {
        if (std::find(values.begin(), values.end(), 0) == values.end()) {
            return std::nullopt;
        }
        ShownStep stuck;
        stuck.isStuck = true;
        return stuck;
    }
    return ShownStep{ShownStep::Stage::nudge, std::nullopt, std::move(*step)};
}

Masks notesAfterStep(const Step &step, const Masks &notes, const Masks &candidates)
{
    Masks removed{};
    for (const Elimination &elimination : step.eliminations) {
        removed[elimination.cell] |= digitBit(elimination.digit);
    }
    Masks result = notes;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (removed[cell] != 0) {
            result[cell] = candidates[cell] & static_cast<std::uint16_t>(~removed[cell]);
        }
    }
    return result;
}

StepLine stepLine(const ShownStep &shown, const Grid &values)
{
    if (shown.wrongCell) {
        return line(QT_TRANSLATE_NOOP("Pondrel", "This %lld does not belong here"),
                    {int(values[*shown.wrongCell])});
    }
    if (shown.isStuck) {
        return line(QT_TRANSLATE_NOOP("Pondrel", "No step found. Hint (H) fills in a cell"));
    }
    if (shown.stage == ShownStep::Stage::nudge) {
        return nudgeLine(shown.step, values);
    }
    // A step of a unit technique without its units has nothing to name.
    if (isUnitTechnique(shown.step.technique) && !nudgeUnit(shown.step)) {
        return line(QT_TRANSLATE_NOOP("Pondrel", "Look at the highlighted cells"));
    }
    return reasonLine(shown.step);
}

StepMarks stepMarks(const ShownStep &shown, const Grid &values)
{
    StepMarks marks;
    if (shown.isStuck) {
        return marks;
    }
    if (shown.wrongCell) {
        marks.pattern[*shown.wrongCell] = true;
        return marks;
    }
    const Step &step = shown.step;
    if (shown.stage == ShownStep::Stage::nudge) {
        if (step.technique == Technique::nakedSingle && !step.cells.empty()) {
            for (const int unit : singleUnits(step.cells.front(), values)) {
                markUnit(marks.area, unit);
            }
        } else if (const std::optional<int> unit = nudgeUnit(step)) {
            markUnit(marks.area, *unit);
        } else {
            markCells(marks.area, step.cells);
        }
        return marks;
    }
    // The units of the simpler techniques frame their pattern; those of
    // fish and chains would cover much of the board.
    if (isUnitTechnique(step.technique) || step.technique == Technique::nakedSingle) {
        for (const int unit : step.units) {
            markUnit(marks.area, unit);
        }
    }
    markCells(marks.pattern, step.cells);
    for (const Elimination &elimination : step.eliminations) {
        if (elimination.cell >= 0 && elimination.cell < kCellCount) {
            marks.removed[elimination.cell] |= digitBit(elimination.digit);
        }
    }
    return marks;
}

} // namespace pondrel
