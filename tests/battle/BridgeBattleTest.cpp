// A battle played as a person plays it: from a save on the Bridge, the hero walks into a knight, falls,
// tries again from the save with R, then wins with the menus and walks on without the knight.

#include <gtest/gtest.h>

#include "content/MapScene.h"
#include "core/Music.h"
#include "support/Battles.h"
#include "support/Journey.h"
#include "support/Scenes.h"

namespace {

int KnightsOnTheMap(GameHarness& game) {
    int knights = 0;
    for (const Npc& npc : game.Scene().npcList.npcs)
        if (npc.battlePath == "Assets/Text/Levels/Knight1") ++knights;
    return knights;
}

void WalkIntoAKnight(GameHarness& game) {
    ASSERT_EQ(WalkIntoEnemy(game, "Knight1"), "");
    ASSERT_EQ(TheBattle(game).rules.enemyKinds, std::vector<int32_t>{ENEMY_KNIGHT});
}

TEST(BridgeBattle, FallingShowsGameOverRTriesAgainFromTheSaveAndAWinLeavesTheKnightGone) {
    GameHarness game({.seed = 3, .drawEvery = FEW_DRAWS.drawEvery});
    EnterMap(game, "Bridge");
    const std::string saved = SavedSection("Bridge");
    const int knightsBefore = KnightsOnTheMap(game);
    ASSERT_GE(knightsBefore, 1);
    WalkIntoAKnight(game);
    EXPECT_TRUE(MusicIsPlaying());
    TheBattle(game).rules.party[0].hp = 30;  // one blow from the end
    for (int round = 0; round < 5 && WaitingForCommands(game); ++round) {
        ChooseAttack(game, 0);
        PlayOutRound(game);
    }
    game.Step(BATTLE_DT, 2);
    ASSERT_TRUE(game.Shows(SCREEN_GAME_OVER));
    EXPECT_EQ(SavedSection("Bridge"), saved);
    game.Step(BATTLE_DT, 120);
    game.PressKey(sf::Keyboard::R);
    ASSERT_EQ(game.Mode(), MODE_GAME);
    EXPECT_STREQ(game.Session().CurrentMap(), "Bridge");
    EXPECT_EQ(KnightsOnTheMap(game), knightsBefore);

    WalkIntoAKnight(game);
    const Battle& battle = TheBattle(game);
    EXPECT_EQ(battle.rules.party[0].hp, 250);  // everyone fresh
    // Round one: a Double Attack from the skill list; then plain attacks until the knight falls.
    ChooseSkill(game, 0, {0, 0});
    EXPECT_EQ(battle.rules.party[0].mana, 125);
    PlayOutRound(game);
    for (int round = 0; round < 10 && WaitingForCommands(game); ++round) {
        ChooseAttack(game, 0);
        PlayOutRound(game);
    }
    ASSERT_TRUE(game.Shows(SCREEN_VICTORY));
    EXPECT_EQ(game.Session().Gold(), 20 + 15);
    game.Step(BATTLE_DT, 90);
    game.PressKey(DefaultKeys::ENTER);
    ASSERT_EQ(game.Top(), SCREEN_ROAMING);
    EXPECT_EQ(KnightsOnTheMap(game), knightsBefore - 1);
    game.Step(BATTLE_DT, 30);  // the hero can walk again
    EXPECT_EQ(game.Top(), SCREEN_ROAMING);
}

}  // namespace
