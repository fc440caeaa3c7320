// Can the story's fights be won by the party the story has at that point? Each battle file is played
// many times, seeded, through the real menus, with the simple policy of support/BattlePolicy.
// The report lists the win rate of each fight; every one must be won nearly always.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "app/FrameLoop.h"
#include "battle/BattleData.h"
#include "battle/BattleState.h"
#include "core/GameStates.h"
#include "core/Random.h"
#include "core/SoundEffects.h"
#include "core/StateMachine.h"
#include "support/BattlePolicy.h"
#include "support/BattleScenes.h"
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
    for (int frame = 0; frame < 20000; ++frame) {
        if (gStates.gameMode != MODE_GAME) break;
        if (gBattle.phase == PHASE_VICTORY) break;
        if (WaitingForCommands()) {
            CommandLikeAPlayer(game);
            continue;
        }
        if (gBattle.phase == PHASE_ACTIONS) game.PressKey(sf::Keyboard::Space);
        AdvanceFrame(BATTLE_DT, game.Window());
        ResetSoundEffectPool();  // far faster than the sounds play: they would pile up
    }
    const bool won = gStates.gameMode == MODE_GAME && gBattle.phase == PHASE_VICTORY;
    if (won) {
        game.PressKey(sf::Keyboard::Return);
    } else {
        game.PressKey(sf::Keyboard::R);  // try again: back on the map
    }
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
