#pragma once

// The vocabulary of the engine: cell numbering, grids, candidate masks, the
// 27 units and the peer table.
//
// Cells are numbered 0..80 row by row from the top-left corner:
//
//        col 0 1 2   3 4 5   6 7 8
//   row 0    0 1 2 | 3 4 5 | 6 7 8      box = (cell / 27) * 3 + (cell % 9) / 3
//   row 1    9 ...
//
// A grid holds one value per cell: 0 for empty, 1..9 for a digit.
// A candidate mask holds bit d for digit d (bits 1..9); bit 0 and bits 10..15
// are always clear, so a cell that allows every digit has kAllDigits (1022).

#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace pondrel {

inline constexpr int kCellCount = 81;
inline constexpr std::uint16_t kAllDigits = 0x3FE;

using Grid = std::array<std::uint8_t, kCellCount>;
using Masks = std::array<std::uint16_t, kCellCount>;
using Unit = std::array<std::uint8_t, 9>;

// The vocabulary reads best one helper a line.
// clang-format off
constexpr int row(int cell) { return cell / 9; }
constexpr int column(int cell) { return cell % 9; }
constexpr int box(int cell) { return (cell / 27) * 3 + (cell % 9) / 3; }
constexpr int cellAt(int row, int column) { return row * 9 + column; }

// Unit numbers, the index into `units`: rows 0..8, columns 9..17, boxes 18..26.
constexpr int rowUnit(int row) { return row; }
constexpr int columnUnit(int column) { return 9 + column; }
constexpr int boxUnit(int box) { return 18 + box; }
constexpr bool isBoxUnit(int unit) { return unit >= 18; }
// The row, column and box of a cell, in that order.
constexpr std::array<int, 3> unitsOf(int cell) { return {rowUnit(row(cell)), columnUnit(column(cell)), boxUnit(box(cell))}; }

constexpr std::uint16_t digitBit(int digit) { return static_cast<std::uint16_t>(1u << digit); }
// The number of digits in a mask, or of places in a unit's positions (below).
constexpr int bitCount(std::uint16_t mask);
// The lowest digit of a non-zero mask.
constexpr int lowestDigit(std::uint16_t mask) { return std::countr_zero(mask); }
// clang-format on

namespace detail {

constexpr std::array<std::uint8_t, 1024> makeBitCounts()
{
    std::array<std::uint8_t, 1024> table{};
    for (std::size_t mask = 1; mask < table.size(); ++mask) {
        table[mask] = static_cast<std::uint8_t>(table[mask >> 1] + (mask & 1));
    }
    return table;
}

constexpr std::array<Unit, 9> makeRows()
{
    std::array<Unit, 9> table{};
    for (int k = 0; k < 9; ++k) {
        for (int j = 0; j < 9; ++j) {
            table[k][j] = static_cast<std::uint8_t>(k * 9 + j);
        }
    }
    return table;
}

constexpr std::array<Unit, 9> makeColumns()
{
    std::array<Unit, 9> table{};
    for (int k = 0; k < 9; ++k) {
        for (int j = 0; j < 9; ++j) {
            table[k][j] = static_cast<std::uint8_t>(j * 9 + k);
        }
    }
    return table;
}

constexpr std::array<Unit, 9> makeBoxes()
{
    std::array<Unit, 9> table{};
    for (int k = 0; k < 9; ++k) {
        for (int j = 0; j < 9; ++j) {
            table[k][j] =
                static_cast<std::uint8_t>((3 * (k / 3) + j / 3) * 9 + 3 * (k % 3) + j % 3);
        }
    }
    return table;
}

constexpr std::array<Unit, 27> makeUnits()
{
    std::array<Unit, 27> table{};
    const auto r = makeRows();
    const auto c = makeColumns();
    const auto b = makeBoxes();
    for (int k = 0; k < 9; ++k) {
        table[rowUnit(k)] = r[k];
        table[columnUnit(k)] = c[k];
        table[boxUnit(k)] = b[k];
    }
    return table;
}

constexpr std::array<std::array<std::uint8_t, 20>, kCellCount> makePeers()
{
    std::array<std::array<std::uint8_t, 20>, kCellCount> table{};
    for (int i = 0; i < kCellCount; ++i) {
        int n = 0;
        for (int j = 0; j < kCellCount; ++j) {
            if (j != i && (row(j) == row(i) || column(j) == column(i) || box(j) == box(i))) {
                table[i][n++] = static_cast<std::uint8_t>(j);
            }
        }
    }
    return table;
}

} // namespace detail

// A table, not std::popcount: the build targets plain x86-64, which has no
// popcount instruction, so std::popcount is a library call; the call took a
// fifth of the step search's time, and a sum of bit fields is 5% slower
// there than the table.
inline constexpr std::array<std::uint8_t, 1024> bitCounts = detail::makeBitCounts();

constexpr int bitCount(std::uint16_t mask)
{
    return bitCounts[mask & 1023U];
}

// The static tables are built by the compiler, so there is no first-use race
// between the generator threads and the main thread.
inline constexpr std::array<Unit, 9> rows = detail::makeRows();
inline constexpr std::array<Unit, 9> columns = detail::makeColumns();
inline constexpr std::array<Unit, 9> boxes = detail::makeBoxes();
// Rows 0..8, then columns 0..8, then boxes 0..8: the search order of the
// rating's techniques, so it decides which deduction is found first.
inline constexpr std::array<Unit, 27> units = detail::makeUnits();
// For each cell the 20 other cells of its row, column and box, ascending.
inline constexpr std::array<std::array<std::uint8_t, 20>, kCellCount> peers = detail::makePeers();

// The positions (bit j for the unit's j-th cell) whose mask still holds the
// digit. Filled cells count only if their masks are kept at 0, as
// candidateMasks and place keep them.
constexpr std::uint16_t placesOf(const Masks &masks, int unit, int digit)
{
    std::uint16_t positions = 0;
    for (int j = 0; j < 9; ++j) {
        if ((masks[units[unit][j]] & digitBit(digit)) != 0) {
            positions |= static_cast<std::uint16_t>(1u << j);
        }
    }
    return positions;
}

// The masks of a grid, or nothing when two peers hold the same digit or a
// value is not 0..9. Filled cells get 0.
std::optional<Masks> candidateMasks(std::span<const std::uint8_t> grid);

// Fills `cell` with `digit` and clears the digit from the masks of its peers.
// Preconditions: cell 0..80, digit 1..9.
void place(Grid &grid, Masks &masks, int cell, int digit);

// The 81 decimal digits of the grid, "0" for empty, no separators.
std::string gridText(const Grid &grid);

} // namespace pondrel
