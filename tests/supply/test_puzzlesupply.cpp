#include "puzzlesupply.h"
#include "supplytestsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>
#include <thread>

#include <sys/stat.h>

using namespace pondrel;
using namespace pondrel::test;

namespace {

const std::string kA = solvedWithout({0});
const std::string kB = solvedWithout({10});
const std::string kC = solvedWithout({20});
const std::string kTwoSolutions = solvedWithout({0, 1, 27, 28}); // 1 2 / 2 1 can swap

std::uint64_t printOf(const std::string &text)
{
    return fingerprint(puzzleOf(text).givens);
}

SudokuPuzzle nthPuzzle(int n)
{
    SudokuPuzzle puzzle;
    for (int cell = 0; cell < 4; ++cell, n /= 10) {
        puzzle.givens[cell] = static_cast<std::uint8_t>(n % 10);
    }
    return puzzle;
}

class SupplyTest : public testing::Test
{
protected:
    QString supplyFile() const { return m_dir.filePath(QString::fromLatin1(kSupplyFileName)); }

    std::unique_ptr<PuzzleSupply> makeSupply(const SavedState &state, const std::string &list = {})
    {
        EXPECT_TRUE(writeSupplyFile(state, supplyFile()));
        return makeSupply(list);
    }

    std::unique_ptr<PuzzleSupply> makeSupply(const std::string &list = {})
    {
        PuzzleSupply::Sources sources;
        sources.bundledListPath = m_dir.filePath(QStringLiteral("list.txt"));
        EXPECT_TRUE(writeBytes(sources.bundledListPath, QByteArray::fromStdString(list)));
        return std::make_unique<PuzzleSupply>(m_dir.path(), false, std::move(sources));
    }

    QTemporaryDir m_dir;
};

using TakingPuzzles = SupplyTest;

TEST_F(TakingPuzzles, readyTextsThatCannotBeDealtAreDroppedInOrder)
{
    auto supply = makeSupply(
        {.ready = {{"Easy", {kA.substr(0, 40), kTwoSolutions, kA, kB, kC}}, {"easy", {kC}}},
         .played = {printOf(kA)}});
    const auto first = supply->takeReady(Difficulty::easy);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(*first, fromText(kB, Difficulty::easy));
    EXPECT_EQ(gridText(first->solution), kSolvedText);
    EXPECT_EQ(supply->state().ready.at("Easy"), std::vector<std::string>{kC});

    EXPECT_EQ(supply->takeReady(Difficulty::easy)->givens, puzzleOf(kC).givens);
    // Empty queue and no built-in list; a member under another name is never dealt.
    EXPECT_FALSE(supply->takeReady(Difficulty::easy).has_value());
    EXPECT_FALSE(supply->takeReady(Difficulty::medium).has_value());
    EXPECT_EQ(supply->state().ready.at("easy").size(), 1u);
}

TEST_F(TakingPuzzles, emptyQueueFallsBackToAnUndealtValidBuiltInPuzzle)
{
    const std::string list =
        "M " + kA + "\nM " + std::string(81, 'x') + "\nM " + kTwoSolutions + "\nM " + kB;
    auto supply = makeSupply({.played = {printOf(kA)}}, list);
    for (int round = 0; round < 20; ++round) {
        EXPECT_EQ(supply->takeReady(Difficulty::medium).value().givens, puzzleOf(kB).givens);
    }
    supply->markPlayed(puzzleOf(kB));
    EXPECT_FALSE(supply->takeReady(Difficulty::medium).has_value());

    // Dealt or not, takeBundled picks at random among the valid ones.
    std::set<std::string> seen;
    for (int round = 0; round < 40; ++round) {
        const auto puzzle = supply->takeBundled(Difficulty::medium);
        ASSERT_TRUE(puzzle.has_value());
        EXPECT_EQ(puzzle->difficulty, Difficulty::medium);
        seen.insert(gridText(puzzle->givens));
    }
    EXPECT_EQ(seen, (std::set{kA, kB}));
    EXPECT_FALSE(supply->takeBundled(Difficulty::hard).has_value());
}

TEST_F(TakingPuzzles, dealTakesAPlayedBuiltInPuzzleThenGeneratesRatherThanFail)
{
    auto supply = makeSupply({.played = {printOf(kA)}}, "E " + kA);
    EXPECT_EQ(supply->deal(Difficulty::easy).givens, puzzleOf(kA).givens);

    // Nothing at all for Medium: made on the spot, a proper puzzle.
    const SudokuPuzzle made = supply->deal(Difficulty::medium);
    const SolutionCount judged = judgeGivens(made.givens);
    EXPECT_EQ(judged.count, 1);
    EXPECT_EQ(judged.solution, made.solution);
    EXPECT_EQ(made.difficulty, Difficulty::medium);
}

using PlayedRecord = SupplyTest;

TEST_F(PlayedRecord, fingerprintIsFnv1aOverCellValuesNotCharacters)
{
    // Worked out independently; FNV-1a of the characters would be 10430256127555794236.
    EXPECT_EQ(printOf(std::string(kSolvedText)), 17165495800473925580ull);
    EXPECT_EQ(fingerprint(Grid{}), 1070706543744939679ull);
}

TEST_F(PlayedRecord, keepsExactlyTheNewestFingerprints)
{
    // In memory: every save is synced to disk, and 4001 of them take half a minute.
    PuzzleSupply memoryOnly(std::nullopt, false);
    const int total = int(PuzzleSupply::playedLimit) + 1;
    for (int n = 0; n < total; ++n) {
        memoryOnly.markPlayed(nthPuzzle(n));
    }
    const std::vector<std::uint64_t> &played = memoryOnly.state().played;
    ASSERT_EQ(played.size(), PuzzleSupply::playedLimit);
    EXPECT_EQ(played.front(), fingerprint(nthPuzzle(1).givens));
    EXPECT_EQ(played.back(), fingerprint(nthPuzzle(total - 1).givens));

    // A full record from the file loses its oldest entry on disk too.
    makeSupply({.played = played})->markPlayed(nthPuzzle(total));
    const std::vector<std::uint64_t> saved = readSupplyFile(supplyFile()).value().played;
    ASSERT_EQ(saved.size(), PuzzleSupply::playedLimit);
    EXPECT_EQ(saved.front(), played[1]);
}

using SupplyFilePersistence = SupplyTest;

TEST_F(SupplyFilePersistence, stateSurvivesARestartAndConstructionNeverWrites)
{
    const QByteArray original =
        R"({"note":1, "ready":{"Bogus":["as it is"],"Hard":[]}, "played":[4]})";
    ASSERT_TRUE(writeBytes(supplyFile(), original));
    SavedState expected;
    {
        auto supply = makeSupply();
        EXPECT_EQ(readBytes(supplyFile()), original);
        supply->markPlayed(puzzleOf(kB));
        supply->storeGenerated(puzzleOf(kC), Difficulty::medium);
        expected = supply->state();
    }
    EXPECT_EQ(expected,
              (SavedState{.ready = {{"Bogus", {"as it is"}}, {"Hard", {}}, {"Medium", {kC}}},
                          .played = {4, printOf(kB)}}));
    EXPECT_EQ(makeSupply()->state(), expected);
}

TEST_F(SupplyFilePersistence, unreadableFileIsIgnoredAndOverwrittenByTheNextDeal)
{
    // The last is 50 MB of well-formed JSON, far beyond anything the supply writes.
    const QByteArray huge =
        R"({"ready":{},"played":[)" + QByteArray("1,").repeated(25000000) + "1]}";
    for (const QByteArray &bytes : {QByteArray("{not json"),
                                    QByteArray(),
                                    QByteArray(R"({"ready":{"Easy":["12)"),
                                    QByteArray(R"({"played":[1]})"),
                                    QByteArray("{\"ready\":{\"E\xffsy\":[]},\"played\":[]}"),
                                    huge}) {
        ASSERT_TRUE(writeBytes(supplyFile(), bytes));
        auto supply = makeSupply();
        EXPECT_EQ(supply->state(), SavedState{}) << bytes.left(40).data();
        supply->markPlayed(puzzleOf(kA));
        EXPECT_EQ(readSupplyFile(supplyFile())->played, std::vector{printOf(kA)});
    }
}

TEST_F(SupplyFilePersistence, readersOnlyEverSeeACompleteFile)
{
    auto supply = makeSupply(SavedState{});
    std::atomic<bool> done = false;
    std::atomic<int> reads = 0;
    std::atomic<int> broken = 0;
    std::thread reader([&] {
        for (; !done; ++reads) {
            // Anything but a whole old or whole new file fails to decode.
            broken += readSupplyFile(supplyFile()) ? 0 : 1;
        }
    });
    for (int n = 0; n < 150; ++n) {
        supply->markPlayed(nthPuzzle(n));
    }
    done = true;
    reader.join();
    EXPECT_GT(reads.load(), 0);
    EXPECT_EQ(broken.load(), 0);
}

using SupplyFaults = SupplyTest;

TEST_F(SupplyFaults, withoutDirectoryNothingIsReadOrWritten)
{
    // It must not fall back to the working directory either.
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
    ASSERT_TRUE(writeSupplyFile({.played = {5}}, supplyFile()));
    const QByteArray before = readBytes(supplyFile());
    {
        PuzzleSupply supply(std::nullopt, false);
        EXPECT_FALSE(supply.filePath().has_value());
        EXPECT_TRUE(supply.state().played.empty());
        supply.markPlayed(puzzleOf(kA));
        supply.storeGenerated(puzzleOf(kB), Difficulty::easy);
        EXPECT_EQ(supply.takeReady(Difficulty::easy)->givens, puzzleOf(kB).givens);
    }
    QDir::setCurrent(previous);
    EXPECT_EQ(readBytes(supplyFile()), before);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 1);
}

TEST_F(SupplyFaults, directoryInPlaceOfTheFileLeavesTheSupplyInMemory)
{
    ASSERT_TRUE(QDir().mkpath(supplyFile()));
    auto supply = makeSupply();
    supply->markPlayed(puzzleOf(kA));
    supply->storeGenerated(puzzleOf(kB), Difficulty::hard);
    EXPECT_EQ(supply->state(), (SavedState{.ready = {{"Hard", {kB}}}, .played = {printOf(kA)}}));
    EXPECT_TRUE(QFileInfo(supplyFile()).isDir());
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 1) << "no temporary file left";
}

// The first save replaces a file that could not be read, so a copy is kept
// beside it first. A FIFO (here behind a link) is neither read, which could
// block, nor replaced by the save.
TEST_F(SupplyFaults, keepsAnUnreadableFileAsideAndLeavesAFifoAlone)
{
    const QByteArray junk("{\"ready\":{},\"played\":[1,\xff");
    ASSERT_TRUE(writeBytes(supplyFile(), junk));
    makeSupply()->markPlayed(puzzleOf(kA));
    EXPECT_EQ(readBytes(supplyFile() + QStringLiteral(".damaged")), junk);
    EXPECT_EQ(readSupplyFile(supplyFile())->played, std::vector{printOf(kA)});

    ASSERT_TRUE(QFile::remove(supplyFile()));
    const QString fifo = m_dir.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(fifo, supplyFile()));
    auto supply = makeSupply();
    supply->markPlayed(puzzleOf(kB));
    EXPECT_EQ(supply->state().played, std::vector{printOf(kB)});
    struct stat status = {};
    ASSERT_EQ(::stat(QFile::encodeName(supplyFile()).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
    EXPECT_TRUE(QFileInfo(supplyFile()).isSymLink());
}

TEST_F(SupplyFaults, readOnlyFolderKeepsTheOldFileAndTheSupplyInMemory)
{
    ASSERT_TRUE(writeSupplyFile({.played = {1}}, supplyFile()));
    const QByteArray before = readBytes(supplyFile());
    const QByteArray folder = QFile::encodeName(m_dir.path());
    ASSERT_EQ(chmod(folder.constData(), 0555), 0);
    if (writeBytes(m_dir.filePath(QStringLiteral("probe")), "x")) {
        chmod(folder.constData(), 0755);
        GTEST_SKIP() << "file permissions are not enforced for this user";
    }
    {
        PuzzleSupply supply(m_dir.path(), false);
        supply.markPlayed(puzzleOf(kA));
        EXPECT_EQ(supply.state().played, (std::vector<std::uint64_t>{1, printOf(kA)}));
    }
    chmod(folder.constData(), 0755);
    EXPECT_EQ(readBytes(supplyFile()), before);
}

TEST_F(SupplyFaults, defaultSupplyUsesTheApplicationDataFolderOrNone)
{
    const QByteArray previous = qgetenv("XDG_DATA_HOME");
    const QString dataHome = m_dir.filePath(QStringLiteral("data"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome));
    const auto supply = PuzzleSupply::makeDefault();
    const QString folder = QDir(dataHome).filePath(QCoreApplication::applicationName());
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(supply->filePath(), QDir(folder).filePath(QStringLiteral("PuzzleSupply.json")));
    EXPECT_TRUE(supply->generatesInBackground());
    EXPECT_FALSE(supply->bundled().empty());

    // A plain file where the data folder should be: no folder can be made.
    ASSERT_TRUE(writeBytes(m_dir.filePath(QStringLiteral("file")), "x"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("file/data"))));
    const auto homeless = PuzzleSupply::makeDefault();
    qputenv("XDG_DATA_HOME", previous);
    EXPECT_FALSE(homeless->filePath().has_value());
    homeless->markPlayed(puzzleOf(kA));
    EXPECT_EQ(homeless->state().played.size(), 1u);
}

} // namespace
