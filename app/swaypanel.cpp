#include "swaypanel.h"

#include "clickcatcher.h"
#include "panelview.h"
#include "xwindowmanager.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScreen>

#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <utility>

namespace pondrel {

namespace {

// What sway's rule recognises the panel by, among this process's windows
// (the welcome window is one too), followed by where it goes.
constexpr char kWindowRolePrefix[] = "pondrel-panel";

// i3's IPC framing, which sway speaks: the magic, the payload's length and
// the message type, both 32-bit in the machine's byte order.
constexpr char kIpcMagic[] = {'i', '3', '-', 'i', 'p', 'c'};
constexpr std::uint32_t kRunCommand = 0;
// A command's reply is a few dozen bytes a part.
constexpr std::uint32_t kReplyLimit = 64 * 1024;

bool writeAll(int fd, const char *data, size_t size)
{
    while (size > 0) {
        const ssize_t written = ::send(fd, data, size, MSG_NOSIGNAL);
        if (written <= 0) {
            return false;
        }
        data += written;
        size -= size_t(written);
    }
    return true;
}

bool readAll(int fd, char *data, size_t size)
{
    while (size > 0) {
        const ssize_t got = ::recv(fd, data, size, 0);
        if (got <= 0) {
            return false;
        }
        data += got;
        size -= size_t(got);
    }
    return true;
}

} // namespace

QByteArray SwayPanel::ipcSocket()
{
    return qgetenv("SWAYSOCK");
}

SwayPanel::SwayPanel(PanelView &view, QByteArray ipcSocket)
    : PanelBehaviour(view), m_ipcSocket(std::move(ipcSocket))
{
    // sway runs a rule once for a window, however often it maps, and
    // centres a floating window at each mapping: each opening is a new
    // window, named for where it goes, so that exactly one rule places it.
    // Gone while hidden, the window also takes its next place at once,
    // where a live one learns it only when X confirms the move.
    connect(
        &m_view,
        &QWindow::visibleChanged,
        this,
        [this] {
            if (!m_view.isVisible()) {
                m_view.destroy();
            }
        },
        Qt::QueuedConnection);
    connect(&m_view, &QWindow::xChanged, this, &SwayPanel::keepPlace, Qt::QueuedConnection);
    connect(&m_view, &QWindow::yChanged, this, &SwayPanel::keepPlace, Qt::QueuedConnection);
    m_catcher = std::make_unique<ClickCatcher>(false);
    connect(m_catcher.get(), &ClickCatcher::pressed, this, &PanelBehaviour::pressedOutside);
}

SwayPanel::~SwayPanel() = default;

void SwayPanel::aboutToHide()
{
    m_catcher->hide();
}

void SwayPanel::placed(QPoint position)
{
    m_place = position;
}

QString SwayPanel::criteria() const
{
    return QStringLiteral("[pid=%1 window_role=\"^%2$\"]")
        .arg(QCoreApplication::applicationPid())
        .arg(m_role);
}

void SwayPanel::keepPlace()
{
    if (!m_view.isVisible() || m_view.position() == m_place) {
        return;
    }
    // By the X window, which sway knows from the start, where the rule's
    // properties were seen missing now and then (the rule then did not
    // place the window either).
    const QByteArray move = QStringLiteral("[id=%1] move absolute position %2 px %3 px")
                                .arg(m_view.winId())
                                .arg(m_place.x())
                                .arg(m_place.y())
                                .toUtf8();
    runSwayCommand(m_ipcSocket, move, kIpcTimeoutMilliseconds);
}

Qt::WindowFlags SwayPanel::flags() const
{
    // A dialog, which sway floats rather than tiles.
    return Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Dialog;
}

void SwayPanel::aboutToShow(QScreen *screen, const QRect &anchor, const QByteArray &activationToken)
{
    // The bar is between the screen's edge and the panel, on the anchor's
    // side.
    const QRect area = screen->geometry();
    const QRect panel = m_view.geometry();
    QRegion bar;
    if (anchor.center().y() < panel.top()) {
        bar = QRect(area.left(), area.top(), area.width(), panel.top() - area.top());
    } else if (anchor.center().y() > panel.bottom()) {
        bar = QRect(area.left(), panel.bottom() + 1, area.width(), area.bottom() - panel.bottom());
    }
    m_catcher->cover(screen, bar, anchor);
    m_view.create();
    m_place = m_view.position();
    m_role = QStringLiteral("%1-%2-%3")
                 .arg(QLatin1String(kWindowRolePrefix))
                 .arg(m_place.x())
                 .arg(m_place.y());
    setWindowRole(m_view, m_role.toLatin1());
    keepOffTaskbar(m_view);
    setStartupId(m_view, activationToken);
    // The commands quoted as one: unquoted, sway would run all but the
    // first at once, on whatever window has the focus.
    const QByteArray rule = QStringLiteral("for_window %1 \"floating enable, border none, move "
                                           "absolute position %2 px %3 px\"")
                                .arg(criteria())
                                .arg(m_place.x())
                                .arg(m_place.y())
                                .toUtf8();
    if (!runSwayCommand(m_ipcSocket, rule, kIpcTimeoutMilliseconds)) {
        std::fprintf(stderr, "sway did not take the panel's placement: %s\n", rule.constData());
    }
    // Again, now that sway has surely seen the window made: a property set
    // before its window manager watched the new window is never read
    // (measured: about one opening in five under load had no role in
    // sway's tree). A window the rule still missed is moved by keepPlace().
    setWindowRole(m_view, m_role.toLatin1());
}

bool runSwayCommand(const QByteArray &socketPath,
                    const QByteArray &command,
                    int timeoutMilliseconds)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath.isEmpty() || size_t(socketPath.size()) >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, socketPath.constData(), size_t(socketPath.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    const timeval timeout{timeoutMilliseconds / 1000, (timeoutMilliseconds % 1000) * 1000};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);

    char header[sizeof kIpcMagic + 2 * sizeof(std::uint32_t)];
    const auto length = std::uint32_t(command.size());
    std::memcpy(header, kIpcMagic, sizeof kIpcMagic);
    std::memcpy(header + sizeof kIpcMagic, &length, sizeof length);
    std::memcpy(header + sizeof kIpcMagic + sizeof length, &kRunCommand, sizeof kRunCommand);
    QByteArray reply;
    bool sent = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0 &&
                writeAll(fd, header, sizeof header) &&
                writeAll(fd, command.constData(), size_t(command.size())) &&
                readAll(fd, header, sizeof header) &&
                std::memcmp(header, kIpcMagic, sizeof kIpcMagic) == 0;
    if (sent) {
        std::uint32_t replyLength = 0;
        std::memcpy(&replyLength, header + sizeof kIpcMagic, sizeof replyLength);
        sent = replyLength <= kReplyLimit;
        if (sent) {
            reply.resize(qsizetype(replyLength));
            sent = readAll(fd, reply.data(), replyLength);
        }
    }
    ::close(fd);
    if (!sent) {
        return false;
    }
    // One result per command of the list: [{"success": true}, ...].
    const QJsonArray results = QJsonDocument::fromJson(reply).array();
    if (results.isEmpty()) {
        return false;
    }
    for (const QJsonValue &result : results) {
        if (!result.toObject().value(QLatin1String("success")).toBool()) {
            return false;
        }
    }
    return true;
}

} // namespace pondrel
