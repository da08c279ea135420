// pondrel-engine-demo: deals one puzzle of a chosen difficulty and prints it
// with its solution, rating, clue count and the time the generator took.
// It is the quickest way to see the engine work before the tray app exists.

#include "generator.h"
#include "rating.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace {

using pondrel::Difficulty;
using pondrel::Grid;

constexpr int kUsageExitCode = 2;
// Every caller of the generator in the app passes this and retries on a miss.
constexpr int kGenerationAttempts = 60;

void printUsage(std::FILE *stream)
{
    std::fprintf(stream,
                 "usage: pondrel-engine-demo [--difficulty] [easy|medium|hard|expert]\n"
                 "\n"
                 "Generates one puzzle of the difficulty (default easy) and prints it with\n"
                 "its solution, rating, clue count and the time it took.\n"
                 "\n"
                 "  -d, --difficulty LEVEL  easy, medium, hard or expert\n"
                 "  -h, --help              show this text\n");
}

std::optional<Difficulty> parseDifficulty(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) {
        return static_cast<char>(std::tolower(c));
    });
    for (const Difficulty d : pondrel::allDifficulties) {
        std::string name(pondrel::rawValue(d));
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) {
            return static_cast<char>(std::tolower(c));
        });
        if (name == lower) {
            return d;
        }
    }
    return std::nullopt;
}

// Line 0..12 of a grid drawing: lines 0, 4, 8 and 12 are box borders, the
// others hold rows 0..8 with '.' for an empty cell. Returned line by line so
// the puzzle and its solution can be printed side by side.
std::string gridLine(const Grid &grid, int line)
{
    if (line % 4 == 0) {
        return "+-------+-------+-------+";
    }
    const int gridRow = line - line / 4 - 1;
    std::string text = "|";
    for (int c = 0; c < 9; ++c) {
        const int value = grid[gridRow * 9 + c];
        text += ' ';
        text += value == 0 ? '.' : static_cast<char>('0' + value);
        if (c % 3 == 2) {
            text += " |";
        }
    }
    return text;
}

int clueCount(const Grid &grid)
{
    return static_cast<int>(
        std::count_if(grid.begin(), grid.end(), [](std::uint8_t v) { return v != 0; }));
}

} // namespace

int main(int argc, char **argv)
{
    Difficulty difficulty = Difficulty::easy;
    bool difficultyGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            printUsage(stdout);
            return 0;
        }
        std::string_view value = arg;
        if (arg == "-d" || arg == "--difficulty") {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "pondrel-engine-demo: %s needs a value\n", argv[i]);
                printUsage(stderr);
                return kUsageExitCode;
            }
            value = argv[++i];
        } else if (arg.starts_with("--difficulty=")) {
            value = arg.substr(std::string_view("--difficulty=").size());
        }
        const std::optional<Difficulty> parsed = parseDifficulty(value);
        if (!parsed || difficultyGiven) {
            std::fprintf(stderr, "pondrel-engine-demo: unexpected argument '%s'\n", argv[i]);
            printUsage(stderr);
            return kUsageExitCode;
        }
        difficulty = *parsed;
        difficultyGiven = true;
    }

    const auto start = std::chrono::steady_clock::now();
    std::optional<pondrel::SudokuPuzzle> puzzle;
    int calls = 0;
    while (!puzzle) {
        ++calls;
        puzzle = pondrel::generate(difficulty, kGenerationAttempts);
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    const double milliseconds = std::chrono::duration<double, std::milli>(elapsed).count();

    const std::string name(pondrel::rawValue(difficulty));
    std::printf("%s puzzle%*sSolution\n", name.c_str(), static_cast<int>(28 - 7 - name.size()), "");
    for (int line = 0; line < 13; ++line) {
        std::printf("%s   %s\n",
                    gridLine(puzzle->givens, line).c_str(),
                    gridLine(puzzle->solution, line).c_str());
    }
    std::printf("\n");
    std::printf("Grid text:  %s\n", pondrel::gridText(puzzle->givens).c_str());
    std::printf("Rating:     %d (target %d)\n",
                pondrel::rating(puzzle->givens),
                pondrel::targetRating(difficulty));
    std::printf("Clues:      %d\n", clueCount(puzzle->givens));
    if (calls == 1) {
        std::printf("Time:       %.1f ms\n", milliseconds);
    } else {
        // Each call gives up after kGenerationAttempts rejected attempts.
        std::printf("Time:       %.1f ms (%d calls of generate)\n", milliseconds, calls);
    }
    return 0;
}
