// Wings and chains of cells with two candidates (bivalue cells):
// - XY-Wing: a pivot {x,y} sees pincers {x,z} and {y,z}; one pincer is z.
// - XYZ-Wing: a pivot {x,y,z} sees pincers {x,z} and {y,z}; one of the
//   three is z, so cells seeing all three lose z.
// - W-Wing: two cells {x,y} that do not see each other, joined by a
//   conjugate pair on x whose ends see one each; one of the two is y.
// - XY-Chain: a chain of bivalue cells, each seeing the next and sharing a
//   digit with it, whose two ends hold the same digit z as their free digit;
//   one end is z. The shortest chain from each start is searched breadth
//   first; the shortest found over all starts is reported.
// Each removes z (or y) from the cells that see both ends.

#include "stepfinderdetail.h"

#include <vector>

namespace pondrel::steps {

namespace {

CellSet bivalueCells(const Board &board)
{
    CellSet result;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (bitCount(board.candidates[cell]) == 2) {
            result.insert(cell);
        }
    }
    return result;
}

} // namespace

std::optional<Step> findXyWing(const Board &board)
{
    const CellSet bivalue = bivalueCells(board);
    for (int pivot = 0; pivot < kCellCount; ++pivot) {
        const std::uint16_t pivotDigits = board.candidates[pivot];
        if (!bivalue.contains(pivot)) {
            continue;
        }
        const CellSet wings = bivalue & peerSets[pivot];
        for (int a = 0; a < kCellCount; ++a) {
            const std::uint16_t aDigits = board.candidates[a];
            if (!wings.contains(a) || bitCount(aDigits & pivotDigits) != 1) {
                continue;
            }
            for (int b = a + 1; b < kCellCount; ++b) {
                const std::uint16_t bDigits = board.candidates[b];
                if (!wings.contains(b) || bitCount(bDigits & pivotDigits) != 1 ||
                    (aDigits & pivotDigits) == (bDigits & pivotDigits)) {
                    continue;
                }
                const std::uint16_t z =
                    aDigits & bDigits & static_cast<std::uint16_t>(~pivotDigits);
                if (z == 0) {
                    continue;
                }
                const int digit = lowestDigit(z);
                const CellSet targets = (board.cellsWith[digit] & peerSets[a] & peerSets[b]);
                if (!targets.empty()) {
                    Step step = eliminationStep(
                        Technique::xyWing, z, {}, setOf({pivot, a, b}), targets, digit);
                    step.pivot = pivot;
                    step.pincers = {a, b};
                    // a is z, or else x, so the pivot is y, so b is z.
                    const int x = lowestDigit(aDigits & pivotDigits);
                    const int y = lowestDigit(bDigits & pivotDigits);
                    step.links = {{{a, digit}, {a, x}, true},
                                  {{a, x}, {pivot, x}, false},
                                  {{pivot, x}, {pivot, y}, true},
                                  {{pivot, y}, {b, y}, false},
                                  {{b, y}, {b, digit}, true}};
                    return step;
                }
            }
        }
    }
    return std::nullopt;
}

std::optional<Step> findXyzWing(const Board &board)
{
    const CellSet bivalue = bivalueCells(board);
    for (int pivot = 0; pivot < kCellCount; ++pivot) {
        const std::uint16_t pivotDigits = board.candidates[pivot];
        if (bitCount(pivotDigits) != 3) {
            continue;
        }
        const CellSet wings = bivalue & peerSets[pivot];
        for (int a = 0; a < kCellCount; ++a) {
            const std::uint16_t aDigits = board.candidates[a];
            if (!wings.contains(a) || (aDigits & ~pivotDigits) != 0) {
                continue;
            }
            for (int b = a + 1; b < kCellCount; ++b) {
                const std::uint16_t bDigits = board.candidates[b];
                if (!wings.contains(b) || (bDigits & ~pivotDigits) != 0 || bDigits == aDigits) {
                    continue;
                }
                const int digit = lowestDigit(aDigits & bDigits);
                const CellSet targets =
                    board.cellsWith[digit] & peerSets[pivot] & peerSets[a] & peerSets[b];
                if (!targets.empty()) {
                    Step step = eliminationStep(Technique::xyzWing,
                                                digitBit(digit),
                                                {},
                                                setOf({pivot, a, b}),
                                                targets,
                                                digit);
                    step.pivot = pivot;
                    step.pincers = {a, b};
                    return step;
                }
            }
        }
    }
    return std::nullopt;
}

std::optional<Step> findWWing(const Board &board)
{
    const CellSet bivalue = bivalueCells(board);
    for (int a = 0; a < kCellCount; ++a) {
        if (!bivalue.contains(a)) {
            continue;
        }
        const std::uint16_t pair = board.candidates[a];
        for (int b = a + 1; b < kCellCount; ++b) {
            if (!bivalue.contains(b) || board.candidates[b] != pair || sees(a, b)) {
                continue;
            }
            for (const int x : {lowestDigit(pair), 15 - std::countl_zero(pair)}) {
                const int y = lowestDigit(pair & static_cast<std::uint16_t>(~digitBit(x)));
                const CellSet targets = board.cellsWith[y] & peerSets[a] & peerSets[b];
                if (targets.empty()) {
                    continue;
                }
                for (int u = 0; u < 27; ++u) {
                    const CellSet link = board.cellsWith[x] & unitSets[u];
                    if (link.size() != 2 || link.contains(a) || link.contains(b)) {
                        continue;
                    }
                    const int c1 = link.first();
                    const int c2 = link.without(setOf({c1})).first();
                    if ((sees(c1, a) && sees(c2, b)) || (sees(c1, b) && sees(c2, a))) {
                        Step step = eliminationStep(
                            Technique::wWing, digitBit(y), {u}, setOf({a, b, c1, c2}), targets, y);
                        // a is y, or else x, so the pair's end it sees is
                        // not x, the other end is, and b is not x: b is y.
                        const int nearA = sees(c1, a) ? c1 : c2;
                        const int nearB = nearA == c1 ? c2 : c1;
                        step.pincers = {a, b};
                        step.links = {{{a, y}, {a, x}, true},
                                      {{a, x}, {nearA, x}, false},
                                      {{nearA, x}, {nearB, x}, true},
                                      {{nearB, x}, {b, x}, false},
                                      {{b, x}, {b, y}, true}};
                        return step;
                    }
                }
            }
        }
    }
    return std::nullopt;
}

std::optional<Step> findXyChain(const Board &board)
{
    // States are cell * 10 + digit: "the cell holds the digit" follows
    // from "the start does not hold its end digit".
    constexpr int kStates = kCellCount * 10;
    const CellSet bivalue = bivalueCells(board);
    std::optional<Step> best;
    int bestLength = 1000;
    for (int start = 0; start < kCellCount; ++start) {
        if (!bivalue.contains(start)) {
            continue;
        }
        const std::uint16_t startDigits = board.candidates[start];
        for (const int end : {lowestDigit(startDigits), 15 - std::countl_zero(startDigits)}) {
            const int other = lowestDigit(startDigits & static_cast<std::uint16_t>(~digitBit(end)));
            std::array<std::int16_t, kStates> parent{};
            std::array<std::uint8_t, kStates> depth{};
            std::array<std::int16_t, kStates> queue{};
            parent.fill(-1);
            int head = 0;
            int tail = 0;
            const int first = start * 10 + other;
            parent[first] = static_cast<std::int16_t>(first);
            depth[first] = 1;
            queue[tail++] = static_cast<std::int16_t>(first);
            while (head < tail) {
                const int state = queue[head++];
                const int cell = state / 10;
                const int digit = state % 10;
                if (depth[state] >= bestLength) {
                    break;
                }
                if (digit == end && cell != start) {
                    CellSet targets = board.cellsWith[end] & peerSets[start] & peerSets[cell];
                    if (!targets.empty()) {
                        CellSet cells;
                        // Back from the end: each hop sees the previous cell
                        // on its digit, then turns to the cell's other digit.
                        std::vector<ChainLink> links;
                        for (int s = state; s != first; s = parent[s]) {
                            cells.insert(s / 10);
                            const int from = parent[s];
                            links.push_back({{s / 10, from % 10}, {s / 10, s % 10}, true});
                            links.push_back({{from / 10, from % 10}, {s / 10, from % 10}, false});
                        }
                        cells.insert(start);
                        links.push_back({{start, end}, {start, other}, true});
                        bestLength = depth[state];
                        best = eliminationStep(
                            Technique::xyChain, digitBit(end), {}, cells, targets, end);
                        best->links.assign(links.rbegin(), links.rend());
                        break;
                    }
                }
                (bivalue & peerSets[cell] & board.cellsWith[digit]).forEach([&](int next) {
                    const int nextDigit = lowestDigit(board.candidates[next] &
                                                      static_cast<std::uint16_t>(~digitBit(digit)));
                    const int nextState = next * 10 + nextDigit;
                    if (parent[nextState] < 0) {
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
