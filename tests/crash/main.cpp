#include "crashtestsupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

QString g_whyNoMounts;

QString failure(const char *what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}

bool writeProcFile(const char *path, const QByteArray &text)
{
    const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool written = ::write(fd, text.constData(), std::size_t(text.size())) == text.size();
    ::close(fd);
    return written;
}

// A private mount namespace, so that the tests' mounts are seen by no one
// else and disappear when the process ends, even after a crash. Root gets
// one directly; anyone else as the root of a new user namespace, which must
// be made while the process has a single thread, hence here, first thing.
QString enterOwnMountNamespace()
{
    if (::geteuid() == 0) {
        if (::unshare(CLONE_NEWNS) != 0) {
            return failure("unshare(CLONE_NEWNS)");
        }
    } else {
        const uid_t uid = ::geteuid();
        const gid_t gid = ::getegid();
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
            return failure("unshare(CLONE_NEWUSER | CLONE_NEWNS)");
        }
        if (!writeProcFile("/proc/self/setgroups", "deny") ||
            !writeProcFile("/proc/self/uid_map", "0 " + QByteArray::number(uid) + " 1") ||
            !writeProcFile("/proc/self/gid_map", "0 " + QByteArray::number(gid) + " 1")) {
            return failure("mapping the user namespace");
        }
    }
    // Without this, mounts could still propagate back to the parent namespace.
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        return failure("making / private");
    }
    return {};
}

} // namespace

namespace pondrel::test {

bool canMount()
{
    return g_whyNoMounts.isEmpty();
}

QString whyNoMounts()
{
    return g_whyNoMounts;
}

} // namespace pondrel::test

// The user's folders point at a throw-away directory, so nothing here can
// touch a real player's data; the crash writer gets folders of its own.
int main(int argc, char **argv)
{
    g_whyNoMounts = enterOwnMountNamespace();
    QTemporaryDir home;
    if (!home.isValid()) {
        return 1;
    }
    for (const char *variable : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"}) {
        qputenv(variable, home.path().toLocal8Bit());
    }
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pondrel-sudoku"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
