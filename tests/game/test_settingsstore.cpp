#include "settingsstore.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

#include <sys/stat.h>

namespace {

using pondrel::storeFormat;

// The store's own format must stay interchangeable with the native one:
// files written by either are read by the other with the same values, so a
// store written before the format existed, or edited by hand, still loads.
TEST(SettingsStore, readsAndWritesTheSameFilesAsTheNativeFormat)
{
    const QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QByteArray record("{\"values\":[0,1,2]}\n\0\xff tail", 24);
    const QString text = QStringLiteral("Łódź \"quoted\", comma; = @at\\ \ttab");
    const qint64 big = std::numeric_limits<qint64>::max();

    for (const bool writeNative : {false, true}) {
        SCOPED_TRACE(writeNative ? "written natively" : "written by the store format");
        const QString path = folder.filePath(writeNative ? QStringLiteral("native.conf")
                                                         : QStringLiteral("store.conf"));
        {
            QSettings writer(path, writeNative ? QSettings::NativeFormat : storeFormat());
            writer.setValue(QStringLiteral("Pondrel_SavedSudoku"), record);
            writer.setValue(QStringLiteral("Pondrel_Difficulty"), text);
            writer.setValue(QStringLiteral("Pondrel_HighlightsMatches"), false);
            writer.setValue(QStringLiteral("Pondrel_GamesCount"), big);
            writer.sync();
            ASSERT_EQ(writer.status(), QSettings::NoError);
        }
        const QSettings reader(path, writeNative ? storeFormat() : QSettings::NativeFormat);
        EXPECT_EQ(reader.status(), QSettings::NoError);
        EXPECT_EQ(reader.value(QStringLiteral("Pondrel_SavedSudoku")).toByteArray(), record);
        EXPECT_EQ(reader.value(QStringLiteral("Pondrel_Difficulty")).toString(), text);
        EXPECT_FALSE(reader.value(QStringLiteral("Pondrel_HighlightsMatches"), true).toBool());
        EXPECT_EQ(reader.value(QStringLiteral("Pondrel_GamesCount")).toLongLong(), big);
        EXPECT_EQ(reader.allKeys().size(), 4);
        EXPECT_FALSE(QFile::exists(path + QStringLiteral(".damaged")));
    }
    QFile native(folder.filePath(QStringLiteral("native.conf")));
    QFile ours(folder.filePath(QStringLiteral("store.conf")));
    ASSERT_TRUE(native.open(QIODevice::ReadOnly));
    ASSERT_TRUE(ours.open(QIODevice::ReadOnly));
    EXPECT_EQ(ours.readAll(), native.readAll());
}

// The per-user store lives where the native one did.
TEST(SettingsStore, keepsTheNativeLocation)
{
    const QSettings native(QSettings::NativeFormat,
                           QSettings::UserScope,
                           QStringLiteral("pondrel-sudoku"),
                           QStringLiteral("pondrel-sudoku"));
    const QSettings ours(storeFormat(),
                         QSettings::UserScope,
                         QStringLiteral("pondrel-sudoku"),
                         QStringLiteral("pondrel-sudoku"));
    EXPECT_EQ(ours.fileName(), native.fileName());
    EXPECT_TRUE(ours.fileName().endsWith(QStringLiteral("/pondrel-sudoku/pondrel-sudoku.conf")));
    EXPECT_EQ(pondrel::userStorePath(QStringLiteral("pondrel-sudoku")), native.fileName());
}

// One damaged line, anywhere, costs that line only: the saved game and the
// statistics around it stay, the damaged file is kept aside before the
// first save writes over it, and every later save works.
TEST(SettingsStore, aDamagedLineCostsThatLineOnly)
{
    const QByteArray record("{\"elapsed\":95}");
    const QList<QByteArray> damages = {"garbage",
                                       "[Gen",
                                       "\xff\xfe",
                                       QByteArray("\0", 1),
                                       "=",
                                       "/=1",
                                       "Pondrel_Junk=\"open quote",
                                       "Pondrel_Junk=trailing\\"};
    for (const QByteArray &damage : damages) {
        SCOPED_TRACE(damage.toPercentEncoding().toStdString());
        const QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("pondrel-sudoku.conf"));
        {
            QSettings writer(path, QSettings::NativeFormat);
            writer.setValue(QStringLiteral("Pondrel_BestStreak"), 42);
            writer.setValue(QStringLiteral("Pondrel_SavedSudoku"), record);
            writer.setValue(QStringLiteral("Pondrel_SolvedCount"), 7);
        }
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        QByteArray text = file.readAll();
        text.insert(text.indexOf("Pondrel_SavedSudoku"), damage + '\n');
        ASSERT_TRUE(file.resize(0) && file.write(text) == text.size());
        file.close();

        {
            QSettings store(path, storeFormat());
            EXPECT_EQ(store.value(QStringLiteral("Pondrel_BestStreak")).toInt(), 42);
            EXPECT_EQ(store.value(QStringLiteral("Pondrel_SavedSudoku")).toByteArray(), record);
            EXPECT_EQ(store.value(QStringLiteral("Pondrel_SolvedCount")).toInt(), 7);
            store.setValue(QStringLiteral("Pondrel_HasSeenWelcome"), true);
            store.sync();
            EXPECT_EQ(store.status(), QSettings::NoError);
        }
        QFile copy(path + QStringLiteral(".damaged"));
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
        EXPECT_EQ(copy.readAll(), text);

        const QSettings reread(path, storeFormat());
        EXPECT_EQ(reread.value(QStringLiteral("Pondrel_SavedSudoku")).toByteArray(), record);
        EXPECT_TRUE(reread.value(QStringLiteral("Pondrel_HasSeenWelcome")).toBool());
    }
}

// A FIFO at the store's path would block the first read for ever, and a
// save would replace whatever a link points at: neither is touched, and the
// game plays on with a store in memory. A link to a regular file is followed.
TEST(SettingsStore, leavesWhatIsNotARegularFileAlone)
{
    const QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString fifo = folder.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString link = folder.filePath(QStringLiteral("link.conf"));
    ASSERT_TRUE(QFile::link(fifo, link));
    const auto isFifo = [](const QString &path) {
        struct stat status = {};
        return ::stat(QFile::encodeName(path).constData(), &status) == 0 &&
               S_ISFIFO(status.st_mode);
    };

    // The lock taken for each save is read to see whether it is stale.
    const QString locked = folder.filePath(QStringLiteral("locked.conf"));
    ASSERT_TRUE(QFile::link(fifo, locked + QStringLiteral(".lock")));

    for (const QString &path : {fifo, link, locked}) {
        const std::unique_ptr<QSettings> store = pondrel::openStore(path);
        store->setValue(QStringLiteral("Pondrel_BestStreak"), 42);
        store->sync();
        EXPECT_EQ(store->value(QStringLiteral("Pondrel_BestStreak")).toInt(), 42);
        EXPECT_TRUE(isFifo(link));
        EXPECT_TRUE(QFileInfo(link).isSymLink());
    }

    // A link put in the store's place while the game runs.
    const QString later = folder.filePath(QStringLiteral("later.conf"));
    QSettings store(later, storeFormat());
    ASSERT_TRUE(QFile::link(fifo, later));
    store.setValue(QStringLiteral("Pondrel_BestStreak"), 42);
    store.sync();
    EXPECT_TRUE(isFifo(later));
    EXPECT_TRUE(QFileInfo(later).isSymLink());

    const QString target = folder.filePath(QStringLiteral("target.conf"));
    const QString toFile = folder.filePath(QStringLiteral("tofile.conf"));
    ASSERT_TRUE(QFile::link(target, toFile));
    {
        const std::unique_ptr<QSettings> followed = pondrel::openStore(toFile);
        followed->setValue(QStringLiteral("Pondrel_BestStreak"), 42);
    }
    EXPECT_TRUE(QFileInfo(toFile).isSymLink());
    EXPECT_EQ(QSettings(target, storeFormat()).value(QStringLiteral("Pondrel_BestStreak")).toInt(),
              42);
}

} // namespace

namespace {

// A lock left empty by a process killed while taking it would stall the
// first save for half a minute; a lock with an owner, or one being written
// right now, must stay.
TEST(SettingsStore, removesOnlyALockLeftEmptyByACrash)
{
    const QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString store = folder.filePath(QStringLiteral("pondrel-sudoku.conf"));
    const QString lockPath = store + QStringLiteral(".lock");
    const auto makeLock = [&](const QByteArray &content, qint64 ageSeconds) {
        QFile lock(lockPath);
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
        lock.write(content);
        ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                                     QFileDevice::FileModificationTime));
    };

    EXPECT_FALSE(pondrel::removeAbandonedLock(store)); // no lock at all

    makeLock(QByteArray("4242\npondrel-sudoku\nhost\n"), 60);
    EXPECT_FALSE(pondrel::removeAbandonedLock(store));
    EXPECT_TRUE(QFile::exists(lockPath));

    makeLock(QByteArray(), 0);
    EXPECT_FALSE(pondrel::removeAbandonedLock(store));
    EXPECT_TRUE(QFile::exists(lockPath));

    makeLock(QByteArray(), 60);
    EXPECT_TRUE(pondrel::removeAbandonedLock(store));
    EXPECT_FALSE(QFile::exists(lockPath));

    // Then the store takes its lock at once and writes.
    QSettings settings(store, pondrel::storeFormat());
    settings.setValue(QStringLiteral("Pondrel_HasSeenWelcome"), true);
    settings.sync();
    EXPECT_EQ(settings.status(), QSettings::NoError);
}

} // namespace
