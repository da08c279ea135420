#include "singleinstance.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace pondrel {

namespace {

constexpr char kInterface[] = "org.freedesktop.Application";
constexpr char kToggleAction[] = "toggle";
// A running instance that is quitting still owns the name for a moment and
// no longer answers; a few tries see it gone.
constexpr int kClaimAttempts = 3;

QString text(const char *latin1)
{
    return QString::fromLatin1(latin1);
}

} // namespace

SingleInstance::SingleInstance(QObject *parent) : QObject(parent) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::lockPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/pondrel-sudoku.lock");
}

SingleInstance::Role SingleInstance::claim(Request request)
{
    switch (claimBusName(request)) {
    case BusClaim::handedOver:
        return Role::second;
    case BusClaim::unanswered:
        m_refusal = QStringLiteral("Pondrel Sudoku is already running in this session but does "
                                   "not answer; quit it (or end its process) and start again.");
        return Role::refused;
    case BusClaim::owned:
    case BusClaim::unavailable:
        break;
    }
    return takeLock() ? Role::first : Role::refused;
}

SingleInstance::BusClaim SingleInstance::claimBusName(Request request)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || bus.interface() == nullptr) {
        return BusClaim::unavailable;
    }
    // Registered before the name is taken, so a call that comes in as soon
    // as the name is ours finds the object; calls wait for the event loop.
    bus.registerObject(text(kObjectPath), this, QDBusConnection::ExportScriptableSlots);
    for (int attempt = 0; attempt < kClaimAttempts; ++attempt) {
        const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
            bus.interface()->registerService(text(kServiceName),
                                             QDBusConnectionInterface::DontQueueService,
                                             QDBusConnectionInterface::DontAllowReplacement);
        if (!reply.isValid()) {
            // A bus that refuses names (a policy) leaves the lock to guard
            // the files.
            return BusClaim::unavailable;
        }
        if (reply.value() == QDBusConnectionInterface::ServiceRegistered) {
            return BusClaim::owned;
        }
        if (request == Request::nothing) {
            return BusClaim::handedOver;
        }
        QDBusMessage call = QDBusMessage::createMethodCall(text(kServiceName),
                                                           text(kObjectPath),
                                                           text(kInterface),
                                                           request == Request::toggle
                                                               ? QStringLiteral("ActivateAction")
                                                               : QStringLiteral("Activate"));
        if (request == Request::toggle) {
            call << text(kToggleAction) << QVariantList();
        }
        call << QVariantMap();
        const QString owner = bus.interface()->serviceOwner(text(kServiceName)).value();
        const QDBusMessage answer = bus.call(call, QDBus::Block, kCallTimeoutMilliseconds);
        if (answer.type() == QDBusMessage::ReplyMessage) {
            return BusClaim::handedOver;
        }
        // An owner that is still there did not answer: it is stuck, not
        // quitting, and asking again would only wait again.
        if (!owner.isEmpty() &&
            bus.interface()->serviceOwner(text(kServiceName)).value() == owner) {
            break;
        }
    }
    bus.unregisterObject(text(kObjectPath));
    return BusClaim::unanswered;
}

bool SingleInstance::takeLock()
{
    const QString path = lockPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    m_lock = std::make_unique<QLockFile>(path);
    // Never stale by age: a game may run for weeks. A dead owner's lock is
    // recognised by its process id instead.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(kLockWaitMilliseconds)) {
        return true;
    }
    if (m_lock->error() != QLockFile::LockFailedError) {
        // The folder cannot be written (a read-only disk): the game runs
        // anyway and keeps what it can in memory, as it would without a lock.
        m_lock.reset();
        return true;
    }
    qint64 pid = 0;
    QString host;
    QString application;
    m_lock->getLockInfo(&pid, &host, &application);
    m_refusal = QStringLiteral("Pondrel Sudoku is already running (process %1 on %2) and uses "
                               "the same files; quit it first. If it no longer runs, remove %3.")
                    .arg(pid)
                    .arg(host.isEmpty() ? QStringLiteral("this computer") : host)
                    .arg(path);
    m_lock.reset();
    return false;
}

// Each request is acted on in the next turn of the event loop, after the
// reply has gone out: the caller exits as soon as the request is taken, not
// once the panel (its first opening builds the whole board) is on screen.
void SingleInstance::Activate(const QVariantMap &)
{
    QMetaObject::invokeMethod(this, &SingleInstance::openRequested, Qt::QueuedConnection);
}

void SingleInstance::Open(const QStringList &, const QVariantMap &)
{
    // There is nothing to open; a launcher that passes files gets the panel.
    QMetaObject::invokeMethod(this, &SingleInstance::openRequested, Qt::QueuedConnection);
}

void SingleInstance::ActivateAction(const QString &name, const QVariantList &, const QVariantMap &)
{
    if (name == text(kToggleAction)) {
        QMetaObject::invokeMethod(this, &SingleInstance::toggleRequested, Qt::QueuedConnection);
    }
}

} // namespace pondrel
