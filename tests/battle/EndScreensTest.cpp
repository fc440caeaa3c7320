// The two ends of a battle: the reward counted into the gold on the victory screen and the way back to
// the map; the game-over screen fading in stage by stage, its keys and its back button.

#include <gtest/gtest.h>

#include "battle/screen/GameOver.h"
#include "battle/screen/Victory.h"
#include "core/Music.h"
#include "core/Screen.h"
#include "support/Battles.h"
#include "world/GameSession.h"

namespace {

std::string Transfer(GameHarness& game) {
    return game.Find<VictoryScreen>()->victory.transferText.getString().toAnsiString();
}

// The gold is the session's at once, never past what a save holds; the screen counts it across by
// threes, one step a frame at most, after a first second. Confirm, even before the count ends, leads back
// to the map and its music with the whole reward.
TEST(Victory, TheRewardIsInTheGoldAtOnceAndCountedAcrossThenConfirmLeadsBackToTheMap) {
    const struct {
        int money, gold;
        int32_t total;
        const char* afterASecond;
    } cases[] = {
        {40, 100, 140, "37 -> 103"},
        {2, 7, 9, "0 -> 9"},
        {100, MOST_GOLD - 47, MOST_GOLD, "97 -> 2147483603"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.money);
        GameHarness game(FEW_DRAWS);
        BeginBattle(
            game, "Bridge",
            WriteLevel("Worth", "ENEMY COUNT 1\nENEMY TYPE [0]\nMONEY EARNED " + std::to_string(c.money)));
        game.Session().SpendGold(game.Session().Gold());
        game.Session().EarnGold(c.gold);
        game.PressKey(sf::Keyboard::W);
        game.Step(BATTLE_DT);
        ASSERT_TRUE(game.Shows(SCREEN_VICTORY));
        EXPECT_EQ(game.Session().Gold(), c.total);
        const VictoryState& victory = game.Find<VictoryScreen>()->victory;
        EXPECT_EQ(victory.moneyText.getString(), "Money Earned : " + std::to_string(c.money));
        const std::string start = std::to_string(c.money) + " -> " + std::to_string(c.gold);
        EXPECT_EQ(Transfer(game), start);
        game.Step(BATTLE_DT, 55);  // not yet a second
        EXPECT_EQ(Transfer(game), start);
        for (int frame = 0; frame < 10 && Transfer(game) == start; ++frame)
            game.Step(BATTLE_DT);
        EXPECT_EQ(Transfer(game), c.afterASecond);
        if (c.total != MOST_GOLD) {
            game.Step(BATTLE_DT, 40);
            EXPECT_EQ(Transfer(game), "0 -> " + std::to_string(c.total));
        }
        game.PressKey(DefaultKeys::ENTER);
        EXPECT_EQ(game.Top(), SCREEN_ROAMING);
        EXPECT_FALSE(game.Shows(SCREEN_BATTLE));
        EXPECT_EQ(game.Session().Gold(), c.total);
        game.Step(BATTLE_DT, 5);
        EXPECT_TRUE(MusicIsPlaying());
    }
}

GameOverState& LoseBattle(GameHarness& game) {
    BeginBattle(game, "Bridge", Level("Knight1"));
    BattleRules& rules = TheBattle(game).rules;
    rules.party[0].hp = 0;
    rules.party[0].state = STATE_DEAD;
    rules.deadPartyCount = 1;
    game.Step(BATTLE_DT);
    EXPECT_TRUE(game.Shows(SCREEN_GAME_OVER));
    return game.Find<GameOverScreen>()->gameOver;
}

sf::Vector2i ButtonCentre(const GameOverState& gameOver) {
    const sf::FloatRect button = gameOver.backButton.getGlobalBounds();
    return {static_cast<int>((button.left + button.width / 2) * gScreen.scale + gScreen.offsetX),
            static_cast<int>((button.top + button.height / 2) * gScreen.scale + gScreen.offsetY)};
}

// Stage by stage, even with very long frames (no fade wraps past full), on a large desktop; the button
// works only once it is there.
TEST(GameOver, FadesInStageByStageAndTheButtonWorksOnlyOnceItIsThere) {
    GameHarness game({.desktopWidth = 2560, .desktopHeight = 1440, .drawEvery = FEW_DRAWS.drawEvery});
    const GameOverState& gameOver = LoseBattle(game);
    uint8_t last = 0;
    for (int frame = 0; frame < 1000 && !gameOver.done[STAGE_VEIL]; ++frame)
        game.Step(0.05f);
    EXPECT_GT(gameOver.veil.getFillColor().a, 129);
    EXPECT_EQ(gameOver.picture.getColor().a, 0);
    game.Click(ButtonCentre(gameOver));
    EXPECT_EQ(game.Top(), SCREEN_GAME_OVER);  // the button is not there yet
    for (int frame = 0; frame < 1000 && !gameOver.done[STAGE_BUTTON]; ++frame) {
        game.Step(0.05f);
        if (!gameOver.done[STAGE_PICTURE]) {
            EXPECT_GE(gameOver.picture.getColor().a, last);
            last = gameOver.picture.getColor().a;
        }
        // One at a time: the text waits for the picture, the button for the text.
        EXPECT_TRUE(gameOver.done[STAGE_PICTURE] || gameOver.failText.getFillColor().a == 0);
        EXPECT_TRUE(gameOver.done[STAGE_TEXT] || gameOver.backButton.getColor().a == 0);
    }
    ASSERT_TRUE(gameOver.done[STAGE_BUTTON]);
    game.Click(ButtonCentre(gameOver));
    EXPECT_EQ(game.Mode(), MODE_MENU);
}

}  // namespace
