// Can the story's fights be won by the party the story has at that point? Each battle file is played
// many times, seeded, through the real menus, with a simple policy a player might follow: spread damage
// while there are several enemies, finish the weakest, heal whoever is low, drink a potion when hurt.
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

std::vector<uint32_t> Living(const std::vector<Combatant>& side) {
    std::vector<uint32_t> living;
    for (uint32_t i = 0; i < side.size(); ++i)
        if (side[i].state != STATE_DEAD) living.push_back(i);
    return living;
}

uint32_t Weakest(const std::vector<Combatant>& side) {
    const std::vector<uint32_t> living = Living(side);
    return *std::min_element(living.begin(), living.end(),
                             [&](uint32_t a, uint32_t b) { return side[a].hp < side[b].hp; });
}

uint32_t MostHurt(const std::vector<Combatant>& side) {
    const std::vector<uint32_t> living = Living(side);
    return *std::min_element(living.begin(), living.end(), [&](uint32_t a, uint32_t b) {
        return side[a].hp * side[b].maxHp < side[b].hp * side[a].maxHp;
    });
}

bool Low(const Combatant& member, int percent) {
    return member.hp * 100 < member.maxHp * percent;
}

int PouchSlotOf(int32_t itemId) {
    for (int slot = 0; slot < 2; ++slot)
        if (gSession.pouch.slots[slot].itemId == itemId && gSession.pouch.slots[slot].count > 0) return slot;
    return -1;
}

// A healing potion for whoever is badly hurt; a mana potion for the mage who ran dry.
bool TryPotion(GameHarness& game) {
    const uint32_t hurt = MostHurt(gBattle.party);
    const int hpSlot = PouchSlotOf(ITEM_HP_POTION);
    if (Low(gBattle.party[hurt], 40) && hpSlot >= 0) {
        ChoosePotion(game, static_cast<unsigned>(hpSlot), hurt);
        return true;
    }
    const Combatant& member = gBattle.party[gBattle.commandingMember];
    const int manaSlot = PouchSlotOf(ITEM_MANA_POTION);
    if (member.id == 2 && member.mana < 100 && manaSlot >= 0) {
        ChoosePotion(game, static_cast<unsigned>(manaSlot), gBattle.commandingMember);
        return true;
    }
    return false;
}

void CommandPell(GameHarness& game, const Combatant& pell) {
    const uint32_t weakest = Weakest(gBattle.enemies);
    if (Living(gBattle.enemies).size() >= 2 && pell.mana >= 50) {
        ChooseSkill(game, 1, {});
    } else if (pell.mana >= 25) {
        ChooseSkill(game, 0, {weakest, weakest});
    } else {
        ChooseAttack(game, weakest);
    }
}

void CommandSpriti(GameHarness& game, const Combatant& spriti) {
    const std::vector<uint32_t> fallen = [] {
        std::vector<uint32_t> dead;
        for (uint32_t i = 0; i < gBattle.party.size(); ++i)
            if (gBattle.party[i].state == STATE_DEAD) dead.push_back(i);
        return dead;
    }();
    int low = 0;
    for (const Combatant& member : gBattle.party)
        low += member.state != STATE_DEAD && Low(member, 60) ? 1 : 0;
    if (!fallen.empty() && spriti.mana >= 150) {
        ChooseSkill(game, 2, {fallen[0]});
    } else if (low >= 2 && spriti.mana >= 100) {
        ChooseSkill(game, 1, {});
    } else if (Low(gBattle.party[MostHurt(gBattle.party)], 60) && spriti.mana >= 50) {
        ChooseSkill(game, 0, {MostHurt(gBattle.party)});
    } else {
        ChooseAttack(game, Weakest(gBattle.enemies));
    }
}

void CommandGroto(GameHarness& game, const Combatant& groto) {
    std::vector<uint32_t> living = Living(gBattle.enemies);
    std::sort(living.begin(), living.end(),
              [](uint32_t a, uint32_t b) { return gBattle.enemies[a].hp < gBattle.enemies[b].hp; });
    if (groto.mana >= 150 && living.size() >= 2) {
        ChooseSkill(game, 1, {living[0], living[1]});  // the two weakest: a Knight falls to each bolt
    } else if (groto.mana >= 100) {
        const uint32_t strongest = *std::max_element(
            living.begin(), living.end(),
            [](uint32_t a, uint32_t b) { return gBattle.enemies[a].hp < gBattle.enemies[b].hp; });
        ChooseSkill(game, 0, {strongest});
    } else {
        ChooseAttack(game, Weakest(gBattle.enemies));
    }
}

void Command(GameHarness& game) {
    if (TryPotion(game)) return;
    const Combatant& member = gBattle.party[gBattle.commandingMember];
    if (member.id == 0) CommandPell(game, member);
    if (member.id == 1) CommandSpriti(game, member);
    if (member.id == 2) CommandGroto(game, member);
}

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
            Command(game);
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
