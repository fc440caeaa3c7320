// Can the story's fights be won by the party the story has at that point? Each battle file is played
// many times, seeded, through the real menus, with the simple policy of support/BattlePolicy.
// The report lists the win rate of each fight; every one must be won nearly always.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "battle/BattleData.h"
#include "core/Random.h"
#include "core/StateMachine.h"
#include "support/Battles.h"
#include "support/Battles.h"
#include "support/Scenes.h"
#include "world/GameSession.h"

namespace {

constexpr int RUNS = 50;

struct StoryFight {
    const char* when;
    const char* map;
    const char* level;
    uint32_t partySize;
    uint16_t hpPotions;
    uint16_t manaPotions;
    int minimumPercent;
};

// The party of each point of the story, and potions its gold can buy by then (50 and 30 gold each). The
// Boss is the one real test: without potions it can be lost.
const StoryFight FIGHTS[] = {
    {"bridge, Pell alone", "Bridge", "Knight1", 1, 0, 0, 90},
    {"bridge, Pell alone", "Bridge", "Dog1", 1, 0, 0, 90},
    {"burning village, before Groto", "GoblinVillageBurn", "VillageGuard", 2, 1, 0, 90},
    {"burning village, before Groto", "GoblinVillageBurn", "Patrol", 2, 1, 0, 90},
    {"burning village, before Groto", "GoblinVillageBurn", "Knight1", 2, 0, 0, 90},
    {"burning village, before Groto", "GoblinVillageBurn", "Dog1", 2, 0, 0, 90},
    {"burning village", "GoblinVillageBurn", "VillageGuard", 3, 0, 0, 90},
    {"burning village", "GoblinVillageBurn", "Patrol", 3, 0, 0, 90},
    {"boss bridge", "BridgeNight", "Boss", 3, 1, 1, 90},
    {"boss bridge", "BridgeNight", "Boss", 3, 2, 2, 90},
    {"boss bridge, no potions", "BridgeNight", "Boss", 3, 0, 0, 70},
};

// Plays the battle to its end without drawing; true when it is won.
bool Fight(GameHarness& game, const StoryFight& fight, unsigned seed) {
    SeedRandom(seed);
    gSession.partySize = fight.partySize;
    gSession.pouch.slots[0] = {ITEM_HP_POTION, fight.hpPotions};
    gSession.pouch.slots[1] = {ITEM_MANA_POTION, fight.manaPotions};
    SetGameScreen(SCREEN_BATTLE);
    StartBattle(Level(fight.level).c_str());
    const bool won = FightItOut(game, BATTLE_DT, false) == BattleEnd::WON;
    game.PressKey(won ? DefaultKeys::ENTER : sf::Keyboard::R);  // back on the map, or try again
    return won;
}

TEST(WinRates, EveryFightOfTheStoryIsWonByThePartyOfThatPoint) {
    GameHarness game;
    std::printf("\n%-32s %-14s %-6s %-8s %s\n", "story point", "battle", "party", "potions", "won");
    for (const StoryFight& fight : FIGHTS) {
        EnterMap(game, fight.map, 2);
        int wins = 0;
        for (int run = 0; run < RUNS; ++run)
            wins += Fight(game, fight, 1000 + static_cast<unsigned>(run)) ? 1 : 0;
        std::printf("%-32s %-14s %-6u %u+%-6u %d/%d\n", fight.when, fight.level, fight.partySize,
                    fight.hpPotions, fight.manaPotions, wins, RUNS);
        EXPECT_GE(wins * 100, RUNS * fight.minimumPercent) << fight.when << ", " << fight.level;
        SetGameMode(MODE_MENU, game.Window());
    }
}

}  // namespace
