#include "bandsolver.h"

#include <array>
#include <bit>
#include <cstdint>

// A counting solver that keeps, for each digit, the cells where it may still
// go as three 27-bit bands (rows 0-2, 3-5, 6-8), bit (row % 3) * 9 + column:
//
//   bit  0 ..  8   first row of the band, columns 0..8
//   bit  9 .. 17   second row
//   bit 18 .. 26   third row
//
// Whole rows, boxes and columns of a band are then single masks, and the
// reasoning that runs between guesses is bit-parallel:
// - naked singles and dead cells for a band at once, by counting the nine
//   digit boards bit-sliced;
// - inside a band a digit takes one cell in each row and in each box, so its
//   (row, box) "mini-rows" form a permutation; mini-rows that belong to no
//   permutation are cleared (a table over the 512 occupancy patterns). That
//   covers hidden singles in rows and boxes and locked candidates. The same
//   is done for columns inside each stack of three boxes.
// - hidden singles in columns by counting the nine rows bit-sliced.
// It guesses only when none of that applies, on a cell with two candidates
// where there is one. It answers the same question as the plain search, with
// far fewer and cheaper nodes; only the count and the unique solution are
// used, never the order in which solutions are found.
namespace pondrel::detail {

namespace {

constexpr std::uint32_t kBandBits = 0x7FFFFFF;
constexpr std::uint32_t kRowBits = 0x1FF;

// clang-format off
constexpr std::uint32_t rowMask(int rowInBand) { return kRowBits << (9 * rowInBand); }
constexpr std::uint32_t boxMask(int boxInBand) { return 0x1C0E07u << (3 * boxInBand); }
constexpr std::uint32_t columnMask(int column) { return 0x40201u << column; }
// clang-format on

// 9-bit row → 3 bits: which of its three mini-rows (boxes) is non-empty.
constexpr std::array<std::uint8_t, 512> makeMiniRows()
{
    std::array<std::uint8_t, 512> table{};
    for (int bits = 0; bits < 512; ++bits) {
        table[bits] = static_cast<std::uint8_t>(
            ((bits & 7) != 0 ? 1 : 0) | ((bits & 070) != 0 ? 2 : 0) | ((bits & 0700) != 0 ? 4 : 0));
    }
    return table;
}

// Occupancy of a 3x3 grid of mini-lines (bit 3 * line + box) → the mini-lines
// that take part in at least one permutation line → box. Empty when there is
// no permutation at all.
constexpr std::array<std::uint16_t, 512> makeViable()
{
    constexpr int permutations[6][3] = {
        {0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    std::array<std::uint16_t, 512> table{};
    for (int occupied = 0; occupied < 512; ++occupied) {
        std::uint16_t viable = 0;
        for (const auto &p : permutations) {
            const int bits = (1 << p[0]) | (1 << (3 + p[1])) | (1 << (6 + p[2]));
            if ((occupied & bits) == bits) {
                viable |= static_cast<std::uint16_t>(bits);
            }
        }
        table[occupied] = viable;
    }
    return table;
}

// 3 bits (boxes kept) → the 9-bit row mask of those boxes.
constexpr std::array<std::uint16_t, 8> makeExpand()
{
    std::array<std::uint16_t, 8> table{};
    for (int bits = 0; bits < 8; ++bits) {
        table[bits] = static_cast<std::uint16_t>(
            ((bits & 1) != 0 ? 7 : 0) | ((bits & 2) != 0 ? 070 : 0) | ((bits & 4) != 0 ? 0700 : 0));
    }
    return table;
}

// Viable mini-lines → those the digit cannot avoid: the only viable one of
// their line or of their box.
constexpr std::array<std::uint16_t, 512> makeForced()
{
    std::array<std::uint16_t, 512> table{};
    for (int viable = 0; viable < 512; ++viable) {
        std::uint16_t forced = 0;
        for (int line = 0; line < 3; ++line) {
            for (int box = 0; box < 3; ++box) {
                const int bit = 1 << (3 * line + box);
                if ((viable & bit) == 0) {
                    continue;
                }
                const int lineBits = 7 << (3 * line);
                const int boxBits = 0111 << box;
                if ((viable & lineBits) == bit || (viable & boxBits) == bit) {
                    forced |= static_cast<std::uint16_t>(bit);
                }
            }
        }
        table[viable] = forced;
    }
    return table;
}

constexpr auto kMiniRows = makeMiniRows();
constexpr auto kForced = makeForced();
constexpr auto kViable = makeViable();
constexpr auto kExpand = makeExpand();

// clang-format off
constexpr bool isSingleBit(std::uint32_t x) { return x != 0 && (x & (x - 1)) == 0; }
// clang-format on

struct State
{
    std::uint32_t candidates[9][3]; // per digit 0..8, per band: unsolved cells that allow it
    std::uint32_t placed[9][3];     // per digit, per band: cells that hold it
    std::uint32_t unsolved[3];
    // Per digit, its cells as the digit logic last left them (see digitLogic).
    // Kept with the state, so a branch re-examines only the digits its guess
    // touched.
    std::uint32_t seen[9][3];
};

class Solver
{
public:
    explicit Solver(int limit) : m_limit(limit) {}

    BandSolverResult run(const Grid &grid, int excludedCell, int excludedDigit)
    {
        State state{};
        for (int b = 0; b < 3; ++b) {
            state.unsolved[b] = kBandBits;
        }
        for (int d = 0; d < 9; ++d) {
            for (int b = 0; b < 3; ++b) {
                state.candidates[d][b] = kBandBits;
            }
        }
        for (int cell = 0; cell < kCellCount; ++cell) {
            const int value = grid[cell];
            if (value == 0) {
                continue;
            }
            // A given that is no longer a candidate where it stands repeats
            // the digit of an earlier peer: the grid breaks the rules.
            if (value > 9 || !place(state, cell / 27, cell % 27, value - 1)) {
                return m_result;
            }
        }
        if (excludedCell >= 0) {
            state.candidates[excludedDigit - 1][excludedCell / 27] &= ~(1u << (excludedCell % 27));
        }
        search(state);
        return m_result;
    }

private:
    static bool place(State &state, int b, int index, int digit)
    {
        const std::uint32_t bit = 1u << index;
        if ((state.candidates[digit][b] & bit) == 0) {
            return false;
        }
        for (int d = 0; d < 9; ++d) {
            state.candidates[d][b] &= ~bit;
        }
        const int rowInBand = index / 9;
        const int column = index % 9;
        state.candidates[digit][b] &= ~(rowMask(rowInBand) | boxMask(column / 3));
        const std::uint32_t notColumn = ~columnMask(column);
        state.candidates[digit][0] &= notColumn;
        state.candidates[digit][1] &= notColumn;
        state.candidates[digit][2] &= notColumn;
        state.placed[digit][b] |= bit;
        state.unsolved[b] &= ~bit;
        return true;
    }

    // Naked singles and dead cells, one band at a time. -1 on a contradiction,
    // else whether anything was placed.
    static int nakedSingles(State &state)
    {
        int progress = 0;
        for (int b = 0; b < 3; ++b) {
            std::uint32_t once = 0;
            std::uint32_t twice = 0;
            for (int d = 0; d < 9; ++d) {
                const std::uint32_t x = state.candidates[d][b];
                twice |= once & x;
                once |= x;
            }
            if ((state.unsolved[b] & ~once) != 0) {
                return -1;
            }
            for (std::uint32_t singles = once & ~twice; singles != 0; singles &= singles - 1) {
                const int index = std::countr_zero(singles);
                const std::uint32_t bit = 1u << index;
                if ((state.unsolved[b] & bit) == 0) {
                    continue;
                }
                int digit = -1;
                for (int d = 0; d < 9; ++d) {
                    if ((state.candidates[d][b] & bit) != 0) {
                        digit = d;
                        break;
                    }
                }
                if (digit < 0 || !place(state, b, index, digit)) {
                    return -1; // an earlier placement took its last candidate
                }
                progress = 1;
            }
        }
        return progress;
    }

    // Row/box permutations per band, column/box permutations per stack, and
    // hidden singles in rows, boxes and columns, for one digit.
    // `seen` holds the digit's cells as this logic last looked at them: when
    // nothing has changed since, there is nothing new to find.
    static int digitLogic(State &state, int d, std::uint32_t (&seen)[3])
    {
        std::uint32_t avail[3];
        for (int b = 0; b < 3; ++b) {
            avail[b] = state.candidates[d][b] | state.placed[d][b];
        }
        if (avail[0] == seen[0] && avail[1] == seen[1] && avail[2] == seen[2]) {
            return 0;
        }
        // What this run starts from: anything it changes, its own narrowing
        // included, makes the next pass look at the digit again.
        for (int b = 0; b < 3; ++b) {
            seen[b] = avail[b];
        }
        // Inside each band: rows against boxes.
        int viableMiniRows[3];
        for (int b = 0; b < 3; ++b) {
            const std::uint32_t a = avail[b];
            const int occupied = kMiniRows[a & kRowBits] | (kMiniRows[(a >> 9) & kRowBits] << 3) |
                                 (kMiniRows[a >> 18] << 6);
            const int viable = kViable[occupied];
            if (viable == 0) {
                return -1;
            }
            viableMiniRows[b] = viable;
            if (viable != occupied) {
                avail[b] =
                    a & (kExpand[viable & 7] | (std::uint32_t{kExpand[(viable >> 3) & 7]} << 9) |
                         (std::uint32_t{kExpand[viable >> 6]} << 18));
            }
        }
        // Inside each stack: columns against bands.
        std::uint32_t folded[3]; // per band: columns that still have the digit
        for (int b = 0; b < 3; ++b) {
            folded[b] = (avail[b] | (avail[b] >> 9) | (avail[b] >> 18)) & kRowBits;
        }
        for (int s = 0; s < 3; ++s) {
            const int occupied = ((folded[0] >> (3 * s)) & 7) |
                                 (((folded[1] >> (3 * s)) & 7) << 3) |
                                 (((folded[2] >> (3 * s)) & 7) << 6);
            const int viable = kViable[occupied];
            if (viable == 0) {
                return -1;
            }
            if (viable != occupied) {
                for (int b = 0; b < 3; ++b) {
                    const int lost = (occupied >> (3 * b)) & ~(viable >> (3 * b)) & 7;
                    for (int j = 0; j < 3; ++j) {
                        if ((lost & (1 << j)) != 0) {
                            avail[b] &= ~columnMask(3 * s + j);
                        }
                    }
                }
            }
        }
        int progress = 0;
        for (int b = 0; b < 3; ++b) {
            const std::uint32_t narrowed = avail[b] & ~state.placed[d][b];
            if (narrowed != state.candidates[d][b]) {
                state.candidates[d][b] = narrowed;
                progress = 1;
            }
        }
        // Hidden singles in rows and boxes: a mini-row the digit cannot avoid
        // that has one cell left.
        for (int b = 0; b < 3; ++b) {
            for (int forced = kForced[viableMiniRows[b]]; forced != 0; forced &= forced - 1) {
                // Mini-row 3 * row + box starts at bit 9 * row + 3 * box.
                const int offset = 3 * std::countr_zero(static_cast<unsigned>(forced));
                const std::uint32_t cells = (avail[b] >> offset) & 7;
                if (!isSingleBit(cells) || ((state.placed[d][b] >> offset) & 7) != 0) {
                    continue;
                }
                if (!place(state, b, offset + std::countr_zero(cells), d)) {
                    return -1;
                }
                progress = 1;
            }
        }
        std::uint32_t once = 0;
        std::uint32_t twice = 0;
        std::uint32_t placedColumns = 0;
        for (int b = 0; b < 3; ++b) {
            for (int r = 0; r < 3; ++r) {
                const std::uint32_t x = (avail[b] >> (9 * r)) & kRowBits;
                twice |= once & x;
                once |= x;
                placedColumns |= (state.placed[d][b] >> (9 * r)) & kRowBits;
            }
        }
        if (once != kRowBits) {
            return -1; // a column with no place for the digit
        }
        for (std::uint32_t singles = once & ~twice & ~placedColumns; singles != 0;
             singles &= singles - 1) {
            const int column = std::countr_zero(singles);
            for (int b = 0; b < 3; ++b) {
                const std::uint32_t x = avail[b] & columnMask(column);
                if (x != 0) {
                    if (!place(state, b, std::countr_zero(x), d)) {
                        return -1;
                    }
                    progress = 1;
                    break;
                }
            }
        }
        return progress;
    }

    static bool propagate(State &state)
    {
        for (;;) {
            int progress = nakedSingles(state);
            if (progress < 0) {
                return false;
            }
            if ((state.unsolved[0] | state.unsolved[1] | state.unsolved[2]) == 0) {
                return true;
            }
            if (progress > 0) {
                continue; // cheap singles first, the digit logic after
            }
            for (int d = 0; d < 9; ++d) {
                const int result = digitLogic(state, d, state.seen[d]);
                if (result < 0) {
                    return false;
                }
                progress |= result;
            }
            if (progress == 0) {
                return true;
            }
        }
    }

    void record(const State &state)
    {
        if (m_result.count == 0) {
            for (int d = 0; d < 9; ++d) {
                for (int b = 0; b < 3; ++b) {
                    for (std::uint32_t bits = state.placed[d][b]; bits != 0; bits &= bits - 1) {
                        m_result.solution[27 * b + std::countr_zero(bits)] =
                            static_cast<std::uint8_t>(d + 1);
                    }
                }
            }
        }
        ++m_result.count;
    }

    void search(State &state)
    {
        if (!propagate(state)) {
            return;
        }
        if ((state.unsolved[0] | state.unsolved[1] | state.unsolved[2]) == 0) {
            record(state);
            return;
        }
        // Prefer a cell with exactly two candidates; otherwise any unsolved cell.
        int band = -1;
        int index = -1;
        for (int b = 0; b < 3 && band < 0; ++b) {
            std::uint32_t once = 0;
            std::uint32_t twice = 0;
            std::uint32_t thrice = 0;
            for (int d = 0; d < 9; ++d) {
                const std::uint32_t x = state.candidates[d][b];
                thrice |= twice & x;
                twice |= once & x;
                once |= x;
            }
            const std::uint32_t pairs = twice & ~thrice;
            if (pairs != 0) {
                band = b;
                index = std::countr_zero(pairs);
            }
        }
        if (band < 0) {
            // No pair: the unsolved cell with the fewest candidates. Taking
            // the first unsolved cell instead cost seconds on sparse grids
            // (a pasted text with a dozen clues), where it may hold nine.
            int fewest = 10;
            for (int b = 0; b < 3; ++b) {
                for (std::uint32_t bits = state.unsolved[b]; bits != 0; bits &= bits - 1) {
                    const std::uint32_t cellBit = bits & (0u - bits);
                    int count = 0;
                    for (int d = 0; d < 9; ++d) {
                        count += (state.candidates[d][b] & cellBit) != 0 ? 1 : 0;
                    }
                    if (count < fewest) {
                        fewest = count;
                        band = b;
                        index = std::countr_zero(bits);
                    }
                }
            }
        }
        const std::uint32_t bit = 1u << index;
        int lastDigit = -1;
        for (int d = 0; d < 9; ++d) {
            if ((state.candidates[d][band] & bit) != 0) {
                lastDigit = d;
            }
        }
        for (int d = 0; d < 9; ++d) {
            if ((state.candidates[d][band] & bit) == 0) {
                continue;
            }
            if (d == lastDigit) {
                // The last branch may use the state itself: nobody needs it afterwards.
                if (place(state, band, index, d)) {
                    search(state);
                }
                return;
            }
            State branch = state;
            if (place(branch, band, index, d)) {
                search(branch);
            }
            if (m_result.count >= m_limit) {
                return;
            }
        }
    }

    int m_limit;
    BandSolverResult m_result;
};

} // namespace

BandSolverResult countWithBands(const Grid &grid, int limit, int excludedCell, int excludedDigit)
{
    return Solver(limit).run(grid, excludedCell, excludedDigit);
}

} // namespace pondrel::detail
