#include <gtest/gtest.h>

#include <filesystem>

#include "core/GameStates.h"
#include "core/Screen.h"
#include "frontend/SaveSlotMenu.h"
#include "frontend/SaveSlots.h"
#include "frontend/TitleMenu.h"
#include "support/Files.h"
#include "support/GameHarness.h"
#include "world/ContentList.h"
#include "world/GameSession.h"
#include "world/SaveThumbnail.h"

namespace fs = std::filesystem;

namespace {

// A sound save on the map, its section with every NPC and item of the map still there.
std::string SaveOn(const char* map, int gold) {
    std::string text = std::string("CurrentMap ") + map + "\nGold " + std::to_string(gold) + "\n";
    for (int place = 0; place < 20; ++place)
        text += "Inv \n";
    text += std::string("\nMap : ") + map + "\n";
    ContentList list;
    EXPECT_TRUE(ReadContentList(map, list));
    for (int i = 0; i < list.npcCount; ++i)
        text += "PNJ " + std::to_string(i) + " 0\n";
    for (size_t i = 0; i < list.itemNames.size(); ++i)
        text += "Item " + std::to_string(i) + " 0\n";
    return text;
}

// The title menu over a Saves folder holding the given used slots, then Play.
struct SlotMenuGame : GameHarness {
    explicit SlotMenuGame(std::vector<int> used, HarnessOptions options = {1920, 1080, 1, false})
        : GameHarness(options) {
        for (int slot : used) {
            const std::string folder = "Saves/Save" + std::to_string(slot);
            WriteWholeFile(folder + "/save.txt", SaveOn("HOUSE_ENTER_1", 100 + slot));
            sf::Image thumbnail;
            thumbnail.create(192, 108, sf::Color(200, 100, 50));
            thumbnail.saveToFile(folder + "/capture.png");
        }
        Init();
        PressKey(sf::Keyboard::Return);  // skip the logos
        PressKey(sf::Keyboard::Return);  // Play
    }
    sf::Vector2i Centre(const sf::Sprite& sprite) const {
        const sf::FloatRect b = sprite.getGlobalBounds();
        return {static_cast<int>(b.left + b.width / 2 + gScreen.offsetX),
                static_cast<int>(b.top + b.height / 2 + gScreen.offsetY)};
    }
};

TEST(SaveSlotMenu, ThreeRowsWithThumbnailsAsHighAsTheirButtons) {
    for (auto [width, height] : {std::pair{1920u, 1080u}, {2560u, 1440u}, {1920u, 1200u}}) {
        SCOPED_TRACE(testing::Message() << width << "x" << height);
        SlotMenuGame game({1}, {width, height, 1, false});
        ASSERT_EQ(gStates.menuScreen, MENU_SAVES);
        EXPECT_EQ(gSaveSlots.hasSave[0], 0);
        EXPECT_EQ(gSaveSlots.hasSave[1], 1);
        const sf::FloatRect button = gSaveSlots.slots[1].button.getGlobalBounds();
        const sf::FloatRect thumbnail = gSaveSlots.slots[1].thumbnail.getGlobalBounds();
        ASSERT_GT(button.height, 0.0f);
        EXPECT_NEAR(thumbnail.height, button.height, 0.01f);
        EXPECT_NEAR(thumbnail.left + thumbnail.width, button.left, 0.01f);
        EXPECT_NEAR(thumbnail.top, button.top, 0.01f);
        EXPECT_EQ(gSaveSlots.slots[0].thumbnail.getTexture(), nullptr);
        game.Step(0.01f);
        game.Capture();
    }
}

TEST(SaveSlotMenu, ButtonsKeepTheirPlaceOnEveryDesktop) {
    for (auto [width, height] : {std::pair{1920u, 1080u}, {1366u, 768u}, {2560u, 1440u}, {3840u, 2160u}}) {
        SCOPED_TRACE(testing::Message() << width << "x" << height);
        SlotMenuGame game({1}, {width, height, 1, false});
        for (int slot = 0; slot < SAVE_SLOT_COUNT; ++slot) {
            const sf::FloatRect b = gSaveSlots.slots[slot].button.getGlobalBounds();
            EXPECT_NEAR((b.left + b.width / 2) / gScreen.gameWidth, 1 / 1.15f, 1e-3f);
            EXPECT_NEAR((b.top + b.height / 2) / gScreen.gameHeight, 0.5f + (slot - 1) * 100.0f / 1080.0f,
                        1e-3f);
            EXPECT_NEAR(b.width / gScreen.gameWidth,
                        gSaveSlots.slots[slot].buttonNormal.getSize().x / 1920.0f, 1e-3f);
            // The delete button starts where its slot button ends, on the same row.
            const sf::FloatRect d = gSaveSlots.slots[slot].deleteButton.getGlobalBounds();
            EXPECT_NEAR(d.left, b.left + b.width, 0.5f);
            EXPECT_NEAR(d.top + d.height / 2, b.top + b.height / 2, 0.5f);
        }
    }
}

TEST(SaveSlotMenu, RightAndLeftCrossBetweenSlotsAndDeleteButtonsWithoutWrapping) {
    SlotMenuGame game({2});
    game.PressKey(sf::Keyboard::Z);  // already at the top
    EXPECT_EQ(gSaveSlots.cursor, 0);
    game.PressKey(sf::Keyboard::S);
    game.PressKey(sf::Keyboard::D);  // to the delete button of the same row
    EXPECT_EQ(gSaveSlots.column, 1);
    EXPECT_EQ(gSaveSlots.deleteCursor, 1);
    game.PressKey(sf::Keyboard::S);
    game.PressKey(sf::Keyboard::S);
    EXPECT_EQ(gSaveSlots.deleteCursor, 2);
    game.PressKey(sf::Keyboard::Q);  // back to the slot of the delete cursor's row
    EXPECT_EQ(gSaveSlots.column, 0);
    EXPECT_EQ(gSaveSlots.cursor, 2);
    game.Step(0.01f);
    EXPECT_EQ(gSaveSlots.slots[2].button.getTexture(), &gSaveSlots.slots[2].buttonPressed);
    game.PressKey(sf::Keyboard::Escape);  // no way back from here but a game
    EXPECT_EQ(gStates.menuScreen, MENU_SAVES);
}

TEST(SaveSlotMenu, DeletingAUsedSlotThenChoosingItStartsANewGameThere) {
    SlotMenuGame game({1});
    game.PressKey(sf::Keyboard::D);
    game.PressKey(sf::Keyboard::Return);  // the delete button of an empty slot does nothing
    EXPECT_TRUE(fs::exists("Saves/Save1"));
    game.Click(game.Centre(gSaveSlots.slots[0].deleteButton));
    EXPECT_EQ(gStates.menuScreen, MENU_SAVES);
    game.PressKey(sf::Keyboard::S);
    game.PressKey(sf::Keyboard::Return);
    EXPECT_FALSE(fs::exists("Saves/Save1"));
    EXPECT_EQ(gSaveSlots.hasSave[1], 0);
    game.PressKey(sf::Keyboard::Q);
    game.PressKey(sf::Keyboard::Return);
    EXPECT_EQ(gStates.gameMode, MODE_GAME);
    EXPECT_EQ(gSession.saveSlot, 1);
    EXPECT_EQ(gSession.gold, 20);
    FinishThumbnailWrites();
    EXPECT_TRUE(fs::is_regular_file("Saves/Save1/capture.png"));
}

TEST(SaveSlotMenu, AUsedSlotContinuesWhereItWasLeft) {
    SlotMenuGame game({0, 2});
    game.Click(game.Centre(gSaveSlots.slots[2].button), sf::Mouse::Right);
    EXPECT_EQ(gStates.gameMode, MODE_GAME);
    EXPECT_EQ(gStates.menuScreen, MENU_MAIN);
    EXPECT_EQ(gSession.saveSlot, 2);
    EXPECT_EQ(gSession.gold, 102);
    EXPECT_STREQ(gSession.currentMapName, "HOUSE_ENTER_1");
}

}  // namespace
