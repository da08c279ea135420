#include "generator.h"
#include "solver.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

using namespace pondrel;
using namespace pondrel::test;

namespace {

// Up to `limit` puzzles of a file with one per line ("#" starts a comment),
// after skipping the first `skip` of them.
std::vector<Grid> readPuzzleFile(const std::string &path, std::size_t limit, std::size_t skip = 0)
{
    std::vector<Grid> grids;
    std::ifstream in(path);
    std::string line;
    while (grids.size() < limit && std::getline(in, line)) {
        if (line.size() >= 81 && line[0] != '#') {
            if (skip > 0) {
                --skip;
                continue;
            }
            grids.push_back(gridFromText(line));
        }
    }
    return grids;
}

Grid solvedWithout(std::initializer_list<int> cells)
{
    Grid grid = gridFromText(kSolvedText);
    for (const int cell : cells) {
        grid[cell] = 0;
    }
    return grid;
}

// The counting solver must give the plain search's answer on every grid.
void expectSameAnswer(const Grid &grid)
{
    const std::vector<Grid> plain = solutions(grid, 2);
    const SolutionCount counted = countSolutions(grid);
    ASSERT_EQ(counted.count, static_cast<int>(plain.size())) << gridText(grid);
    if (counted.count == 1) {
        ASSERT_EQ(counted.solution, plain.front()) << gridText(grid);
    }
}

// The puzzle and three neighbours of it: one clue fewer (usually ambiguous),
// and one wrong clue added (usually no solution).
void expectSameAnswerAround(const Grid &grid)
{
    expectSameAnswer(grid);
    Grid fewer = grid;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (fewer[cell] != 0) {
            fewer[cell] = 0;
            break;
        }
    }
    expectSameAnswer(fewer);
    const std::vector<Grid> solved = solutions(grid, 1);
    ASSERT_EQ(solved.size(), 1u) << gridText(grid);
    Grid wrong = grid;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (wrong[cell] == 0) {
            wrong[cell] = static_cast<std::uint8_t>(solved[0][cell] % 9 + 1);
            break;
        }
    }
    expectSameAnswer(wrong);
}

} // namespace

TEST(Solutions, completeGridIsItsOwnOnlySolution)
{
    const Grid solved = gridFromText(kSolvedText);
    EXPECT_EQ(solutions(solved, 2), std::vector<Grid>{solved});
    const auto puzzle = fromText(kSolvedText, Difficulty::medium);
    ASSERT_TRUE(puzzle);
    EXPECT_EQ(puzzle->givens, solved);
    EXPECT_EQ(puzzle->solution, solved);
    EXPECT_EQ(puzzle->difficulty, Difficulty::medium);
}

TEST(Solutions, emptyGridHasManyAndStopsAtTheLimit)
{
    const Grid empty{};
    EXPECT_EQ(solutions(empty, 2).size(), 2u);
    EXPECT_EQ(solutions(empty, 1).size(), 1u);
    EXPECT_EQ(solutions(empty, 5).size(), 5u);
    EXPECT_TRUE(solutions(empty, 0).empty());
    EXPECT_EQ(countSolutions(empty).count, 2);
    EXPECT_FALSE(fromText(std::string(81, '0'), Difficulty::easy));
}

TEST(Solutions, anySingleEmptiedCellIsRestored)
{
    const Grid solved = gridFromText(kSolvedText);
    for (int cell = 0; cell < kCellCount; ++cell) {
        const Grid grid = solvedWithout({cell});
        EXPECT_EQ(solutions(grid, 2), std::vector<Grid>{solved}) << cell;
        EXPECT_EQ(countSolutions(grid).count, 1);
    }
}

TEST(Solutions, twoSolutionsComeInSearchOrder)
{
    // Cells 0, 1, 27 and 28 hold 1, 2, 2, 1: swapping them gives a second grid.
    const Grid grid = solvedWithout({0, 1, 27, 28});
    const std::vector<Grid> found = solutions(grid, 2);
    ASSERT_EQ(found.size(), 2u);
    // Cell 0 is branched on first, digits ascending: the 1 comes first.
    EXPECT_EQ(found[0], gridFromText(kSolvedText));
    Grid swapped = gridFromText(kSolvedText);
    std::swap(swapped[0], swapped[1]);
    std::swap(swapped[27], swapped[28]);
    EXPECT_EQ(found[1], swapped);
    EXPECT_EQ(countSolutions(grid).count, 2);
    EXPECT_FALSE(fromText(gridText(grid), Difficulty::easy));
}

TEST(Solutions, tiesGoToTheFirstCellWithTheFewestCandidates)
{
    // Two independent swappable rectangles, every empty cell with two
    // candidates: cells 0, 1, 27, 28 (1 2 / 2 1) and 25, 26, 52, 53 (5 6 / 6 5).
    // Branching on cell 0 settles the first rectangle at its lower digit,
    // and the second solution differs in the second rectangle. Branching on
    // a later tied cell (cell 53) would flip the first rectangle instead.
    const Grid grid = solvedWithout({0, 1, 27, 28, 25, 26, 52, 53});
    const std::vector<Grid> found = solutions(grid, 2);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0], gridFromText(kSolvedText));
    Grid secondSwapped = gridFromText(kSolvedText);
    std::swap(secondSwapped[25], secondSwapped[26]);
    std::swap(secondSwapped[52], secondSwapped[53]);
    EXPECT_EQ(found[1], secondSwapped);
}

TEST(Solutions, invalidGridsGiveNothing)
{
    const std::vector<std::uint8_t> eighty(80, 0);
    EXPECT_TRUE(solutions(eighty, 2).empty());
    EXPECT_EQ(countSolutions(eighty).count, 0);
    Grid clash{};
    clash[0] = 3;
    clash[40] = 3;
    clash[44] = 3;
    EXPECT_TRUE(solutions(clash, 2).empty());
    EXPECT_EQ(countSolutions(clash).count, 0);
    Grid outOfRange = gridFromText(kSolvedText);
    outOfRange[5] = 12;
    EXPECT_TRUE(solutions(outOfRange, 2).empty());
    EXPECT_EQ(countSolutions(outOfRange).count, 0);
    outOfRange[0] = 0;
    EXPECT_FALSE(hasSolutionWithout(outOfRange, 0, 1));
}

TEST(Solutions, unsolvableButLegalGridGivesNothing)
{
    // Row 0 needs a 9 in cell 8, but column 8 already has one.
    Grid grid{};
    for (int cell = 0; cell < 8; ++cell) {
        grid[cell] = static_cast<std::uint8_t>(cell + 1);
    }
    grid[80] = 9;
    EXPECT_TRUE(solutions(grid, 2).empty());
    EXPECT_EQ(countSolutions(grid).count, 0);
    // The 1s in row 0, column 1 and column 2 leave box 0 no free cell for a 1,
    // though its two empty cells still have a candidate (9) each.
    Grid hidden{};
    hidden[3] = 1;
    hidden[28] = 1;
    hidden[56] = 1;
    const int others[] = {0, 9, 10, 11, 18, 19, 20};
    for (int i = 0; i < 7; ++i) {
        hidden[others[i]] = static_cast<std::uint8_t>(i + 2);
    }
    EXPECT_TRUE(solutions(hidden, 2).empty());
    EXPECT_EQ(countSolutions(hidden).count, 0);
}

TEST(CountingSolver, agreesWithThePlainSearchOnCommittedHardPuzzles)
{
    // 250 of magictour's top1465 and 150 minimal 17-clue puzzles (see the
    // file's header): the grids on which the two solvers' searches differ most.
    const std::vector<Grid> grids =
        readPuzzleFile(PONDREL_TEST_DATA_DIR "/hard-public-puzzles.txt", 1000);
    ASSERT_EQ(grids.size(), 400u);
    for (const Grid &grid : grids) {
        expectSameAnswerAround(grid);
    }
}

TEST(CountingSolver, agreesWithThePlainSearchOnMorePublicPuzzles)
{
    // The full public sets, where a checkout has them beside it: the puzzles
    // after the committed ones.
    const std::string dir = PONDREL_BENCH_DATA_DIR;
    std::vector<Grid> grids = readPuzzleFile(dir + "/top1465.txt", 60, 400);
    const std::vector<Grid> sparse = readPuzzleFile(dir + "/17-clue.txt", 20, 49000);
    grids.insert(grids.end(), sparse.begin(), sparse.end());
    if (grids.empty()) {
        GTEST_SKIP() << "public puzzle sets not found in " << dir;
    }
    for (const Grid &grid : grids) {
        expectSameAnswerAround(grid);
    }
}

TEST(CountingSolver, agreesWithThePlainSearchOnGeneratedPuzzles)
{
    SystemRandomSource random;
    for (const Difficulty difficulty : allDifficulties) {
        for (int i = 0; i < 60; ++i) {
            const auto puzzle = generate(difficulty, 60, random);
            ASSERT_TRUE(puzzle);
            expectSameAnswer(puzzle->givens);
            // Emptying random clues walks through unique and ambiguous grids.
            Grid grid = puzzle->givens;
            for (int k = 0; k < 4; ++k) {
                const auto cell = static_cast<int>(uniformBelow(random, kCellCount));
                grid[cell] = 0;
                expectSameAnswer(grid);
            }
        }
    }
}

TEST(CountingSolver, hasSolutionWithoutMatchesTheCount)
{
    SystemRandomSource random;
    const auto puzzle = generate(Difficulty::expert, 60, random);
    ASSERT_TRUE(puzzle);
    for (int cell = 0; cell < kCellCount; ++cell) {
        const int digit = puzzle->givens[cell];
        if (digit == 0) {
            continue;
        }
        Grid without = puzzle->givens;
        without[cell] = 0;
        EXPECT_EQ(hasSolutionWithout(without, cell, digit), countSolutions(without).count == 2) << cell;
    }
}

TEST(FromText, acceptsDecimalDigitsOfOtherScripts)
{
    // Arabic-Indic, Devanagari and full-width digits stand for their value.
    const char *arabicIndic[] = {"\u0660", "\u0661", "\u0662", "\u0663", "\u0664",
                                 "\u0665", "\u0666", "\u0667", "\u0668", "\u0669"};
    const char *devanagari[] = {"\u0966", "\u0967", "\u0968", "\u0969", "\u096A",
                                "\u096B", "\u096C", "\u096D", "\u096E", "\u096F"};
    const char *fullWidth[] = {"\uFF10", "\uFF11", "\uFF12", "\uFF13", "\uFF14",
                               "\uFF15", "\uFF16", "\uFF17", "\uFF18", "\uFF19"};
    const Grid puzzle = solvedWithout({0, 10, 20, 40, 80});
    const std::string ascii = gridText(puzzle);
    for (const auto *script : {arabicIndic, devanagari, fullWidth}) {
        std::string text;
        for (std::size_t i = 0; i < ascii.size(); ++i) {
            // Mix scripts with ASCII to show each character stands alone.
            text += (i % 2 == 0) ? std::string(script[ascii[i] - '0']) : std::string(1, ascii[i]);
        }
        const auto parsed = fromText(text, Difficulty::hard);
        ASSERT_TRUE(parsed) << text;
        EXPECT_EQ(parsed->givens, puzzle);
        EXPECT_EQ(parsed->solution, gridFromText(kSolvedText));
    }
}

TEST(FromText, turnsDownEverythingElse)
{
    const std::string valid(kSolvedText);
    std::vector<std::string> texts = {
        valid.substr(0, 80),
        valid + "1",
        "." + valid.substr(1),
        " " + valid.substr(1),
        valid.substr(0, 40) + "\n" + valid.substr(41),
        "\u216B" + valid.substr(1), // Roman numeral twelve
        "\u00BD" + valid.substr(1), // one half
        "\u2469" + valid.substr(1), // circled ten
        "\u4E07" + valid.substr(1), // CJK ten thousand
        "\xFF" + valid.substr(1),   // invalid UTF-8
        "\xC3" + valid.substr(1),   // truncated sequence
        "\xE0\x80\xB1" + valid.substr(1), // overlong encoding of "1"
        "1\u0301" + valid.substr(1),      // a digit with a combining accent
        std::string(1, '\0') + valid.substr(1),
        "",
        std::string(100000, '1'),
    };
    for (const std::string &text : texts) {
        EXPECT_FALSE(fromText(text, Difficulty::easy)) << text.substr(0, 90);
    }
}

TEST(FromText, judgesMutatedPuzzleTextsLikeThePlainSearch)
{
    // Texts near a real puzzle: a few cells changed to another digit or to
    // any byte, a character dropped or added. An all-ASCII text is a puzzle
    // exactly when it is 81 decimal digits with one solution; any accepted
    // text comes with its own solution.
    const std::vector<Grid> puzzles =
        readPuzzleFile(PONDREL_TEST_DATA_DIR "/hard-public-puzzles.txt", 40);
    ASSERT_FALSE(puzzles.empty());
    SystemRandomSource random;
    int accepted = 0;
    int rejected = 0;
    for (int i = 0; i < 3000; ++i) {
        std::string text = gridText(puzzles[uniformBelow(random, puzzles.size())]);
        const auto changes = 1 + uniformBelow(random, 3);
        for (std::uint64_t k = 0; k < changes; ++k) {
            const auto at = static_cast<std::size_t>(uniformBelow(random, text.size()));
            switch (uniformBelow(random, 8)) {
            case 0:
                text[at] = static_cast<char>(uniformBelow(random, 256));
                break;
            case 1:
                text.erase(at, 1);
                break;
            case 2:
                text.insert(at, 1, static_cast<char>('0' + uniformBelow(random, 10)));
                break;
            default:
                text[at] = static_cast<char>('0' + uniformBelow(random, 10));
                break;
            }
        }
        const auto puzzle = fromText(text, Difficulty::hard);
        const bool ascii = std::all_of(
            text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        if (ascii) {
            const bool digits =
                text.size() == 81 &&
                std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
            const bool unique = digits && solutions(gridFromText(text), 2).size() == 1;
            ASSERT_EQ(puzzle.has_value(), unique) << text;
        }
        if (puzzle) {
            ++accepted;
            EXPECT_EQ(solutions(puzzle->givens, 2), std::vector<Grid>{puzzle->solution}) << text;
            EXPECT_EQ(puzzle->difficulty, Difficulty::hard);
        } else {
            ++rejected;
        }
    }
    // Both answers came up often (about one text in twenty is a puzzle).
    EXPECT_GT(accepted, 50);
    EXPECT_GT(rejected, 1000);
}
