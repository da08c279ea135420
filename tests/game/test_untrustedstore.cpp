// The preference file is the user's to edit, and other programs or older
// versions may have left anything in it. Whatever a key holds, the model
// starts without a crash and takes the default for anything it does not
// recognise, whether the value comes typed from memory or as text from the
// file, written by QSettings or by hand.

#include "gametestsupport.h"

#include <QDateTime>
#include <QFileInfo>
#include <QPoint>
#include <QRectF>

#include <cmath>
#include <limits>

using namespace pondrel;
using namespace pondrel::test;

namespace {

const char *const kEveryKey[] = {
    GameStatistics::kGamesCountKey,
    GameStatistics::kSolvedCountKey,
    GameStatistics::kCurrentStreakKey,
    GameStatistics::kBestStreakKey,
    GameSettings::kHasSeenWelcomeKey,
    GameSettings::kHighlightsMistakesKey,
    GameSettings::kHighlightsMatchesKey,
    GameSettings::kClearsNotesKey,
    GameSettings::kDifficultyKey,
    GameSettings::kBoardSizeKey,
    GameSettings::kMenuBarIconKey,
    "Pondrel_BestTime_Easy",
    "Pondrel_BestTime_Medium",
    "Pondrel_BestTime_Hard",
    "Pondrel_BestTime_Expert",
    kSavedSudokuKey,
};

void expectDefaults(const SudokuGame &game)
{
    EXPECT_FALSE(game.highlightsMistakes());
    EXPECT_FALSE(game.hasSeenWelcome());
    EXPECT_TRUE(game.highlightsMatchingNumbers());
    EXPECT_TRUE(game.clearsNotesAutomatically());
    EXPECT_EQ(game.difficulty(), Difficulty::medium);
    EXPECT_EQ(game.boardSize(), BoardSize::standard);
    EXPECT_EQ(game.menuBarIcon(), MenuBarIconOption::dots);
    EXPECT_EQ(game.gamesCount(), 0);
    EXPECT_EQ(game.solvedCount(), 0);
    EXPECT_EQ(game.currentStreak(), 0);
    EXPECT_EQ(game.bestStreak(), 0);
    EXPECT_TRUE(game.bestTimes().empty());
    // The saved game was discarded and a new one dealt.
    EXPECT_FALSE(game.hasStartedCurrentGame());
    EXPECT_EQ(game.elapsed(), 0);
}

struct Junk
{
    const char *name;
    QVariant value;
};

void PrintTo(const Junk &junk, std::ostream *out)
{
    *out << junk.name;
}

// Values that are no integer, no bool, no setting's text and no record.
const Junk kJunk[] = {
    {"stringList", QStringList{QStringLiteral("1"), QStringLiteral("2")}},
    {"variantList", QVariantList{1, true}},
    {"map", QVariantMap{{QStringLiteral("Hard"), 1}}},
    {"bytes", QByteArray("\0\xff\xfe junk", 9)},
    {"invalid", QVariant()},
    {"point", QPoint(1, 2)},
    {"rect", QRectF(1, 2, 3, 4)},
    {"dateTime", QDateTime::fromSecsSinceEpoch(1, Qt::UTC)},
    {"emptyText", QString()},
    {"nanText", QStringLiteral("NaN")},
    {"hugeExponentText", QStringLiteral("1e308")},
    {"nan", std::numeric_limits<double>::quiet_NaN()},
    {"infinity", -std::numeric_limits<double>::infinity()},
    {"hugeDouble", 1e308},
    {"largestUnsigned", std::numeric_limits<quint64>::max()},
    {"quarterMegabyteText", QString(256 * 1024, QLatin1Char('7'))},
};

class JunkInEveryKey : public GameTest, public testing::WithParamInterface<Junk>
{
protected:
    void storeJunk()
    {
        for (const char *key : kEveryKey) {
            storeValue(key, GetParam().value);
        }
    }
};

TEST_P(JunkInEveryKey, readsAsTheDefaultsStraightFromMemory)
{
    storeJunk();
    expectDefaults(*makeGame());
}

TEST_P(JunkInEveryKey, readsAsTheDefaultsFromTheFile)
{
    storeJunk();
    reopenStore();
    expectDefaults(*makeGame());
    EXPECT_FALSE(store().contains(QLatin1String(kSavedSudokuKey)));
}

INSTANTIATE_TEST_SUITE_P(UntrustedStore,
                         JunkInEveryKey,
                         testing::ValuesIn(kJunk),
                         [](const testing::TestParamInfo<Junk> &info) {
                             return std::string(info.param.name);
                         });

// A string list that claims far more entries than the file holds. Qt reserves
// room for the claim first; where that fails the value is dropped. Under
// AddressSanitizer a failed allocation aborts instead (its allocator does not
// return null by default), so there the claim stays within reach.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PONDREL_UNDER_ASAN
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(PONDREL_UNDER_ASAN)
#define kHugeListCount "\\0\\x0f\\xff\\xff"
#else
#define kHugeListCount "\\xff\\xff\\xff\\xff"
#endif

class UntrustedStore : public GameTest
{
protected:
    void writeFile(const QByteArray &text)
    {
        m_store.reset();
        QFile file(settingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(text), text.size());
        file.close();
        m_store = std::make_unique<QSettings>(settingsPath(), QSettings::NativeFormat);
    }
};

TEST_F(UntrustedStore, numbersAreNoSettingTextAndOutOfRangeCountersReadAsZero)
{
    storeValue(GameSettings::kDifficultyKey, 1);
    storeValue(GameSettings::kBoardSizeKey, true);
    storeValue(GameSettings::kMenuBarIconKey, 2.5);
    storeValue(GameStatistics::kGamesCountKey, QStringLiteral("9223372036854775807"));
    storeValue(GameStatistics::kSolvedCountKey, QStringLiteral("-9223372036854775808"));
    storeValue(GameStatistics::kCurrentStreakKey, QStringLiteral("9223372036854775808"));
    storeValue(GameStatistics::kBestStreakKey, QStringLiteral("-9223372036854775809"));
    store().setValue(GameStatistics::bestTimeKey(Difficulty::easy), 9.3e18);
    store().setValue(GameStatistics::bestTimeKey(Difficulty::hard), QStringLiteral(" 75 "));
    reopenStore();
    auto game = makeGame();
    EXPECT_EQ(game->difficulty(), Difficulty::medium);
    EXPECT_EQ(game->boardSize(), BoardSize::standard);
    EXPECT_EQ(game->menuBarIcon(), MenuBarIconOption::dots);
    EXPECT_EQ(game->gamesCount(), std::numeric_limits<qint64>::max());
    EXPECT_EQ(game->solvedCount(), std::numeric_limits<qint64>::min());
    EXPECT_EQ(game->currentStreak(), 0);
    EXPECT_EQ(game->bestStreak(), 0);
    EXPECT_EQ(game->bestTime(Difficulty::easy), std::nullopt);
    EXPECT_EQ(game->bestTime(Difficulty::hard), 75);

    // Counting on from the extremes neither overflows nor wraps.
    solveAllBut(*game, 0);
    EXPECT_EQ(game->gamesCount(), std::numeric_limits<qint64>::max());
    EXPECT_EQ(game->solvedCount(), std::numeric_limits<qint64>::min() + 1);
}

TEST_F(UntrustedStore, aTenMegabyteRecordIsRefusedUnreadAndRemoved)
{
    // A record valid in every other way: only its size can refuse it. One
    // with a little padding comes back, so the padding alone is harmless.
    const std::string text = encodeSavedSudoku(record()).value();
    const auto padded = [&](qsizetype bytes) {
        return QByteArray::fromStdString(text.substr(0, text.size() - 1)) + R"(,"padding":")" +
               QByteArray(bytes, ' ') + "\"}";
    };
    storeValue(kSavedSudokuKey, padded(1000));
    reopenStore();
    EXPECT_TRUE(makeGame()->hasStartedCurrentGame());

    storeValue(kSavedSudokuKey, padded(10 * 1024 * 1024));
    storeValue(GameSettings::kDifficultyKey, QString(10 * 1024 * 1024, QLatin1Char('H')));
    reopenStore();
    auto game = makeGame();
    EXPECT_FALSE(game->hasStartedCurrentGame());
    EXPECT_EQ(game->difficulty(), Difficulty::medium);
    EXPECT_EQ(game->supply().state().played.size(), 1u);
    EXPECT_FALSE(store().contains(QLatin1String(kSavedSudokuKey)));
    game.reset();
    reopenStore();
    EXPECT_FALSE(store().contains(QLatin1String(kSavedSudokuKey)));
    EXPECT_LT(QFileInfo(settingsPath()).size(), 11 * 1024 * 1024) << "the record left the file";
}

TEST_F(UntrustedStore, handWrittenFilesWithBrokenEncodingsReadAsTheDefaults)
{
    // Broken @-encodings, a QDataStream claiming four billion entries, an
    // unknown type, invalid escapes and surrogates, stray lines, a section
    // named like a key, NUL and invalid UTF-8 bytes, lone carriage returns,
    // a megabyte-long line and a quote that never closes.
    const QByteArray text =
        "[General]\n"
        "Pondrel_SavedSudoku=@ByteArray(\n"
        "Pondrel_Difficulty=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x10QSharedPointer)\n"
        "Pondrel_GamesCount=@Variant(\\0\\0\\0\\v" kHugeListCount ")\n"
        "Pondrel_SolvedCount=@Variant(\\0\\0\\0\\f\\xff\\xff\\xff\\xf0)\n"
        "Pondrel_CurrentStreak=@Variant(\\0\\0\\0\\b\\xff\\xff\\xff\\xff)\n"
        "Pondrel_BestStreak=@Invalid()\n"
        "Pondrel_HighlightsMistakes=@Size(1 2)\n"
        "Pondrel_ClearsNotes=\\x110000\\u\n"
        "Pondrel_HighlightsMatches=\\xd800\n"
        "Pondrel_HasSeenWelcome=@DateTime(\\0\\0)\n"
        "Pondrel_BestTime_Easy=1, 2, 3\n"
        "Pondrel_BestTime_Medium=@Variant(\n"
        "Pondrel_BestTime_Hard=\"12\n"
        "Pondrel_BestTime_Expert=@ByteArray(\\xff)\n"
        "garbage line\n"
        "=no key\n"
        "Pondrel%5FBoardSize=large\n"
        "[Pondrel_MenuBarIcon]\n"
        "x=Corner Grid\n"
        "[General]\n"
        "Pondrel_Junk=a" +
        QByteArray("\0b\xff\xfe\r\r", 6) + "Pondrel_Long=" + QByteArray(1024 * 1024, '9') +
        "\n"
        "Pondrel_MenuBarIcon=\"Corner Grid\n";
    writeFile(text);
    expectDefaults(*makeGame());
    EXPECT_FALSE(store().contains(QLatin1String(kSavedSudokuKey)));
}

} // namespace
