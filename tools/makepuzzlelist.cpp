// pondrel-make-puzzle-list: writes the built-in puzzle list that the supply
// falls back on when it has nothing prepared, or the generated puzzle sets
// the benchmarks read.
//
// Built-in list: one line per puzzle, "<letter> <81 digits>", the letters
// E, M, H and X for easy, medium, hard and expert, easy first. Benchmark
// sets: one file per difficulty, "generated-<difficulty>.txt", one grid text
// per line after a '#' comment line.
//
// Every puzzle comes from generate() for its difficulty, called the way the
// app calls it (60 attempts, again on a miss), so the list holds nothing the
// generator would not deal itself. Generation runs on every hardware thread.

#include "generator.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

using pondrel::Difficulty;

constexpr int kUsageExitCode = 2;
constexpr int kGenerationAttempts = 60;
// Comfortably above the 50 per difficulty the supply's fallback should hold.
constexpr int kListCountDefault = 60;
// Enough for stable medians in the benchmark without a long generation run.
constexpr int kBenchSetCountDefault = 200;

void printUsage(std::FILE *stream)
{
    std::fprintf(stream,
                 "usage: pondrel-make-puzzle-list [--count N] [--threads N] OUTPUT\n"
                 "       pondrel-make-puzzle-list --bench-sets [--count N] [--threads N] DIR\n"
                 "\n"
                 "Writes the built-in puzzle list to OUTPUT (%d puzzles per difficulty by\n"
                 "default), or with --bench-sets one file generated-<difficulty>.txt per\n"
                 "difficulty into DIR (%d puzzles each by default).\n",
                 kListCountDefault,
                 kBenchSetCountDefault);
}

// Generated puzzles, distinct across all difficulties, in the order they
// were accepted.
class PuzzleCollector
{
public:
    explicit PuzzleCollector(int countPerDifficulty) : m_countPerDifficulty(countPerDifficulty) {}

    // Claims the next puzzle still to be made, easy first, or nothing when
    // every difficulty is full or claimed.
    std::optional<Difficulty> claim()
    {
        const std::lock_guard lock(m_mutex);
        for (const Difficulty d : pondrel::allDifficulties) {
            const auto i = static_cast<std::size_t>(d);
            if (static_cast<int>(m_accepted[i].size()) + m_claimed[i] < m_countPerDifficulty) {
                ++m_claimed[i];
                return d;
            }
        }
        return std::nullopt;
    }

    // Hands back a claimed puzzle; a duplicate is refused and its claim
    // released, so that the worker's next claim makes it again.
    void deliver(Difficulty difficulty, const std::string &text)
    {
        const std::lock_guard lock(m_mutex);
        const auto i = static_cast<std::size_t>(difficulty);
        --m_claimed[i];
        if (m_seen.insert(text).second) {
            m_accepted[i].push_back(text);
        } else {
            ++m_duplicates;
        }
    }

    const std::vector<std::string> &accepted(Difficulty difficulty) const
    {
        return m_accepted[static_cast<std::size_t>(difficulty)];
    }

    int duplicates() const { return m_duplicates; }

private:
    const int m_countPerDifficulty;
    std::mutex m_mutex;
    std::array<std::vector<std::string>, 4> m_accepted;
    std::array<int, 4> m_claimed{};
    std::set<std::string> m_seen;
    int m_duplicates = 0;
};

void generateAll(PuzzleCollector &collector, int threadCount)
{
    auto work = [&collector] {
        while (const std::optional<Difficulty> difficulty = collector.claim()) {
            std::optional<pondrel::SudokuPuzzle> puzzle;
            while (!puzzle) {
                puzzle = pondrel::generate(*difficulty, kGenerationAttempts);
            }
            collector.deliver(*difficulty, pondrel::gridText(puzzle->givens));
        }
    };
    std::vector<std::jthread> threads;
    for (int i = 0; i < threadCount; ++i) {
        threads.emplace_back(work);
    }
}

// Writes next to the target and renames, so an interrupted run never leaves
// a half-written list behind for the build to pick up.
bool writeFile(const std::filesystem::path &path, const std::string &content)
{
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << content;
        if (!out.flush()) {
            std::fprintf(stderr, "pondrel-make-puzzle-list: cannot write %s\n", temporary.c_str());
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::fprintf(stderr,
                     "pondrel-make-puzzle-list: cannot rename to %s: %s\n",
                     path.c_str(),
                     error.message().c_str());
        return false;
    }
    return true;
}

std::string lowerName(Difficulty difficulty)
{
    std::string name(pondrel::rawValue(difficulty));
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return name;
}

bool writeBuiltInList(const PuzzleCollector &collector, const std::filesystem::path &path)
{
    std::string content;
    for (const Difficulty d : pondrel::allDifficulties) {
        for (const std::string &text : collector.accepted(d)) {
            content += pondrel::listLetter(d);
            content += ' ';
            content += text;
            content += '\n';
        }
    }
    return writeFile(path, content);
}

bool writeBenchSets(const PuzzleCollector &collector, const std::filesystem::path &directory)
{
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    for (const Difficulty d : pondrel::allDifficulties) {
        const std::vector<std::string> &puzzles = collector.accepted(d);
        std::string content = "# " + std::to_string(puzzles.size()) + " " +
                              std::string(pondrel::rawValue(d)) +
                              " puzzles from pondrel-make-puzzle-list --bench-sets"
                              " (grid text, 0 for empty)\n";
        for (const std::string &text : puzzles) {
            content += text;
            content += '\n';
        }
        if (!writeFile(directory / ("generated-" + lowerName(d) + ".txt"), content)) {
            return false;
        }
    }
    return true;
}

std::optional<int> parsePositive(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 1) {
        return std::nullopt;
    }
    return value;
}

} // namespace

int main(int argc, char **argv)
{
    bool benchSets = false;
    std::optional<int> count;
    int threadCount = std::max(1u, std::thread::hardware_concurrency());
    std::optional<std::filesystem::path> output;

    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            printUsage(stdout);
            return 0;
        }
        if (arg == "--bench-sets") {
            benchSets = true;
        } else if (arg == "--count" || arg == "--threads") {
            const std::optional<int> value =
                i + 1 < argc ? parsePositive(argv[i + 1]) : std::nullopt;
            if (!value) {
                std::fprintf(
                    stderr, "pondrel-make-puzzle-list: %s needs a positive number\n", argv[i]);
                printUsage(stderr);
                return kUsageExitCode;
            }
            ++i;
            if (arg == "--count") {
                count = *value;
            } else {
                threadCount = *value;
            }
        } else if (!arg.starts_with('-') && !output) {
            output = std::filesystem::path(arg);
        } else {
            std::fprintf(stderr, "pondrel-make-puzzle-list: unexpected argument '%s'\n", argv[i]);
            printUsage(stderr);
            return kUsageExitCode;
        }
    }
    if (!output) {
        printUsage(stderr);
        return kUsageExitCode;
    }

    const int perDifficulty = count.value_or(benchSets ? kBenchSetCountDefault : kListCountDefault);
    PuzzleCollector collector(perDifficulty);
    std::fprintf(stderr,
                 "Generating %d puzzles per difficulty on %d thread%s...\n",
                 perDifficulty,
                 threadCount,
                 threadCount == 1 ? "" : "s");
    generateAll(collector, threadCount);
    if (collector.duplicates() > 0) {
        std::fprintf(stderr, "Dropped %d duplicate puzzles.\n", collector.duplicates());
    }

    const bool written =
        benchSets ? writeBenchSets(collector, *output) : writeBuiltInList(collector, *output);
    if (!written) {
        return 1;
    }
    std::fprintf(stderr, "Wrote %s\n", output->c_str());
    return 0;
}
