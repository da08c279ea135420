// Patterns on one digit built from conjugate pairs (a unit where the digit
// has exactly two places, so one of them holds it):
// - Skyscraper: two parallel conjugate pairs with one end in a common line;
//   the other two ends cannot both be empty of the digit.
// - 2-String Kite: a row pair and a column pair with an end of each in one
//   box; the far ends cannot both be empty of the digit.
// - Simple Colouring: each chain of conjugate pairs is two-coloured; a colour
//   with two cells that see each other is false everywhere (wrap), and a cell
//   that sees both colours loses the digit (trap).
// - X-Chain: a chain alternating conjugate pairs and cells that see each
//   other, starting and ending with a conjugate pair; one of its ends holds
//   the digit, so cells seeing both ends lose it. The shortest chain found by
//   a breadth-first search from each start is reported.
// Each removes the digit from cells that see cells of which one must hold it.

#include "stepfinderdetail.h"

#include <vector>

namespace pondrel::steps {

namespace {

// The other place of the digit in each unit of `cell` where the digit has
// exactly two places.
CellSet conjugates(const Board &board, int cell, int digit)
{
    CellSet result;
    for (const int u : unitsOf(cell)) {
        const CellSet places = board.cellsWith[digit] & unitSets[u];
        if (places.size() == 2) {
            result = result | places;
        }
    }
    result.erase(cell);
    return result;
}

// The chain end → strong → a, a → weak → b, b → strong → other end: two
// conjugate pairs on the digit whose inner ends see each other.
std::vector<ChainLink> pairsJoined(int digit, int end, int a, int b, int otherEnd)
{
    return {{{end, digit}, {a, digit}, true},
            {{a, digit}, {b, digit}, false},
            {{b, digit}, {otherEnd, digit}, true}};
}

CellSet bothSee(const Board &board, int digit, int a, int b)
{
    CellSet targets = board.cellsWith[digit] & peerSets[a] & peerSets[b];
    targets.erase(a);
    targets.erase(b);
    return targets;
}

} // namespace

std::optional<Step> findSkyscraper(const Board &board)
{
    for (int digit = 1; digit <= 9; ++digit) {
        for (const int firstLine : {rowUnit(0), columnUnit(0)}) {
            for (int k1 = 0; k1 < 9; ++k1) {
                const std::uint16_t p1 = board.places(firstLine + k1, digit);
                if (bitCount(p1) != 2) {
                    continue;
                }
                for (int k2 = k1 + 1; k2 < 9; ++k2) {
                    const std::uint16_t p2 = board.places(firstLine + k2, digit);
                    if (bitCount(p2) != 2 || bitCount(p1 & p2) != 1) {
                        continue;
                    }
                    const int e1 = units[firstLine + k1]
                                        [std::countr_zero(static_cast<std::uint16_t>(p1 & ~p2))];
                    const int e2 = units[firstLine + k2]
                                        [std::countr_zero(static_cast<std::uint16_t>(p2 & ~p1))];
                    const int shared = std::countr_zero(static_cast<std::uint16_t>(p1 & p2));
                    const CellSet targets = bothSee(board, digit, e1, e2);
                    if (!targets.empty()) {
                        const CellSet cells =
                            cellsAt(firstLine + k1, p1) | cellsAt(firstLine + k2, p2);
                        Step step = eliminationStep(Technique::skyscraper,
                                                    digitBit(digit),
                                                    {firstLine + k1, firstLine + k2},
                                                    cells,
                                                    targets,
                                                    digit);
                        step.links = pairsJoined(digit,
                                                 e1,
                                                 units[firstLine + k1][shared],
                                                 units[firstLine + k2][shared],
                                                 e2);
                        return step;
                    }
                }
            }
        }
    }
    return std::nullopt;
}

std::optional<Step> findTwoStringKite(const Board &board)
{
    for (int digit = 1; digit <= 9; ++digit) {
        for (int r = 0; r < 9; ++r) {
            const std::uint16_t rowPlaces = board.places(rowUnit(r), digit);
            if (bitCount(rowPlaces) != 2) {
                continue;
            }
            const int ra = units[rowUnit(r)][std::countr_zero(rowPlaces)];
            const int rb = units[rowUnit(r)][15 - std::countl_zero(rowPlaces)];
            for (int c = 0; c < 9; ++c) {
                const std::uint16_t columnPlaces = board.places(columnUnit(c), digit);
                if (bitCount(columnPlaces) != 2) {
                    continue;
                }
                const int ca = units[columnUnit(c)][std::countr_zero(columnPlaces)];
                const int cb = units[columnUnit(c)][15 - std::countl_zero(columnPlaces)];
                for (const auto &[x, xFar] : {std::pair{ra, rb}, std::pair{rb, ra}}) {
                    for (const auto &[y, yFar] : {std::pair{ca, cb}, std::pair{cb, ca}}) {
                        const CellSet cells = setOf({ra, rb, ca, cb});
                        if (cells.size() != 4 || box(x) != box(y)) {
                            continue;
                        }
                        const CellSet targets = bothSee(board, digit, xFar, yFar).without(cells);
                        if (!targets.empty()) {
                            Step step = eliminationStep(Technique::twoStringKite,
                                                        digitBit(digit),
                                                        {rowUnit(r), columnUnit(c)},
                                                        cells,
                                                        targets,
                                                        digit);
                            step.links = pairsJoined(digit, xFar, x, y, yFar);
                            return step;
                        }
                    }
                }
            }
        }
    }
    return std::nullopt;
}

std::optional<Step> findSimpleColouring(const Board &board)
{
    for (int digit = 1; digit <= 9; ++digit) {
        const CellSet withDigit = board.cellsWith[digit];
        CellSet seen;
        for (int start = 0; start < kCellCount; ++start) {
            if (!withDigit.contains(start) || seen.contains(start) ||
                conjugates(board, start, digit).empty()) {
                continue;
            }
            // Two-colour the chain of conjugate pairs through `start`.
            std::array<CellSet, 2> colour{};
            std::array<int, kCellCount> queue{};
            std::array<std::uint8_t, kCellCount> colourOf{};
            int head = 0;
            int tail = 0;
            queue[tail++] = start;
            colour[0].insert(start);
            seen.insert(start);
            while (head < tail) {
                const int cell = queue[head++];
                const int next = 1 - colourOf[cell];
                conjugates(board, cell, digit).forEach([&](int other) {
                    if (!seen.contains(other)) {
                        seen.insert(other);
                        colourOf[other] = static_cast<std::uint8_t>(next);
                        colour[next].insert(other);
                        queue[tail++] = other;
                    }
                });
            }
            const CellSet chain = colour[0] | colour[1];
            const auto colouringStep = [&](const CellSet &targets, int falseColour) {
                Step step = eliminationStep(
                    Technique::simpleColouring, digitBit(digit), {}, chain, targets, digit);
                colour[falseColour].forEach([&](int cell) { step.colours[0].push_back(cell); });
                colour[1 - falseColour].forEach([&](int cell) { step.colours[1].push_back(cell); });
                return step;
            };
            // Wrap: a colour that sees itself is false.
            for (int c = 0; c < 2; ++c) {
                bool wraps = false;
                colour[c].forEach(
                    [&](int cell) { wraps = wraps || !(peerSets[cell] & colour[c]).empty(); });
                if (wraps) {
                    return colouringStep(colour[c], c);
                }
            }
            // Trap: a cell outside the chain that sees both colours.
            CellSet targets;
            withDigit.without(chain).forEach([&](int cell) {
                if (!(peerSets[cell] & colour[0]).empty() &&
                    !(peerSets[cell] & colour[1]).empty()) {
                    targets.insert(cell);
                }
            });
            if (!targets.empty()) {
                return colouringStep(targets, 0);
            }
        }
    }
    return std::nullopt;
}

std::optional<Step> findXChain(const Board &board)
{
    // States are (cell, on): on = reached by a conjugate pair, so the cell
    // holds the digit if the start does not; off = reached by a cell that
    // sees it.
    constexpr int kStates = 2 * kCellCount;
    std::optional<Step> best;
    std::size_t bestLength = 1000;
    for (int digit = 1; digit <= 9; ++digit) {
        const CellSet withDigit = board.cellsWith[digit];
        std::array<CellSet, kCellCount> partners{};
        withDigit.forEach([&](int cell) { partners[cell] = conjugates(board, cell, digit); });
        for (int start = 0; start < kCellCount; ++start) {
            if (!withDigit.contains(start) || partners[start].empty()) {
                continue;
            }
            std::array<std::int16_t, kStates> parent{};
            std::array<std::uint8_t, kStates> depth{};
            parent.fill(-1);
            std::array<std::int16_t, kStates> queue{};
            int head = 0;
            int tail = 0;
            partners[start].forEach([&](int cell) {
                const int state = 2 * cell + 1;
                parent[state] = static_cast<std::int16_t>(2 * start);
                depth[state] = 1;
                queue[tail++] = static_cast<std::int16_t>(state);
            });
            while (head < tail) {
                const int state = queue[head++];
                const int cell = state / 2;
                const bool on = (state & 1) != 0;
                if (depth[state] >= bestLength) {
                    break;
                }
                if (on && depth[state] >= 3) {
                    const CellSet targets = bothSee(board, digit, start, cell);
                    if (!targets.empty()) {
                        CellSet cells;
                        std::vector<ChainLink> links;
                        for (int s = state; s / 2 != start || (s & 1) != 0; s = parent[s]) {
                            cells.insert(s / 2);
                            // Reached "on" by a conjugate pair, "off" by sight.
                            links.push_back({{parent[s] / 2, digit}, {s / 2, digit}, (s & 1) != 0});
                        }
                        cells.insert(start);
                        bestLength = depth[state];
                        best = eliminationStep(
                            Technique::xChain, digitBit(digit), {}, cells, targets, digit);
                        best->links.assign(links.rbegin(), links.rend());
                        break;
                    }
                }
                const CellSet next = on ? (withDigit & peerSets[cell]) : partners[cell];
                next.forEach([&](int other) {
                    const int nextState = 2 * other + (on ? 0 : 1);
                    if (other != start && parent[nextState] < 0) {
                        parent[nextState] = static_cast<std::int16_t>(state);
                        depth[nextState] = static_cast<std::uint8_t>(depth[state] + 1);
                        queue[tail++] = static_cast<std::int16_t>(nextState);
                    }
                });
            }
        }
    }
    return best;
}

} // namespace pondrel::steps
