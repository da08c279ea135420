#include "supplybench.h"

#include "generator.h"
#include "puzzlesupply.h"
#include "randomsource.h"
#include "supplyfile.h"

#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <optional>

namespace pondrel::bench {

namespace {

using Clock = std::chrono::steady_clock;

double microsecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

double median(std::vector<double> values)
{
    if (values.empty()) {
        return 0.0;
    }
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// What the supply file holds after long play: a full record of dealt puzzles
// and every queue at its target, with real generated puzzles so that taking
// one costs what it costs in the game.
SavedState fullState()
{
    SavedState state;
    for (const Difficulty difficulty : allDifficulties) {
        std::vector<std::string> &texts = state.ready[std::string(rawValue(difficulty))];
        while (texts.size() < PuzzleSupply::readyTarget) {
            if (const std::optional<SudokuPuzzle> puzzle =
                    generate(difficulty, PuzzleSupply::generationAttempts)) {
                texts.push_back(gridText(puzzle->givens));
            }
        }
    }
    RandomSource &random = threadRandomSource();
    while (state.played.size() < PuzzleSupply::playedLimit) {
        state.played.push_back(random.next());
    }
    return state;
}

} // namespace

std::vector<std::pair<std::string, double>> supplyBenchmarkMedians(int repetitions)
{
    QTemporaryDir directory;
    const QString path = directory.filePath(QString::fromLatin1(kSupplyFileName));
    if (!directory.isValid() || !writeSupplyFile(fullState(), path)) {
        return {};
    }

    std::vector<double> constructions;
    std::vector<double> takes;
    for (int run = 0; run < std::max(repetitions, 1); ++run) {
        const Clock::time_point start = Clock::now();
        PuzzleSupply supply(directory.path(), false);
        constructions.push_back(microsecondsSince(start));

        // Taking does not save, so every run starts from the same full file.
        for (const Difficulty difficulty : allDifficulties) {
            const Clock::time_point takeStart = Clock::now();
            const std::optional<SudokuPuzzle> puzzle = supply.takeReady(difficulty);
            takes.push_back(microsecondsSince(takeStart));
            if (!puzzle) {
                return {};
            }
        }
    }
    return {
        {"supply construction (full file), median", median(constructions)},
        {"supply takeReady, median", median(takes)},
    };
}

} // namespace pondrel::bench
