// Items: lying on the map, picked up with ENTER into twenty places, shown on the inventory screen,
// taken out by name.

#include <gtest/gtest.h>

#include "content/ContentFixture.h"
#include "content/Items.h"
#include "content/MapContent.h"
#include "content/Reach.h"
#include "core/GameStates.h"
#include "core/Settings.h"
#include "core/SoundEffects.h"
#include "frontend/RoamingScreen.h"
#include "support/Files.h"
#include "support/PlayedSounds.h"
#include "world/GameSession.h"

namespace {

using DefaultKeys::ENTER;

std::vector<std::string> Carried() {
    std::vector<std::string> names;
    for (const MapItem& item : gSession.inventory)
        names.push_back(item.name);
    return names;
}

TEST(Items, AnItemFileLaysItsPictureCentredWhereItSays) {
    YardGame game({}, {{"Rope", 500, 600}});
    ASSERT_EQ(gMapContent.mapItemList.items.size(), 1u);
    const MapItem& rope = gMapContent.mapItemList.items[0];
    EXPECT_EQ(rope.id, 0);
    EXPECT_EQ(rope.name, "Rope");
    EXPECT_EQ(rope.sprite.getGlobalBounds(), sf::FloatRect(468, 568, 64, 64));
    EXPECT_EQ(rope.bounds, sf::FloatRect(500, 600, 64, 64));  // the pick-up zone grows from here
    game.ClearLog();
    LoadItemFile("Assets/Text/Items/Nothing.txt", gMapContent.mapItemList);
    EXPECT_EQ(game.Log(), "erreur\n");
    EXPECT_EQ(gMapContent.mapItemList.items.size(), 1u);
}

TEST(Items, EnterTakesTheFirstItemInReachWithASoundAndTheSecondWaitsForTheNextPress) {
    YardGame game({}, {{"Rope", 300, 345}, {"Stick", 290, 340}});
    game.Step(0.01f);
    game.PressKey(ENTER);
    EXPECT_EQ(Carried(), std::vector<std::string>{"Rope"});
    ASSERT_EQ(gMapContent.mapItemList.items.size(), 1u);
    EXPECT_EQ(gMapContent.mapItemList.items[0].name, "Stick");
    EXPECT_EQ(EffectsPlaying(SOUND_ITEM_PICKUP), 1u);
    EXPECT_EQ(gPrompt.sprite.getPosition(), sf::Vector2f(-1000, -1000));
    game.PressKey(ENTER);
    EXPECT_EQ(Carried(), (std::vector<std::string>{"Rope", "Stick"}));
    EXPECT_TRUE(gMapContent.mapItemList.items.empty());  // the only item left was taken
}

TEST(Items, OneEnterTakesOneItemEvenWithThreeInReach) {
    YardGame game({}, {{"Rope", 300, 345}, {"Stick", 290, 340}, {"Straw", 295, 342}});
    game.Step(0.01f);
    game.PressKey(ENTER);
    EXPECT_EQ(Carried(), std::vector<std::string>{"Rope"});
    EXPECT_EQ(EffectsPlaying(SOUND_ITEM_PICKUP), 1u);
    ASSERT_EQ(gMapContent.mapItemList.items.size(), 2u);
    EXPECT_EQ(gMapContent.mapItemList.items[0].name, "Stick");
    game.PressKey(ENTER);
    game.PressKey(ENTER);
    EXPECT_EQ(Carried(), (std::vector<std::string>{"Rope", "Stick", "Straw"}));
}

TEST(Items, TheTwentiethItemFillsTheLastCellAndTheTwentyFirstStaysOnTheMap) {
    YardGame game;
    MapItemList list;
    for (int i = 0; i < 21; ++i)
        AddMapItem(list, "Straw", {100.0f + static_cast<float>(i), 100.0f});
    for (int i = 0; i < 20; ++i)
        PickUpItem(list, 0);
    ASSERT_EQ(gSession.inventory.size(), 20u);
    EXPECT_EQ(gSession.inventory[19].sprite.getPosition(), sf::Vector2f(1235, 875));
    EXPECT_EQ(gSession.inventory[5].sprite.getPosition(), sf::Vector2f(955, 455));
    ResetSoundEffectPool();
    PickUpItem(list, 0);
    EXPECT_EQ(gSession.inventory.size(), 20u);
    EXPECT_EQ(list.items.size(), 1u);
    EXPECT_TRUE(gSoundEffects.effects.empty());
}

TEST(Items, EveryItemOfANameIsTakenUntilTheInventoryIsFull) {
    YardGame game;
    MapItemList list;
    for (int i = 0; i < 18; ++i)
        AddMapItem(list, "Straw", {0, 0});
    while (!list.items.empty())
        PickUpItem(list, 0);
    for (const char* name : {"Rope", "Rope", "Stick", "Rope"})
        AddMapItem(list, name, {0, 0});
    PickUpEveryItemNamed(list, "Rope");  // two side by side are both taken; the third finds no room
    EXPECT_EQ(gSession.inventory.size(), 20u);
    ASSERT_EQ(list.items.size(), 2u);
    EXPECT_EQ(list.items[0].name, "Stick");
    EXPECT_EQ(list.items[1].name, "Rope");
}

TEST(Items, RemovingTakesOnlyAnExactNameAndTheRestCloseUp) {
    YardGame game;
    MapItemList list;
    for (const char* name : {"Bucket_Empty", "Rope", "Bucket_Full"})
        AddMapItem(list, name, {0, 0});
    while (!list.items.empty())
        PickUpItem(list, 0);
    RemoveInventoryItem("Bucket");
    RemoveInventoryItem("rope");
    EXPECT_EQ(Carried(), (std::vector<std::string>{"Bucket_Empty", "Rope", "Bucket_Full"}));
    RemoveInventoryItem("Bucket_Empty");
    EXPECT_EQ(Carried(), (std::vector<std::string>{"Rope", "Bucket_Full"}));
    EXPECT_EQ(gSession.inventory[1].sprite.getPosition(), InventoryCell(1));
}

TEST(Items, TheInventoryKeyShowsTheGridWithTheItemsAndTheGold) {
    YardGame game({}, {{"Rope", 300, 345}});
    gSession.gold = 137;
    game.Step(0.01f);
    game.PressKey(ENTER);
    game.PressKey(gSettings.keys.inventory);
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_INVENTORY);
    game.Step(0.01f);
    EXPECT_EQ(gInventory.goldText.getString(), "137");
    const sf::Image shown = game.Capture();
    // The rope sits on the grid's first cell; the grid's backdrop hides the map between cells.
    sf::Image rope;
    ASSERT_TRUE(rope.loadFromFile("Assets/Sprites/Items/Rope.png"));
    EXPECT_EQ(shown.getPixel(815, 315), rope.getPixel(32, 32));
    EXPECT_NE(shown.getPixel(885, 385), SheetColour(0));
    game.PressKey(gSettings.keys.escape);  // only the inventory key closes it
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_INVENTORY);
    game.PressKey(gSettings.keys.inventory);
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_NONE);
}

}  // namespace
