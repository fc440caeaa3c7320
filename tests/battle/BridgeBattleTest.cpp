// A battle played as a person plays it: from a save on the Bridge, the hero walks into a knight, the
// battle music starts, the party fights with the menus, wins, counts the reward and walks on without
// the knight; seeded otherwise, the party falls, the game-over screen comes, and R tries again from the
// save, the knight back in its place. A whole battle replays identically from its seed.

#include <gtest/gtest.h>

#include "battle/screen/BattleHud.h"
#include "battle/screen/BattleState.h"
#include "battle/screen/GameOver.h"
#include "content/MapContent.h"
#include "core/GameStates.h"
#include "core/Music.h"
#include "support/Battles.h"
#include "support/Journey.h"
#include "support/Scenes.h"
#include "world/GameSession.h"

namespace {

int KnightsOnTheMap() {
    int knights = 0;
    for (const Npc& npc : gMapContent.npcList.npcs)
        if (npc.battlePath == "Assets/Text/Levels/Knight1") ++knights;
    return knights;
}

void WalkIntoAKnight(GameHarness& game) {
    ASSERT_EQ(WalkIntoEnemy(game, "Knight1"), "");
    ASSERT_EQ(gBattle.enemyKinds, std::vector<int32_t>{ENEMY_KNIGHT});
}

TEST(BridgeBattle, WalkIntoAKnightFightWinAndWalkOnWithoutIt) {
    GameHarness game({.seed = 7});
    EnterMap(game, "Bridge");
    gSession.gold = 100;
    const int knightsBefore = KnightsOnTheMap();
    ASSERT_GE(knightsBefore, 1);
    WalkIntoAKnight(game);
    EXPECT_TRUE(MusicIsPlaying());
    ASSERT_TRUE(gBattle.running);
    EXPECT_EQ(gBattle.enemies.size(), 1u);
    EXPECT_EQ(gBattle.party.size(), 1u);
    EXPECT_TRUE(WaitingForCommands());

    // Round one: a Double Attack from the skill list; then plain attacks until the knight falls.
    ChooseSkill(game, 0, {0, 0});
    EXPECT_EQ(gBattle.party[0].mana, 125);
    PlayOutRound(game);
    for (int round = 0; round < 10 && WaitingForCommands(); ++round) {
        ChooseAttack(game, 0);
        PlayOutRound(game);
    }
    ASSERT_EQ(gBattle.phase, PHASE_VICTORY);
    EXPECT_EQ(gSession.gold, 115);
    game.Step(BATTLE_DT, 90);
    game.PressKey(sf::Keyboard::Return);
    ASSERT_EQ(gStates.gameScreen, SCREEN_ROAMING);
    EXPECT_EQ(KnightsOnTheMap(), knightsBefore - 1);
    game.Step(BATTLE_DT, 30);  // the hero can walk again
    EXPECT_EQ(gStates.gameScreen, SCREEN_ROAMING);
}

TEST(BridgeBattle, FallingShowsGameOverAndRTriesAgainFromTheSave) {
    GameHarness game({.seed = 3});
    EnterMap(game, "Bridge");
    const std::string saved = SavedSection("Bridge");
    WalkIntoAKnight(game);
    gBattle.party[0].hp = 30;  // one blow from the end
    for (int round = 0; round < 5 && WaitingForCommands(); ++round) {
        ChooseAttack(game, 0);
        PlayOutRound(game);
    }
    game.Step(BATTLE_DT, 2);
    ASSERT_EQ(gStates.gameMode, MODE_GAME_OVER);
    EXPECT_EQ(SavedSection("Bridge"), saved);  // a lost battle writes nothing
    game.Step(BATTLE_DT, 120);
    EXPECT_GT(gGameOver.veil.getFillColor().a, 0);
    game.PressKey(sf::Keyboard::R);
    ASSERT_EQ(gStates.gameMode, MODE_GAME);
    EXPECT_EQ(gStates.gameScreen, SCREEN_ROAMING);
    EXPECT_EQ(std::string(gSession.currentMapName), "Bridge");
    EXPECT_GE(KnightsOnTheMap(), 1);
    EXPECT_EQ(gSession.pouch.slots[0].count, 0);
    WalkIntoAKnight(game);  // and the fight can be had again
    EXPECT_TRUE(gBattle.running);
    EXPECT_EQ(gBattle.party[0].hp, 250);
}

// Everything that happens in one battle, in order: the information box after each frame's turn.
std::vector<std::string> PlayWholeBattle(unsigned seed) {
    GameHarness game({.seed = seed});
    BeginBattle(game, "GoblinVillageBurn", Level("Patrol"), 3);
    std::vector<std::string> story;
    for (int round = 0; round < 30 && WaitingForCommands(); ++round) {
        for (uint32_t member = gBattle.commandingMember; member < 3 && WaitingForCommands();
             member = gBattle.commandingMember) {
            const unsigned target = gBattle.enemies[0].state == STATE_DEAD ? 1 : 0;
            ChooseAttack(game, target);
        }
        std::string last;
        for (int frame = 0; frame < 2000 && gBattle.phase == PHASE_ACTIONS; ++frame) {
            game.PressKey(sf::Keyboard::Space);
            game.Step(BATTLE_DT);
            const std::string now = gBattleHud.infoText.getString().toAnsiString();
            if (now != last) story.push_back(now);
            last = now;
        }
    }
    story.push_back(gBattle.phase == PHASE_VICTORY ? "won" : "not won");
    return story;
}

TEST(BattleReplay, ABattleReplaysIdenticallyFromItsSeed) {
    const std::vector<std::string> first = PlayWholeBattle(11);
    EXPECT_EQ(first.back(), "won");
    EXPECT_GT(first.size(), 4u);
    EXPECT_EQ(PlayWholeBattle(11), first);
    EXPECT_NE(PlayWholeBattle(12), first);
}

}  // namespace
