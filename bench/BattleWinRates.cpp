// Every fight of the story played by the rules alone a thousand times, seeded, with the party of that
// point of the story and the potions its gold can buy by then: the win rate of each, and how long the
// whole report took. scripts/battle-win-rates.sh

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "BenchClock.h"
#include "support/BattlePolicy.h"
#include "support/GameHarness.h"

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 1000;
    ScratchFolder folder;
    std::printf("%-32s %-14s %-6s %-8s %-11s %s\n", "story point", "battle", "party", "potions", "won",
                "unended");
    const double start = NowSeconds(CLOCK_MONOTONIC);
    int battles = 0;
    for (const StoryFight& fight : StoryFights()) {
        int wins = 0, unended = 0;
        for (int run = 0; run < runs; ++run, ++battles) {
            const BattleEnd end = PlayStoryFight(fight, 1000 + static_cast<unsigned>(run));
            wins += end == BattleEnd::WON ? 1 : 0;
            unended += end == BattleEnd::UNENDED ? 1 : 0;
        }
        std::printf("%-32s %-14s %-6u %u+%-6u %5.1f %%     %d\n", fight.when, fight.level, fight.partySize,
                    fight.hpPotions, fight.manaPotions, 100.0 * wins / runs, unended);
    }
    const double seconds = NowSeconds(CLOCK_MONOTONIC) - start;
    std::printf("\n%d battles in %.2f s (%.1f us a battle)\n", battles, seconds, 1e6 * seconds / battles);
    return 0;
}
