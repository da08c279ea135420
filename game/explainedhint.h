#pragma once

#include "hintexplanation.h"

#include <QString>
#include <QVariantMap>

namespace pondrel {

// The last hint's digit, cell and reason, while the board shows them.
struct ExplainedHint
{
    int digit = 0;
    int cell = 0;
    HintExplanation explanation;

    // {kind, technique, digit, cell, unit, cells}, as the board reads it:
    // kind is kindText's; technique is the English name (the key of its
    // translation) of an elimination's technique, else empty; unit is the row
    // or column counted from 1 for a hidden single in a line, else 0; cells
    // are the cells that show the reason.
    QVariantMap toQml() const;

    friend bool operator==(const ExplainedHint &, const ExplainedHint &) = default;
};

// The kind's name as the board's string table looks it up: "nakedSingle",
// "hiddenSingleInRow", "hiddenSingleInColumn", "hiddenSingleInBox",
// "elimination" or "onlyCompletion".
QString kindText(HintExplanation::Kind kind);

} // namespace pondrel
