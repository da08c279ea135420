// pondrel-engine-demo: deals one puzzle of a chosen difficulty and prints it
// with its solution, rating, clue count and the time the generator took.
// It is the quickest way to see the engine work before the tray app exists.
// `steps` solves puzzles from standard input as a person would, one line per
// step, for scripts and for comparing the ladder with other solvers; with
// `--explain` each step is followed by what the player is told about it.

#include "generator.h"
#include "rating.h"
#include "solver.h"
#include "stepfinder.h"

#ifdef PONDREL_DEMO_EXPLAINS
#include "stepwording.h"
#endif

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <iostream>
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
                 "       pondrel-engine-demo steps [--explain] < puzzles\n"
                 "\n"
                 "Generates one puzzle of the difficulty (default easy) and prints it with\n"
                 "its solution, rating, clue count and the time it took.\n"
                 "\n"
                 "steps: reads puzzles from standard input, one a line (81 characters,\n"
                 "digits with '.' or '0' for empty; blank lines and lines starting with '#'\n"
                 "are skipped) and solves each as a person would, printing one line per\n"
                 "step:\n"
                 "  <Technique> | <placements> | <eliminations>\n"
                 "placements as r1c2=5, removed candidates as r3c4-7 (rows and columns\n"
                 "1-9), separated by single spaces; an empty part leaves nothing between\n"
                 "the separators, e.g. \"Pointing |  | r3c4-7\". Then \"solved\" or\n"
                 "\"stuck\" (no technique applies), or \"invalid\" for a line that is not a\n"
                 "puzzle with exactly one solution, and an empty line. Exit status 0.\n"
                 "With --explain each step line is followed by a line indented by two\n"
                 "spaces: the step's reason as the player reads it, in English.\n"
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
        const int value = grid[pondrel::cellAt(gridRow, c)];
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

// "r3c4" for cell 29.
std::string cellName(int cell)
{
    std::string name = "r0c0";
    name[1] = static_cast<char>('1' + pondrel::row(cell));
    name[3] = static_cast<char>('1' + pondrel::column(cell));
    return name;
}

// "<Technique> | <placements> | <eliminations>", the separators kept when a
// part is empty.
std::string stepLine(const pondrel::Step &step)
{
    std::string line(pondrel::techniqueName(step.technique));
    line += " | ";
    const char *separator = "";
    for (const pondrel::Placement &p : step.placements) {
        line += separator;
        line += cellName(p.cell);
        line += '=';
        line += static_cast<char>('0' + p.digit);
        separator = " ";
    }
    line += " | ";
    separator = "";
    for (const pondrel::Elimination &e : step.eliminations) {
        line += separator;
        line += cellName(e.cell);
        line += '-';
        line += static_cast<char>('0' + e.digit);
        separator = " ";
    }
    return line;
}

// The puzzle of one line, or nothing when it is not 81 digits and dots or
// has no single solution.
std::optional<Grid> puzzleOf(std::string_view text)
{
    if (text.size() != pondrel::kCellCount) {
        return std::nullopt;
    }
    Grid grid{};
    for (int i = 0; i < pondrel::kCellCount; ++i) {
        const char c = text[static_cast<std::size_t>(i)];
        if (c >= '1' && c <= '9') {
            grid[i] = static_cast<std::uint8_t>(c - '0');
        } else if (c != '.' && c != '0') {
            return std::nullopt;
        }
    }
    // The steps assume one solution (a unique rectangle is a step only then).
    if (pondrel::judgeGivens(grid).count != 1) {
        return std::nullopt;
    }
    return grid;
}

int printSteps([[maybe_unused]] bool explains)
{
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        std::optional<Grid> values = puzzleOf(line);
        if (!values) {
            std::printf("invalid\n\n");
            continue;
        }
        pondrel::Masks candidates = *pondrel::candidateMasks(*values);
        bool solved = false;
        while (const std::optional<pondrel::Step> step =
                   pondrel::findNextStep(*values, candidates)) {
            std::printf("%s\n", stepLine(*step).c_str());
#ifdef PONDREL_DEMO_EXPLAINS
            if (explains) {
                std::printf("  %s\n",
                            pondrel::reasonLine(*step).englishText().toUtf8().constData());
            }
#endif
            pondrel::applyStep(*step, *values, candidates);
        }
        solved = std::find(values->begin(), values->end(), 0) == values->end();
        std::printf("%s\n\n", solved ? "solved" : "stuck");
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    Difficulty difficulty = Difficulty::easy;
    bool difficultyGiven = false;
    if (argc >= 2 && std::string_view(argv[1]) == "steps") {
        const bool explains = argc == 3 && std::string_view(argv[2]) == "--explain";
        if (argc > 3 || (argc == 3 && !explains)) {
            std::fprintf(stderr, "pondrel-engine-demo: unexpected argument '%s'\n", argv[argc - 1]);
            printUsage(stderr);
            return kUsageExitCode;
        }
#ifndef PONDREL_DEMO_EXPLAINS
        if (explains) {
            std::fprintf(stderr,
                         "pondrel-engine-demo: built without the game library, "
                         "so without --explain\n");
            return kUsageExitCode;
        }
#endif
        return printSteps(explains);
    }
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
