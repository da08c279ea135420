// The last rungs: Forcing Chain, Forcing Net and Nested Chain. Each
// candidate in turn is assumed and its consequences followed; the rungs
// differ only in how far they follow them:
// - Forcing Chain: naked and hidden singles;
// - Forcing Net: singles, then locked candidates and naked and hidden pairs
//   whenever the singles run dry;
// - Nested Chain: all of that, and when it runs dry, a forcing net
//   one level down: with the assumption in place, each remaining candidate is
//   assumed in turn, and one whose net runs into a contradiction goes.
// Then, as for every rung:
// - contradiction: when the assumption leaves a cell without candidates or a
//   digit without a place in a unit, the candidate goes (a true assumption
//   never leads to a contradiction);
// - verity: when every candidate of one cell, or every place of a digit in
//   one unit, leads to the same digit in another cell (or removes the same
//   candidate), that placement (or elimination) holds, since one of the
//   assumptions is true.
// No guessing beyond that: nothing is placed because it happens to lead to
// a solution, and nested assumptions go only one level down.
//
// Every deduction records why it holds (the rule and what it rests on) and
// when (a running order), so a contradiction can be traced back to the
// few deductions it needs: the links the player is shown, not everything
// that was propagated.
//
// Storage: one context per thread, made on the thread's first forcing
// search and reused, so a search allocates nothing but the step it returns.
// Measured on the forum's hardest list (bench/), per step found: Forcing
// Chain 0.5 ms, Forcing Net 3.6 ms, Nested Chain 26 ms on average
// and 120 ms at most.

#include "stepfinderdetail.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <span>

namespace pondrel::steps {

namespace {

// A candidate as one number: cell * 9 + digit - 1.
constexpr int kNodeCount = kCellCount * 9;
constexpr int nodeOf(int cell, int digit)
{
    return cell * 9 + digit - 1;
}
constexpr int cellOf(int node)
{
    return node / 9;
}
constexpr int digitOf(int node)
{
    return node % 9 + 1;
}

enum class Depth : std::uint8_t { singles, net, nested };

// Why a candidate became true (assumed, a single) or false (the rest).
enum class Rule : std::uint8_t {
    assumed,
    // False: `a`, a true candidate, sees it.
    weak,
    // True: the cell's other candidates are false.
    nakedSingle,
    // True: the digit's other places in `unit` are false.
    hiddenSingle,
    // False: the digit's places in `unit` lie in unit `a`, which holds it.
    locked,
    // False: cells `a` (two packed in 7 bits each) hold only digits `b` in
    // `unit`.
    nakedPair,
    // False: digits `b` have only cells `a` (packed) in `unit`.
    hiddenPair,
    // False: a net one level down from it ran into a contradiction; `a` is
    // the index of its record.
    nested,
};

struct Fact
{
    std::int16_t order = -1;
    Rule rule = Rule::assumed;
    std::int8_t unit = -1;
    std::int16_t a = 0;
    std::int16_t b = 0;
};

constexpr std::int16_t packCells(int first, int second)
{
    return static_cast<std::int16_t>(first | (second << 7));
}
constexpr std::array<int, 2> unpackCells(std::int16_t packed)
{
    return {packed & 127, packed >> 7};
}

// A board while an assumption is followed, with what is known and why.
// `byOrder` lists the decided candidates in the order they were decided; it
// is also the queue of eliminations whose singles are still to be checked.
struct Position
{
    Masks candidates{};
    Grid values{};
    std::array<std::uint16_t, 27> placed{};
    // Per digit the open cells that have it: a unit's places are one AND
    // away, where a scan of its nine masks took a third of the search.
    std::array<CellSet, 10> cellsWith{};
    std::array<Fact, kNodeCount> facts{};
    std::array<std::int16_t, kNodeCount> byOrder{};
    int clock = 0;
    int processed = 0;
    // Following stops once this many candidates are decided: a search for
    // the shortest contradiction need not finish a longer one.
    int limit = kNodeCount;
    bool broken = false;
    Contradiction conflict;
};

// A link as the search keeps it: two nodes.
struct Link
{
    std::int16_t from;
    std::int16_t to;
    bool isStrong;
};

struct NestedRecord
{
    int linkBegin;
    int linkEnd;
    int premiseBegin;
    int premiseEnd;
};

// What an assumption led to, for the verities.
struct Outcome
{
    Grid values;
    Masks candidates;
};

// An inner explanation has at most three links per decided candidate (a
// locked elimination names up to three places); a nested elimination is
// tried only while the pools hold one more of those.
constexpr int kLinkPool = 16384;
constexpr int kPremisePool = 8192;
constexpr int kMaxLinksPerExplanation = 3 * kNodeCount;
// A nested search follows at most this many inner nets, then gives up. The
// forum's hardest puzzles need up to 18,000 (120 ms); a board with many
// solutions, where nothing breaks, would take 1.4 million (15 s); with the
// budget it gives up after about half a second.
constexpr long kInnerNetBudget = 50'000;

struct Context
{
    // The candidates of the board searched: what each deduction's reasons
    // are read against.
    Masks root{};
    Position start;
    Position trial;
    Position inner;
    std::array<Outcome, kNodeCount> outcomes{};
    std::array<NestedRecord, kNodeCount> nested{};
    int nestedCount = 0;
    std::array<Link, kLinkPool> links{};
    int linkCount = 0;
    std::array<std::int16_t, kPremisePool> premises{};
    int premiseCount = 0;
    long innerNets = 0;
};

// About 330 KB: made once per thread that asks for a forcing step, not in
// every thread of the process, as a plain thread_local object of this size
// would be.
Context &context()
{
    thread_local std::unique_ptr<Context> instance;
    if (!instance) {
        instance = std::make_unique<Context>();
    }
    return *instance;
}

// Copies what a continued search needs: the board, and the facts decided
// so far (only those, not the whole table).
void copyPosition(Position &to, const Position &from)
{
    to.candidates = from.candidates;
    to.values = from.values;
    to.placed = from.placed;
    to.cellsWith = from.cellsWith;
    for (int o = 0; o < from.clock; ++o) {
        const int node = from.byOrder[static_cast<std::size_t>(o)];
        to.byOrder[static_cast<std::size_t>(o)] = static_cast<std::int16_t>(node);
        to.facts[static_cast<std::size_t>(node)] = from.facts[static_cast<std::size_t>(node)];
    }
    to.clock = from.clock;
    to.processed = from.processed;
    to.limit = from.limit;
    to.broken = from.broken;
    to.conflict = from.conflict;
}

Fact because(Rule rule, int unit = -1, int a = 0, int b = 0)
{
    return Fact{-1,
                rule,
                static_cast<std::int8_t>(unit),
                static_cast<std::int16_t>(a),
                static_cast<std::int16_t>(b)};
}

// When the node was decided in this position, or -1; facts left from an
// earlier search in the same storage do not count.
int decidedAt(const Position &p, int node)
{
    const int order = p.facts[static_cast<std::size_t>(node)].order;
    return order >= 0 && order < p.clock && p.byOrder[static_cast<std::size_t>(order)] == node
               ? order
               : -1;
}

constexpr bool holdsOne(const CellSet &set)
{
    return (set.low == 0) != (set.high == 0) && (set.low & (set.low - 1)) == 0 &&
           (set.high & (set.high - 1)) == 0;
}

void record(Position &p, int node, Fact why)
{
    why.order = static_cast<std::int16_t>(p.clock);
    p.facts[static_cast<std::size_t>(node)] = why;
    p.byOrder[static_cast<std::size_t>(p.clock++)] = static_cast<std::int16_t>(node);
}

void breakOn(Position &p, Contradiction::Kind kind, int cell, int unit, int digit)
{
    p.broken = true;
    p.conflict = Contradiction{kind, cell, unit, digit};
}

void eliminate(Position &p, int node, Fact why)
{
    const int cell = cellOf(node);
    const int digit = digitOf(node);
    const std::uint16_t bit = digitBit(digit);
    if (p.broken || (p.candidates[cell] & bit) == 0) {
        return;
    }
    p.candidates[cell] &= static_cast<std::uint16_t>(~bit);
    p.cellsWith[digit].erase(cell);
    record(p, node, why);
    if (p.values[cell] == 0 && p.candidates[cell] == 0) {
        breakOn(p, Contradiction::Kind::noCandidate, cell, -1, 0);
        return;
    }
    for (const int u : unitsOf(cell)) {
        if ((p.placed[u] & bit) == 0 && (p.cellsWith[digit] & unitSets[u]).empty()) {
            breakOn(p, Contradiction::Kind::noPlace, -1, u, digit);
            return;
        }
    }
}

// The node must be open.
void assign(Position &p, int node, Fact why)
{
    if (p.broken) {
        return;
    }
    const int cell = cellOf(node);
    const int digit = digitOf(node);
    const std::uint16_t bit = digitBit(digit);
    p.candidates[cell] &= static_cast<std::uint16_t>(~bit);
    p.cellsWith[digit].erase(cell);
    p.values[cell] = static_cast<std::uint8_t>(digit);
    for (const int u : unitsOf(cell)) {
        p.placed[u] |= bit;
    }
    record(p, node, why);
    const Fact weak = because(Rule::weak, -1, node);
    for (std::uint16_t others = p.candidates[cell]; others != 0; others &= others - 1) {
        eliminate(p, nodeOf(cell, std::countr_zero(others)), weak);
    }
    for (const std::uint8_t peer : peers[cell]) {
        eliminate(p, nodeOf(peer, digit), weak);
    }
}

// Naked and hidden singles after each elimination, until none is left.
void runSingles(Position &p)
{
    while (!p.broken && p.processed < p.clock && p.clock <= p.limit) {
        const int node = p.byOrder[static_cast<std::size_t>(p.processed++)];
        const int cell = cellOf(node);
        const int digit = digitOf(node);
        if (p.values[cell] == digit) {
            continue; // a placement: its eliminations are queued behind it
        }
        if (p.values[cell] == 0 && bitCount(p.candidates[cell]) == 1) {
            assign(p, nodeOf(cell, lowestDigit(p.candidates[cell])), because(Rule::nakedSingle));
        }
        for (const int u : unitsOf(cell)) {
            if (p.broken) {
                return;
            }
            if ((p.placed[u] & digitBit(digit)) != 0) {
                continue;
            }
            const CellSet places = p.cellsWith[digit] & unitSets[u];
            if (holdsOne(places)) {
                assign(p, nodeOf(places.first(), digit), because(Rule::hiddenSingle, u));
            }
        }
    }
}

bool applyLocked(Position &p)
{
    for (int from = 0; from < 27; ++from) {
        for (int digit = 1; digit <= 9; ++digit) {
            const std::optional<LockedCandidates> locked =
                lockedCandidates(p.candidates, from, digit);
            if (!locked || locked->targets.empty()) {
                continue;
            }
            const Fact why = because(Rule::locked, from, locked->into);
            locked->targets.forEach([&](int cell) { eliminate(p, nodeOf(cell, digit), why); });
            return true;
        }
    }
    return false;
}

bool applyPairs(Position &p)
{
    for (int u = 0; u < 27; ++u) {
        const Unit &cells = units[u];
        // Naked: two cells with the same two candidates.
        for (int i = 0; i < 9; ++i) {
            const std::uint16_t pair = p.candidates[cells[i]];
            if (bitCount(pair) != 2) {
                continue;
            }
            for (int j = i + 1; j < 9; ++j) {
                if (p.candidates[cells[j]] != pair) {
                    continue;
                }
                const Fact why = because(Rule::nakedPair, u, packCells(cells[i], cells[j]), pair);
                bool removed = false;
                for (int k = 0; k < 9; ++k) {
                    const std::uint16_t gone = p.candidates[cells[k]] & pair;
                    if (k == i || k == j || gone == 0) {
                        continue;
                    }
                    for (std::uint16_t d = gone; d != 0; d &= d - 1) {
                        eliminate(p, nodeOf(cells[k], std::countr_zero(d)), why);
                    }
                    removed = true;
                }
                if (removed) {
                    return true;
                }
            }
        }
        // Hidden: two digits with the same two places.
        std::array<std::uint16_t, 10> positions{};
        for (int digit = 1; digit <= 9; ++digit) {
            positions[digit] = placesOf(p.candidates, u, digit);
        }
        for (int a = 1; a <= 9; ++a) {
            if (bitCount(positions[a]) != 2) {
                continue;
            }
            for (int b = a + 1; b <= 9; ++b) {
                if (positions[b] != positions[a]) {
                    continue;
                }
                const int first = cells[std::countr_zero(positions[a])];
                const int second = cells[15 - std::countl_zero(positions[a])];
                const auto pair = static_cast<std::uint16_t>(digitBit(a) | digitBit(b));
                const Fact why = because(Rule::hiddenPair, u, packCells(first, second), pair);
                bool removed = false;
                for (const int cell : {first, second}) {
                    for (std::uint16_t d = p.candidates[cell] & ~pair; d != 0; d &= d - 1) {
                        eliminate(p, nodeOf(cell, std::countr_zero(d)), why);
                        removed = true;
                    }
                }
                if (removed) {
                    return true;
                }
            }
        }
    }
    return false;
}

void propagate(Position &p, Depth depth, Context &ctx);

// Follows a contradiction (or, for a nested elimination, the inner one; or,
// for a verity, the deductions `targets`) back to the deductions it rests
// on. Deductions older than `cutoff` are not followed but reported as
// premises: for an inner net, the outer facts it used. `emit` receives the
// links in the order they were found, each deduction after those it rests
// on.
template <typename Emit, typename Premise>
void explain(const Position &p,
             int cutoff,
             const Context &ctx,
             Emit emit,
             Premise premise,
             std::span<const int> targets = {})
{
    std::array<bool, kNodeCount> needed{};
    std::array<std::int16_t, kNodeCount> stack{};
    int top = 0;
    const auto need = [&](int node) {
        if (needed[static_cast<std::size_t>(node)]) {
            return;
        }
        needed[static_cast<std::size_t>(node)] = true;
        if (p.facts[static_cast<std::size_t>(node)].order < cutoff) {
            premise(node);
        } else {
            stack[static_cast<std::size_t>(top++)] = static_cast<std::int16_t>(node);
        }
    };
    // The alternatives to a node in its cell, or its digit's other places in
    // a unit, as the searched board had them.
    const auto forOthersInCell = [&](int cell, std::uint16_t except, auto f) {
        for (std::uint16_t d = ctx.root[cell] & ~except; d != 0; d &= d - 1) {
            f(nodeOf(cell, std::countr_zero(d)));
        }
    };
    const auto forOthersInUnit = [&](int unit, int digit, CellSet except, auto f) {
        for (const std::uint8_t cell : units[unit]) {
            if ((ctx.root[cell] & digitBit(digit)) != 0 && !except.contains(cell)) {
                f(nodeOf(cell, digit));
            }
        }
    };
    if (!targets.empty()) {
        for (const int target : targets) {
            need(target);
        }
    } else if (p.conflict.kind == Contradiction::Kind::noCandidate) {
        forOthersInCell(p.conflict.cell, 0, need);
    } else {
        forOthersInUnit(p.conflict.unit, p.conflict.digit, {}, need);
    }
    while (top > 0) {
        const int node = stack[static_cast<std::size_t>(--top)];
        const Fact &fact = p.facts[static_cast<std::size_t>(node)];
        const int cell = cellOf(node);
        const int digit = digitOf(node);
        switch (fact.rule) {
        case Rule::assumed:
            break;
        case Rule::weak:
            need(fact.a);
            break;
        case Rule::nakedSingle:
            forOthersInCell(cell, digitBit(digit), need);
            break;
        case Rule::hiddenSingle:
            forOthersInUnit(fact.unit, digit, setOf({cell}), need);
            break;
        case Rule::locked:
            forOthersInUnit(fact.unit, digit, unitSets[fact.a], need);
            break;
        case Rule::nakedPair:
            for (const int pairCell : unpackCells(fact.a)) {
                forOthersInCell(pairCell, static_cast<std::uint16_t>(fact.b), need);
            }
            break;
        case Rule::hiddenPair: {
            const auto [first, second] = unpackCells(fact.a);
            for (std::uint16_t d = static_cast<std::uint16_t>(fact.b); d != 0; d &= d - 1) {
                forOthersInUnit(fact.unit, std::countr_zero(d), setOf({first, second}), need);
            }
            break;
        }
        case Rule::nested: {
            const NestedRecord &r = ctx.nested[static_cast<std::size_t>(fact.a)];
            for (int i = r.premiseBegin; i < r.premiseEnd; ++i) {
                need(ctx.premises[static_cast<std::size_t>(i)]);
            }
            break;
        }
        }
    }
    // Whether a node was still open just before order `order`.
    const auto openBefore = [&](int node, int order) {
        const int decided = decidedAt(p, node);
        return (ctx.root[cellOf(node)] & digitBit(digitOf(node))) != 0 &&
               (decided < 0 || decided > order);
    };
    // The alternative decided last: the link that completes the single.
    const auto strongFromLatest = [&](int node, auto forOthers) {
        int latest = -1;
        int latestOrder = -1;
        forOthers([&](int other) {
            const int order = p.facts[static_cast<std::size_t>(other)].order;
            if (order > latestOrder) {
                latest = other;
                latestOrder = order;
            }
        });
        if (latest >= 0) {
            emit(Link{static_cast<std::int16_t>(latest), static_cast<std::int16_t>(node), true});
        }
    };
    const auto weakFrom = [&](int from, int to) {
        emit(Link{static_cast<std::int16_t>(from), static_cast<std::int16_t>(to), false});
    };
    for (int o = cutoff; o < p.clock; ++o) {
        const int node = p.byOrder[static_cast<std::size_t>(o)];
        if (!needed[static_cast<std::size_t>(node)]) {
            continue;
        }
        const Fact &fact = p.facts[static_cast<std::size_t>(node)];
        const int cell = cellOf(node);
        const int digit = digitOf(node);
        switch (fact.rule) {
        case Rule::assumed:
            break;
        case Rule::weak:
            weakFrom(fact.a, node);
            break;
        case Rule::nakedSingle:
            strongFromLatest(node, [&](auto f) { forOthersInCell(cell, digitBit(digit), f); });
            break;
        case Rule::hiddenSingle:
            strongFromLatest(node,
                             [&](auto f) { forOthersInUnit(fact.unit, digit, setOf({cell}), f); });
            break;
        case Rule::locked:
            // The places the digit is locked into, each of which sees it.
            for (const std::uint8_t place : units[fact.unit]) {
                if (unitSets[fact.a].contains(place) && openBefore(nodeOf(place, digit), o)) {
                    weakFrom(nodeOf(place, digit), node);
                }
            }
            break;
        case Rule::nakedPair:
            for (const int pairCell : unpackCells(fact.a)) {
                weakFrom(nodeOf(pairCell, digit), node);
            }
            break;
        case Rule::hiddenPair:
            for (std::uint16_t d = static_cast<std::uint16_t>(fact.b); d != 0; d &= d - 1) {
                weakFrom(nodeOf(cell, std::countr_zero(d)), node);
            }
            break;
        case Rule::nested: {
            const NestedRecord &r = ctx.nested[static_cast<std::size_t>(fact.a)];
            for (int i = r.linkBegin; i < r.linkEnd; ++i) {
                emit(ctx.links[static_cast<std::size_t>(i)]);
            }
            break;
        }
        }
    }
}

// Assumes each open candidate of `p` in turn, follows it with a forcing net
// for at most `reach` deductions and removes it when the net breaks.
// Returns whether anything went.
bool applyNested(Position &p, Context &ctx, int reach)
{
    bool removed = false;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (p.values[cell] != 0) {
            continue;
        }
        for (int digit = 1; digit <= 9; ++digit) {
            if ((p.candidates[cell] & digitBit(digit)) == 0 || p.broken) {
                continue;
            }
            if (ctx.linkCount + kMaxLinksPerExplanation > kLinkPool ||
                ctx.premiseCount + kNodeCount > kPremisePool || ctx.nestedCount >= kNodeCount ||
                ctx.innerNets >= kInnerNetBudget) {
                return removed;
            }
            ++ctx.innerNets;
            Position &inner = ctx.inner;
            copyPosition(inner, p);
            inner.limit = p.clock + reach;
            const int node = nodeOf(cell, digit);
            assign(inner, node, because(Rule::assumed));
            propagate(inner, Depth::net, ctx);
            if (!inner.broken) {
                continue;
            }
            NestedRecord r{ctx.linkCount, 0, ctx.premiseCount, 0};
            explain(
                inner,
                p.clock,
                ctx,
                [&](Link link) { ctx.links[static_cast<std::size_t>(ctx.linkCount++)] = link; },
                [&](int premise) {
                    ctx.premises[static_cast<std::size_t>(ctx.premiseCount++)] =
                        static_cast<std::int16_t>(premise);
                });
            r.linkEnd = ctx.linkCount;
            r.premiseEnd = ctx.premiseCount;
            ctx.nested[static_cast<std::size_t>(ctx.nestedCount)] = r;
            eliminate(p, node, because(Rule::nested, -1, ctx.nestedCount++));
            // What the removal brings, before the next assumption.
            propagate(p, Depth::net, ctx);
            removed = true;
        }
    }
    return removed;
}

void propagate(Position &p, Depth depth, Context &ctx)
{
    for (;;) {
        runSingles(p);
        if (p.broken || depth == Depth::singles || p.clock > p.limit) {
            return;
        }
        if (applyLocked(p) || applyPairs(p)) {
            continue;
        }
        if (depth == Depth::net) {
            return;
        }
        // Short inner nets first: they make shorter steps to read, and
        // what they remove often shortens the longer ones (measured: the
        // median nested step went from about 600 links to 500, in the same time).
        bool removed = false;
        for (const int reach : {24, 96, kNodeCount}) {
            removed = applyNested(p, ctx, reach);
            if (removed || p.broken) {
                break;
            }
        }
        if (!removed || p.broken) {
            return;
        }
    }
}

Technique techniqueOf(Depth depth)
{
    switch (depth) {
    case Depth::singles:
        return Technique::forcingChain;
    case Depth::net:
        return Technique::forcingNet;
    case Depth::nested:
        break;
    }
    return Technique::nestedForcingChain;
}

// The step's cells are those of the assumed nodes.
Step chainStep(Depth depth, std::uint16_t digits, std::span<const int> assumed)
{
    Step step;
    step.technique = techniqueOf(depth);
    step.digits = digits;
    for (const int node : assumed) {
        step.cells.push_back(cellOf(node));
    }
    std::sort(step.cells.begin(), step.cells.end());
    step.cells.erase(std::unique(step.cells.begin(), step.cells.end()), step.cells.end());
    return step;
}

Step contradictionStep(Depth depth, const Position &trial, int node, const Context &ctx)
{
    const int cell = cellOf(node);
    const int digit = digitOf(node);
    Step step = chainStep(depth, digitBit(digit), std::span<const int>(&node, 1));
    step.eliminations.push_back({cell, digit});
    step.assumption = Candidate{cell, digit};
    step.contradiction = trial.conflict;
    if (trial.conflict.unit >= 0) {
        step.units = {trial.conflict.unit};
    }
    // Counted first, so the list is allocated once: a nested step's runs
    // to thousands of links.
    std::size_t length = 0;
    explain(
        trial, 0, ctx, [&](Link) { ++length; }, [](int) {});
    step.links.reserve(length);
    explain(
        trial,
        0,
        ctx,
        [&](Link link) {
            step.links.push_back({{cellOf(link.from), digitOf(link.from)},
                                  {cellOf(link.to), digitOf(link.to)},
                                  link.isStrong});
        },
        [](int) {});
    return step;
}

// What every assumption of a set (nodes) implies.
std::optional<Step> commonOutcome(
    Depth depth, const Position &start, const Context &ctx, const std::array<int, 9> &set, int size)
{
    const std::span<const int> assumed(set.data(), static_cast<std::size_t>(size));
    const auto outcome = [&](int i) -> const Outcome & {
        return ctx.outcomes[static_cast<std::size_t>(set[static_cast<std::size_t>(i)])];
    };
    for (int c = 0; c < kCellCount; ++c) {
        const int value = outcome(0).values[c];
        if (start.values[c] != 0 || value == 0) {
            continue;
        }
        bool same = true;
        for (int i = 1; i < size && same; ++i) {
            same = outcome(i).values[c] == value;
        }
        if (same) {
            Step step = chainStep(depth, digitBit(value), assumed);
            step.placements.push_back({c, value});
            return step;
        }
    }
    for (int c = 0; c < kCellCount; ++c) {
        // A filled cell's candidates are 0 after propagation: count only
        // cells left open in every branch.
        std::uint16_t kept = 0;
        bool open = start.values[c] == 0;
        for (int i = 0; i < size && open; ++i) {
            open = outcome(i).values[c] == 0;
            kept |= outcome(i).candidates[c];
        }
        const auto gone = static_cast<std::uint16_t>(start.candidates[c] & ~kept);
        if (gone != 0 && open) {
            Step step = chainStep(depth, gone, assumed);
            for (std::uint16_t d = gone; d != 0; d &= d - 1) {
                step.eliminations.push_back({c, std::countr_zero(d)});
            }
            return step;
        }
    }
    return std::nullopt;
}

// Calls addBranches(step, set, size) with the assumptions of the step found.
template <typename AddBranches>
std::optional<Step>
verity(Depth depth, const Position &start, const Context &ctx, AddBranches addBranches)
{
    std::array<int, 9> set{};
    for (int cell = 0; cell < kCellCount; ++cell) {
        int size = 0;
        for (std::uint16_t d = start.candidates[cell]; d != 0; d &= d - 1) {
            set[static_cast<std::size_t>(size++)] = nodeOf(cell, std::countr_zero(d));
        }
        if (size >= 2) {
            if (auto step = commonOutcome(depth, start, ctx, set, size)) {
                addBranches(*step, set, size);
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
                    set[static_cast<std::size_t>(size++)] = nodeOf(cell, digit);
                    // Only cells of two or more candidates were followed.
                    single = single || bitCount(start.candidates[cell]) < 2;
                }
            }
            if (size < 2 || single) {
                continue;
            }
            if (auto step = commonOutcome(depth, start, ctx, set, size)) {
                step->units = {u};
                addBranches(*step, set, size);
                return step;
            }
        }
    }
    return std::nullopt;
}

std::optional<Step> findForcing(const Board &board, Depth depth)
{
    Context &ctx = context();
    ctx.root = board.candidates;
    Position &start = ctx.start;
    start.candidates = board.candidates;
    start.values = board.values;
    start.placed = {};
    for (int u = 0; u < 27; ++u) {
        for (const std::uint8_t cell : units[u]) {
            start.placed[u] |= digitBit(board.values[cell]) & kAllDigits;
        }
    }
    start.cellsWith = board.cellsWith;
    start.clock = 0;
    start.processed = 0;
    start.broken = false;
    Position &trial = ctx.trial;
    const auto follow = [&](int node, int limit) {
        ctx.nestedCount = 0;
        ctx.linkCount = 0;
        ctx.premiseCount = 0;
        copyPosition(trial, start);
        trial.limit = limit;
        assign(trial, node, because(Rule::assumed));
        propagate(trial, depth, ctx);
    };
    // The contradiction reached with the fewest deductions (then the fewest
    // links): the easiest to follow, and once one is found the other
    // assumptions are followed only that far, which keeps the search to
    // about a millisecond. A nested search takes the first: following every
    // assumption with nested nets would take seconds on the hardest
    // puzzles.
    ctx.innerNets = 0;
    int best = -1;
    int bestClock = kNodeCount;
    int bestLength = 0;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (bitCount(start.candidates[cell]) < 2) {
            continue;
        }
        for (std::uint16_t d = start.candidates[cell]; d != 0; d &= d - 1) {
            const int node = nodeOf(cell, std::countr_zero(d));
            follow(node, bestClock);
            if (ctx.innerNets >= kInnerNetBudget && !trial.broken) {
                // Out of budget: what this assumption led to is incomplete,
                // so no verity can rest on it.
                return std::nullopt;
            }
            if (!trial.broken) {
                ctx.outcomes[static_cast<std::size_t>(node)] = {trial.values, trial.candidates};
                continue;
            }
            if (depth == Depth::nested) {
                return contradictionStep(depth, trial, node, ctx);
            }
            int length = 0;
            explain(
                trial, 0, ctx, [&](Link) { ++length; }, [](int) {});
            if (best < 0 || trial.clock < bestClock ||
                (trial.clock == bestClock && length < bestLength)) {
                best = node;
                bestClock = trial.clock;
                bestLength = length;
            }
        }
    }
    if (best >= 0) {
        follow(best, kNodeCount);
        return contradictionStep(depth, trial, best, ctx);
    }
    // A verity's links: each assumption's way to the common result, branch
    // after branch; following each once more costs a fraction of the search.
    return verity(depth, start, ctx, [&](Step &step, const std::array<int, 9> &set, int size) {
        std::array<int, 9> results{};
        int resultCount = 0;
        for (const Placement &placed : step.placements) {
            results[static_cast<std::size_t>(resultCount++)] = nodeOf(placed.cell, placed.digit);
        }
        for (const Elimination &gone : step.eliminations) {
            results[static_cast<std::size_t>(resultCount++)] = nodeOf(gone.cell, gone.digit);
        }
        for (int i = 0; i < size; ++i) {
            follow(set[static_cast<std::size_t>(i)], kNodeCount);
            explain(
                trial,
                0,
                ctx,
                [&](Link link) {
                    step.links.push_back({{cellOf(link.from), digitOf(link.from)},
                                          {cellOf(link.to), digitOf(link.to)},
                                          link.isStrong});
                },
                [](int) {},
                std::span<const int>(results.data(), static_cast<std::size_t>(resultCount)));
        }
    });
}

} // namespace

std::optional<Step> findForcingChain(const Board &board)
{
    return findForcing(board, Depth::singles);
}

std::optional<Step> findForcingNet(const Board &board)
{
    return findForcing(board, Depth::net);
}

std::optional<Step> findNestedForcingChain(const Board &board)
{
    return findForcing(board, Depth::nested);
}

} // namespace pondrel::steps
