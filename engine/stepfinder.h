#pragma once

#include "grid.h"
#include "rating.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace pondrel {

// The techniques a person uses, easiest first: the step finder tries them in
// the order of its table (stepfinder.cpp) and returns the first that changes
// the board, so the order is the ladder a teaching hint climbs. The rating (rating.h) climbs its
// own shorter ladder and order of search, with the same code for the techniques both use.
enum class Technique : std::uint8_t {
    fullHouse,
    nakedSingle,
    hiddenSingle,
    pointing,
    claiming,
    nakedPair,
    hiddenPair,
    nakedTriple,
    hiddenTriple,
    nakedQuad,
    hiddenQuad,
    xWing,
    swordfish,
    jellyfish,
    skyscraper,
    twoStringKite,
    xyWing,
    xyzWing,
    wWing,
    uniqueRectangle,
    simpleColouring,
    finnedXWing,
    finnedSwordfish,
    xChain,
    xyChain,
    // Last resorts, each following an assumption further than the one
    // before (stepforcing.cpp).
    forcingChain,
    forcingNet,
    nestedForcingChain,
    // Not a technique: how many there are. Keep it last.
    count,
};

inline constexpr std::size_t kTechniqueCount = static_cast<std::size_t>(Technique::count);

// The English name ("Hidden Single", "2-String Kite", ...): the demo prints it
// and the game's string tables use it as the key.
std::string_view techniqueName(Technique technique);

struct Elimination
{
    int cell;
    int digit;
    friend bool operator==(const Elimination &, const Elimination &) = default;
};

// A digit as a candidate of one cell: the nodes a chain links.
struct Candidate
{
    int cell = 0;
    int digit = 0;
    friend bool operator==(const Candidate &, const Candidate &) = default;
};

// One link of a chain, read from `from` to `to`. Strong: if `from` is not
// the cell's digit, `to` is (the only two places of a digit in a unit, or
// the only two candidates of a cell). Weak: if `from` is the cell's digit,
// `to` is not.
struct ChainLink
{
    Candidate from;
    Candidate to;
    bool isStrong = false;
    friend bool operator==(const ChainLink &, const ChainLink &) = default;
};

// What a forcing chain's assumption runs into.
struct Contradiction
{
    enum class Kind : std::uint8_t {
        // `cell` is left without a candidate.
        noCandidate,
        // `digit` is left without a place in `unit`.
        noPlace,
        // `digit` would stand twice in `unit`.
        twice,
    };
    Kind kind = Kind::noCandidate;
    int cell = -1;
    int unit = -1;
    int digit = 0;
    friend bool operator==(const Contradiction &, const Contradiction &) = default;
};

// One step of a person's solve. Units are numbered as `units` in grid.h:
// 0..8 rows, 9..17 columns, 18..26 boxes.
//
// What the fields hold, technique by technique (the game's step texts read
// them so):
// - Full House, Hidden Single: units = {the unit}; digits = the digit placed.
// - Naked Single: units = {row, column, box} of the cell.
// - Pointing: units = {box, line}; Claiming: units = {line, box}; digits =
//   the digit; cells = its places in the first unit.
// - Naked/Hidden Pair, Triple, Quad: units = {the unit}; digits = the
//   subset's digits; cells = the subset's cells.
// - X-Wing, Swordfish, Jellyfish and their finned forms: units = the base
//   lines, then the cover lines (units[0] a row means rows are the base);
//   digits = the fish digit; cells = the base lines' places, fins included.
// - Skyscraper: units = its two parallel lines; 2-String Kite: {row,
//   column}; W-Wing: {the unit of its conjugate pair}; the other wings,
//   Simple Colouring and the chains: no units. digits = the digit removed.
// - Unique Rectangle: digits = the digits removed; cells = the four corners;
//   pairDigits = the two digits all four corners share.
// - Finned X-Wing, Finned Swordfish: fins = the base lines' places outside
//   the cover lines (all in one box).
// - XY-Wing, XYZ-Wing: pivot and pincers; an XY-Wing's links run pincer,
//   pivot, pincer as a chain (its middle link is the pivot's two digits).
// - W-Wing: pincers = its two bivalue cells; links run from one's removed
//   digit through the conjugate pair to the other's.
// - Skyscraper, 2-String Kite, X-Chain, XY-Chain: links from one end to the
//   other, starting and ending with a strong link; the ends are the first
//   link's `from` and the last's `to`, and the cells that see both lose the
//   digit.
// - Simple Colouring: colours = the chain's cells of each colour; in a wrap
//   colours[0] is the colour that sees itself (and loses the digit).
// - Forcing Chain, Forcing Net, Nested Chain: digits = the digit(s)
//   removed or placed. Two kinds:
//   - contradiction: assumption = the candidate assumed, which is the one
//     elimination; cells = {its cell}; contradiction = what it runs into
//     (noCandidate: `cell` left without candidates; noPlace: `digit` left
//     without a place in `unit`; these rungs never report `twice`, since a
//     placed digit leaves its peers at once); units = {that unit} for
//     noPlace, else none. links = the implications the contradiction needs,
//     in the order they follow from the assumption: links[0] starts at the
//     assumption, and the candidates of the contradiction's cell (or the
//     digit's places in its unit) are each the end of a weak link (or the
//     start of an inner net, below). A weak link: `from` true removes `to`
//     (they see each other). A strong link: `from` false leaves `to` as the
//     last candidate of its cell or the last place of its digit in a unit,
//     once the candidates that earlier links removed are gone (a net's
//     link; on the board itself the two need not be the only ones). Forcing Chain uses singles
//     only, so each weak link's `from` is the assumption or the end of an earlier strong link.
//     Forcing Net also removes candidates by locked candidates and naked or
//     hidden pairs: such a removal is one weak link from each place (or
//     pair cell, or pair digit) that removes it. Nested Chain also
//     removes a candidate whose own forcing net breaks: that inner net's
//     links, starting at the inner assumption (which is not true) and
//     ending at its own contradiction, stand before the links that use the
//     removal; the removed candidate is the end of no link.
//   - verity: no assumption or contradiction; cells = the assumed cell, or
//     a digit's places in units[0] when every place of the digit in that
//     unit leads to the same result; links = each of those assumptions'
//     way to the result (its placement or eliminations), branch after
//     branch, each branch starting at its assumption (a branch whose
//     assumption is the result has no links).
struct Step
{
    Technique technique = Technique::fullHouse;
    // The digit(s) the pattern is about (bit d for digit d).
    std::uint16_t digits = 0;
    // Where a person should look, most telling first: the unit of a hidden
    // single, the base and cover units of a fish, ...
    std::vector<int> units;
    // The cells that form the pattern, ascending (the cell of a single, the
    // pair's two cells, a fish's corners, a chain's links).
    std::vector<int> cells;
    // What the step does: digits placed, then candidates removed. A step has
    // at least one of either.
    std::vector<Placement> placements;
    std::vector<Elimination> eliminations;
    // Chains and forcing chains: the links in order from the chain's start
    // (a forcing chain's: from its assumption to what it runs into; see
    // above). Empty otherwise.
    std::vector<ChainLink> links;
    // A forcing chain, net or nested chain that removes the digit it
    // assumed: the assumption and what it runs into.
    std::optional<Candidate> assumption;
    std::optional<Contradiction> contradiction;
    // Wings: the cell the pincers both see (none for W-Wing).
    std::optional<int> pivot;
    // Wings: the two cells of which one must hold the removed digit.
    std::vector<int> pincers;
    // Finned fish: the places that keep it from being a plain fish.
    std::vector<int> fins;
    // Unique Rectangle: the two digits of the deadly pattern.
    std::uint16_t pairDigits = 0;
    // Simple Colouring: the two colour classes of the chain.
    std::array<std::vector<int>, 2> colours{};

    friend bool operator==(const Step &, const Step &) = default;
};

// The easiest next step on `values` (0 = empty) with `candidates` the
// candidates still open in each empty cell (0 for filled cells). The caller
// keeps the candidates between steps, so eliminations found earlier stay
// made; `candidateMasks(values)` is the start.
//
// Preconditions for a sound step: the board agrees with a solution and every
// empty cell's candidates hold that solution's digit. The step then never
// places another digit and never removes the solution's candidate. Unique
// Rectangle assumes the solution is unique. On a board that breaks the
// rules the result is some step or nothing, never undefined behaviour.
// Nothing when the board is full or no technique applies. Candidates that a
// filled peer rules out are ignored. Allocates the step (and, on a thread's
// first forcing search, that thread's search storage of about 330 KB); a
// single takes microseconds, a forcing chain about a millisecond, a nested
// forcing chain tens of milliseconds (120 at most on the forum's hardest
// puzzles).
std::optional<Step> findNextStep(const Grid &values, const Masks &candidates);

// Applies a step: places its digits (clearing them from peers' candidates)
// and removes its eliminations.
void applyStep(const Step &step, Grid &values, Masks &candidates);

} // namespace pondrel
