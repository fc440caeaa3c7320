// The two ends of a battle: the reward counted into the gold on the victory screen and the way back to
// the map; the game-over screen fading in stage by stage, its keys and its back button.

#include <gtest/gtest.h>

#include "battle/screen/BattleState.h"
#include "battle/screen/GameOver.h"
#include "battle/screen/Victory.h"
#include "core/GameStates.h"
#include "core/Music.h"
#include "core/Screen.h"
#include "support/Battles.h"
#include "world/GameSession.h"

namespace {

std::string Shown(const sf::Text& text) {
    return text.getString().toAnsiString();
}

void WinWorth(GameHarness& game, int money, int gold) {
    BeginBattle(
        game, "Bridge",
        WriteLevel("Worth", "ENEMY COUNT 1\nENEMY TYPE [0]\nMONEY EARNED " + std::to_string(money) + "\n"));
    gSession.gold = gold;
    game.PressKey(sf::Keyboard::W);
    game.Step(BATTLE_DT);
}

TEST(Victory, TheRewardIsInTheGoldAtOnceAndCountedAcrossByThrees) {
    GameHarness game;
    WinWorth(game, 40, 100);
    ASSERT_EQ(gBattle.phase, PHASE_VICTORY);
    EXPECT_EQ(gSession.gold, 140);
    EXPECT_EQ(Shown(gVictory.moneyText), "Money Earned : 40");
    EXPECT_EQ(Shown(gVictory.transferText), "40 -> 100");
    EXPECT_EQ(Shown(gVictory.pressEnterText), "Press enter to continue.");
    game.Step(BATTLE_DT, 55);  // not yet a second
    EXPECT_EQ(Shown(gVictory.transferText), "40 -> 100");
    for (int frame = 0; frame < 10 && Shown(gVictory.transferText) == "40 -> 100"; ++frame)
        game.Step(BATTLE_DT);
    EXPECT_EQ(Shown(gVictory.transferText), "37 -> 103");
    game.Step(BATTLE_DT, 20);  // one step a frame, at most
    EXPECT_EQ(Shown(gVictory.transferText), "0 -> 140");
    EXPECT_EQ(gSession.gold, 140);
}

TEST(Victory, ASmallRewardMovesInOneStep) {
    GameHarness game;
    WinWorth(game, 2, 7);
    game.Step(BATTLE_DT, 62);
    EXPECT_EQ(Shown(gVictory.transferText), "0 -> 9");
}

TEST(Victory, ConfirmBeforeTheCountEndsLeavesWithTheWholeRewardForTheMap) {
    GameHarness game;
    WinWorth(game, 40, 100);
    game.PressKey(sf::Keyboard::Return);
    EXPECT_EQ(gStates.gameScreen, SCREEN_ROAMING);
    EXPECT_EQ(gSession.gold, 140);
    EXPECT_FALSE(gVictory.shown);
    EXPECT_FALSE(gBattle.started);
    EXPECT_NE(game.Log().find("creat\n"), std::string::npos);
    game.Step(BATTLE_DT, 5);
    EXPECT_TRUE(MusicIsPlaying());
}

TEST(Victory, TheGoldNeverPassesWhatASaveHolds) {
    GameHarness game;
    WinWorth(game, 100, 2147483600);
    EXPECT_EQ(gSession.gold, 2147483647);
    game.Step(BATTLE_DT, 100);
    EXPECT_EQ(Shown(gVictory.transferText), "0 -> 2147483647");
}

void LoseBattle(GameHarness& game) {
    BeginBattle(game, "Bridge", Level("Knight1"));
    gBattle.party[0].hp = 0;
    gBattle.party[0].state = STATE_DEAD;
    gBattle.deadPartyCount = 1;
    game.Step(BATTLE_DT);
}

sf::Vector2i ButtonCentre() {
    const sf::FloatRect button = gGameOver.backButton.getGlobalBounds();
    return {static_cast<int>((button.left + button.width / 2) * gScreen.scale + gScreen.offsetX),
            static_cast<int>((button.top + button.height / 2) * gScreen.scale + gScreen.offsetY)};
}

TEST(GameOver, FadesInStageByStageAndTheButtonWorksOnlyOnceItIsThere) {
    GameHarness game;
    LoseBattle(game);
    ASSERT_EQ(gStates.gameMode, MODE_GAME_OVER);
    EXPECT_EQ(gGameOver.veil.getFillColor().a, 0);
    int frames = 0;
    while (!gGameOver.done[STAGE_VEIL] && frames < 2000) {
        game.Step(BATTLE_DT);
        ++frames;
    }
    EXPECT_GT(gGameOver.veil.getFillColor().a, 129);
    EXPECT_EQ(gGameOver.picture.getColor().a, 0);
    game.Click(ButtonCentre());
    EXPECT_EQ(gStates.gameMode, MODE_GAME_OVER);  // the button is not there yet
    while (!gGameOver.done[STAGE_BUTTON] && frames < 4000) {
        game.Step(BATTLE_DT);
        ++frames;
        // One at a time: the text waits for the picture, the button for the text.
        if (!gGameOver.done[STAGE_PICTURE]) {
            EXPECT_EQ(gGameOver.failText.getFillColor().a, 0);
        }
        if (!gGameOver.done[STAGE_TEXT]) {
            EXPECT_EQ(gGameOver.backButton.getColor().a, 0);
        }
    }
    ASSERT_TRUE(gGameOver.done[STAGE_BUTTON]);
    game.Click(ButtonCentre());
    EXPECT_EQ(gStates.gameMode, MODE_MENU);
}

TEST(GameOver, EvenVeryLongFramesNeverWrapAFadeBackToTransparent) {
    GameHarness game;
    LoseBattle(game);
    uint8_t last = 0;
    while (!gGameOver.done[STAGE_PICTURE]) {
        game.Step(0.05f);
        if (!gGameOver.done[STAGE_PICTURE] && gGameOver.done[STAGE_VEIL]) {
            EXPECT_GE(gGameOver.picture.getColor().a, last);
            last = gGameOver.picture.getColor().a;
        }
    }
}

TEST(GameOver, EscapeReturnsToTheTitleAtOnceOnAnyDesktop) {
    GameHarness game({.desktopWidth = 2560, .desktopHeight = 1440});
    LoseBattle(game);
    game.Step(BATTLE_DT, 3);
    game.PressKey(sf::Keyboard::Escape);
    EXPECT_EQ(gStates.gameMode, MODE_MENU);
}

}  // namespace
