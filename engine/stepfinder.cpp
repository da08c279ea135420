#include "stepfinder.h"

#include <array>
#include <bit>

namespace pondrel {

namespace {

constexpr std::array<std::string_view, 26> kTechniqueNames = {
    "Full House",       "Naked Single",  "Hidden Single",    "Pointing",      "Claiming",
    "Naked Pair",       "Hidden Pair",   "Naked Triple",     "Hidden Triple", "Naked Quad",
    "Hidden Quad",      "X-Wing",        "Swordfish",        "Jellyfish",     "Skyscraper",
    "2-String Kite",    "XY-Wing",       "XYZ-Wing",         "W-Wing",        "Unique Rectangle",
    "Simple Colouring", "Finned X-Wing", "Finned Swordfish", "X-Chain",       "XY-Chain",
    "Forcing Chain",
};

std::optional<Step> findFullHouse(const Grid &values, const Masks &candidates)
{
    for (int u = 0; u < 27; ++u) {
        int empty = -1;
        int emptyCount = 0;
        for (const int cell : units[u]) {
            if (values[cell] == 0) {
                empty = cell;
                ++emptyCount;
            }
        }
        if (emptyCount == 1 && digitCount(candidates[empty]) == 1) {
            const int digit = lowestDigit(candidates[empty]);
            return Step{Technique::fullHouse, digitBit(digit), {u}, {empty}, {{empty, digit}}, {}};
        }
    }
    return std::nullopt;
}

std::optional<Step> findNakedSingle(const Grid &values, const Masks &candidates)
{
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (values[cell] == 0 && digitCount(candidates[cell]) == 1) {
            const int digit = lowestDigit(candidates[cell]);
            return Step{Technique::nakedSingle,
                        digitBit(digit),
                        {row(cell), 9 + column(cell), 18 + box(cell)},
                        {cell},
                        {{cell, digit}},
                        {}};
        }
    }
    return std::nullopt;
}

std::optional<Step> findHiddenSingleStep(const Grid &values, const Masks &candidates)
{
    // Boxes first: that is where a person scans for a hidden single.
    for (const int kind : {2, 0, 1}) {
        for (int k = 0; k < 9; ++k) {
            const int u = kind * 9 + k;
            for (int digit = 1; digit <= 9; ++digit) {
                const std::uint16_t places =
                    positionsOf(values, candidates, units[u], digitBit(digit));
                if (digitCount(places) == 1) {
                    const int cell = units[u][std::countr_zero(places)];
                    return Step{
                        Technique::hiddenSingle, digitBit(digit), {u}, {cell}, {{cell, digit}}, {}};
                }
            }
        }
    }
    return std::nullopt;
}

} // namespace

std::string_view techniqueName(Technique technique)
{
    return kTechniqueNames[static_cast<std::size_t>(technique)];
}

std::optional<Step> findNextStep(const Grid &values, const Masks &candidates)
{
    if (auto step = findFullHouse(values, candidates)) {
        return step;
    }
    if (auto step = findNakedSingle(values, candidates)) {
        return step;
    }
    return findHiddenSingleStep(values, candidates);
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
