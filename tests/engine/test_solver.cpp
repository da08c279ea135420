#include "generator.h"
#include "solver.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace pondrel;
using namespace pondrel::test;

namespace {

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
    // Swappable rectangles, every empty cell with two candidates: cells 0, 1,
    // 27, 28 (1 2 / 2 1) and 25, 26, 52, 53 (5 6 / 6 5). The search branches
    // on the first cell with the fewest candidates, digits ascending: the
    // first solution is the solved grid, and with both rectangles open the
    // second one differs in the second rectangle (branching on a later tied
    // cell, such as 53, would flip the first rectangle instead).
    const struct
    {
        Grid grid;
        std::array<int, 4> swappedInSecond;
    } cases[] = {{solvedWithout({0, 1, 27, 28}), {0, 1, 27, 28}},
                 {solvedWithout({0, 1, 27, 28, 25, 26, 52, 53}), {25, 26, 52, 53}}};
    for (const auto &[grid, swap] : cases) {
        const std::vector<Grid> found = solutions(grid, 2);
        ASSERT_EQ(found.size(), 2u);
        EXPECT_EQ(found[0], gridFromText(kSolvedText));
        Grid second = gridFromText(kSolvedText);
        std::swap(second[swap[0]], second[swap[1]]);
        std::swap(second[swap[2]], second[swap[3]]);
        EXPECT_EQ(found[1], second) << gridText(grid);
        EXPECT_EQ(countSolutions(grid).count, 2);
        EXPECT_FALSE(fromText(gridText(grid), Difficulty::easy));
    }
}

TEST(Solutions, invalidAndUnsolvableGridsGiveNothing)
{
    const std::vector<std::uint8_t> eighty(80, 0);
    EXPECT_TRUE(solutions(eighty, 2).empty());
    EXPECT_EQ(countSolutions(eighty).count, 0);
    Grid clash{};
    clash[0] = 3;
    clash[40] = 3;
    clash[44] = 3;
    Grid outOfRange = gridFromText(kSolvedText);
    outOfRange[5] = 12;
    // Legal: the 1s in row 0, column 1 and column 2 leave box 0 no free cell
    // for a 1, though its two empty cells still have a candidate (9) each.
    Grid hidden{};
    hidden[3] = 1;
    hidden[28] = 1;
    hidden[56] = 1;
    const int others[] = {0, 9, 10, 11, 18, 19, 20};
    for (int i = 0; i < 7; ++i) {
        hidden[others[i]] = static_cast<std::uint8_t>(i + 2);
    }
    for (const Grid &grid : {clash, outOfRange, deadCellGrid(), hidden}) {
        EXPECT_TRUE(solutions(grid, 2).empty()) << gridText(grid);
        EXPECT_EQ(countSolutions(grid).count, 0) << gridText(grid);
    }
    outOfRange[0] = 0;
    EXPECT_FALSE(hasSolutionWithout(outOfRange, 0, 1));
}

TEST(CountingSolver, agreesWithThePlainSearchOnCommittedHardPuzzles)
{
    // 250 of magictour's top1465, 150 minimal 17-clue puzzles, 12 more of
    // both and four of the forum's hardest (see the file's header): the
    // grids on which the two solvers' searches differ most.
    const std::vector<Grid> grids =
        readPuzzleFile(PONDREL_TEST_DATA_DIR "/hard-public-puzzles.txt", 1000);
    ASSERT_EQ(grids.size(), 416u);
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
        EXPECT_EQ(hasSolutionWithout(without, cell, digit), countSolutions(without).count == 2)
            << cell;
    }
}

TEST(FromText, acceptsDecimalDigitsOfOtherScripts)
{
    // Arabic-Indic, Devanagari and full-width digits stand for their value;
    // each script's zero is given, in UTF-8 the others follow it.
    const auto utf8 = [](char32_t c) {
        if (c < 0x800) {
            return std::string{char(0xC0 | (c >> 6)), char(0x80 | (c & 0x3F))};
        }
        return std::string{
            char(0xE0 | (c >> 12)), char(0x80 | ((c >> 6) & 0x3F)), char(0x80 | (c & 0x3F))};
    };
    const Grid puzzle = solvedWithout({0, 10, 20, 40, 80});
    const std::string ascii = gridText(puzzle);
    for (const char32_t zero : {U'\u0660', U'\u0966', U'\uFF10'}) {
        std::string text;
        for (std::size_t i = 0; i < ascii.size(); ++i) {
            // Mix scripts with ASCII to show each character stands alone.
            text += (i % 2 == 0) ? utf8(zero + char32_t(ascii[i] - '0')) : std::string(1, ascii[i]);
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
        "\u216B" + valid.substr(1),       // Roman numeral twelve
        "\u00BD" + valid.substr(1),       // one half
        "\u2469" + valid.substr(1),       // circled ten
        "\u4E07" + valid.substr(1),       // CJK ten thousand
        "\xFF" + valid.substr(1),         // invalid UTF-8
        "\xC3" + valid.substr(1),         // truncated sequence
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
