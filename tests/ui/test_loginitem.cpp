#include "desktopexecparser.h"
#include "loginitem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace pondrel {
namespace {

QString execLineOf(const QString &entryPath)
{
    QFile file(entryPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String("Exec="))) {
            return line.mid(5);
        }
    }
    return {};
}

class LoginItemTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_previous = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", m_dir.path().toUtf8());
    }

    void TearDown() override { qputenv("XDG_CONFIG_HOME", m_previous); }

    QString autostartDir() const { return m_dir.path() + QStringLiteral("/autostart"); }

    void writeEntry(const QByteArray &text)
    {
        QDir().mkpath(autostartDir());
        QFile file(LoginItem::entryPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QTemporaryDir m_dir;
    QByteArray m_previous;
    const QString m_executable = QStringLiteral("/usr/bin/pondrel-sudoku");
};

TEST_F(LoginItemTest, entryLivesInTheAutostartFolderOfTheConfigHome)
{
    EXPECT_EQ(LoginItem::entryPath(), autostartDir() + QStringLiteral("/pondrel-sudoku.desktop"));
}

TEST_F(LoginItemTest, reportsEachStatus)
{
    LoginItem item(m_executable, nullptr);
    EXPECT_EQ(item.status(), LoginItem::NotRegistered);

    writeEntry("[Desktop Entry]\nType=Application\nExec=x\n");
    EXPECT_EQ(item.status(), LoginItem::Enabled);

    writeEntry("[Desktop Entry]\nType=Application\nExec=x\nHidden=true\n");
    EXPECT_EQ(item.status(), LoginItem::RequiresApproval);

    writeEntry("[Desktop Entry]\nExec=x\nX-GNOME-Autostart-enabled = false\n");
    EXPECT_EQ(item.status(), LoginItem::RequiresApproval);

    // Only the main group counts; an action group's keys are not the entry's.
    writeEntry("[Desktop Entry]\nExec=x\n[Desktop Action off]\nHidden=true\n");
    EXPECT_EQ(item.status(), LoginItem::Enabled);

    LoginItem unknown(QString(), nullptr);
    EXPECT_EQ(unknown.status(), LoginItem::NotFound);
    EXPECT_FALSE(unknown.registerItem());
}

TEST_F(LoginItemTest, registerWritesAnEnabledEntryAndUnregisterRemovesIt)
{
    LoginItem item(m_executable, nullptr);
    ASSERT_TRUE(item.registerItem());
    EXPECT_EQ(item.status(), LoginItem::Enabled);

    QFile file(LoginItem::entryPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    file.close();
    for (const char *line : {"[Desktop Entry]",
                             "Type=Application",
                             "Name=Pondrel Sudoku",
                             "Exec=/usr/bin/pondrel-sudoku --autostart",
                             "TryExec=/usr/bin/pondrel-sudoku",
                             "Icon=pondrel-sudoku",
                             "Terminal=false",
                             "X-GNOME-Autostart-enabled=true"}) {
        EXPECT_TRUE(text.split(u'\n').contains(QString::fromLatin1(line))) << line;
    }
    // Nothing of the atomic write is left behind.
    EXPECT_EQ(QDir(autostartDir()).entryList(QDir::Files),
              QStringList{QStringLiteral("pondrel-sudoku.desktop")});

    // Registering again turns a disabled entry back on.
    writeEntry("[Desktop Entry]\nExec=x\nHidden=true\n");
    ASSERT_TRUE(item.registerItem());
    EXPECT_EQ(item.status(), LoginItem::Enabled);

    ASSERT_TRUE(item.unregisterItem());
    EXPECT_EQ(item.status(), LoginItem::NotRegistered);
    EXPECT_TRUE(item.unregisterItem()) << "nothing to remove is not a failure";
}

TEST_F(LoginItemTest, unregisterLeavesOtherEntriesAlone)
{
    QDir().mkpath(autostartDir());
    const QStringList others = {QStringLiteral("other.desktop"),
                                QStringLiteral("pondrel-sudoku.desktop.bak"),
                                QStringLiteral("pondrel-sudoku")};
    for (const QString &name : others) {
        QFile file(autostartDir() + u'/' + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Desktop Entry]\n");
    }
    LoginItem item(m_executable, nullptr);
    ASSERT_TRUE(item.registerItem());
    ASSERT_TRUE(item.unregisterItem());

    QStringList left = QDir(autostartDir()).entryList(QDir::Files);
    QStringList expected = others;
    left.sort();
    expected.sort();
    EXPECT_EQ(left, expected);
}

TEST_F(LoginItemTest, missingOrUnwritableFolderFailsQuietly)
{
    LoginItem item(m_executable, nullptr);
    // A missing folder is made on registration.
    ASSERT_FALSE(QFileInfo::exists(autostartDir()));
    EXPECT_EQ(item.status(), LoginItem::NotRegistered);
    EXPECT_TRUE(item.unregisterItem());

    // A file where the folder should be: no folder can be made or written,
    // whatever the user's permissions (the tests may run as root).
    QFile blocker(autostartDir());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(item.registerItem());
    EXPECT_EQ(item.status(), LoginItem::NotRegistered);

    // A config home that is itself a file.
    qputenv("XDG_CONFIG_HOME", (autostartDir() + QStringLiteral("/deeper")).toUtf8());
    EXPECT_FALSE(item.registerItem());
    EXPECT_EQ(item.status(), LoginItem::NotRegistered);
}

// Entries from before --autostart or TryExec existed: still ours and read as
// before, and given what they lack beside their Exec line alone.
TEST_F(LoginItemTest, upgradesAnEarlierEntryOnly)
{
    LoginItem item(QStringLiteral("/home/a b/pondrel-sudoku"), nullptr);
    const QByteArray earlier = "[Desktop Entry]\nType=Application\nName=Pondrel Sudoku\n"
                               "Exec=\"/home/a b/pondrel-sudoku\"\nX-Extra=kept\nHidden=true\n";
    writeEntry(earlier);
    EXPECT_EQ(item.status(), LoginItem::RequiresApproval);
    ASSERT_TRUE(item.upgradeEarlierEntry());
    QFile file(LoginItem::entryPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray expected = earlier;
    expected.replace("pondrel-sudoku\"\n",
                     "pondrel-sudoku\" --autostart\nTryExec=/home/a b/pondrel-sudoku\n");
    EXPECT_EQ(file.readAll(), expected);
    file.close();
    EXPECT_EQ(item.status(), LoginItem::RequiresApproval);
    EXPECT_FALSE(item.upgradeEarlierEntry()) << "added twice";

    // The previous version's entry had the argument but no TryExec.
    QByteArray withArgument = expected;
    withArgument.replace("TryExec=/home/a b/pondrel-sudoku\n", "");
    writeEntry(withArgument);
    ASSERT_TRUE(item.upgradeEarlierEntry());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), expected);
    file.close();

    // Another program's path, other arguments, or the Exec line of an action
    // group: not an entry this program wrote, left as it is.
    for (const QByteArray &other :
         {QByteArray("[Desktop Entry]\nExec=/usr/bin/pondrel-sudoku\n"),
          QByteArray("[Desktop Entry]\nExec=\"/home/a b/pondrel-sudoku\" -style Fusion\n"),
          QByteArray("[Desktop Action x]\nExec=\"/home/a b/pondrel-sudoku\"\n")}) {
        writeEntry(other);
        EXPECT_FALSE(item.upgradeEarlierEntry()) << other.constData();
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), other);
        file.close();
        EXPECT_EQ(item.status(), LoginItem::Enabled);
    }
    ASSERT_TRUE(item.unregisterItem());
    EXPECT_FALSE(item.upgradeEarlierEntry()) << "no entry";
    EXPECT_EQ(item.status(), LoginItem::NotRegistered);
}

class ExecQuoting : public LoginItemTest, public ::testing::WithParamInterface<const char *>
{
};

TEST_P(ExecQuoting, launcherRecoversTheExactPath)
{
    const QString path = QString::fromUtf8(GetParam());
    LoginItem item(path, nullptr);
    ASSERT_TRUE(item.registerItem());

    const QString exec = execLineOf(LoginItem::entryPath());
    ASSERT_FALSE(exec.isEmpty());
    const std::optional<QStringList> arguments = test::splitExec(test::unescapeStringValue(exec));
    ASSERT_TRUE(arguments.has_value()) << exec.toStdString();
    EXPECT_EQ(*arguments, (QStringList{path, QStringLiteral("--autostart")})) << exec.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Paths,
                         ExecQuoting,
                         ::testing::Values("/usr/bin/pondrel-sudoku",
                                           "/home/a b/My Games/pondrel-sudoku",
                                           "/opt/\"quoted\"/it's/pondrel",
                                           "/opt/100%/pondrel%%u",
                                           "/opt/$HOME/`date`/pondrel",
                                           "/opt/back\\slash\\\\double/pondrel",
                                           "/home/jürgen/Spiele/数独/pondrel",
                                           "/opt/a\tb/new\nline/pondrel",
                                           "/opt/(x)|y&z;#*?~<>/pondrel"));

} // namespace
} // namespace pondrel
