// The ladder: each technique's finder in the order of its table, the first
// step found wins. The finders live one family per file (step*.cpp).

#include "stepfinder.h"

#include "stepfinderdetail.h"

#include <array>

namespace pondrel {

namespace {

using namespace steps;

using Finder = std::optional<Step> (*)(const Board &);

struct TechniqueRow
{
    Technique technique;
    // The English name: the demo prints it and the string tables use it as
    // the key.
    std::string_view name;
    Finder finder;
};

// The ladder, one row per technique, easiest first: a technique added
// later is added here once.
// clang-format off
constexpr std::array kTechniques = {
    TechniqueRow{Technique::fullHouse, "Full House", findFullHouse},
    TechniqueRow{Technique::nakedSingle, "Naked Single", findNakedSingle},
    TechniqueRow{Technique::hiddenSingle, "Hidden Single", findHiddenSingle},
    TechniqueRow{Technique::pointing, "Pointing", findPointing},
    TechniqueRow{Technique::claiming, "Claiming", findClaiming},
    TechniqueRow{Technique::nakedPair, "Naked Pair", [](const Board &b) { return findNakedSubset(b, 2); }},
    TechniqueRow{Technique::hiddenPair, "Hidden Pair", [](const Board &b) { return findHiddenSubset(b, 2); }},
    TechniqueRow{Technique::nakedTriple, "Naked Triple", [](const Board &b) { return findNakedSubset(b, 3); }},
    TechniqueRow{Technique::hiddenTriple, "Hidden Triple", [](const Board &b) { return findHiddenSubset(b, 3); }},
    TechniqueRow{Technique::nakedQuad, "Naked Quad", [](const Board &b) { return findNakedSubset(b, 4); }},
    TechniqueRow{Technique::hiddenQuad, "Hidden Quad", [](const Board &b) { return findHiddenSubset(b, 4); }},
    TechniqueRow{Technique::xWing, "X-Wing", [](const Board &b) { return findFish(b, 2); }},
    TechniqueRow{Technique::swordfish, "Swordfish", [](const Board &b) { return findFish(b, 3); }},
    TechniqueRow{Technique::jellyfish, "Jellyfish", [](const Board &b) { return findFish(b, 4); }},
    TechniqueRow{Technique::skyscraper, "Skyscraper", findSkyscraper},
    TechniqueRow{Technique::twoStringKite, "2-String Kite", findTwoStringKite},
    TechniqueRow{Technique::xyWing, "XY-Wing", findXyWing},
    TechniqueRow{Technique::xyzWing, "XYZ-Wing", findXyzWing},
    TechniqueRow{Technique::wWing, "W-Wing", findWWing},
    TechniqueRow{Technique::uniqueRectangle, "Unique Rectangle", findUniqueRectangle},
    TechniqueRow{Technique::simpleColouring, "Simple Colouring", findSimpleColouring},
    TechniqueRow{Technique::finnedXWing, "Finned X-Wing", [](const Board &b) { return findFinnedFish(b, 2); }},
    TechniqueRow{Technique::finnedSwordfish, "Finned Swordfish", [](const Board &b) { return findFinnedFish(b, 3); }},
    TechniqueRow{Technique::xChain, "X-Chain", findXChain},
    TechniqueRow{Technique::xyChain, "XY-Chain", findXyChain},
    TechniqueRow{Technique::forcingChain, "Forcing Chain", findForcingChain},
    TechniqueRow{Technique::forcingNet, "Forcing Net", findForcingNet},
    TechniqueRow{Technique::nestedForcingChain, "Nested Chain", findNestedForcingChain},
};
// clang-format on

// Each technique has exactly one row.
constexpr bool hasOneRowPerTechnique()
{
    std::array<int, kTechniqueCount> rows{};
    for (const TechniqueRow &row : kTechniques) {
        ++rows[static_cast<std::size_t>(row.technique)];
    }
    for (const int count : rows) {
        if (count != 1) {
            return false;
        }
    }
    return true;
}
static_assert(kTechniques.size() == kTechniqueCount && hasOneRowPerTechnique(),
              "one row of kTechniques per Technique");

// The rows by technique, for the names.
constexpr std::array<std::string_view, kTechniqueCount> kNames = [] {
    std::array<std::string_view, kTechniqueCount> names{};
    for (const TechniqueRow &row : kTechniques) {
        names[static_cast<std::size_t>(row.technique)] = row.name;
    }
    return names;
}();

} // namespace

namespace steps {

Board::Board(const Grid &givenValues, const Masks &givenCandidates) : values(givenValues)
{
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (values[cell] > 9) {
            values[cell] = 0;
        }
        candidates[cell] = values[cell] == 0 ? givenCandidates[cell] & kAllDigits : 0;
    }
    // A candidate that a filled peer rules out is no candidate, even when the
    // caller's masks still hold it.
    for (int cell = 0; cell < kCellCount; ++cell) {
        for (const std::uint8_t peer : peers[cell]) {
            candidates[cell] &= static_cast<std::uint16_t>(~digitBit(values[peer]));
        }
        for (std::uint16_t bits = candidates[cell]; bits != 0; bits &= bits - 1) {
            cellsWith[std::countr_zero(bits)].insert(cell);
        }
    }
}

Step eliminationStep(Technique technique,
                     std::uint16_t digits,
                     std::initializer_list<int> units,
                     const CellSet &cells,
                     const CellSet &targets,
                     int digit)
{
    Step step{technique, digits, units, {}, {}, {}};
    cells.forEach([&](int cell) { step.cells.push_back(cell); });
    targets.forEach([&](int cell) { step.eliminations.push_back({cell, digit}); });
    return step;
}

CellSet cellsAt(int unit, std::uint16_t positions)
{
    CellSet result;
    for (; positions != 0; positions &= positions - 1) {
        result.insert(units[unit][std::countr_zero(positions)]);
    }
    return result;
}

} // namespace steps

std::string_view techniqueName(Technique technique)
{
    const auto index = static_cast<std::size_t>(technique);
    return index < kNames.size() ? kNames[index] : std::string_view();
}

std::optional<Step> findNextStep(const Grid &values, const Masks &candidates)
{
    const Board board(values, candidates);
    for (const TechniqueRow &row : kTechniques) {
        if (auto step = row.finder(board)) {
            return step;
        }
    }
    return std::nullopt;
}

void applyStep(const Step &step, Grid &values, Masks &candidates)
{
    for (const Placement &p : step.placements) {
        if (values[p.cell] == 0) {
            place(values, candidates, p.cell, p.digit);
        }
    }
    for (const Elimination &e : step.eliminations) {
        candidates[e.cell] &= static_cast<std::uint16_t>(~digitBit(e.digit));
    }
}

} // namespace pondrel
