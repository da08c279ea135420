#include "nextstep.h"

#include <QStringList>
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

bool isRow(int unit)
{
    return unit < columnUnit(0);
}

bool isColumn(int unit)
{
    return !isRow(unit) && !isBoxUnit(unit);
}

// The text of the unit's kind.
const char *byKind(int unit, const char *ofRow, const char *ofColumn, const char *ofBox)
{
    return isRow(unit) ? ofRow : isColumn(unit) ? ofColumn : ofBox;
}

// Rows, columns and boxes are counted from 1 on the board.
int unitNumber(int unit)
{
    return unit % 9 + 1;
}

// Written the same in every language: "3/7".
QString digitList(std::uint16_t digits)
{
    QStringList list;
    for (int digit = 1; digit <= 9; ++digit) {
        if ((digits & digitBit(digit)) != 0) {
            list.append(QString::number(digit));
        }
    }
    return list.join(u'/');
}

// The digit a step is about: the one it places, else the one it removes.
int stepDigit(const Step &step)
{
    if (!step.placements.empty()) {
        return step.placements.front().digit;
    }
    if (step.digits != 0) {
        return lowestDigit(step.digits);
    }
    return step.eliminations.empty() ? 0 : step.eliminations.front().digit;
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
        return line(byKind(*unit,
                           QT_TRANSLATE_NOOP("Pondrel", "Look at row %lld"),
                           QT_TRANSLATE_NOOP("Pondrel", "Look at column %lld"),
                           QT_TRANSLATE_NOOP("Pondrel", "Look at box %lld")),
                    {unitNumber(*unit)});
    }
    return line(QT_TRANSLATE_NOOP("Pondrel", "Look at the highlighted cells"));
}

StepLine reasonLine(const Step &step)
{
    const int digit = stepDigit(step);
    const std::optional<int> unit = nudgeUnit(step);
    const int first = unit.value_or(0);
    const int second = unit ? step.units[std::min<std::size_t>(1, step.units.size() - 1)] : 0;
    const auto named = [&step](const char *key, QVariantList arguments = {}) {
        return StepLine{
            QString::fromUtf8(key), techniqueText(step.technique), std::move(arguments)};
    };
    switch (step.technique) {
    case Technique::nakedSingle:
        return named(QT_TRANSLATE_NOOP("Pondrel", "%@: only %lld fits in this cell"), {digit});
    case Technique::fullHouse:
        if (!unit) {
            break;
        }
        return named(
            byKind(
                first,
                QT_TRANSLATE_NOOP("Pondrel", "%@: %lld is the only digit missing from row %lld"),
                QT_TRANSLATE_NOOP("Pondrel", "%@: %lld is the only digit missing from column %lld"),
                QT_TRANSLATE_NOOP("Pondrel", "%@: %lld is the only digit missing from box %lld")),
            {digit, unitNumber(first)});
    case Technique::hiddenSingle:
        if (!unit) {
            break;
        }
        return named(
            byKind(first,
                   QT_TRANSLATE_NOOP("Pondrel", "%@: %lld has one place left in row %lld"),
                   QT_TRANSLATE_NOOP("Pondrel", "%@: %lld has one place left in column %lld"),
                   QT_TRANSLATE_NOOP("Pondrel", "%@: %lld has one place left in box %lld")),
            {digit, unitNumber(first)});
    case Technique::pointing:
        // The box, then the line the digit is confined to.
        if (!unit) {
            break;
        }
        return named(
            isRow(second)
                ? QT_TRANSLATE_NOOP("Pondrel", "%@: in box %lld, %lld can only go in row %lld")
                : QT_TRANSLATE_NOOP("Pondrel", "%@: in box %lld, %lld can only go in column %lld"),
            {unitNumber(first), digit, unitNumber(second)});
    case Technique::claiming:
        // The line, then the box the digit is confined to.
        if (!unit) {
            break;
        }
        return named(
            isRow(first)
                ? QT_TRANSLATE_NOOP("Pondrel", "%@: in row %lld, %lld can only go in box %lld")
                : QT_TRANSLATE_NOOP("Pondrel", "%@: in column %lld, %lld can only go in box %lld"),
            {unitNumber(first), digit, unitNumber(second)});
    case Technique::nakedPair:
    case Technique::nakedTriple:
    case Technique::nakedQuad:
        if (!unit) {
            break;
        }
        return named(
            byKind(first,
                   QT_TRANSLATE_NOOP("Pondrel", "%@: these cells of row %lld can only hold %@"),
                   QT_TRANSLATE_NOOP("Pondrel", "%@: these cells of column %lld can only hold %@"),
                   QT_TRANSLATE_NOOP("Pondrel", "%@: these cells of box %lld can only hold %@")),
            {unitNumber(first), digitList(step.digits)});
    case Technique::hiddenPair:
    case Technique::hiddenTriple:
    case Technique::hiddenQuad:
        if (!unit) {
            break;
        }
        return named(
            byKind(first,
                   QT_TRANSLATE_NOOP("Pondrel", "%@: %@ can only go in these cells of row %lld"),
                   QT_TRANSLATE_NOOP("Pondrel", "%@: %@ can only go in these cells of column %lld"),
                   QT_TRANSLATE_NOOP("Pondrel", "%@: %@ can only go in these cells of box %lld")),
            {digitList(step.digits), unitNumber(first)});
    case Technique::xWing:
    case Technique::swordfish:
    case Technique::jellyfish:
        if (step.units.empty()) {
            break;
        }
        return named(isRow(step.units.front())
                         ? QT_TRANSLATE_NOOP("Pondrel",
                                             "%@: %lld in these rows can only go in these columns")
                         : QT_TRANSLATE_NOOP("Pondrel",
                                             "%@: %lld in these columns can only go in these rows"),
                     {digit});
    case Technique::uniqueRectangle:
        return named(
            QT_TRANSLATE_NOOP("Pondrel", "%@: these cells would allow two solutions, so %@ goes"),
            {digitList(step.digits)});
    case Technique::forcingChain:
        return named(
            QT_TRANSLATE_NOOP("Pondrel", "%@: every other choice leads to a contradiction"));
    default:
        break;
    }
    // The patterns of chains, wings and colouring: what they remove.
    return named(
        QT_TRANSLATE_NOOP("Pondrel", "%@: %lld goes from the cells that see the whole pattern"),
        {digit});
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

QVariantMap StepLine::toQml() const
{
    return {{QStringLiteral("key"), key},
            {QStringLiteral("technique"), technique},
            {QStringLiteral("arguments"), arguments}};
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
    return shown.stage == ShownStep::Stage::nudge ? nudgeLine(shown.step, values)
                                                  : reasonLine(shown.step);
}

QString techniqueText(Technique technique)
{
    const std::string_view name = techniqueName(technique);
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
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
