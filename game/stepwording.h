#pragma once

#include "hintexplanation.h"
#include "stepfinder.h"

#include <QString>
#include <QVariantList>
#include <QVariantMap>

namespace pondrel {

// What the player is told about a step or a hint, worded in one place: the
// Next Step's reason and the Hint's explanation read the same lines.

// One line for the string table: `key` is its English text; with a
// `technique` (the technique's English name, itself a key) the looked-up
// name is the first argument, before `arguments`. An argument that is itself
// a line ({key, arguments}, see toQml) is looked up and formatted in turn.
struct StepLine
{
    QString key;
    QString technique;
    QVariantList arguments;

    // {key, technique, arguments}, as the board reads it; nested lines are
    // {key, arguments} maps.
    QVariantMap toQml() const;
    // The line in English (the keys formatted as they are), for the demo
    // and for tests.
    QString englishText() const;

    friend bool operator==(const StepLine &, const StepLine &) = default;
};

// Rows, columns and boxes are counted from 1 on the board.
constexpr int unitNumber(int unit)
{
    return unit % 9 + 1;
}

// The text of the unit's kind.
constexpr const char *
byUnitKind(int unit, const char *ofRow, const char *ofColumn, const char *ofBox)
{
    return unit < columnUnit(0) ? ofRow : isBoxUnit(unit) ? ofBox : ofColumn;
}

// The technique's English name as text: the key its translation is found by.
QString techniqueText(Technique technique);

// "r3c4" for cell 29: the notation players of every language share, and
// the one chains are written in.
QString cellText(int cell);

// Why the step holds, naming its technique and the parts of its pattern.
StepLine reasonLine(const Step &step);

// Why the hint's digit goes in its cell: a single's own reason, else the
// technique that got it there.
StepLine hintLine(const HintExplanation &explanation, int digit);

} // namespace pondrel
