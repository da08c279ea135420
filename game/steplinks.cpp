#include "steplinks.h"

#include <QVariantMap>

#include <algorithm>

namespace pondrel {

namespace {

// A forcing net can need hundreds of links (a nested chain's median is in
// the hundreds on the hardest puzzles): drawn whole they would hide the
// board. Past this many the board draws how the chain starts and how it
// ends, as the reason line reads "if r1c1 were 9: ... → ...".
constexpr qsizetype kMostLinksDrawn = 40;

} // namespace

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
    // Most chains have a few dozen links, so a linear look-back is cheaper
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
    if (links.size() > kMostLinksDrawn) {
        links = links.first(kMostLinksDrawn / 2) + links.last(kMostLinksDrawn / 2);
    }
    return links;
}

} // namespace pondrel
