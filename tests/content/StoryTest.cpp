// The story's events on the real maps: the companions joining (once), the bed and the burning house, the
// burning village's last enemy, the boss's bridge and the way home, the forest's gates, the fixed keys,
// and a save that resumes the story where it was.

#include <gtest/gtest.h>

#include "content/Items.h"
#include "content/MapContent.h"
#include "content/PopUps.h"
#include "content/Puzzles.h"
#include "core/GameStates.h"
#include "core/StateMachine.h"
#include "frontend/PauseMenu.h"
#include "frontend/SaveSlots.h"
#include "support/Journey.h"
#include "support/Scenes.h"
#include "world/GameSession.h"
#include "world/Player.h"

namespace {

constexpr float DT = 1.0f / 60.0f;

void WalkBeside(GameHarness& game, const Npc& npc) {
    ASSERT_TRUE(WalkTo(game, {npc.box.left, npc.box.top + npc.box.height + 4, npc.box.width, 8}, 12.0f));
}

void RemoveEnemies() {
    auto& npcs = gMapContent.npcList.npcs;
    std::erase_if(npcs, [](const Npc& npc) { return npc.type == NPC_BATTLE; });
}

// From the spawn point beside the bed, left until the bedside stops the hero.
void WalkIntoTheBed(GameHarness& game) {
    game.HoldKey(sf::Keyboard::Q);
    game.Step(DT, 40);
    game.HoldKey(sf::Keyboard::Q, false);
    ASSERT_LT(gPlayer.footBox.left, 152.0f);
}

TEST(StoryCompanions, SpritiJoinsOnceEvenWhileAFullInventoryLeavesHerPurseUntaken) {
    GameHarness game;
    EnterMap(game, "HOUSE_ENTER_SPRITI");
    Carry("Stick", INVENTORY_PLACES);
    const Npc* spriti = FirstNpcOfType(NPC_COMPANION);
    ASSERT_NE(spriti, nullptr);
    WalkBeside(game, *spriti);
    for (int press = 0; press < 8; ++press)
        game.Press(sf::Keyboard::Return);
    EXPECT_EQ(gSession.partySize, 2u);
    EXPECT_FALSE(InventoryHolds("Burse"));
    RemoveInventoryItem("Stick");
    for (int press = 0; press < 4 && !InventoryHolds("Burse"); ++press)
        game.Press(sf::Keyboard::Return);
    EXPECT_TRUE(InventoryHolds("Burse"));
    EXPECT_EQ(gSession.partySize, 2u);
}

TEST(StoryNight, TheBedWaitsForThePurseThenTheHouseBurnsAndEverythingCarriedIsLost) {
    GameHarness game;
    EnterMap(game, "HOUSE_ENTER_1");
    Carry({"Rope"});
    WalkIntoTheBed(game);
    game.Press(sf::Keyboard::Return);
    EXPECT_EQ(std::string(gSession.currentMapName), "HOUSE_ENTER_1");  // before the purse: nothing

    gSession.story.purseDelivered = 1;
    gSession.story.worldMapOpen = 1;
    WalkIntoTheBed(game);
    game.Press(sf::Keyboard::Return);
    EXPECT_EQ(std::string(gSession.currentMapName), "HOUSE_BURN_1");
    EXPECT_TRUE(gSession.inventory.empty());
    EXPECT_EQ(gSession.story.nightStarted, 1);
    EXPECT_EQ(gSession.story.worldMapOpen, 0);
    EXPECT_EQ(gPopUps.table[POPUP_HOUSE_ON_FIRE].active, 1);
    const std::string save = SaveText();
    // The rope is lost in the save too: continued there, the night starts empty-handed.
    EXPECT_EQ(save.rfind("CurrentMap HOUSE_BURN_1\nGold 20\nInv \n", 0), 0u) << save;
    EXPECT_NE(save.find("Inv \nStory 0 0 1 0 0 1 0 0 0 0 0\n"), std::string::npos) << save;
}

TEST(StoryNight, GrotoJoinsOnceAndTheLastEnemyGoneOpensTheWorldMap) {
    GameHarness game;
    EnterMap(game, "GoblinVillageBurn");
    gSession.partySize = 2;
    gSession.story.nightStarted = 1;
    const Npc* groto = FirstNpcOfType(NPC_COMPANION);
    ASSERT_NE(groto, nullptr);
    WalkBeside(game, *groto);
    for (int press = 0; press < 6; ++press)
        game.Press(sf::Keyboard::Return);
    EXPECT_EQ(gSession.partySize, 3u);
    EXPECT_EQ(gSession.story.grotoJoined, 1);
    EXPECT_EQ(gSession.story.worldMapOpen, 0);  // knights and dogs still about
    RemoveEnemies();
    gStates.roamingOverlay = OVERLAY_NONE;
    game.Press(sf::Keyboard::A);  // any key
    EXPECT_EQ(gSession.story.worldMapOpen, 1);
    EXPECT_EQ(gPopUps.table[POPUP_ENEMY_ON_BRIDGE].active, 1);
}

TEST(StoryEnd, TheBossIsAnnouncedAtTheFirstKeyAndItsDefeatEndsTheStoryAtHome) {
    GameHarness game;
    EnterMap(game, "BridgeNight");
    gSession.story.nightStarted = 1;
    EXPECT_EQ(gSession.story.bossAnnounced, 0);
    game.Press(sf::Keyboard::B);
    EXPECT_EQ(gSession.story.bossAnnounced, 1);
    EXPECT_EQ(gPopUps.table[POPUP_BOSS_HERE].active, 1);
    for (int press = 0; press < 20 && gPopUps.table[POPUP_BOSS_HERE].active == 1; ++press)
        game.Press(sf::Keyboard::Return);
    RemoveEnemies();  // as a won battle leaves the map
    game.Step(DT, 2);
    EXPECT_EQ(gSession.story.storyEnded, 1);
    EXPECT_EQ(gPopUps.table[POPUP_END].active, 1);
    EXPECT_EQ(std::string(gSession.currentMapName), "BridgeNight");
    for (int press = 0; press < 20 && gPopUps.table[POPUP_END].active == 1; ++press)
        game.Press(sf::Keyboard::Return);
    game.Step(DT, 2);
    EXPECT_EQ(std::string(gSession.currentMapName), "HOUSE_ENTER_1");
    EXPECT_EQ(gSession.story.worldMapOpen, 1);
}

TEST(StoryKeys, KOpensTheRoadsAndTFillsEveryEmptyBucket) {
    GameHarness game;
    EnterMap(game, "GoblinVillage");
    game.Press(sf::Keyboard::K);
    EXPECT_EQ(gSession.story.worldMapOpen, 1);
    Carry("Bucket_Empty", 2);
    Carry({"Rope"});
    game.Press(sf::Keyboard::T);
    EXPECT_FALSE(InventoryHolds("Bucket_Empty"));
    int full = 0;
    for (const MapItem& item : gSession.inventory)
        full += item.name == "Bucket_Full" ? 1 : 0;
    EXPECT_EQ(full, 2);
    EXPECT_TRUE(InventoryHolds("Rope"));
}

TEST(StoryForest, TheLastFenceCallsForSpritiOnceAndBothFiresOutOpenHerCabin) {
    GameHarness game;
    EnterMap(game, "ForestNight");
    gSession.story.merchantMet = 1;
    game.Step(DT, 5);
    EXPECT_EQ(gSession.story.saveSpritiShown, 0);
    gSession.fenceDone = {1, 1, 1, 1, 1};
    game.Step(DT, 2);
    EXPECT_EQ(gSession.story.saveSpritiShown, 1);
    EXPECT_EQ(gPopUps.table[POPUP_SAVE_SPRITI].active, 1);
    gPuzzles.forestFireOut1 = gPuzzles.forestFireOut2 = 1;
    for (int press = 0; press < 20 && gPopUps.table[POPUP_SAVE_SPRITI].active == 1; ++press)
        game.Press(sf::Keyboard::Return);
    ASSERT_TRUE(WalkThroughDoor(game, "HOUSE_ENTER_SPRITI"));
    EXPECT_EQ(std::string(gSession.currentMapName), "HOUSE_ENTER_SPRITI");
}

TEST(StorySaves, AContinuedSaveGoesOnWhereTheStoryWasAndANewGameStartsPellAlone) {
    GameHarness game;
    EnterMap(game, "GoblinVillage");
    gSession.story.merchantMet = 1;
    gSession.story.worldMapOpen = 1;
    gSession.story.purseDelivered = 1;
    gSession.story.fishingUnlocked = 1;
    gSession.story.spritiJoined = 1;
    gSession.partySize = 2;
    gSession.fishCaught[5] = 1;
    gSession.pouch.slots[1].count = 2;  // two mana potions bought
    ExitToTitleFromPause(game.Window());
    gSession = GameSession{};
    ContinueSave(game.Window(), 0);
    ASSERT_EQ(gStates.gameMode, MODE_GAME);
    EXPECT_EQ(gSession.story.purseDelivered, 1);
    EXPECT_EQ(gSession.story.fishingUnlocked, 1);
    EXPECT_EQ(gSession.story.shopUnlocked, 0);
    EXPECT_EQ(gSession.partySize, 2u);
    EXPECT_EQ(gSession.fishCaught[5], 1);
    EXPECT_EQ(gSession.pouch.slots[1].itemId, ITEM_MANA_POTION);
    EXPECT_EQ(gSession.pouch.slots[1].count, 2);
    EXPECT_EQ(gSession.pouch.slots[0].itemId, ITEM_HP_POTION);

    // A second new game in the same run, from the menu's next slot: the story, the party, the fish and
    // the pouch start over.
    ExitToTitleFromPause(game.Window());
    game.Press(DefaultKeys::ENTER);  // Play
    game.Press(DefaultKeys::DOWN);
    game.Press(DefaultKeys::ENTER);
    ASSERT_EQ(gStates.gameMode, MODE_GAME);
    EXPECT_EQ(gSession.saveSlot, 1);
    EXPECT_EQ(gSession.partySize, 1u);
    EXPECT_EQ(gSession.story.merchantMet, 0);
    EXPECT_EQ(gSession.fishCaught[5], 0);
    EXPECT_EQ(gSession.pouch.slots[1].count, 0);
}

}  // namespace
