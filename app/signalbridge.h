#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <memory>

namespace pondrel {

// SIGTERM, SIGINT and SIGHUP (logout, shutdown, `kill`, Ctrl+C, a closed
// terminal) turned into a Qt signal on the main thread.
//
// The handler only writes the signal's number into one end of a socket pair
// (write() is safe in a handler; nothing else is); a QSocketNotifier on the
// other end emits `received` from the event loop. A signal that arrives
// before the loop runs waits in the socket. While the bridge lives the
// three signals no longer end the process by themselves; its destruction
// puts back what was there before.
class SignalBridge : public QObject
{
    Q_OBJECT

public:
    explicit SignalBridge(QObject *parent = nullptr);
    ~SignalBridge() override;

    // False when the socket pair or a handler could not be set up; the
    // signals then keep their default action.
    bool isActive() const { return m_notifier != nullptr; }

signals:
    void received(int signalNumber);

private:
    void readSignals();

    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace pondrel
