#pragma once

#include "grid.h"

namespace pondrel {

// One undo step: the board and the notes as they were before a change. The
// rest of the game (hints used, the clock, the selection, whether the game
// has started) is deliberately not rolled back by an undo.
struct Snapshot
{
    Grid values{};
    Masks notes{};

    friend bool operator==(const Snapshot &, const Snapshot &) = default;
};

} // namespace pondrel
