// Arbitrary bytes as the random choices behind a position a player could
// reach: a solved grid filled at random, clues removed while the solution
// stays unique, some wrong candidates struck out (as a player's notes may
// lack them), some steps applied. From there every step the finder returns
// must agree with the solution: no other digit placed, never the solution's
// candidate removed. Then the same position scrambled must not crash it.

#include "generator.h"
#include "solver.h"
#include "stepfinder.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

namespace {

// The input's bytes as the random stream, mixed so that every input gives
// a different fill; zeros once the input runs out.
class InputRandomSource final : public pondrel::RandomSource
{
public:
    explicit InputRandomSource(std::span<const std::uint8_t> data) : m_data(data) {}

    std::uint64_t next() override
    {
        std::uint64_t word = 0;
        for (int i = 0; i < 8 && m_position < m_data.size(); ++i) {
            word = (word << 8) | m_data[m_position++];
        }
        // SplitMix64's finaliser.
        m_state += 0x9E3779B97F4A7C15ULL ^ word;
        std::uint64_t z = m_state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

private:
    std::span<const std::uint8_t> m_data;
    std::size_t m_position = 0;
    std::uint64_t m_state = 0;
};

void checkSound(const pondrel::Step &step, const pondrel::Grid &solution)
{
    for (const pondrel::Placement &p : step.placements) {
        if (p.digit != solution[p.cell]) {
            std::abort();
        }
    }
    for (const pondrel::Elimination &e : step.eliminations) {
        if (e.digit == solution[e.cell]) {
            std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace pondrel;
    InputRandomSource random({data, size});
    Grid solution{};
    Masks masks{};
    masks.fill(kAllDigits);
    if (!fillGrid(solution, masks, random)) {
        std::abort();
    }
    // Clues removed in random order while the solution stays unique.
    Grid values = solution;
    std::array<int, kCellCount> order{};
    for (int cell = 0; cell < kCellCount; ++cell) {
        order[cell] = cell;
    }
    shuffle(std::span<int>(order), random);
    const auto removals = static_cast<int>(uniformBelow(random, kCellCount + 1));
    for (int i = 0; i < removals; ++i) {
        const int cell = order[i];
        values[cell] = 0;
        if (hasSolutionWithout(values, cell, solution[cell])) {
            values[cell] = solution[cell];
        }
    }
    Masks candidates = *candidateMasks(values);
    // Wrong candidates a player's notes may already lack.
    const auto struck = static_cast<int>(uniformBelow(random, 60));
    for (int i = 0; i < struck; ++i) {
        const auto cell = static_cast<int>(uniformBelow(random, kCellCount));
        const auto digit = static_cast<int>(1 + uniformBelow(random, 9));
        if (digit != solution[cell]) {
            candidates[cell] &= static_cast<std::uint16_t>(~digitBit(digit));
        }
    }
    // Every step from there on, to the end or until the ladder is stuck.
    Grid start = values;
    while (const std::optional<Step> step = findNextStep(values, candidates)) {
        checkSound(*step, solution);
        applyStep(*step, values, candidates);
    }
    // A board that breaks the rules (a clash, wrong candidates, a cell
    // without any) gets some step or none, and applying steps ends.
    Masks garbage{};
    for (int cell = 0; cell < kCellCount; ++cell) {
        garbage[cell] = static_cast<std::uint16_t>(uniformBelow(random, 1024));
        if (uniformBelow(random, 8) == 0) {
            start[cell] = static_cast<std::uint8_t>(uniformBelow(random, 10));
        }
    }
    for (int steps = 0; steps <= kCellCount * 10; ++steps) {
        const std::optional<Step> step = findNextStep(start, garbage);
        if (!step) {
            return 0;
        }
        applyStep(*step, start, garbage);
    }
    std::abort();
}
