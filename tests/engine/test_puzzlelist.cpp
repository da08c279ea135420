// Checks the shipped built-in puzzle list, resources/Puzzles.txt. The supply
// deals from it only when nothing prepared is left, so a bad line would
// surface rarely and late; here every line must be exactly what the
// generator deals for its letter.

#include "difficulty.h"
#include "rating.h"
#include "solver.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using pondrel::Difficulty;

struct ListLine
{
    int number = 0; // 1-based, for failure messages
    std::string text;
};

struct ListFile
{
    bool opened = false;
    std::string content;
    std::vector<ListLine> lines;
};

const ListFile &listFile()
{
    // Read once for the whole suite; each case checks one property of every
    // line and names the offending line numbers.
    static const ListFile file = [] {
        ListFile result;
        std::ifstream in(PONDREL_PUZZLES_FILE, std::ios::binary);
        result.opened = static_cast<bool>(in);
        std::stringstream content;
        content << in.rdbuf();
        result.content = content.str();
        std::istringstream stream(result.content);
        std::string line;
        int number = 0;
        while (std::getline(stream, line)) {
            result.lines.push_back({++number, line});
        }
        return result;
    }();
    return file;
}

class BuiltInPuzzleList : public testing::Test
{
protected:
    static const std::vector<ListLine> &lines() { return listFile().lines; }

    // The difficulty of a line in the form the tool writes, or nothing.
    static std::optional<Difficulty> difficultyOf(const ListLine &line)
    {
        if (line.text.size() != 83 || line.text[1] != ' ') {
            return std::nullopt;
        }
        return pondrel::difficultyFromListLetter(line.text[0]);
    }

    static std::string gridTextOf(const ListLine &line) { return line.text.substr(2); }

    static std::optional<pondrel::SudokuPuzzle> puzzleOf(const ListLine &line)
    {
        const std::optional<Difficulty> difficulty = difficultyOf(line);
        if (!difficulty) {
            return std::nullopt;
        }
        return pondrel::fromText(gridTextOf(line), *difficulty);
    }
};

TEST_F(BuiltInPuzzleList, everyLineIsALetterABlankAnd81AsciiDigits)
{
    ASSERT_TRUE(listFile().opened) << "cannot open " << PONDREL_PUZZLES_FILE;
    ASSERT_FALSE(lines().empty());
    // The loader would also accept extra blanks or CR LF endings; the tool
    // writes neither, so either one here means the file was edited by hand.
    EXPECT_EQ(listFile().content.back(), '\n') << "the last line has no line feed";
    EXPECT_EQ(listFile().content.find('\r'), std::string::npos) << "the file has carriage returns";
    for (const ListLine &line : lines()) {
        EXPECT_TRUE(difficultyOf(line).has_value())
            << "line " << line.number << " is not '<E|M|H|X> <81 digits>': " << line.text;
        const std::string digits = line.text.size() > 2 ? gridTextOf(line) : std::string();
        EXPECT_TRUE(
            std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            << "line " << line.number << " holds a character other than 0..9: " << line.text;
    }
}

TEST_F(BuiltInPuzzleList, everyPuzzleIsOneTheGeneratorDealsForItsLetter)
{
    for (const ListLine &line : lines()) {
        const std::optional<pondrel::SudokuPuzzle> puzzle = puzzleOf(line);
        if (!puzzle) {
            ADD_FAILURE() << "line " << line.number << " has no solution, several, or is malformed";
            continue;
        }
        EXPECT_EQ(pondrel::rating(puzzle->givens), pondrel::targetRating(puzzle->difficulty))
            << "line " << line.number << " is filed as " << pondrel::rawValue(puzzle->difficulty);
        // The generator stops removing at the drawn target, never below the
        // lowest of the range; fewer clues means the line was not generated
        // for this letter.
        EXPECT_GE(pondrel::test::clueCount(puzzle->givens),
                  pondrel::clueRange(puzzle->difficulty).lowest)
            << "line " << line.number;
    }
}

TEST_F(BuiltInPuzzleList, noPuzzleAppearsTwice)
{
    // Keyed by the grid alone: the same givens under two letters would be
    // a fault as well, since a grid has only one rating.
    std::map<std::string, int> firstLine;
    for (const ListLine &line : lines()) {
        if (line.text.size() < 2) {
            continue;
        }
        const auto [it, inserted] = firstLine.emplace(gridTextOf(line), line.number);
        EXPECT_TRUE(inserted) << "line " << line.number << " repeats line " << it->second;
    }
}

TEST_F(BuiltInPuzzleList, holdsAtLeastFiftyPuzzlesOfEachDifficulty)
{
    std::map<Difficulty, int> counts;
    for (const ListLine &line : lines()) {
        if (const std::optional<Difficulty> d = difficultyOf(line)) {
            ++counts[*d];
        }
    }
    for (const Difficulty d : pondrel::allDifficulties) {
        EXPECT_GE(counts[d], 50) << pondrel::rawValue(d);
    }
}

} // namespace
