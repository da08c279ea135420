#include "explainedhint.h"

#include "stepwording.h"

#include <QVariantList>

namespace pondrel {

QVariantMap ExplainedHint::toQml() const
{
    QVariantMap form = hintLine(explanation, digit).toQml();
    QVariantList shown;
    for (const int shownCell : explanation.cells) {
        shown.append(shownCell);
    }
    form.insert(QStringLiteral("cells"), shown);
    return form;
}

} // namespace pondrel
