#pragma once

#include "nextstep.h"

#include <QVariantList>

#include <optional>

namespace pondrel {

// The chain a shown step draws over the board, as QML reads it: a list of
// {fromCell, fromDigit, fromRemoved, toCell, toDigit, toRemoved, isStrong},
// cells 0..80 and digits 1..9, in the step's order (Step::links). A node is
// "removed" when the step takes that candidate out (a forcing chain's
// assumption, the far end of a discontinuous loop), so the board can strike
// it through there as it does in the notes.
//
// Only the reason stage draws the chain: the nudge says where to look
// without giving the pattern away, and a wrong digit or a stuck step has
// none. A forcing chain's branches often share their first links; each link
// is listed once, so a shared stretch is not drawn twice over itself. A net
// too long to read drawn whole gives its first and last links only.
QVariantList shownLinks(const std::optional<ShownStep> &shown);

} // namespace pondrel
