#include "signalbridge.h"

#include <array>
#include <cerrno>
#include <csignal>

#include <sys/socket.h>
#include <unistd.h>

namespace pondrel {

namespace {

constexpr std::array<int, 3> kSignals = {SIGTERM, SIGINT, SIGHUP};

// The write end for the handler, and what the handlers replaced. Plain data:
// a handler may read nothing else. One bridge at a time.
int writeEnd = -1;
int readEnd = -1;
struct sigaction previousActions[kSignals.size()];

extern "C" void forwardSignal(int signalNumber)
{
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    // A full socket (hundreds of signals unread) drops the byte: one is
    // enough to quit.
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
    errno = savedErrno;
}

} // namespace

SignalBridge::SignalBridge(QObject *parent) : QObject(parent)
{
    if (writeEnd != -1) {
        return;
    }
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, ends) != 0) {
        return;
    }
    readEnd = ends[0];
    writeEnd = ends[1];
    struct sigaction action = {};
    action.sa_handler = forwardSignal;
    sigemptyset(&action.sa_mask);
    // Interrupted system calls resume, so no other code sees EINTR.
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        sigaction(kSignals[i], &action, &previousActions[i]);
    }
    m_notifier = std::make_unique<QSocketNotifier>(readEnd, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &SignalBridge::readSignals);
}

SignalBridge::~SignalBridge()
{
    if (!m_notifier) {
        return;
    }
    m_notifier.reset();
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        sigaction(kSignals[i], &previousActions[i], nullptr);
    }
    ::close(writeEnd);
    ::close(readEnd);
    writeEnd = -1;
    readEnd = -1;
}

void SignalBridge::readSignals()
{
    unsigned char byte = 0;
    while (::read(readEnd, &byte, 1) == 1) {
        emit received(byte);
    }
}

} // namespace pondrel
