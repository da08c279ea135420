#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include <memory>

namespace pondrel {

// One Pondrel Sudoku per user session, so that two never play two games
// into the same settings and supply files.
//
// The first process owns the app id, org.example.pondrel.sudoku, as a
// well-known name on the session bus and serves the standard
// org.freedesktop.Application interface at /org/example/pondrel/sudoku: a
// later start calls Activate (open the panel) or ActivateAction("toggle")
// on it and exits. Owning a bus name is atomic, so two starts at the same
// moment cannot both win.
//
// The first process also holds a lock file in the data folder, which guards
// the files where the bus cannot: with no session bus at all, or a second
// session of the same user with a bus of its own. A lock left by a process
// that no longer runs (a crash, a power cut) is taken over: QLockFile checks
// the recorded process id, and the boot it belongs to.
//
// claim() runs before the game, the supply or the settings exist: a second
// start writes nothing.
class SingleInstance : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    static constexpr char kServiceName[] = "org.example.pondrel.sudoku";
    static constexpr char kObjectPath[] = "/org/example/pondrel/sudoku";
    // How long a later start waits for the running one to answer. It
    // answers from its event loop, in a few milliseconds unless busy.
    static constexpr int kCallTimeoutMilliseconds = 5000;
    // How long a start waits for the lock: long enough for an instance that
    // has just given up its bus name to finish quitting.
    static constexpr int kLockWaitMilliseconds = 2000;

    // What a later start asks of the running instance.
    enum class Request { open, toggle, nothing };
    enum class Role {
        // This process runs the game.
        first,
        // The running instance took the request; this process should exit 0.
        second,
        // Another instance runs but cannot be asked (see refusal()).
        refused,
    };

    explicit SingleInstance(QObject *parent = nullptr);
    ~SingleInstance() override;

    Role claim(Request request);
    // Why claim() refused, in a sentence or two for stderr.
    QString refusal() const { return m_refusal; }

    // $XDG_DATA_HOME/pondrel-sudoku/pondrel-sudoku.lock
    static QString lockPath();

    // The org.freedesktop.Application interface, under its D-Bus names.
public slots:
    Q_SCRIPTABLE void Activate(const QVariantMap &platformData);
    Q_SCRIPTABLE void Open(const QStringList &uris, const QVariantMap &platformData);
    Q_SCRIPTABLE void ActivateAction(const QString &name,
                                     const QVariantList &parameter,
                                     const QVariantMap &platformData);

signals:
    void openRequested();
    void toggleRequested();

private:
    enum class BusClaim { owned, handedOver, unanswered, unavailable };

    BusClaim claimBusName(Request request);
    bool takeLock();

    std::unique_ptr<QLockFile> m_lock;
    QString m_refusal;
};

} // namespace pondrel
