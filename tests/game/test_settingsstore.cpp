#include "settingsstore.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

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
