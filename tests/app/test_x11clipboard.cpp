#include "x11clipboard.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

// A clipboard of 100 MB costs the reader no more than it needs: the
// owner's transfer stops after the first bytes. Runs on its own Xvfb with
// xclip as the owner.
TEST(X11Clipboard, readsOnlyTheStartOfAHugeClipboard)
{
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty()) {
        GTEST_SKIP() << "needs Xvfb and xclip";
    }
    QProcess server;
    server.start(QStringLiteral("Xvfb"),
                 {QStringLiteral("-displayfd"),
                  QStringLiteral("1"),
                  QStringLiteral("-nolisten"),
                  QStringLiteral("tcp"),
                  QStringLiteral("-screen"),
                  QStringLiteral("0"),
                  QStringLiteral("64x64x24")});
    ASSERT_TRUE(server.waitForReadyRead(10000));
    const QByteArray display = ':' + server.readLine().trimmed();
    const auto copy = [&](const QByteArray &text) {
        QProcess owner;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(display));
        owner.setProcessEnvironment(environment);
        // xclip reads its input, then leaves a child behind that owns the
        // selection until the server ends.
        owner.start(
            QStringLiteral("xclip"),
            {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-i")});
        ASSERT_TRUE(owner.waitForStarted());
        owner.write(text);
        owner.closeWriteChannel();
        ASSERT_TRUE(owner.waitForFinished(60000));
    };
    // xclip's child takes the selection a moment after its parent ends.
    const auto waitForText = [&](const QByteArray &start) {
        QElapsedTimer waited;
        waited.start();
        while (pondrel::readX11ClipboardText(display, start.size() - 1, 5s) != start &&
               waited.elapsed() < 10000) {
            QThread::msleep(20);
        }
    };

    copy("530070000 ✓");
    waitForText("530070000 ✓");
    EXPECT_EQ(pondrel::readX11ClipboardText(display, 16, 5s), QByteArray("530070000 ✓"));

    copy(QByteArray(100 * 1024 * 1024, '5'));
    waitForText(QByteArray(17, '5'));
    // xclip serves one reader at a time: let it finish the transfer the
    // wait above cut short.
    QThread::msleep(500);
    QElapsedTimer timer;
    timer.start();
    const std::optional<QByteArray> text = pondrel::readX11ClipboardText(display, 16388, 5s);
    const qint64 spent = timer.elapsed();
    EXPECT_EQ(text, QByteArray(16389, '5'));
    EXPECT_LE(spent, 50) << "milliseconds";

    server.terminate();
    server.waitForFinished();
}

} // namespace
