#include "steplinks.h"

#include <QVariantMap>

#include <algorithm>

namespace pondrel {

QVariantList shownLinks(const std::optional<ShownStep> &shown)
{
    if (!shown || shown->stage != ShownStep::Stage::reason || shown->wrongCell || shown->isStuck) {
        return {};
    }
    const Step &step = shown->step;
    const auto isRemoved = [&step](const Candidate &node) {
        return std::ranges::find(step.eliminations, Elimination{node.cell, node.digit}) !=
               step.eliminations.end();
    };
    QVariantList links;
    // A chain has a few dozen links at most, so a linear look-back is cheaper
    // than a set.
    for (auto link = step.links.begin(); link != step.links.end(); ++link) {
        if (std::find(step.links.begin(), link, *link) != link) {
            continue;
        }
        links.append(QVariantMap{
            {QStringLiteral("fromCell"), link->from.cell},
            {QStringLiteral("fromDigit"), link->from.digit},
            {QStringLiteral("fromRemoved"), isRemoved(link->from)},
            {QStringLiteral("toCell"), link->to.cell},
            {QStringLiteral("toDigit"), link->to.digit},
            {QStringLiteral("toRemoved"), isRemoved(link->to)},
            {QStringLiteral("isStrong"), link->isStrong},
        });
    }
    return links;
}

} // namespace pondrel
