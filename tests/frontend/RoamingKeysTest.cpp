// The order of the roaming keys: which overlay takes a press, and what each press may not do.

#include <gtest/gtest.h>

#include "content/ContentFixture.h"
#include "content/Fishing.h"
#include "content/Items.h"
#include "content/MapContent.h"
#include "core/GameStates.h"
#include "core/Settings.h"
#include "frontend/PauseMenu.h"
#include "frontend/RoamingScreen.h"
#include "world/GameSession.h"

namespace {

using DefaultKeys::ENTER;
const sf::Keyboard::Key F = sf::Keyboard::F;

TEST(RoamingKeys, FOpensTheFishCollectionOnlyOverFreeRoaming) {
    for (const RoamingOverlay overlay : {OVERLAY_DIALOGUE, OVERLAY_SHOP, OVERLAY_INVENTORY}) {
        SCOPED_TRACE(static_cast<int>(overlay));
        YardGame game;
        gStates.roamingOverlay = overlay;
        game.PressKey(F);
        EXPECT_EQ(gStates.roamingOverlay, overlay);
    }
    YardGame game;
    game.PressKey(F);
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_FISH_COLLECTION);
}

TEST(RoamingKeys, EnterBesideATalkerWhileTheInventoryIsOpenOpensTheDialogue) {
    YardGame game({Talker(300, 330, {"Hello"})});
    game.Step(0.01f);
    game.PressKey(gSettings.keys.inventory);
    game.PressKey(ENTER);
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_DIALOGUE);
    EXPECT_EQ(gMapContent.npcList.npcs[0].open, 1);
}

TEST(RoamingKeys, TheFishCollectionTakesOnlyTheDirectionsAndEscape) {
    YardGame game({Talker(300, 330, {"Hello"})}, {{"Rope", 300, 345}});
    game.Step(0.01f);
    game.PressKey(F);
    game.PressKey(ENTER);
    game.PressKey(gSettings.keys.inventory);
    EXPECT_EQ(gMapContent.npcList.npcs[0].open, 0);
    EXPECT_TRUE(gSession.inventory.empty());
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_FISH_COLLECTION);
    game.PressKey(gSettings.keys.up);  // wraps round to the last row
    game.PressKey(gSettings.keys.left);
    game.PressKey(gSettings.keys.left);
    EXPECT_EQ(gFishCollection.row, 2);
    EXPECT_EQ(gFishCollection.column, 1);
    game.PressKey(gSettings.keys.down);
    EXPECT_EQ(gFishCollection.row, 0);
    game.PressKey(gSettings.keys.escape);
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_NONE);
}

TEST(RoamingKeys, EscapeOpensThePauseMenuWithoutChoosingAndItsOptionsReturnStraightToRoaming) {
    YardGame game;
    game.PressKey(gSettings.keys.escape);
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_PAUSE);
    EXPECT_EQ(gPauseMenu.cursor, PAUSE_CONTINUE);
    game.PressKey(gSettings.keys.up);  // no wrap
    EXPECT_EQ(gPauseMenu.cursor, PAUSE_CONTINUE);
    game.PressKey(gSettings.keys.down);
    game.PressKey(ENTER);  // the ENTER binding is Return here too: it chooses Options
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_OPTIONS);
    game.PressKey(gSettings.keys.escape);
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_NONE);
    game.PressKey(gSettings.keys.escape);  // built again, on Continue
    EXPECT_EQ(gPauseMenu.cursor, PAUSE_CONTINUE);
    game.PressKey(gSettings.keys.escape);
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_NONE);
}

TEST(RoamingKeys, ExitToMenuFromThePauseMenuSavesAndLeavesTheGame) {
    YardGame game;
    game.PressKey(gSettings.keys.escape);
    game.PressKey(gSettings.keys.down);
    game.PressKey(gSettings.keys.down);
    game.PressKey(gSettings.keys.down);
    EXPECT_EQ(gPauseMenu.cursor, PAUSE_EXIT);
    game.PressKey(ENTER);
    EXPECT_EQ(gStates.gameMode, MODE_MENU);
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_NONE);
    EXPECT_FALSE(gRoaming.loaded);
}

}  // namespace
