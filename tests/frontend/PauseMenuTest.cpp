// The pause menu as a player sees and uses it: drawn over the map, chosen with Return or the mouse,
// rebuilt on every opening, and the way out of a game.

#include <gtest/gtest.h>

#include "core/Screen.h"
#include "core/Settings.h"
#include "frontend/PauseMenu.h"
#include "support/Scenes.h"

namespace {

using namespace DefaultKeys;

sf::Vector2i WindowPoint(GameHarness& game, PauseEntry entry) {
    const sf::FloatRect b = game.Find<PauseScreen>()->menu.buttons[entry].sprite.getGlobalBounds();
    return {static_cast<int>(b.left + b.width / 2 + gScreen.offsetX),
            static_cast<int>(b.top + b.height / 2 + gScreen.offsetY)};
}

TEST(PauseMenu, ItDarkensTheMapWithoutHidingIt) {
    GameHarness game;
    EnterMap(game, "GoblinVillage", 2);
    const sf::Color lit = GamePixel(game.Capture(), 40, gScreen.gameHeight - 40);  // away from the buttons
    game.Press(ESCAPE);
    const sf::Color dim = GamePixel(game.Capture(), 40, gScreen.gameHeight - 40);
    EXPECT_LT(dim.r + dim.g + dim.b, lit.r + lit.g + lit.b);
    EXPECT_GT(dim.r + dim.g + dim.b, 0);
}

// Every opening starts on Continue; the fixed Return chooses, whatever the ENTER binding, and the options
// opened from it go straight back to the map.
TEST(PauseMenu, EachOpeningStartsOnContinueAndOnlyReturnChooses) {
    GameHarness game;
    EnterMap(game, "GoblinVillage", 2);
    gSettings.keys.enter = sf::Keyboard::E;
    game.PressKey(ESCAPE);
    game.PressKey(UP);  // no wrap
    game.PressKey(DOWN);
    game.PressKey(sf::Keyboard::E);
    EXPECT_EQ(game.Top(), SCREEN_PAUSE);
    EXPECT_EQ(game.Find<PauseScreen>()->menu.cursor, PAUSE_OPTIONS);
    game.PressKey(sf::Keyboard::Return);
    EXPECT_EQ(game.Top(), SCREEN_OPTIONS);
    game.PressKey(ESCAPE);
    EXPECT_EQ(game.Top(), SCREEN_ROAMING);
    game.PressKey(ESCAPE);
    EXPECT_EQ(game.Find<PauseScreen>()->menu.cursor, PAUSE_CONTINUE);
    game.PressKey(sf::Keyboard::Return);
    EXPECT_EQ(game.Top(), SCREEN_ROAMING);
}

// A key repeats while it is held: the press that opened the menu does not close it again.
TEST(PauseMenu, AHeldEscapeOpensTheMenuOnce) {
    GameHarness game;
    EnterMap(game, "GoblinVillage", 2);
    game.HoldKey(ESCAPE);
    for (int repeat = 0; repeat < 3; ++repeat) {
        game.PressKey(ESCAPE);
        game.Step(FRAME_DT, 10);
        EXPECT_EQ(game.Top(), SCREEN_PAUSE) << "repeat " << repeat;
    }
    game.ReleaseKey(ESCAPE);
    game.PressKey(ESCAPE);
    EXPECT_EQ(game.Top(), SCREEN_ROAMING);
}

TEST(PauseMenu, ClicksChooseLikeReturn) {
    GameHarness game;
    EnterMap(game, "GoblinVillage", 2);
    game.PressKey(ESCAPE);
    game.Click(WindowPoint(game, PAUSE_CONTINUE));
    EXPECT_EQ(game.Top(), SCREEN_ROAMING);
    game.PressKey(ESCAPE);
    game.Click(WindowPoint(game, PAUSE_OPTIONS), sf::Mouse::Right);
    EXPECT_EQ(game.Top(), SCREEN_OPTIONS);
    game.PressKey(ESCAPE);
    game.PressKey(ESCAPE);
    game.Click(WindowPoint(game, PAUSE_EXIT));
    EXPECT_EQ(game.Top(), SCREEN_TITLE);
}

// Exit to menu writes the game as it stands, the potions bought included, before anything is let go.
TEST(PauseMenu, ExitToMenuSavesEverythingTheGameHolds) {
    GameHarness game;
    EnterMap(game, "GoblinVillage", 2);
    game.Session().EarnGold(57);
    game.Session().AddToPouch(ITEM_MANA_POTION);
    game.Session().Carry("Rope");
    game.PressKey(ESCAPE);
    game.PressKey(DOWN);
    game.PressKey(DOWN);
    game.PressKey(sf::Keyboard::Return);
    EXPECT_EQ(game.Mode(), MODE_MENU);
    EXPECT_EQ(game.Top(), SCREEN_TITLE);
    const std::string save = SaveText();
    EXPECT_EQ(save.rfind("CurrentMap GoblinVillage\nGold 77\nInv Rope\n", 0), 0u) << save;
    EXPECT_NE(save.find("\nPouch 12 0 13 1\n"), std::string::npos) << save;
}

}  // namespace
