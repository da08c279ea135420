// Fish on one digit. Basic fish (X-Wing, Swordfish, Jellyfish for 2, 3, 4
// lines): `size` base rows whose places for the digit lie in `size` columns
// together, so those cover columns lose the digit outside the base rows; and
// the same with rows and columns swapped. Finned fish (X-Wing, Swordfish):
// the base rows' places lie in `size` cover columns except for some fins,
// all in one box, so the cover columns lose the digit inside that box
// outside the base rows (either the fish holds or a fin is the digit).
// Base sets are tried as 9-bit masks, rows first; a fish whose targets are
// empty is skipped. Sashimi fish are found as finned fish; fins spread over
// two boxes and Franken or mutant fish are not searched.

#include "stepfinderdetail.h"

namespace pondrel::steps {

namespace {

struct Fish
{
    // The first unit number of the base lines and of the cover lines:
    // rowUnit(0) and columnUnit(0), or the other way round.
    int firstBase;
    int firstCover;
    int digit;
    std::uint16_t base; // base line numbers 0..8
    std::array<std::uint16_t, 9> line;
};

CellSet linesOf(int firstUnit, std::uint16_t lines)
{
    CellSet result;
    for (; lines != 0; lines &= lines - 1) {
        result = result | unitSets[firstUnit + std::countr_zero(lines)];
    }
    return result;
}

Step fishStep(Technique technique,
              const Fish &fish,
              std::uint16_t cover,
              const CellSet &cells,
              const CellSet &targets)
{
    Step step = eliminationStep(technique, digitBit(fish.digit), {}, cells, targets, fish.digit);
    for (std::uint16_t bits = fish.base; bits != 0; bits &= bits - 1) {
        step.units.push_back(fish.firstBase + std::countr_zero(bits));
    }
    for (std::uint16_t bits = cover; bits != 0; bits &= bits - 1) {
        step.units.push_back(fish.firstCover + std::countr_zero(bits));
    }
    return step;
}

// Calls `search(fish)` for every digit, base kind and base set of `size`
// lines that each hold the digit, until it returns a step.
template <typename Search> std::optional<Step> eachBase(const Board &board, int size, Search search)
{
    for (int digit = 1; digit <= 9; ++digit) {
        for (const bool rowsFirst : {true, false}) {
            Fish fish{rowsFirst ? rowUnit(0) : columnUnit(0),
                      rowsFirst ? columnUnit(0) : rowUnit(0),
                      digit,
                      0,
                      {}};
            std::uint16_t holding = 0;
            for (int k = 0; k < 9; ++k) {
                fish.line[k] = board.places(fish.firstBase + k, digit);
                if (fish.line[k] != 0) {
                    holding |= static_cast<std::uint16_t>(1U << k);
                }
            }
            auto step = eachMaskOfSize(size, holding, [&](std::uint16_t base) {
                fish.base = base;
                return search(fish);
            });
            if (step) {
                return step;
            }
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<Step> findFish(const Board &board, int size)
{
    const Technique technique = size == 2   ? Technique::xWing
                                : size == 3 ? Technique::swordfish
                                            : Technique::jellyfish;
    return eachBase(board, size, [&](const Fish &fish) -> std::optional<Step> {
        std::uint16_t cover = 0;
        for (std::uint16_t bits = fish.base; bits != 0; bits &= bits - 1) {
            cover |= fish.line[std::countr_zero(bits)];
        }
        if (bitCount(cover) != size) {
            return std::nullopt;
        }
        const CellSet baseCells = linesOf(fish.firstBase, fish.base);
        const CellSet withDigit = board.cellsWith[fish.digit];
        const CellSet targets = (withDigit & linesOf(fish.firstCover, cover)).without(baseCells);
        if (targets.empty()) {
            return std::nullopt;
        }
        return fishStep(technique, fish, cover, withDigit & baseCells, targets);
    });
}

std::optional<Step> findFinnedFish(const Board &board, int size)
{
    const Technique technique = size == 2 ? Technique::finnedXWing : Technique::finnedSwordfish;
    return eachBase(board, size, [&](const Fish &fish) -> std::optional<Step> {
        std::uint16_t all = 0;
        for (std::uint16_t bits = fish.base; bits != 0; bits &= bits - 1) {
            all |= fish.line[std::countr_zero(bits)];
        }
        // The fins lie in one box, so in at most three lines beyond the cover.
        if (bitCount(all) <= size || bitCount(all) > size + 3) {
            return std::nullopt;
        }
        const CellSet baseCells = linesOf(fish.firstBase, fish.base);
        const CellSet withDigit = board.cellsWith[fish.digit];
        return eachMaskOfSize(size, all, [&](std::uint16_t cover) -> std::optional<Step> {
            // The fins' lines must lie in one band or stack of three.
            const auto finLines = static_cast<std::uint16_t>(all & ~cover);
            if ((finLines & 0x7) != finLines && (finLines & 0x38) != finLines &&
                (finLines & 0x1C0) != finLines) {
                return std::nullopt;
            }
            const CellSet coverCells = linesOf(fish.firstCover, cover);
            const CellSet fins = (withDigit & baseCells).without(coverCells);
            const int finBox = boxUnit(box(fins.first()));
            if (!fins.without(unitSets[finBox]).empty()) {
                return std::nullopt;
            }
            const CellSet targets = (withDigit & coverCells & unitSets[finBox]).without(baseCells);
            if (targets.empty()) {
                return std::nullopt;
            }
            Step step = fishStep(technique, fish, cover, withDigit & baseCells, targets);
            fins.forEach([&](int cell) { step.fins.push_back(cell); });
            return step;
        });
    });
}

} // namespace pondrel::steps
