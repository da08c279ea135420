#pragma once

// What the step finder's technique files share: the board they search (with
// a cell set per digit worked out once per search), a fixed-size cell set,
// and the finders themselves, one family per file. Not part of the engine's
// interface.

#include "stepfinder.h"

#include <array>
#include <bit>
#include <cstdint>
#include <initializer_list>
#include <optional>

namespace pondrel::steps {

// The 9-bit masks with `size` bits set (size 1..4), ascending: the
// combinations of positions, lines or digits a subset or fish search tries.
struct MasksOfSize
{
    std::array<std::uint16_t, 126> masks{};
    int count = 0;
};

inline constexpr std::array<MasksOfSize, 5> kMasksOfSize = [] {
    std::array<MasksOfSize, 5> table{};
    for (std::uint16_t mask = 1; mask < 512; ++mask) {
        const int size = bitCount(mask);
        if (size <= 4) {
            MasksOfSize &entry = table[static_cast<std::size_t>(size)];
            entry.masks[static_cast<std::size_t>(entry.count++)] = mask;
        }
    }
    return table;
}();

// Calls f(mask) for each 9-bit mask of `size` bits within `within`, in
// ascending order, until f returns a step.
template <typename F> std::optional<Step> eachMaskOfSize(int size, std::uint16_t within, F f)
{
    const MasksOfSize &entry = kMasksOfSize[static_cast<std::size_t>(size)];
    for (int i = 0; i < entry.count; ++i) {
        const std::uint16_t mask = entry.masks[static_cast<std::size_t>(i)];
        if ((mask & ~within) == 0) {
            if (auto step = f(mask)) {
                return step;
            }
        }
    }
    return std::nullopt;
}

// A set of cells as two words: bits 0..63 in `low`, 64..80 in `high`. No
// allocation, so the finders can build as many as they like.
struct CellSet
{
    std::uint64_t low = 0;
    std::uint64_t high = 0;

    // Set bits of a word, by summing bit fields: the digit table (bitCount)
    // would take seven looks for a word.
    static constexpr int bitCount64(std::uint64_t word)
    {
        word = word - ((word >> 1) & 0x5555555555555555ULL);
        word = (word & 0x3333333333333333ULL) + ((word >> 2) & 0x3333333333333333ULL);
        word = (word + (word >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
        return static_cast<int>((word * 0x0101010101010101ULL) >> 56);
    }

    constexpr void insert(int cell)
    {
        if (cell < 64) {
            low |= std::uint64_t{1} << cell;
        } else {
            high |= std::uint64_t{1} << (cell - 64);
        }
    }
    constexpr void erase(int cell)
    {
        if (cell < 64) {
            low &= ~(std::uint64_t{1} << cell);
        } else {
            high &= ~(std::uint64_t{1} << (cell - 64));
        }
    }
    constexpr bool contains(int cell) const
    {
        return cell < 64 ? ((low >> cell) & 1U) != 0 : ((high >> (cell - 64)) & 1U) != 0;
    }
    constexpr bool empty() const { return low == 0 && high == 0; }
    constexpr int size() const { return bitCount64(low) + bitCount64(high); }
    // The lowest cell; the set must not be empty.
    constexpr int first() const
    {
        return low != 0 ? std::countr_zero(low) : 64 + std::countr_zero(high);
    }
    constexpr CellSet operator&(const CellSet &other) const
    {
        return {low & other.low, high & other.high};
    }
    constexpr CellSet operator|(const CellSet &other) const
    {
        return {low | other.low, high | other.high};
    }
    constexpr CellSet without(const CellSet &other) const
    {
        return {low & ~other.low, high & ~other.high};
    }
    constexpr bool operator==(const CellSet &) const = default;

    // Calls f(cell) for each cell, ascending.
    template <typename F> constexpr void forEach(F f) const
    {
        for (std::uint64_t bits = low; bits != 0; bits &= bits - 1) {
            f(std::countr_zero(bits));
        }
        for (std::uint64_t bits = high; bits != 0; bits &= bits - 1) {
            f(64 + std::countr_zero(bits));
        }
    }
};

namespace detail {

constexpr std::array<CellSet, kCellCount> makePeerSets()
{
    std::array<CellSet, kCellCount> table{};
    for (int cell = 0; cell < kCellCount; ++cell) {
        for (const std::uint8_t peer : peers[cell]) {
            table[cell].insert(peer);
        }
    }
    return table;
}

constexpr std::array<CellSet, 27> makeUnitSets()
{
    std::array<CellSet, 27> table{};
    for (int u = 0; u < 27; ++u) {
        for (const std::uint8_t cell : units[u]) {
            table[u].insert(cell);
        }
    }
    return table;
}

} // namespace detail

// The 20 peers of each cell, and the nine cells of each unit (numbered as
// `units`).
inline constexpr std::array<CellSet, kCellCount> peerSets = detail::makePeerSets();
inline constexpr std::array<CellSet, 27> unitSets = detail::makeUnitSets();

constexpr bool sees(int a, int b)
{
    return peerSets[a].contains(b);
}

// The board a search looks at: the candidates of empty cells only (filled
// cells hold none, whatever the caller passed), and per digit the cells that
// still have it.
struct Board
{
    Grid values{};
    Masks candidates{};
    std::array<CellSet, 10> cellsWith{};

    Board(const Grid &values, const Masks &candidates);

    // The positions (bit j for the unit's j-th cell) that still have the digit.
    std::uint16_t places(int unit, int digit) const { return placesOf(candidates, unit, digit); }
};

// A step that removes `digit` from each of `targets`.
Step eliminationStep(Technique technique,
                     std::uint16_t digits,
                     std::initializer_list<int> units,
                     const CellSet &cells,
                     const CellSet &targets,
                     int digit);

constexpr CellSet setOf(std::initializer_list<int> cells)
{
    CellSet result;
    for (const int cell : cells) {
        result.insert(cell);
    }
    return result;
}

// The cells of a set of positions within a unit.
CellSet cellsAt(int unit, std::uint16_t positions);

// The techniques the rating climbs as well (rating.cpp) and the forcing
// chain applies while it follows an assumption, on candidate masks that hold
// 0 for filled cells:

// The lowest digit with exactly one place in the unit, and that place.
// Inline: the forcing chain asks it of every unit after every round.
inline std::optional<Placement> hiddenSingleIn(const Masks &candidates, int unit)
{
    // Digits seen once or more, and twice or more.
    std::uint16_t once = 0;
    std::uint16_t twice = 0;
    for (const std::uint8_t cell : units[unit]) {
        twice |= once & candidates[cell];
        once |= candidates[cell];
    }
    const auto singles = static_cast<std::uint16_t>(once & ~twice & kAllDigits);
    if (singles == 0) {
        return std::nullopt;
    }
    const int digit = lowestDigit(singles);
    for (const std::uint8_t cell : units[unit]) {
        if ((candidates[cell] & digitBit(digit)) != 0) {
            return Placement{cell, digit};
        }
    }
    return std::nullopt;
}

// Locked candidates from unit `from`: the digit has two or more places there,
// and they all lie in `into`, a unit of the other kind (a row or column for a
// box, a box for a row or column); `targets` are its places in `into`
// outside `from`, which lose it (maybe none).
struct LockedCandidates
{
    int into;
    CellSet places;
    CellSet targets;
};
std::optional<LockedCandidates> lockedCandidates(const Masks &candidates, int from, int digit);

// Each finder returns the first step of its technique (or family) in its own
// search order, or nothing.
std::optional<Step> findFullHouse(const Board &board);
std::optional<Step> findNakedSingle(const Board &board);
std::optional<Step> findHiddenSingle(const Board &board);
std::optional<Step> findPointing(const Board &board);
std::optional<Step> findClaiming(const Board &board);
std::optional<Step> findNakedSubset(const Board &board, int size);
std::optional<Step> findHiddenSubset(const Board &board, int size);
std::optional<Step> findFish(const Board &board, int size);
std::optional<Step> findFinnedFish(const Board &board, int size);
std::optional<Step> findSkyscraper(const Board &board);
std::optional<Step> findTwoStringKite(const Board &board);
std::optional<Step> findXyWing(const Board &board);
std::optional<Step> findXyzWing(const Board &board);
std::optional<Step> findWWing(const Board &board);
std::optional<Step> findUniqueRectangle(const Board &board);
std::optional<Step> findSimpleColouring(const Board &board);
std::optional<Step> findXChain(const Board &board);
std::optional<Step> findXyChain(const Board &board);
std::optional<Step> findForcingChain(const Board &board);
std::optional<Step> findForcingNet(const Board &board);
std::optional<Step> findNestedForcingChain(const Board &board);

} // namespace pondrel::steps
