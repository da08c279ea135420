// The player's folders on a full disk and read-only: play goes on, the files
// of the last good save stay as they were, a failed write is never reported
// as a success, and everything is written once space or write access is back.
//
// The folders live on a small tmpfs or under a read-only bind mount made in
// this process's own mount namespace (main.cpp), so root is refused too and
// every mount vanishes with the process.

#include "crashprotocol.h"
#include "crashtestsupport.h"
#include "puzzlesupply.h"
#include "savedsudoku.h"
#include "settingsstore.h"
#include "sudokugame.h"
#include "supplyfile.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

using namespace pondrel;
using namespace pondrel::test;

namespace {

constexpr int kPage = 4096;

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class StorageFaults : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!canMount()) {
            GTEST_SKIP() << "no mount namespace for a small or read-only file system here ("
                         << whyNoMounts().toStdString() << ")";
        }
        ASSERT_TRUE(m_root.isValid());
        m_mountPoint = m_root.filePath(QStringLiteral("folders"));
        m_player.root = m_mountPoint;
        ASSERT_TRUE(QDir().mkpath(m_mountPoint));
    }

    void TearDown() override
    {
        m_game.reset();
        m_store.reset();
        while (!m_mounts.empty()) {
            unmountLast();
        }
    }

    void mountSmallDisk(int bytes)
    {
        const QByteArray target = QFile::encodeName(m_mountPoint);
        const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0700";
        ASSERT_EQ(
            ::mount(
                "tmpfs", target.constData(), "tmpfs", MS_NOSUID | MS_NODEV, options.constData()),
            0)
            << std::strerror(errno);
        m_mounts.push_back(target);
        ASSERT_TRUE(QDir().mkpath(m_player.data()));
        ASSERT_TRUE(QDir().mkpath(m_player.config()));
    }

    // A read-only view over the folders, as a read-only remount of the
    // user's home would give.
    void makeFoldersReadOnly()
    {
        const QByteArray target = QFile::encodeName(m_mountPoint);
        ASSERT_EQ(::mount(target.constData(), target.constData(), nullptr, MS_BIND, nullptr), 0)
            << std::strerror(errno);
        m_mounts.push_back(target);
        ASSERT_EQ(
            ::mount(
                nullptr, target.constData(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr),
            0)
            << std::strerror(errno);
    }

    void unmountLast()
    {
        EXPECT_EQ(::umount2(m_mounts.back().constData(), MNT_DETACH), 0) << std::strerror(errno);
        m_mounts.pop_back();
    }

    // Fills the small disk up to `leaveFree` bytes.
    void fillDisk(int leaveFree)
    {
        const QByteArray path = QFile::encodeName(m_mountPoint + QStringLiteral("/filler"));
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        ASSERT_GE(fd, 0);
        const std::vector<char> chunk(kPage, 'x');
        off_t size = 0;
        for (ssize_t n; (n = ::write(fd, chunk.data(), chunk.size())) > 0;) {
            size += n;
        }
        const int error = errno;
        EXPECT_EQ(::ftruncate(fd, size - leaveFree), 0);
        ::close(fd);
        ASSERT_EQ(error, ENOSPC);
        struct statvfs disk = {};
        ASSERT_EQ(::statvfs(QFile::encodeName(m_mountPoint).constData(), &disk), 0);
        ASSERT_EQ(disk.f_bavail * disk.f_bsize, static_cast<unsigned long>(leaveFree));
    }

    void freeDisk() { ASSERT_TRUE(QFile::remove(m_mountPoint + QStringLiteral("/filler"))); }

    // A player's folders after some play: a long list of dealt puzzles (so
    // the supply file is larger than the space that will be left), a game in
    // progress and changed settings, all written and synced.
    void playFirstSession()
    {
        SavedState state;
        for (std::uint64_t n = 1; n <= 3000; ++n) {
            state.played.push_back(n * 0x9E3779B97F4A7C15ull);
        }
        ASSERT_TRUE(writeSupplyFile(state, m_player.supplyFile()));
        openStoreAndGame();
        const std::vector<int> open = openCells(*m_game);
        type(*m_game, open[0], solutionAt(*m_game, open[0]));
        m_game->setBoardSize(BoardSize::large);
        m_game->setHighlightsMistakes(true);
        m_game->saveNow();
        m_store->sync();
        ASSERT_EQ(m_store->status(), QSettings::NoError);
        m_supplyBefore = readBytes(m_player.supplyFile());
        m_storeBefore = readBytes(m_player.storeFile());
        ASSERT_GT(m_supplyBefore.size(), 50000);
        ASSERT_TRUE(m_storeBefore.contains("Pondrel_SavedSudoku"));
    }

    void openStoreAndGame()
    {
        m_game.reset();
        m_store = std::make_unique<QSettings>(m_player.storeFile(), pondrel::storeFormat());
        m_game = std::make_unique<SudokuGame>(
            m_store.get(), std::make_unique<PuzzleSupply>(m_player.data(), false), true);
    }

    // Moves, deals, a win, a difficulty change and every setting: each of
    // them works in memory whatever happens to the writes.
    void playOn()
    {
        SudokuGame &game = *m_game;
        const qint64 games = game.gamesCount();
        const qint64 solved = game.solvedCount();
        const std::size_t dealt = game.supply().state().played.size();

        game.startNewGame();
        std::vector<int> open = openCells(game);
        type(game, open[0], solutionAt(game, open[0]));
        type(game, open[1], solutionAt(game, open[1]) % 9 + 1);
        EXPECT_EQ(game.values()[open[0]], solutionAt(game, open[0]));
        game.undo();
        EXPECT_EQ(game.values()[open[1]], 0);

        game.setDifficulty(game.difficulty() == Difficulty::hard ? Difficulty::easy
                                                                 : Difficulty::hard);
        for (const int cell : openCells(game)) {
            type(game, cell, solutionAt(game, cell));
        }
        EXPECT_TRUE(game.hasWon());

        game.startNewGame();
        open = openCells(game);
        type(game, open[0], solutionAt(game, open[0]));
        game.setBoardSize(BoardSize::standard);
        game.setMenuBarIcon(MenuBarIconOption::numberSquare);
        game.setHighlightsMistakes(false);
        game.setClearsNotesAutomatically(false);
        game.setHasSeenWelcome(true);
        game.saveNow();

        EXPECT_EQ(game.gamesCount(), games + 3);
        EXPECT_EQ(game.solvedCount(), solved + 1);
        EXPECT_EQ(game.supply().state().played.size(), dealt + 3);
        EXPECT_TRUE(game.hasStartedCurrentGame());
    }

    // Play goes on in memory while neither the store nor the supply file
    // can be written, and no failed write is reported as a success.
    void playOnWhileWritesFail()
    {
        playOn();
        m_store->sync();
        EXPECT_EQ(m_store->status(), QSettings::AccessError)
            << "a sync that wrote nothing reported success";
        EXPECT_FALSE(writeSupplyFile(m_game->supply().state(), m_player.supplyFile()));
        // Small enough to sit in the write buffer until the commit.
        EXPECT_FALSE(writeSupplyFile(SavedState{.played = {1}}, m_player.supplyFile()));
    }

    // The store as a fresh reader of the file sees it. A new name for each
    // read: QSettings caches the files it has read by name.
    QString summaryOnDisk()
    {
        const QString copy = m_root.filePath(QStringLiteral("copy-%1.conf").arg(++m_copies));
        EXPECT_TRUE(QFile::copy(m_player.storeFile(), copy));
        const QSettings reader(copy, pondrel::storeFormat());
        EXPECT_EQ(reader.status(), QSettings::NoError);
        return storeSummary(reader);
    }

    // After the writes failed: the files are exactly those of the last good
    // save, and nothing else (a temporary file, a lock) was left beside them.
    void expectFilesOfTheFirstSession()
    {
        EXPECT_EQ(readBytes(m_player.supplyFile()), m_supplyBefore);
        EXPECT_EQ(readBytes(m_player.storeFile()), m_storeBefore);
        EXPECT_EQ(QDir(m_player.data()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("PuzzleSupply.json")});
        EXPECT_EQ(QDir(m_player.config()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("pondrel-sudoku.conf")});
    }

    // Once writing works again, the next sync and the next deal write the
    // whole state of memory, and a relaunch finds the game where it was.
    void expectEverythingWrittenAfterRecovery()
    {
        // status() keeps the first error for the life of the object, so the
        // file itself says whether this sync wrote.
        m_store->sync();
        EXPECT_EQ(summaryOnDisk(), storeSummary(*m_store));
        m_game->startNewGame();
        const std::vector<int> open = openCells(*m_game);
        type(*m_game, open[0], solutionAt(*m_game, open[0]));
        m_game->saveNow();
        m_store->sync();
        EXPECT_EQ(readSupplyFile(m_player.supplyFile()), m_game->supply().state());

        const Grid values = m_game->values();
        const qint64 games = m_game->gamesCount();
        m_game.reset();
        m_store.reset();
        const QString copy = m_root.filePath(QStringLiteral("relaunch-%1.conf").arg(++m_copies));
        ASSERT_TRUE(QFile::copy(m_player.storeFile(), copy));
        QSettings store(copy, pondrel::storeFormat());
        SudokuGame relaunched(&store, std::make_unique<PuzzleSupply>(m_player.data(), false), true);
        EXPECT_EQ(relaunched.values(), values);
        EXPECT_EQ(relaunched.gamesCount(), games);
        EXPECT_EQ(relaunched.menuBarIcon(), MenuBarIconOption::numberSquare);
        EXPECT_FALSE(relaunched.clearsNotesAutomatically());
    }

    QTemporaryDir m_root;
    QString m_mountPoint;
    PlayerFolders m_player;
    std::vector<QByteArray> m_mounts;
    std::unique_ptr<QSettings> m_store;
    std::unique_ptr<SudokuGame> m_game;
    QByteArray m_supplyBefore;
    QByteArray m_storeBefore;
    int m_copies = 0;
};

TEST_F(StorageFaults, onAFullDiskPlayGoesOnAndTheLastSaveStaysWhole)
{
    mountSmallDisk(256 * 1024);
    playFirstSession();
    fillDisk(0);
    playOnWhileWritesFail();
    expectFilesOfTheFirstSession();

    freeDisk();
    expectEverythingWrittenAfterRecovery();
}

TEST_F(StorageFaults, onANearlyFullDiskAWriteThatDoesNotFitLeavesTheOldFile)
{
    // Room for the store's lock file and a page or so, not for the supply
    // file. The store's format has to notice the failed final flush that
    // Qt's own commit() misses, or the old store is replaced by a cut-off one.
    for (const int pages : {1, 2, 4}) {
        SCOPED_TRACE(testing::Message() << pages << " pages free");
        mountSmallDisk(256 * 1024);
        playFirstSession();
        fillDisk(pages * kPage);

        playOn();
        EXPECT_FALSE(writeSupplyFile(m_game->supply().state(), m_player.supplyFile()));
        EXPECT_EQ(readBytes(m_player.supplyFile()), m_supplyBefore);
        m_store->sync();
        // Whatever sync says must be what the disk holds.
        if (m_store->status() != QSettings::NoError) {
            EXPECT_EQ(readBytes(m_player.storeFile()), m_storeBefore);
        } else {
            EXPECT_EQ(summaryOnDisk(), storeSummary(*m_store))
                << "sync reported success but the disk holds another store";
        }
        EXPECT_EQ(QDir(m_player.data()).entryList(QDir::Files | QDir::Hidden).size(), 1);
        EXPECT_EQ(QDir(m_player.config()).entryList(QDir::Files | QDir::Hidden).size(), 1);

        freeDisk();
        expectEverythingWrittenAfterRecovery();
        unmountLast();
    }
}

TEST_F(StorageFaults, aFirstLaunchOnAFullDiskLeavesNoEmptyFiles)
{
    mountSmallDisk(64 * 1024);
    fillDisk(0);
    openStoreAndGame();
    playOnWhileWritesFail();
    m_game.reset();
    m_store.reset();
    // A zero-length or partial file here would be read at the next launch.
    EXPECT_TRUE(QDir(m_player.data()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_TRUE(QDir(m_player.config()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(StorageFaults, inReadOnlyFoldersPlayGoesOnAndNothingChanges)
{
    mountSmallDisk(1024 * 1024);
    playFirstSession();
    const Grid values = m_game->values();
    m_game.reset();
    m_store.reset();
    makeFoldersReadOnly();

    // A launch on read-only folders reads everything as it was.
    openStoreAndGame();
    EXPECT_EQ(m_game->values(), values);
    EXPECT_EQ(m_game->boardSize(), BoardSize::large);
    EXPECT_EQ(m_game->gamesCount(), 1);

    playOnWhileWritesFail();
    expectFilesOfTheFirstSession();

    unmountLast();
    expectEverythingWrittenAfterRecovery();
}

} // namespace
