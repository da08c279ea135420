// Kills the crash writer (crashwriter.cpp) with SIGKILL at random moments,
// over and over on the same folders, and after every kill checks what a
// relaunch would find: the supply file decodes to the state before or after
// the write in flight, the store holds exactly the state of the last
// completed sync or of the one in flight, and a game built on them restores
// the saved game.

#include "crashprotocol.h"
#include "crashtestsupport.h"
#include "puzzlesupply.h"
#include "savedsudoku.h"
#include "settingsstore.h"
#include "sudokugame.h"
#include "supplyfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <optional>
#include <random>
#include <thread>

#include <csignal>

#include <sys/mount.h>

using namespace pondrel;
using namespace pondrel::test;

namespace {

// Enough kills that a good share lands inside one of the writes; each costs
// a process start and about 15 ms of play (several iterations).
constexpr int kKills = 250;
// Kills fall uniformly in this window after the writer is ready.
constexpr int kLongestDelayMicroseconds = 30000;

struct Played
{
    qsizetype count = 0;
    std::uint64_t last = 0;
    std::uint64_t hash = playedHash({});
};

Played parsePlayed(const QStringList &fields, int first)
{
    return {fields.value(first).toLongLong(),
            fields.value(first + 1).toULongLong(),
            fields.value(first + 2).toULongLong()};
}

void appendPlayed(std::vector<std::uint64_t> &played, std::uint64_t print)
{
    played.push_back(print);
    if (played.size() > PuzzleSupply::playedLimit) {
        played.erase(played.begin());
    }
}

// What the writer's output says the folders must hold after it died.
struct Expectation
{
    std::vector<std::uint64_t> played;      // after the last finished supply write
    bool supplyWriteInFlight = false;       // "S" without its "s"
    QString syncedSummary;                  // the store after the last finished sync
    std::optional<QString> summaryInFlight; // "C" without its "c"
    int completedIterations = 0;
    char lastEvent = 0;
};

class KillSafety : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folders.isValid());
        // A tmpfs of its own where the process may mount one: every commit
        // syncs to disk, and on a busy disk one sync can outlast the whole
        // kill window (and a few thousand of them burden everyone else).
        // A kill leaves the same files on either.
        if (canMount()) {
            const QByteArray folder = QFile::encodeName(m_folders.path());
            if (::mount("tmpfs",
                        folder.constData(),
                        "tmpfs",
                        MS_NOSUID | MS_NODEV,
                        "size=64m,mode=0700") == 0) {
                m_mounted = folder;
            }
        }
    }

    void startWriter(QProcess &writer, const QStringList &arguments = {})
    {
        writer.setProcessEnvironment(writerEnvironment(m_folders.path()));
        writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        writer.start(QStringLiteral(PONDREL_CRASH_WRITER), arguments);
        ASSERT_TRUE(writer.waitForStarted(30000)) << writer.errorString().toStdString();
    }

    // Reads the writer's lines into the expectation, checking each supply
    // report against the list kept so far.
    void follow(const QByteArray &output, Expectation &expected)
    {
        const QList<QByteArray> lines = output.split('\n');
        // The last piece is empty or an unfinished line; neither says anything.
        for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
            const QString line = QString::fromUtf8(lines[i]);
            const QStringList fields = line.split(QLatin1Char(' '));
            const QString &event = fields.value(0);
            if (event == QLatin1String("ready")) {
                // Construction may have dealt (no saved game to restore) and
                // written the supply file once.
                const Played played = parsePlayed(fields, 1);
                if (playedHash(expected.played) != played.hash) {
                    appendPlayed(expected.played, played.last);
                }
                ASSERT_EQ(playedHash(expected.played), played.hash)
                    << "the writer did not read the supply file left behind";
                expected.syncedSummary = line.section(QLatin1Char(' '), 4);
                expected.lastEvent = 'r';
            } else if (event == QLatin1String("S")) {
                expected.supplyWriteInFlight = true;
                expected.lastEvent = 'S';
            } else if (event == QLatin1String("s")) {
                const Played played = parsePlayed(fields, 2);
                appendPlayed(expected.played, played.last);
                ASSERT_EQ(playedHash(expected.played), played.hash) << line.toStdString();
                expected.supplyWriteInFlight = false;
                expected.lastEvent = 's';
            } else if (event == QLatin1String("C")) {
                expected.summaryInFlight = line.section(QLatin1Char(' '), 2);
                expected.lastEvent = 'C';
            } else if (event == QLatin1String("c")) {
                ASSERT_TRUE(expected.summaryInFlight.has_value()) << line.toStdString();
                expected.syncedSummary = *expected.summaryInFlight;
                expected.summaryInFlight.reset();
                ++expected.completedIterations;
                expected.lastEvent = 'c';
            } else {
                FAIL() << "unexpected line from the writer: " << line.toStdString();
            }
        }
    }

    // The folders hold the state the expectation allows; a game built on a
    // copy of them (as the next launch would build it) restores the saved
    // game. Returns the supply file's played list.
    std::vector<std::uint64_t> checkFolders(const Expectation &expected)
    {
        const std::optional<SavedState> supply = readSupplyFile(m_player.supplyFile());
        EXPECT_TRUE(supply.has_value()) << "the supply file does not decode";
        if (!supply) {
            return {};
        }
        if (supply->played != expected.played) {
            EXPECT_TRUE(expected.supplyWriteInFlight) << "the supply file lost or gained a deal";
            std::vector<std::uint64_t> afterWrite = expected.played;
            if (!supply->played.empty()) {
                appendPlayed(afterWrite, supply->played.back());
            }
            EXPECT_EQ(supply->played, afterWrite)
                << "the supply file is neither the old nor the new state";
        }

        // A new name for every copy: QSettings keeps files it has read in a
        // cache, and a copy with the same size and time could be taken for
        // the one read before.
        const QString storeCopy =
            m_scratch.filePath(QStringLiteral("store-%1.conf").arg(++m_copies));
        if (QFileInfo::exists(m_player.storeFile())) {
            EXPECT_TRUE(QFile::copy(m_player.storeFile(), storeCopy));
        }
        QSettings store(storeCopy, pondrel::storeFormat());
        EXPECT_EQ(store.status(), QSettings::NoError);
        const QString summary = storeSummary(store);
        if (summary != expected.syncedSummary) {
            EXPECT_EQ(summary, expected.summaryInFlight.value_or(expected.syncedSummary))
                << "the store is neither the last synced state nor the one being synced";
        }

        // The next launch, on copies so that the writer goes on from the
        // folders as they are.
        const QString supplyCopy = m_scratch.filePath(QStringLiteral("supply"));
        QDir(supplyCopy).removeRecursively();
        EXPECT_TRUE(QDir().mkpath(supplyCopy));
        EXPECT_TRUE(QFile::copy(m_player.supplyFile(),
                                QDir(supplyCopy).filePath(QStringLiteral("PuzzleSupply.json"))));
        const QString key = QLatin1String(kSavedSudokuKey);
        const QByteArray record = store.value(key).toByteArray();
        const bool hadRecord = store.contains(key);
        SudokuGame game(&store, std::make_unique<PuzzleSupply>(supplyCopy, false), true);
        if (hadRecord) {
            EXPECT_TRUE(store.contains(key)) << "a saved game written whole was discarded";
            const std::optional<SavedSudoku> saved =
                decodeSavedSudoku(std::string_view(record.constData(), std::size_t(record.size())));
            EXPECT_TRUE(saved && saved->values == gridText(game.values()))
                << "the saved game did not come back";
        }
        return supply->played;
    }

    // Files beside the supply file and the store that are neither of them
    // nor the store's lock.
    int strayFileCount() const
    {
        const QStringList data = QDir(m_player.data()).entryList(QDir::Files | QDir::Hidden);
        QStringList config = QDir(m_player.config()).entryList(QDir::Files | QDir::Hidden);
        config.removeAll(QStringLiteral("pondrel-sudoku.conf"));
        config.removeAll(QStringLiteral("pondrel-sudoku.conf.lock"));
        config.removeAll(QStringLiteral("pondrel-sudoku.conf.lock.rmlock"));
        return int(data.size() - data.count(QStringLiteral("PuzzleSupply.json")) + config.size());
    }

    void TearDown() override
    {
        if (!m_mounted.isEmpty()) {
            ::umount2(m_mounted.constData(), MNT_DETACH);
        }
    }

    QTemporaryDir m_folders;
    PlayerFolders m_player{m_folders.path()};
    QByteArray m_mounted;
    QTemporaryDir m_scratch;
    int m_copies = 0;
};

TEST_F(KillSafety, aWriterThatEndsNormallyLeavesEverythingWritten)
{
    QProcess writer;
    startWriter(writer, {QStringLiteral("9")});
    ASSERT_TRUE(writer.waitForFinished(120000));
    EXPECT_EQ(writer.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(writer.exitCode(), 0);
    Expectation expected;
    follow(writer.readAllStandardOutput(), expected);
    EXPECT_EQ(expected.completedIterations, 9);
    EXPECT_EQ(expected.played.size(), 10u) << "one deal at start and one per iteration";
    EXPECT_EQ(checkFolders(expected), expected.played);
    EXPECT_FALSE(QFileInfo::exists(m_player.storeFile() + QStringLiteral(".lock")));
}

TEST_F(KillSafety, everyKillLeavesTheOldOrTheNewStateAndTheNextLaunchRestoresIt)
{
    std::random_device device;
    const unsigned seed = qEnvironmentVariableIsSet("PONDREL_CRASH_SEED")
                              ? unsigned(qEnvironmentVariableIntValue("PONDREL_CRASH_SEED"))
                              : device();
    std::cout << "[ seed     ] PONDREL_CRASH_SEED=" << seed << std::endl;
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delay(0, kLongestDelayMicroseconds);

    std::vector<std::uint64_t> played;
    int killsInSupplyWrite = 0;
    int killsInSync = 0;
    int killsBeforeFirstIteration = 0;
    int locksLeft = 0;
    int emptyLocks = 0;
    int strayFiles = 0;
    int strayFilesLeft = 0;
    int iterations = 0;
    for (int kill = 0; kill < kKills && !HasFatalFailure(); ++kill) {
        SCOPED_TRACE(testing::Message() << "kill " << kill << ", seed " << seed);
        QProcess writer;
        startWriter(writer);
        ASSERT_FALSE(HasFatalFailure());
        QByteArray output;
        while (!output.startsWith("ready ") || !output.contains('\n')) {
            ASSERT_TRUE(writer.waitForReadyRead(60000))
                << "the writer did not start playing: " << output.left(200).toStdString();
            output += writer.readAllStandardOutput();
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ASSERT_EQ(::kill(pid_t(writer.processId()), SIGKILL), 0);
        ASSERT_TRUE(writer.waitForFinished(60000));
        ASSERT_EQ(writer.exitStatus(), QProcess::CrashExit) << "the writer stopped by itself";
        output += writer.readAllStandardOutput();

        Expectation expected;
        expected.played = played;
        follow(output, expected);
        ASSERT_FALSE(HasFatalFailure());
        played = checkFolders(expected);
        ASSERT_FALSE(HasFailure());

        iterations += expected.completedIterations;
        killsInSupplyWrite += expected.lastEvent == 'S';
        killsInSync += expected.lastEvent == 'C';
        killsBeforeFirstIteration += expected.lastEvent == 'r';
        locksLeft += QFileInfo::exists(m_player.storeFile() + QStringLiteral(".lock"));
        // Killed between creating one of QSettings' lock files (the lock, or
        // the one guarding a stale lock's removal) and writing the owner
        // into it: nothing tells that the owner is dead, so the next sync
        // waits until the lock is 30 s old. A player who relaunches after
        // that finds it stale; so does the next run.
        for (const QFileInfo &lock :
             QDir(m_player.config()).entryInfoList({QStringLiteral("*lock")}, QDir::Files)) {
            if (lock.size() == 0) {
                ++emptyLocks;
                QFile::remove(lock.filePath());
            }
        }
        // QSaveFile writes an unnamed file and gives it a temporary name
        // just before the rename, so a kill in between leaves that name
        // behind. The next launch must simply not take it for the file.
        const int stray = strayFileCount();
        strayFilesLeft += stray > strayFiles;
        strayFiles = stray;
    }
    std::cout << "[ kills    ] " << kKills << " kills: " << killsInSupplyWrite
              << " while dealing and rewriting the supply file, " << killsInSync
              << " while syncing the store (" << locksLeft << " left its lock file; " << emptyLocks
              << " empty lock files), " << killsBeforeFirstIteration
              << " before the first iteration; " << strayFilesLeft << " left a temporary file; "
              << iterations << " iterations completed" << std::endl;
    // Not a timing requirement: a run whose kills all missed the writes
    // would prove nothing, so it must not pass silently.
    EXPECT_GE(killsInSupplyWrite + killsInSync, kKills / 20);
    // Nor one where the writer stopped making progress (waiting on a lock
    // that nobody will ever release, say).
    EXPECT_GE(iterations, 10);
}

} // namespace
