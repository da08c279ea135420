#include "explainedhint.h"

#include "nextstep.h"

#include <QVariantList>

namespace pondrel {

QString kindText(HintExplanation::Kind kind)
{
    switch (kind) {
    case HintExplanation::Kind::nakedSingle:
        return QStringLiteral("nakedSingle");
    case HintExplanation::Kind::hiddenSingleInRow:
        return QStringLiteral("hiddenSingleInRow");
    case HintExplanation::Kind::hiddenSingleInColumn:
        return QStringLiteral("hiddenSingleInColumn");
    case HintExplanation::Kind::hiddenSingleInBox:
        return QStringLiteral("hiddenSingleInBox");
    case HintExplanation::Kind::elimination:
        return QStringLiteral("elimination");
    case HintExplanation::Kind::onlyCompletion:
        return QStringLiteral("onlyCompletion");
    }
    return {};
}

QVariantMap ExplainedHint::toQml() const
{
    using Kind = HintExplanation::Kind;
    const Kind kind = explanation.kind;
    // Only a line is named by its number; the box's line says "this box".
    const bool namesLine = kind == Kind::hiddenSingleInRow || kind == Kind::hiddenSingleInColumn;
    const int unit = namesLine ? explanation.unit.value_or(-1) + 1 : 0;
    QVariantList shown;
    for (const int shownCell : explanation.cells) {
        shown.append(shownCell);
    }
    const QString technique =
        explanation.technique ? techniqueText(*explanation.technique) : QString();
    return {{QStringLiteral("kind"), kindText(kind)},
            {QStringLiteral("technique"), technique},
            {QStringLiteral("digit"), digit},
            {QStringLiteral("cell"), cell},
            {QStringLiteral("unit"), unit},
            {QStringLiteral("cells"), shown}};
}

} // namespace pondrel
