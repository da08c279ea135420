#include "solver.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <cmath>

namespace pondrel {

namespace {

// The plain search. Each branch works on its own copy of grid and masks
// (243 bytes on the stack): cheaper than an undo log at this size, and it
// keeps the order in which solutions are found easy to reason about.
void search(const Grid &grid, const Masks &masks, std::vector<Grid> &found, std::size_t limit)
{
    int chosen = -1;
    int bestCount = 99;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (grid[cell] != 0) {
            continue;
        }
        if (masks[cell] == 0) {
            return;
        }
        const int count = digitCount(masks[cell]);
        if (count < bestCount) {
            chosen = cell;
            bestCount = count;
            if (count == 1) {
                break;
            }
        }
    }
    if (chosen < 0) {
        found.push_back(grid);
        return;
    }
    for (std::uint16_t mask = masks[chosen]; mask != 0; mask &= mask - 1) {
        Grid nextGrid = grid;
        Masks nextMasks = masks;
        place(nextGrid, nextMasks, chosen, lowestDigit(mask));
        search(nextGrid, nextMasks, found, limit);
        if (found.size() >= limit) {
            return;
        }
    }
}

// The counting solver. Same answers as the plain search for "none, one or
// several", several times faster on hard puzzles because it propagates:
// a cell left with one candidate is filled at once (naked single), and a
// digit left with one cell in a unit is placed there (hidden single). Only
// when neither applies does it branch, on a cell with the fewest candidates.
class CountingSolver
{
public:
    explicit CountingSolver(int limit)
        : m_limit(limit)
    {}

    SolutionCount run(const Grid &grid, const Masks &masks)
    {
        State state;
        state.candidates = masks;
        state.values = grid;
        state.unitFilled.fill(0);
        state.emptyCount = 0;
        Stack stack;
        for (int cell = 0; cell < kCellCount; ++cell) {
            const int digit = grid[cell];
            if (digit != 0) {
                const std::uint16_t bit = digitBit(digit);
                state.unitFilled[row(cell)] |= bit;
                state.unitFilled[9 + column(cell)] |= bit;
                state.unitFilled[18 + box(cell)] |= bit;
                continue;
            }
            ++state.emptyCount;
            const std::uint16_t mask = masks[cell];
            if (mask == 0) {
                return m_result;
            }
            if ((mask & (mask - 1)) == 0) {
                stack.push(cell, lowestDigit(mask));
            }
        }
        search(state, stack);
        return m_result;
    }

private:
    struct State
    {
        Masks candidates;                       // 0 for filled cells
        Grid values;
        std::array<std::uint16_t, 27> unitFilled; // digits placed per unit
        int emptyCount;
    };

    // Every cell becomes a single at most once in a state's life, and a
    // unit's hidden singles add at most nine more, so 128 entries suffice.
    struct Stack
    {
        std::array<std::uint8_t, 128> cells;
        std::array<std::uint8_t, 128> digits;
        int size = 0;
        void push(int cell, int digit)
        {
            cells[size] = static_cast<std::uint8_t>(cell);
            digits[size] = static_cast<std::uint8_t>(digit);
            ++size;
        }
    };

    static bool assign(State &state, int cell, int digit, Stack &stack)
    {
        if (state.values[cell] != 0) {
            return state.values[cell] == digit;
        }
        const std::uint16_t bit = digitBit(digit);
        if ((state.candidates[cell] & bit) == 0) {
            return false;
        }
        state.values[cell] = static_cast<std::uint8_t>(digit);
        state.candidates[cell] = 0;
        --state.emptyCount;
        state.unitFilled[row(cell)] |= bit;
        state.unitFilled[9 + column(cell)] |= bit;
        state.unitFilled[18 + box(cell)] |= bit;
        for (const std::uint8_t peer : peers[cell]) {
            std::uint16_t mask = state.candidates[peer];
            if ((mask & bit) == 0) {
                continue;
            }
            mask ^= bit;
            state.candidates[peer] = mask;
            if (mask == 0) {
                return false;
            }
            if ((mask & (mask - 1)) == 0) {
                stack.push(peer, lowestDigit(mask));
            }
        }
        return true;
    }

    static bool drain(State &state, Stack &stack)
    {
        while (stack.size > 0) {
            --stack.size;
            if (!assign(state, stack.cells[stack.size], stack.digits[stack.size], stack)) {
                return false;
            }
        }
        return true;
    }

    // Fills singles until none is left. False on a contradiction.
    static bool propagate(State &state, Stack &stack)
    {
        for (;;) {
            if (!drain(state, stack)) {
                return false;
            }
            if (state.emptyCount == 0) {
                return true;
            }
            bool progress = false;
            for (int u = 0; u < 27; ++u) {
                std::uint16_t once = 0;
                std::uint16_t twice = 0;
                for (const std::uint8_t cell : units[u]) {
                    const std::uint16_t mask = state.candidates[cell];
                    twice |= once & mask;
                    once |= mask;
                }
                if ((once | state.unitFilled[u]) != kAllDigits) {
                    return false; // a digit has no place left in this unit
                }
                const auto singles = static_cast<std::uint16_t>(once & ~twice);
                if (singles == 0) {
                    continue;
                }
                for (const std::uint8_t cell : units[u]) {
                    const std::uint16_t mask = state.candidates[cell] & singles;
                    if (mask == 0) {
                        continue;
                    }
                    if ((mask & (mask - 1)) != 0) {
                        return false; // one cell is the only place for two digits
                    }
                    stack.push(cell, lowestDigit(mask));
                }
                if (!drain(state, stack)) {
                    return false;
                }
                progress = true;
            }
            if (!progress) {
                return true;
            }
        }
    }

    void search(State &state, Stack &stack)
    {
        if (!propagate(state, stack)) {
            return;
        }
        if (state.emptyCount == 0) {
            if (m_result.count == 0) {
                m_result.solution = state.values;
            }
            ++m_result.count;
            return;
        }
        int chosen = -1;
        int bestCount = 10;
        for (int cell = 0; cell < kCellCount; ++cell) {
            const std::uint16_t mask = state.candidates[cell];
            if (mask == 0) {
                continue;
            }
            const int count = digitCount(mask);
            if (count < bestCount) {
                chosen = cell;
                bestCount = count;
                if (count == 2) {
                    break;
                }
            }
        }
        std::uint16_t mask = state.candidates[chosen];
        while (mask != 0) {
            const int digit = lowestDigit(mask);
            mask &= mask - 1;
            Stack branchStack;
            branchStack.push(chosen, digit);
            if (mask == 0) {
                // The last branch may use the state itself: nobody needs it afterwards.
                search(state, branchStack);
                return;
            }
            State branch = state;
            search(branch, branchStack);
            if (m_result.count >= m_limit) {
                return;
            }
        }
    }

    int m_limit;
    SolutionCount m_result;
};

// The value of a character that stands for a whole number 0..9 in any
// script, or -1.
int digitValue(UChar32 character)
{
    if (character >= '0' && character <= '9') {
        return character - '0';
    }
    const double value = u_getNumericValue(character);
    if (value == U_NO_NUMERIC_VALUE || value < 0 || value > 9 || value != std::floor(value)) {
        return -1;
    }
    return static_cast<int>(value);
}

} // namespace

std::vector<Grid> solutions(std::span<const std::uint8_t> grid, std::size_t limit)
{
    std::vector<Grid> found;
    // A limit of 0 asks for no grid at all; searching would still add the first.
    if (limit == 0) {
        return found;
    }
    const std::optional<Masks> masks = candidateMasks(grid);
    if (!masks) {
        return found;
    }
    Grid start;
    std::copy(grid.begin(), grid.end(), start.begin());
    search(start, *masks, found, limit);
    return found;
}

SolutionCount countSolutions(std::span<const std::uint8_t> grid)
{
    const std::optional<Masks> masks = candidateMasks(grid);
    if (!masks) {
        return {};
    }
    Grid start;
    std::copy(grid.begin(), grid.end(), start.begin());
    return CountingSolver(2).run(start, *masks);
}

bool hasSolutionWithout(const Grid &grid, int cell, int digit)
{
    std::optional<Masks> masks = candidateMasks(grid);
    if (!masks || grid[cell] != 0) {
        return false;
    }
    (*masks)[cell] &= static_cast<std::uint16_t>(~digitBit(digit));
    return CountingSolver(1).run(grid, *masks).count > 0;
}

std::optional<SudokuPuzzle> fromText(std::string_view utf8Text, Difficulty difficulty)
{
    // 81 characters take at most 4 bytes each; anything longer is not a grid,
    // and the cap keeps the offsets well inside ICU's 32-bit indices.
    constexpr std::size_t kMaxBytes = 4 * kCellCount;
    if (utf8Text.size() > kMaxBytes) {
        return std::nullopt;
    }
    Grid givens;
    int count = 0;
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(utf8Text.data());
    const auto length = static_cast<std::int32_t>(utf8Text.size());
    std::int32_t offset = 0;
    while (offset < length) {
        UChar32 character;
        U8_NEXT(bytes, offset, length, character);
        if (character < 0 || count == kCellCount) {
            return std::nullopt; // invalid UTF-8, or more than 81 characters
        }
        const int value = digitValue(character);
        if (value < 0) {
            return std::nullopt;
        }
        givens[count++] = static_cast<std::uint8_t>(value);
    }
    if (count != kCellCount) {
        return std::nullopt;
    }
    const SolutionCount answer = countSolutions(givens);
    if (answer.count != 1) {
        return std::nullopt;
    }
    return SudokuPuzzle{givens, answer.solution, difficulty};
}

} // namespace pondrel
