// The last resort; the hardest puzzles with one solution can still get no
// step from it. Each candidate in turn is assumed and followed with
// naked and hidden singles only:
// - contradiction: when the assumption leaves a cell without candidates or a
//   digit without a place in a unit, the candidate goes (a true assumption
//   never leads to a contradiction);
// - verity: when every candidate of one cell, or every place of a digit in
//   one unit, leads to the same digit in another cell (or removes the same
//   candidate), that placement (or elimination) holds, since one of the
//   assumptions is true.
// When neither finds anything the assumptions are followed again with
// locked candidates applied between the rounds of singles.
// The step names the assumed cell(s); it does not spell out the chain.

#include "stepfinderdetail.h"

#include <algorithm>
#include <vector>

namespace pondrel::steps {

namespace {

struct Position
{
    Grid values;
    Masks candidates;
};

// One pass of locked candidates (pointing and claiming). Returns whether it
// removed any candidate.
bool lockCandidates(Position &p)
{
    bool removed = false;
    for (int from = 0; from < 27; ++from) {
        for (int digit = 1; digit <= 9; ++digit) {
            if (const auto locked = lockedCandidates(p.candidates, from, digit)) {
                locked->targets.forEach([&](int cell) {
                    p.candidates[cell] &= static_cast<std::uint16_t>(~digitBit(digit));
                    removed = true;
                });
            }
        }
    }
    return removed;
}

// Places the digit and follows singles until none is left (and, when
// `deep`, locked candidates between rounds of singles). Returns false on a
// contradiction.
bool propagate(Position &p, int cell, int digit, bool deep)
{
    if ((p.candidates[cell] & digitBit(digit)) == 0) {
        return false;
    }
    place(p.values, p.candidates, cell, digit);
    for (bool placed = true; placed || (deep && lockCandidates(p));) {
        placed = false;
        for (int c = 0; c < kCellCount; ++c) {
            if (p.values[c] == 0) {
                if (p.candidates[c] == 0) {
                    return false;
                }
                if (bitCount(p.candidates[c]) == 1) {
                    place(p.values, p.candidates, c, lowestDigit(p.candidates[c]));
                    placed = true;
                }
            }
        }
        for (int u = 0; u < 27; ++u) {
            std::uint16_t present = 0;
            for (const int c : units[u]) {
                present |= p.candidates[c] | digitBit(p.values[c]);
            }
            if ((present & kAllDigits) != kAllDigits) {
                return false;
            }
            while (const std::optional<Placement> single = hiddenSingleIn(p.candidates, u)) {
                place(p.values, p.candidates, single->cell, single->digit);
                placed = true;
            }
        }
    }
    return true;
}

Step chainStep(std::initializer_list<int> cells, std::uint16_t digits)
{
    Step step{Technique::forcingChain, digits, {}, cells, {}, {}};
    std::sort(step.cells.begin(), step.cells.end());
    step.cells.erase(std::unique(step.cells.begin(), step.cells.end()), step.cells.end());
    return step;
}

// The outcome of assuming each candidate: index cell * 10 + digit.
struct Outcomes
{
    std::vector<Position> after;
};

// The first candidate whose assumption contradicts, in cell order; keeps
// every outcome for the verities when there is none.
std::optional<Step> contradiction(const Position &start, Outcomes &outcomes, bool deep)
{
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (bitCount(start.candidates[cell]) < 2) {
            continue;
        }
        for (std::uint16_t d = start.candidates[cell]; d != 0; d &= d - 1) {
            const int digit = std::countr_zero(d);
            Position &after = outcomes.after[static_cast<std::size_t>(cell * 10 + digit)];
            after = start;
            if (!propagate(after, cell, digit, deep)) {
                Step step = chainStep({cell}, digitBit(digit));
                step.eliminations.push_back({cell, digit});
                return step;
            }
        }
    }
    return std::nullopt;
}

// What every assumption of a set (cell * 10 + digit indices) implies.
std::optional<Step> commonOutcome(const Position &start,
                                  const Outcomes &outcomes,
                                  const std::array<int, 9> &set,
                                  int size,
                                  std::initializer_list<int> cells)
{
    Position common = outcomes.after[static_cast<std::size_t>(set[0])];
    for (int i = 1; i < size; ++i) {
        const Position &other = outcomes.after[static_cast<std::size_t>(set[i])];
        for (int c = 0; c < kCellCount; ++c) {
            if (common.values[c] != other.values[c]) {
                common.values[c] = 0;
            }
            common.candidates[c] |= other.candidates[c];
        }
    }
    for (int c = 0; c < kCellCount; ++c) {
        if (start.values[c] == 0 && common.values[c] != 0) {
            Step step = chainStep(cells, digitBit(common.values[c]));
            step.placements.push_back({c, common.values[c]});
            return step;
        }
    }
    for (int c = 0; c < kCellCount; ++c) {
        // A filled cell's candidates are 0 after propagation: count only
        // cells left open in every branch.
        const std::uint16_t gone = start.candidates[c] & ~common.candidates[c];
        bool open = common.values[c] == 0;
        for (int i = 0; i < size && open; ++i) {
            open = outcomes.after[static_cast<std::size_t>(set[i])].values[c] == 0;
        }
        if (gone != 0 && open) {
            Step step = chainStep(cells, gone);
            for (std::uint16_t d = gone; d != 0; d &= d - 1) {
                step.eliminations.push_back({c, std::countr_zero(d)});
            }
            return step;
        }
    }
    return std::nullopt;
}

std::optional<Step> verity(const Position &start, const Outcomes &outcomes)
{
    std::array<int, 9> set{};
    for (int cell = 0; cell < kCellCount; ++cell) {
        int size = 0;
        for (std::uint16_t d = start.candidates[cell]; d != 0; d &= d - 1) {
            set[size++] = cell * 10 + std::countr_zero(d);
        }
        if (size >= 2) {
            if (auto step = commonOutcome(start, outcomes, set, size, {cell})) {
                return step;
            }
        }
    }
    for (int u = 0; u < 27; ++u) {
        for (int digit = 1; digit <= 9; ++digit) {
            int size = 0;
            bool single = false;
            for (const int cell : units[u]) {
                if ((start.candidates[cell] & digitBit(digit)) != 0) {
                    set[size++] = cell * 10 + digit;
                    // Only cells of two or more candidates were followed.
                    single = single || bitCount(start.candidates[cell]) < 2;
                }
            }
            if (size >= 2 && !single) {
                if (auto step = commonOutcome(start, outcomes, set, size, {})) {
                    for (int i = 0; i < size; ++i) {
                        step->cells.push_back(set[i] / 10);
                    }
                    step->units = {u};
                    return step;
                }
            }
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<Step> findForcingChain(const Board &board)
{
    const Position start{board.values, board.candidates};
    Outcomes outcomes{std::vector<Position>(kCellCount * 10)};
    for (const bool deep : {false, true}) {
        if (auto step = contradiction(start, outcomes, deep)) {
            return step;
        }
        if (auto step = verity(start, outcomes)) {
            return step;
        }
    }
    return std::nullopt;
}

} // namespace pondrel::steps
