#include "signalbridge.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <csignal>

namespace pondrel {
namespace {

TEST(SignalBridge, turnsEachQuitSignalIntoOneEventAndRestoresTheDefaultAfter)
{
    {
        SignalBridge bridge;
        ASSERT_TRUE(bridge.isActive());
        QSignalSpy received(&bridge, &SignalBridge::received);
        for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
            // Without the bridge, raise() would end the test here.
            ASSERT_EQ(std::raise(signalNumber), 0);
            ASSERT_TRUE(received.wait(5000)) << signalNumber;
            EXPECT_EQ(received.takeFirst().at(0).toInt(), signalNumber);
            EXPECT_TRUE(received.isEmpty());
        }
    }
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        struct sigaction action = {};
        ASSERT_EQ(sigaction(signalNumber, nullptr, &action), 0);
        EXPECT_EQ(action.sa_handler, SIG_DFL) << signalNumber;
    }
}

} // namespace
} // namespace pondrel
