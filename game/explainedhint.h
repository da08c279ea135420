#pragma once

#include "hintexplanation.h"

#include <QVariantMap>

namespace pondrel {

// The last hint's digit, cell and reason, while the board shows them.
struct ExplainedHint
{
    int digit = 0;
    int cell = 0;
    HintExplanation explanation;

    // The reason's line as the board reads it ({key, technique, arguments},
    // worded by hintLine in stepwording.h) with `cells`, the cells that show
    // the reason.
    QVariantMap toQml() const;

    friend bool operator==(const ExplainedHint &, const ExplainedHint &) = default;
};

} // namespace pondrel
