#include "steplinks.h"

#include <QVariantMap>

#include <gtest/gtest.h>

using namespace pondrel;

// A forcing chain by hand: assuming 4 in r1c1 (cell 0) runs, over two
// branches that share their first link, into a contradiction, so the 4 goes.
TEST(StepLinks, onlyTheReasonStageDrawsTheChainEachLinkOnceItsRemovedNodesMarked)
{
    ShownStep shown;
    shown.step.technique = Technique::forcingChain;
    const ChainLink first{{0, 4}, {8, 4}, false};
    const ChainLink second{{8, 4}, {8, 7}, true};
    const ChainLink branch{{8, 4}, {80, 4}, true};
    shown.step.links = {first, second, first, branch};
    shown.step.eliminations = {{0, 4}};

    EXPECT_TRUE(shownLinks(std::nullopt).isEmpty());
    EXPECT_TRUE(shownLinks(shown).isEmpty()) << "the nudge gives no pattern away";
    shown.stage = ShownStep::Stage::reason;
    const QVariantList links = shownLinks(shown);
    ASSERT_EQ(links.size(), 3);
    const QVariantMap expected{
        {QStringLiteral("fromCell"), 0},
        {QStringLiteral("fromDigit"), 4},
        {QStringLiteral("fromRemoved"), true},
        {QStringLiteral("toCell"), 8},
        {QStringLiteral("toDigit"), 4},
        {QStringLiteral("toRemoved"), false},
        {QStringLiteral("isStrong"), false},
    };
    EXPECT_EQ(links[0].toMap(), expected);
    EXPECT_EQ(links[1].toMap().value(QStringLiteral("toDigit")), 7);
    EXPECT_EQ(links[2].toMap().value(QStringLiteral("toCell")), 80);
    EXPECT_TRUE(links[2].toMap().value(QStringLiteral("isStrong")).toBool());

    // A net of a hundred links draws its first and last twenty.
    shown.step.links.clear();
    for (int cell = 0; cell < 100; ++cell) {
        shown.step.links.push_back({{cell % 81, 1 + cell / 81}, {(cell + 1) % 81, 2}, false});
    }
    const QVariantList drawn = shownLinks(shown);
    ASSERT_EQ(drawn.size(), 40);
    EXPECT_EQ(drawn.front().toMap().value(QStringLiteral("fromCell")), 0);
    EXPECT_EQ(drawn.back().toMap().value(QStringLiteral("fromCell")), 99 % 81);

    shown.isStuck = true;
    EXPECT_TRUE(shownLinks(shown).isEmpty());
}
