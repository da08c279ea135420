#include "puzzlesupply.h"
#include "supplytestsupport.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using namespace pondrel;
using namespace pondrel::test;
using namespace std::chrono_literals;

namespace {

using Calls = std::array<int, 4>;

class BackgroundRefill : public testing::Test
{
protected:
    // A supply whose file already holds `count` puzzles for each of `full`.
    std::unique_ptr<PuzzleSupply> makeSupply(std::initializer_list<Difficulty> full,
                                             PuzzleSupply::GenerateFunction generate = {},
                                             std::size_t count = 3)
    {
        SavedState state;
        for (const Difficulty difficulty : full) {
            state.ready[std::string(rawValue(difficulty))].assign(count, std::string(kSolvedText));
        }
        EXPECT_TRUE(writeSupplyFile(state, m_file));
        m_before = readBytes(m_file);
        return std::make_unique<PuzzleSupply>(
            m_dir.path(), true, PuzzleSupply::Sources{QString(), std::move(generate)});
    }

    std::size_t readyCount(const PuzzleSupply &supply, Difficulty difficulty) const
    {
        const auto queue = supply.state().ready.find(std::string(rawValue(difficulty)));
        return queue == supply.state().ready.end() ? 0 : queue->second.size();
    }

    QTemporaryDir m_dir;
    QString m_file = m_dir.filePath(QString::fromLatin1(kSupplyFileName));
    QByteArray m_before;
};

TEST_F(BackgroundRefill, switchedOffRefillStartsNothing)
{
    GateGenerator generator;
    generator.open();
    PuzzleSupply supply(m_dir.path(), false, {QString(), generator.function()});
    supply.refill();
    EXPECT_TRUE(supply.generating().empty());
    waitUntil([] { return false; }, 100ms);
    EXPECT_EQ(generator.record().calls, Calls{});
    EXPECT_FALSE(QFileInfo::exists(m_file));
}

TEST_F(BackgroundRefill, startsShortDifficultiesOnlyOneEachAtLowPriorityUntilFull)
{
    // Easy is over the target: it is neither refilled nor cut back. Each
    // difficulty's first two generate() calls come back empty.
    GateGenerator generator;
    generator.shared->failuresFirst = 2;
    auto supply = makeSupply({Difficulty::easy}, generator.function(), 4);
    const std::set running{Difficulty::medium, Difficulty::hard, Difficulty::expert};
    supply->refill();
    EXPECT_EQ(supply->generating(), running);
    ASSERT_TRUE(waitUntil([&] { return generator.record().calls == Calls{0, 1, 1, 1}; }));
    supply->refill();
    waitUntil([] { return false; }, 50ms);
    EXPECT_EQ(generator.record().calls, (Calls{0, 1, 1, 1}));
    EXPECT_EQ(supply->generating(), running);

    generator.open();
    ASSERT_TRUE(waitUntil([&] { return supply->generating().empty(); }));
    for (const Difficulty difficulty : allDifficulties) {
        EXPECT_EQ(readyCount(*supply, difficulty), difficulty == Difficulty::easy ? 4u : 3u);
    }
    EXPECT_EQ(supply->state().ready.at("Expert").back(), gridText(generator.result.givens));
    EXPECT_EQ(readSupplyFile(m_file), supply->state());
    const GateGenerator::Record record = generator.record();
    EXPECT_EQ(record.calls, (Calls{0, 5, 5, 5}));
    EXPECT_EQ(record.mostRunning, (Calls{0, 1, 1, 1}));
    EXPECT_FALSE(record.badArguments);
    EXPECT_FALSE(record.onMainThread);
    EXPECT_GE(record.lowestNiceness, 10);
}

TEST_F(BackgroundRefill, destructionReturnsAtOnceAndStopsRunningGenerations)
{
    GateGenerator generator;
    auto supply = makeSupply({}, generator.function());
    supply->refill();
    ASSERT_TRUE(waitUntil([&] { return generator.record().calls == Calls{1, 1, 1, 1}; }));
    QElapsedTimer timer;
    timer.start();
    supply.reset();
    EXPECT_LT(timer.elapsed(), 100);
    ASSERT_TRUE(waitUntil([&] { return generator.record().finished == 4; }, 2s));
    EXPECT_TRUE(generator.record().sawStop);
    EXPECT_EQ(readBytes(m_file), m_before);
}

TEST_F(BackgroundRefill, resultArrivingAfterTheSupplyIsGoneIsDropped)
{
    const std::initializer_list<Difficulty> full{
        Difficulty::easy, Difficulty::medium, Difficulty::hard};
    for (const bool deafToStop : {false, true}) {
        GateGenerator generator;
        generator.shared->honoursStop = !deafToStop;
        generator.shared->gateOpen = !deafToStop;
        auto supply = makeSupply(full, generator.function());
        supply->refill();
        if (deafToStop) {
            // Still generating, and it will not stop: the supply must not wait.
            ASSERT_TRUE(waitUntil([&] { return generator.record().calls[3] == 1; }));
        } else {
            // Done and queued for the main thread, but not yet delivered.
            for (int wait = 0; wait < 5000 && generator.record().finished == 0; ++wait) {
                QThread::msleep(1);
            }
            QThread::msleep(50);
        }
        QElapsedTimer timer;
        timer.start();
        supply.reset();
        EXPECT_LT(timer.elapsed(), 100);
        generator.open();
        ASSERT_TRUE(waitUntil([&] { return generator.record().finished == 1; }));
        waitUntil([] { return false; }, 100ms);
        EXPECT_EQ(readBytes(m_file), m_before);
    }
}

TEST_F(BackgroundRefill, realGeneratorFillsTheEasyQueue)
{
    auto supply = makeSupply({Difficulty::medium, Difficulty::hard, Difficulty::expert});
    supply->refill();
    EXPECT_EQ(supply->generating(), std::set{Difficulty::easy});
    ASSERT_TRUE(waitUntil([&] { return readyCount(*supply, Difficulty::easy) == 3; }, 120s));
    EXPECT_TRUE(supply->generating().empty());
    for (const std::string &text : supply->state().ready.at("Easy")) {
        const auto puzzle = fromText(text, Difficulty::easy);
        ASSERT_TRUE(puzzle.has_value()) << text;
        EXPECT_GE(
            std::count_if(puzzle->givens.begin(), puzzle->givens.end(), [](int v) { return v; }),
            clueRange(Difficulty::easy).lowest);
    }
    EXPECT_EQ(readSupplyFile(m_file), supply->state());
}

} // namespace
