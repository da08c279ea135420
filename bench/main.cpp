// pondrel-bench: one run, one thread, one table. Times the engine's
// uniqueness check, rating and generator, and qqwing doing the same jobs on
// the same puzzles, so every figure comes with a peer to compare it with.
//
// Our code is timed in-process per call; qqwing is timed as whole processes
// (qqwing.h says how).

#include "childprocess.h"
#include "puzzleset.h"
#include "qqwing.h"
#include "resulttable.h"
#include "statistics.h"

#include "generator.h"
#include "rating.h"
#include "solver.h"
#include "stepfinder.h"

#ifdef PONDREL_HAVE_SUPPLY_BENCH
#include "supplybench.h"
#endif

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <thread>
#include <vector>

namespace pondrel::bench {

namespace {

using Clock = std::chrono::steady_clock;
using Align = ResultTable::Align;

constexpr int kUsageExitCode = 2;
constexpr int kGenerateCountDefault = 200;
constexpr int kQuickGenerateCount = 10;
constexpr std::size_t kQuickSetLimit = 1000;
// The plain search needs milliseconds on a 17-clue puzzle (about a hundred
// a second), so it sees only the start of each set; that is enough for a
// stable median and keeps the run within a few minutes.
constexpr std::size_t kPlainSearchLimit = 300;
constexpr std::size_t kQuickPlainSearchLimit = 50;
// Medians of the supply rows settle after a few dozen runs; each run
// constructs a supply, so more would only lengthen the table's run.
constexpr int kSupplyRepetitions = 30;
constexpr int kQuickSupplyRepetitions = 3;
// The step finder's rows: generated puzzles per difficulty (from fixed
// seeds, so every run solves the same ones) and the public sets' sizes.
constexpr int kStepGenerateCount = 500;
constexpr int kQuickStepGenerateCount = 20;
constexpr std::size_t kStepSeventeenLimit = 2000;
constexpr std::size_t kQuickStepSetLimit = 100;
// The forum's hardest list takes about 50 s by steps (a nested forcing chain
// takes up to a few hundred milliseconds); a quick run tries its first few.
constexpr std::size_t kQuickHardestLimit = 10;

struct Options
{
    int generateCount = kGenerateCountDefault;
    std::filesystem::path benchData =
        std::filesystem::path(PONDREL_SOURCE_DIR) / ".." / "shared" / "bench-data";
    std::filesystem::path generatedData =
        std::filesystem::path(PONDREL_SOURCE_DIR) / "bench" / "data";
    std::size_t setLimit = std::numeric_limits<std::size_t>::max();
    std::size_t plainSearchLimit = kPlainSearchLimit;
    bool quick = false;
    bool useQqwing = true;
    bool stepsOnly = false;
};

void printUsage(std::FILE *stream)
{
    std::fprintf(
        stream,
        "usage: pondrel-bench [options]\n"
        "\n"
        "Prints one table comparing the engine with qqwing, single-threaded.\n"
        "\n"
        "  --generate-count N     puzzles per difficulty to generate, ours and qqwing's (%d)\n"
        "  --bench-data DIR       top1465.txt and 17-clue.txt (../shared/bench-data)\n"
        "  --generated-data DIR   generated-<difficulty>.txt sets (bench/data)\n"
        "  --set-limit N          use at most N puzzles of each set (all)\n"
        "  --plain-limit N        puzzles of each set for the plain search (%zu)\n"
        "  --quick                small counts, for a smoke run of a few seconds\n"
        "  --no-qqwing            leave out the qqwing columns\n"
        "  --steps-only           only the step finder's rows\n"
        "  -h, --help             show this text\n",
        kGenerateCountDefault,
        kPlainSearchLimit);
}

std::optional<long> parsePositive(std::string_view text)
{
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 1) {
        return std::nullopt;
    }
    return value;
}

// Nothing after printing the usage when the arguments are wrong.
std::optional<Options> parseOptions(int argc, char **argv, bool &helpShown)
{
    Options options;
    std::optional<int> generateCount;
    std::optional<std::size_t> setLimit;
    std::optional<std::size_t> plainSearchLimit;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "-h" || arg == "--help") {
            helpShown = true;
            printUsage(stdout);
            return std::nullopt;
        } else if (arg == "--quick") {
            options.quick = true;
        } else if (arg == "--no-qqwing") {
            options.useQqwing = false;
        } else if (arg == "--steps-only") {
            options.stepsOnly = true;
        } else if ((arg == "--bench-data" || arg == "--generated-data") && hasValue) {
            (arg == "--bench-data" ? options.benchData : options.generatedData) = argv[++i];
        } else if ((arg == "--generate-count" || arg == "--set-limit" || arg == "--plain-limit") &&
                   hasValue) {
            const std::optional<long> value = parsePositive(argv[++i]);
            if (!value || *value > std::numeric_limits<int>::max()) {
                std::fprintf(stderr, "pondrel-bench: %s needs a positive number\n", argv[i - 1]);
                printUsage(stderr);
                return std::nullopt;
            }
            if (arg == "--generate-count") {
                generateCount = static_cast<int>(*value);
            } else if (arg == "--set-limit") {
                setLimit = static_cast<std::size_t>(*value);
            } else {
                plainSearchLimit = static_cast<std::size_t>(*value);
            }
        } else {
            std::fprintf(stderr, "pondrel-bench: unexpected argument '%s'\n", argv[i]);
            printUsage(stderr);
            return std::nullopt;
        }
    }
    // Explicit counts win over --quick, whatever their order.
    options.generateCount =
        generateCount.value_or(options.quick ? kQuickGenerateCount : kGenerateCountDefault);
    options.setLimit =
        setLimit.value_or(options.quick ? kQuickSetLimit : std::numeric_limits<std::size_t>::max());
    options.plainSearchLimit =
        plainSearchLimit.value_or(options.quick ? kQuickPlainSearchLimit : kPlainSearchLimit);
    return options;
}

// ---------------------------------------------------------------------------
// Formatting

std::string format(const char *pattern, double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, pattern, value);
    return buffer;
}

// 52310.4 -> "52,310"
std::string grouped(double value)
{
    const std::string digits = std::to_string(static_cast<long long>(value + 0.5));
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            text += ',';
        }
        text += digits[i];
    }
    return text;
}

std::string rate(double perSecond)
{
    return perSecond >= 100 ? grouped(perSecond) + "/s" : format("%.3g/s", perSecond);
}

std::string microseconds(double us)
{
    return us >= 100 ? grouped(us) + " µs" : format(us >= 10 ? "%.1f µs" : "%.2f µs", us);
}

std::string milliseconds(double ms)
{
    return ms >= 100 ? grouped(ms) + " ms" : format(ms >= 10 ? "%.1f ms" : "%.2f ms", ms);
}

std::string megabytes(long kilobytes)
{
    return format("%.1f MB", static_cast<double>(kilobytes) / 1024.0);
}

// How many times faster we are than qqwing.
std::string speedup(double ours, double theirs, bool higherIsFaster)
{
    if (ours <= 0 || theirs <= 0) {
        return "";
    }
    const double factor = higherIsFaster ? ours / theirs : theirs / ours;
    return format(factor >= 10 ? "%.0f×" : factor >= 1 ? "%.1f×" : "%.2g×", factor);
}

std::string verdict(bool met)
{
    return met ? "met" : "MISSED";
}

std::string histogramText(const std::map<int, int> &histogram)
{
    std::string text;
    for (const auto &[clues, count] : histogram) {
        text += (text.empty() ? "" : "  ") + std::to_string(clues) + ":" + std::to_string(count);
    }
    return text;
}

int clueCount(const Grid &grid)
{
    int count = 0;
    for (const std::uint8_t value : grid) {
        count += value != 0 ? 1 : 0;
    }
    return count;
}

// ---------------------------------------------------------------------------
// Timing our code

double threadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

struct CallTimes
{
    std::vector<double> microseconds; // one per call
    double totalSeconds = 0.0;        // the whole loop, timer calls included
    int unexpected = 0;               // calls whose answer was not the expected one
};

// Times `call` once per grid; `call` returns whether the answer was the
// expected one, which also keeps its work from being optimised away.
CallTimes timeEach(const std::vector<Grid> &grids, const std::function<bool(const Grid &)> &call)
{
    CallTimes times;
    times.microseconds.reserve(grids.size());
    const Clock::time_point start = Clock::now();
    for (const Grid &grid : grids) {
        const Clock::time_point before = Clock::now();
        const bool expected = call(grid);
        times.microseconds.push_back(
            std::chrono::duration<double, std::micro>(Clock::now() - before).count());
        times.unexpected += expected ? 0 : 1;
    }
    times.totalSeconds = secondsSince(start);
    return times;
}

struct GenerationRun
{
    std::vector<double> milliseconds; // wall time per accepted puzzle
    double cpuSeconds = 0.0;
    long attempts = 0;
    std::map<int, int> clueHistogram;
};

// Attempts are counted by calling generate(d, 1) until it returns a puzzle:
// generate(d, 60) is exactly up to 60 such attempts in a row, each
// independent of the others, so the time per puzzle has the same
// distribution as calling generate(d, 60) until it succeeds, and the number
// of calls is the number of attempts.
GenerationRun generatePuzzles(Difficulty difficulty, int count)
{
    GenerationRun run;
    for (int i = 0; i < count; ++i) {
        const Clock::time_point start = Clock::now();
        const double cpuStart = threadCpuSeconds();
        std::optional<SudokuPuzzle> puzzle;
        while (!puzzle) {
            ++run.attempts;
            puzzle = generate(difficulty, 1);
        }
        run.cpuSeconds += threadCpuSeconds() - cpuStart;
        run.milliseconds.push_back(secondsSince(start) * 1000.0);
        ++run.clueHistogram[clueCount(puzzle->givens)];
    }
    return run;
}

long ownPeakRssKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// "<CPU model>, <n> hardware threads, load average <1 min> at start".
std::string machineDescription()
{
    std::string model = "unknown CPU";
    std::ifstream cpuinfo("/proc/cpuinfo");
    std::string line;
    while (std::getline(cpuinfo, line)) {
        if (line.starts_with("model name")) {
            model = line.substr(line.find(':') + 2);
            break;
        }
    }
    double load[1] = {0.0};
    const bool haveLoad = getloadavg(load, 1) == 1;
    return model + ", " + std::to_string(std::thread::hardware_concurrency()) +
           " hardware threads" + (haveLoad ? format(", load average %.2f at start", load[0]) : "");
}

void progress(const std::string &text)
{
    std::fprintf(stderr, "  %s...\n", text.c_str());
}

// ---------------------------------------------------------------------------
// The sections of the table

struct GenerationTargets
{
    double medianMilliseconds;
};

// Median per puzzle on this 2-core machine; and every level at least five
// times qqwing's rate.
constexpr std::array<GenerationTargets, 4> kGenerationTargets{{{3.0}, {3.0}, {8.0}, {4.0}}};
constexpr double kSpeedupTarget = 5.0;

void addGenerationRows(ResultTable &table, const Options &options, Qqwing *qqwing)
{
    table.addSection("Generation, generate(d, 60) until a puzzle is accepted "
                     "(qqwing --generate N --difficulty <level>)");
    for (const Difficulty d : allDifficulties) {
        const auto index = static_cast<std::size_t>(d);
        const std::string level(kQqwingLevels[index]);
        const std::string label = std::string(rawValue(d)) + " / " + level;
        const std::string count = std::to_string(options.generateCount);

        progress("generating " + count + " " + std::string(rawValue(d)) + " puzzles");
        const GenerationRun ours = generatePuzzles(d, options.generateCount);
        const double ourMedian = median(ours.milliseconds);
        const double ourP90 = percentile(ours.milliseconds, 0.9);
        const double ourPerCpuSecond = options.generateCount / std::max(ours.cpuSeconds, 1e-9);

        std::optional<Qqwing::Generation> theirs;
        if (qqwing) {
            progress("qqwing generating " + count + " " + level + " puzzles");
            theirs = qqwing->generate(level, options.generateCount);
            if (!theirs->ok) {
                theirs.reset();
            }
        }
        const double theirMedian = theirs ? median(theirs->milliseconds) : 0;
        const double theirP90 = theirs ? percentile(theirs->milliseconds, 0.9) : 0;
        const double theirPerCpuSecond =
            theirs ? options.generateCount / std::max(theirs->cpuSeconds, 1e-9) : 0;
        const double target = kGenerationTargets[index].medianMilliseconds;

        table.addRow({"median per puzzle",
                      label,
                      count,
                      milliseconds(ourMedian),
                      theirs ? milliseconds(theirMedian) : "-",
                      speedup(ourMedian, theirMedian, false),
                      format("≤ %g ms: ", target) + verdict(ourMedian <= target)});
        table.addRow({"90th percentile",
                      label,
                      count,
                      milliseconds(ourP90),
                      theirs ? milliseconds(theirP90) : "-",
                      speedup(ourP90, theirP90, false),
                      ""});
        table.addRow({"puzzles per CPU-second",
                      label,
                      count,
                      grouped(ourPerCpuSecond),
                      theirs ? format("%.3g", theirPerCpuSecond) : "-",
                      speedup(ourPerCpuSecond, theirPerCpuSecond, true),
                      theirs ? format("≥ %g× qqwing: ", kSpeedupTarget) +
                                   verdict(ourPerCpuSecond >= kSpeedupTarget * theirPerCpuSecond)
                             : ""});
        table.addRow({"mean attempts per puzzle",
                      label,
                      count,
                      format("%.2f", static_cast<double>(ours.attempts) / options.generateCount),
                      "-",
                      "",
                      ""});
        table.addNote("clues (count) Pondrel: " + histogramText(ours.clueHistogram));
        if (theirs) {
            table.addNote("clues (count) qqwing:  " + histogramText(theirs->clueHistogram));
        } else if (qqwing) {
            table.addNote("qqwing --generate failed or gave fewer puzzles than asked; left out");
        }
    }
}

// The public sets and our generated sets, as they are found on disk.
std::vector<PuzzleSet> loadSolveSets(const Options &options, ResultTable &table)
{
    std::vector<PuzzleSet> sets;
    for (const char *name : {"top1465", "17-clue"}) {
        const std::filesystem::path path = options.benchData / (std::string(name) + ".txt");
        if (std::optional<PuzzleSet> set = loadPuzzleSet(path, name, options.setLimit)) {
            sets.push_back(std::move(*set));
        } else {
            table.addNote("skipped " + std::string(name) + ": " + path.string() +
                          " not found (use --bench-data DIR)");
        }
    }
    for (const Difficulty d : allDifficulties) {
        std::string name(rawValue(d));
        for (char &c : name) {
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        }
        name = "generated-" + name;
        const std::filesystem::path path = options.generatedData / (name + ".txt");
        if (std::optional<PuzzleSet> set = loadPuzzleSet(path, name, options.setLimit)) {
            sets.push_back(std::move(*set));
        } else {
            table.addNote("skipped " + name + ": " + path.string() +
                          " not found (pondrel-make-puzzle-list --bench-sets bench/data)");
        }
    }
    for (const PuzzleSet &set : sets) {
        if (set.malformedLines > 0) {
            table.addNote(set.name + ": " + std::to_string(set.malformedLines) +
                          " malformed lines left out");
        }
    }
    return sets;
}

// Targets for the uniqueness check on the public sets, in puzzles per
// second over the whole set.
std::optional<double> uniquenessTarget(const std::string &setName)
{
    if (setName == "top1465") {
        return 20000.0;
    }
    if (setName == "17-clue") {
        return 50000.0;
    }
    return std::nullopt;
}

void addUniquenessRows(ResultTable &table,
                       const std::vector<PuzzleSet> &sets,
                       std::size_t plainSearchLimit,
                       Qqwing *qqwing)
{
    for (const PuzzleSet &set : sets) {
        const std::size_t total = set.grids.size();
        progress("countSolutions on " + set.name);
        const CallTimes counting =
            timeEach(set.grids, [](const Grid &grid) { return countSolutions(grid).count == 1; });
        const std::vector<Grid> prefix(
            set.grids.begin(),
            set.grids.begin() + static_cast<std::ptrdiff_t>(std::min(plainSearchLimit, total)));
        progress("solutions(grid, 2) on " + set.name);
        const CallTimes searching =
            timeEach(prefix, [](const Grid &grid) { return solutions(grid, 2).size() == 1; });
        std::optional<Qqwing::Solving> theirs;
        if (qqwing) {
            progress("qqwing --solve --count-solutions on " + set.name);
            theirs = qqwing->solve(set.grids, false);
            if (!theirs->ok) {
                theirs.reset();
            }
        }

        const std::string n = std::to_string(total);
        const double ourRate = total / std::max(counting.totalSeconds, 1e-9);
        const double ourMedian = median(counting.microseconds);
        const double theirRate = theirs ? total / theirs->seconds : 0;
        const double theirMedian = theirs ? median(theirs->microseconds) : 0;
        std::string targetText;
        if (const std::optional<double> target = uniquenessTarget(set.name)) {
            // Judged on the median call, as the target is set; the row's
            // own figure is the mean over the set, which a few slow
            // puzzles pull down.
            const double medianRate = 1e6 / std::max(ourMedian, 1e-9);
            targetText = "≥ " + grouped(*target) + "/s: " + verdict(medianRate >= *target) +
                         " (median " + rate(medianRate) + ")";
        }
        table.addRow({"countSolutions, puzzles/s",
                      set.name,
                      n,
                      rate(ourRate),
                      theirs ? rate(theirRate) : "-",
                      speedup(ourRate, theirRate, true),
                      targetText});
        table.addRow({"countSolutions, median",
                      set.name,
                      n,
                      microseconds(ourMedian),
                      theirs ? microseconds(theirMedian) : "-",
                      speedup(ourMedian, theirMedian, false),
                      ""});

        // The plain search runs on the first puzzles only; its speed-up is
        // against countSolutions on those same puzzles.
        const std::string prefixCount = std::to_string(prefix.size());
        const std::vector<double> countingOnPrefix(counting.microseconds.begin(),
                                                   counting.microseconds.begin() +
                                                       static_cast<std::ptrdiff_t>(prefix.size()));
        const double searchRate = prefix.size() / std::max(searching.totalSeconds, 1e-9);
        const double searchMedian = median(searching.microseconds);
        table.addRow(
            {"solutions(grid, 2), puzzles/s", set.name, prefixCount, rate(searchRate), "", "", ""});
        table.addRow({"solutions(grid, 2), median",
                      set.name,
                      prefixCount,
                      microseconds(searchMedian),
                      "",
                      "",
                      "countSolutions " + speedup(median(countingOnPrefix), searchMedian, false) +
                          " faster"});

        // Every puzzle of these sets is unique; anything else is a fault in
        // one of the solvers, worth seeing next to its timing.
        if (counting.unexpected > 0 || searching.unexpected > 0) {
            table.addNote("NOT UNIQUE by countSolutions: " + std::to_string(counting.unexpected) +
                          ", by solutions: " + std::to_string(searching.unexpected));
        }
        if (theirs && theirs->unique != static_cast<int>(total)) {
            table.addNote("qqwing found " + std::to_string(theirs->unique) + " of " + n +
                          " unique");
        }
    }
}

void addRatingRows(ResultTable &table, const std::vector<PuzzleSet> &sets, Qqwing *qqwing)
{
    if (std::none_of(sets.begin(), sets.end(), [](const PuzzleSet &set) {
            return set.name.starts_with("generated-");
        })) {
        table.addNote("skipped: no generated sets were found");
    }
    for (const PuzzleSet &set : sets) {
        if (!set.name.starts_with("generated-")) {
            continue;
        }
        const std::string n = std::to_string(set.grids.size());
        progress("rating " + set.name);
        // All puzzles of a set share a difficulty, so the first one's rating
        // is the one every other must have.
        const int expected = set.grids.empty() ? 0 : rating(set.grids.front());
        const CallTimes times =
            timeEach(set.grids, [expected](const Grid &grid) { return rating(grid) == expected; });
        std::optional<Qqwing::Solving> theirs;
        if (qqwing) {
            progress("qqwing --solve --stats on " + set.name);
            theirs = qqwing->solve(set.grids, true);
            if (!theirs->ok) {
                theirs.reset();
            }
        }
        const double ourMedian = median(times.microseconds);
        const double theirMedian = theirs ? median(theirs->microseconds) : 0;
        table.addRow({"rating, median",
                      set.name,
                      n,
                      microseconds(ourMedian),
                      theirs ? microseconds(theirMedian) : "-",
                      speedup(ourMedian, theirMedian, false),
                      ""});
        if (times.unexpected > 0) {
            table.addNote("MIXED RATINGS: " + std::to_string(times.unexpected) +
                          " puzzles rate differently from the first");
        }
        if (theirs) {
            std::string levels;
            for (const auto &[level, count] : theirs->levels) {
                levels += (levels.empty() ? "" : ", ") + level + " " + std::to_string(count);
            }
            table.addNote("qqwing's own levels for these: " + levels);
        }
    }
}

// SplitMix64: a fixed stream of numbers, so the generated puzzles of the
// step finder's rows are the same in every run.
class SeededRandomSource final : public RandomSource
{
public:
    explicit SeededRandomSource(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next() override
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

private:
    std::uint64_t m_state;
};

struct StepRun
{
    int solved = 0;
    long steps = 0;
    std::vector<double> microseconds; // one per step found
    std::array<long, 28> techniques{};
    // Per forcing contradiction (Forcing Chain, Net, Nested): its links.
    std::array<std::vector<double>, 3> links;
};

// Solves each grid by steps alone, timing every call of findNextStep that
// returns a step.
StepRun solveBySteps(const std::vector<Grid> &grids)
{
    StepRun run;
    for (const Grid &grid : grids) {
        Grid values = grid;
        const std::optional<Masks> start = candidateMasks(values);
        if (!start) {
            continue;
        }
        Masks candidates = *start;
        for (;;) {
            const Clock::time_point before = Clock::now();
            const std::optional<Step> step = findNextStep(values, candidates);
            if (!step) {
                break;
            }
            run.microseconds.push_back(
                std::chrono::duration<double, std::micro>(Clock::now() - before).count());
            ++run.steps;
            ++run.techniques[static_cast<std::size_t>(step->technique)];
            if (step->assumption) {
                run.links[static_cast<std::size_t>(step->technique) -
                          static_cast<std::size_t>(Technique::forcingChain)]
                    .push_back(static_cast<double>(step->links.size()));
            }
            applyStep(*step, values, candidates);
        }
        run.solved += std::find(values.begin(), values.end(), 0) == values.end() ? 1 : 0;
    }
    return run;
}

void addStepRows(ResultTable &table, const Options &options)
{
    std::vector<PuzzleSet> sets;
    const int generateCount = options.quick ? kQuickStepGenerateCount : kStepGenerateCount;
    for (const Difficulty d : allDifficulties) {
        PuzzleSet set{"generated " + std::string(rawValue(d)), {}, 0};
        progress("generating " + std::to_string(generateCount) + " " + std::string(rawValue(d)) +
                 " puzzles for the step finder");
        SeededRandomSource random(0x5EED0000U + static_cast<std::uint64_t>(d));
        while (static_cast<int>(set.grids.size()) < generateCount) {
            if (const std::optional<SudokuPuzzle> puzzle = generate(d, 60, random)) {
                set.grids.push_back(puzzle->givens);
            }
        }
        sets.push_back(std::move(set));
    }
    const std::size_t publicLimit = options.quick ? kQuickStepSetLimit : kStepSeventeenLimit;
    for (const char *name : {"top1465", "17-clue"}) {
        const std::filesystem::path path = options.benchData / (std::string(name) + ".txt");
        if (std::optional<PuzzleSet> set = loadPuzzleSet(path, name, publicLimit)) {
            sets.push_back(std::move(*set));
        } else {
            table.addNote("skipped " + std::string(name) + ": " + path.string() + " not found");
        }
    }
    const std::filesystem::path hardestPath = options.generatedData / "hardest-375.txt";
    if (std::optional<PuzzleSet> set = loadPuzzleSet(
            hardestPath,
            "forum hardest",
            options.quick ? kQuickHardestLimit : std::numeric_limits<std::size_t>::max())) {
        sets.push_back(std::move(*set));
    } else {
        table.addNote("skipped forum hardest: " + hardestPath.string() + " not found");
    }
    for (const PuzzleSet &set : sets) {
        progress("solving " + set.name + " by steps");
        const StepRun run = solveBySteps(set.grids);
        const std::size_t total = set.grids.size();
        const double share =
            100.0 * run.solved / static_cast<double>(std::max<std::size_t>(total, 1));
        const bool generated = set.name.starts_with("generated");
        std::string shareTarget;
        if (generated) {
            shareTarget = "100 %: " + verdict(run.solved == static_cast<int>(total));
        } else if (set.name == "top1465" || set.name == "forum hardest") {
            shareTarget = "≥ 99 %: " + verdict(share >= 99.0);
        }
        const double slowest = percentile(run.microseconds, 1.0);
        const double p99 = percentile(run.microseconds, 0.99);
        const std::string n = std::to_string(total);
        table.addRow(
            {"solved by steps alone", set.name, n, format("%.1f %%", share), "-", "", shareTarget});
        table.addRow({"steps per puzzle, mean",
                      set.name,
                      n,
                      format("%.1f",
                             static_cast<double>(run.steps) /
                                 static_cast<double>(std::max<std::size_t>(total, 1))),
                      "-",
                      "",
                      ""});
        table.addRow({"time per step, median",
                      set.name,
                      n,
                      microseconds(median(run.microseconds)),
                      "-",
                      "",
                      ""});
        table.addRow({"time per step, 99th percentile",
                      set.name,
                      n,
                      milliseconds(p99 / 1000.0),
                      "-",
                      "",
                      set.name == "top1465" ? "≤ 20 ms: " + verdict(p99 <= 20000.0) : ""});
        table.addRow({"time per step, slowest",
                      set.name,
                      n,
                      milliseconds(slowest / 1000.0),
                      "-",
                      "",
                      set.name == "forum hardest" ? "≤ 1 s: " + verdict(slowest <= 1e6) : ""});
        for (std::size_t rung = 0; rung < run.links.size(); ++rung) {
            if (run.links[rung].empty()) {
                continue;
            }
            const auto technique =
                static_cast<Technique>(static_cast<std::size_t>(Technique::forcingChain) + rung);
            table.addRow({"links per " + std::string(techniqueName(technique)) +
                              " contradiction, median (max)",
                          set.name,
                          n,
                          format("%.0f", median(run.links[rung])) +
                              format(" (%.0f)", percentile(run.links[rung], 1.0)),
                          "-",
                          "",
                          ""});
        }
        // How far up the ladder the set climbs: the steps beyond the singles.
        std::string beyond;
        for (std::size_t t = static_cast<std::size_t>(Technique::pointing);
             t < run.techniques.size();
             ++t) {
            if (run.techniques[t] > 0) {
                beyond += (beyond.empty() ? "" : ", ") +
                          std::string(techniqueName(static_cast<Technique>(t))) + " " +
                          std::to_string(run.techniques[t]);
            }
        }
        table.addNote("steps beyond singles: " + (beyond.empty() ? std::string("none") : beyond));
    }
}

} // namespace

int run(int argc, char **argv)
{
    const long rssAtStart = ownPeakRssKilobytes();
    bool helpShown = false;
    const std::optional<Options> options = parseOptions(argc, argv, helpShown);
    if (!options) {
        return helpShown ? 0 : kUsageExitCode;
    }

    ResultTable table({{"Measure", Align::left},
                       {"Set / level", Align::left},
                       {"Puzzles", Align::right},
                       {"Pondrel", Align::right},
                       {"qqwing", Align::right},
                       {"Speed-up", Align::right},
                       {"Target", Align::left}});

    std::optional<Qqwing> qqwing;
    if (options->useQqwing && !options->stepsOnly) {
        if (const std::optional<std::string> path = findOnPath("qqwing")) {
            qqwing.emplace(*path);
            progress("timing qqwing's process start-up");
            qqwing->measureStartup();
        }
    }
    Qqwing *peer = qqwing ? &*qqwing : nullptr;

    std::fprintf(stderr, "Running benchmarks (one thread)...\n");
    table.addSection("Setup");
    // Another busy process on the machine shows up here before it shows up
    // as a puzzling figure further down.
    table.addNote(machineDescription());
    if (qqwing) {
        table.addRow({"qqwing process start-up (subtracted)",
                      "--version",
                      std::to_string(Qqwing::kStartupRuns),
                      "",
                      milliseconds(qqwing->startupSeconds() * 1000.0),
                      "",
                      ""});
    } else if (options->stepsOnly) {
        table.addNote("qqwing columns skipped: --steps-only");
    } else if (options->useQqwing) {
        table.addNote("qqwing columns skipped: qqwing is not installed (apt-get install qqwing)");
    } else {
        table.addNote("qqwing columns skipped: --no-qqwing");
    }

    long rssAfterGeneration = 0;
    long qqwingRssAfterGeneration = 0;
    if (!options->stepsOnly) {
        addGenerationRows(table, *options, peer);
        rssAfterGeneration = ownPeakRssKilobytes();
        qqwingRssAfterGeneration = qqwing ? qqwing->peakRssKilobytes() : 0;

        table.addSection("Uniqueness check (qqwing --solve --count-solutions)");
        const std::vector<PuzzleSet> sets = loadSolveSets(*options, table);
        addUniquenessRows(table, sets, options->plainSearchLimit, peer);

        table.addSection("Rating (qqwing --solve --stats, which rates by the same ladder)");
        addRatingRows(table, sets, peer);
    }

    table.addSection("Step finder: solving as a person would, without guessing (release build)");
    addStepRows(table, *options);

    if (options->stepsOnly) {
        std::printf("\n");
        table.print(stdout);
        return 0;
    }

#ifdef PONDREL_HAVE_SUPPLY_BENCH
    table.addSection("Puzzle supply");
    progress("puzzle supply");
    const auto supplyRows =
        supplyBenchmarkMedians(options->quick ? kQuickSupplyRepetitions : kSupplyRepetitions);
    if (supplyRows.empty()) {
        table.addNote("supply benchmark could not set up its supply file; left out");
    }
    for (const auto &[label, value] : supplyRows) {
        table.addRow({label, "", "", microseconds(value), "", "", ""});
    }
#endif

    table.addSection(
        "Memory, peak resident set (ours: getrusage; qqwing: VmHWM of its largest run)");
    // The libraries alone (Qt among them when the supply rows are built in);
    // what the engine adds is the difference to the next row.
    table.addRow({"RSS at start", "", "", megabytes(rssAtStart), "", "", ""});
    table.addRow({"peak RSS, generation",
                  "",
                  "",
                  megabytes(rssAfterGeneration),
                  qqwing ? megabytes(qqwingRssAfterGeneration) : "-",
                  "",
                  ""});
    // By then this process also holds every set and qqwing's output.
    table.addRow({"peak RSS, whole run",
                  "",
                  "",
                  megabytes(ownPeakRssKilobytes()),
                  qqwing ? megabytes(qqwing->peakRssKilobytes()) : "-",
                  "",
                  ""});

    std::printf("\n");
    table.print(stdout);
    std::printf(
        "\nSpeed-up: how many times faster Pondrel is than qqwing (qqwing's time ÷ ours).\n"
        "Generation: wall time per accepted puzzle on one thread; attempts counted by calling\n"
        "generate(d, 1) until it succeeds, which has the distribution of generate(d, 60) retried.\n"
        "qqwing: per-puzzle generation time from the arrival of each output line, per-puzzle\n"
        "solve time from its --timer, throughput from process wall time less start-up.\n"
        "Puzzles per second: puzzles ÷ time for the whole set; medians are per call.\n"
        "solutions(grid, 2), the plain search, runs on the first puzzles of each set only.\n"
        "Step finder: generated puzzles from fixed seeds; 17-clue is the start of the collection.\n"
        "Time per step: one call of findNextStep that returns a step.\n"
        "forum hardest: the enjoysudoku.com forum's list of its hardest puzzles "
        "(bench/data/hardest-375.txt).\n");
    return 0;
}

} // namespace pondrel::bench

int main(int argc, char **argv)
{
    return pondrel::bench::run(argc, argv);
}
