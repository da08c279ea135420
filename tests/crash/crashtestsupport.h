#pragma once

#include "../game/playhelpers.h"
#include "sudokugame.h"

#include <QDir>
#include <QProcessEnvironment>
#include <QString>

#include <vector>

namespace pondrel::test {

// Whether main() gave this process a mount namespace of its own (as root, or
// as the root of a new user namespace), so that tests may mount a small tmpfs
// or a read-only view over their folders. Mounts made there vanish with the
// process, whatever happens to the test.
bool canMount();
// Why not, when canMount() is false.
QString whyNoMounts();

// The application's folders and files below the folders that
// writerEnvironment() points the XDG variables at.
struct PlayerFolders
{
    QString root;

    QString data() const { return root + QStringLiteral("/data/pondrel-sudoku"); }
    QString config() const { return root + QStringLiteral("/config/pondrel-sudoku"); }
    QString supplyFile() const { return data() + QStringLiteral("/PuzzleSupply.json"); }
    QString storeFile() const { return config() + QStringLiteral("/pondrel-sudoku.conf"); }
};

// The environment for a process that must only ever see the folders under
// `root`: home, data, config, cache and runtime folders all point there.
inline QProcessEnvironment writerEnvironment(const QString &root)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QDir folder(root);
    const auto set = [&](const char *name, const char *sub) {
        const QString path = folder.filePath(QString::fromLatin1(sub));
        QDir().mkpath(path);
        environment.insert(QString::fromLatin1(name), path);
    };
    set("HOME", "home");
    set("XDG_DATA_HOME", "data");
    set("XDG_CONFIG_HOME", "config");
    set("XDG_CACHE_HOME", "cache");
    set("XDG_RUNTIME_DIR", "runtime");
    QFile::setPermissions(folder.filePath(QStringLiteral("runtime")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return environment;
}

} // namespace pondrel::test
