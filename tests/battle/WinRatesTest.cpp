// Can the story's fights be won by the party the story has at that point? Each fight is played by the
// rules alone, seeded, with the policy of support/BattlePolicy. scripts/battle-win-rates.sh reports the
// same fights at a thousand seeds each; here a hundred keep the balance honest.

#include <gtest/gtest.h>

#include "support/BattlePolicy.h"
#include "support/GameHarness.h"

namespace {

constexpr int RUNS = 100;

TEST(WinRates, EveryFightOfTheStoryIsWonByThePartyOfThatPoint) {
    ScratchFolder folder;
    for (const StoryFight& fight : StoryFights()) {
        int wins = 0, unended = 0;
        for (int run = 0; run < RUNS; ++run) {
            const BattleEnd end = PlayStoryFight(fight, 1000 + static_cast<unsigned>(run));
            wins += end == BattleEnd::WON ? 1 : 0;
            unended += end == BattleEnd::UNENDED ? 1 : 0;
        }
        EXPECT_EQ(unended, 0) << fight.when << ", " << fight.level;
        EXPECT_GE(wins * 100, RUNS * fight.minimumPercent)
            << fight.when << ", " << fight.level << ": " << wins;
    }
}

}  // namespace
