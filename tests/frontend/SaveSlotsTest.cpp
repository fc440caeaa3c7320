#include <gtest/gtest.h>

#include <string>

#include "core/GameStates.h"
#include "core/Screen.h"
#include "frontend/SaveSlotMenu.h"
#include "support/Files.h"
#include "support/GameHarness.h"
#include "support/Scenes.h"
#include "world/GameSession.h"
#include "world/SaveThumbnail.h"

namespace {

// Slot 1 (folder Save0) holds a game in the bedroom with the rope and 137 gold.
std::string SaveWithRope() {
    std::string text = "CurrentMap HOUSE_ENTER_1\nGold 137\nInv Rope\n";
    for (int place = 1; place < 20; ++place)
        text += "Inv \n";
    return text;
}

// From the title to the slot menu, then ENTER on the slot below the first `down` times.
void ChooseSlot(GameHarness& game, int down) {
    game.PressKey(sf::Keyboard::Return);  // Play
    ASSERT_EQ(gStates.menuScreen, MENU_SAVES);
    for (int i = 0; i < down; ++i)
        game.PressKey(sf::Keyboard::S);
    game.PressKey(sf::Keyboard::Return);
    ASSERT_EQ(gStates.gameMode, MODE_GAME);
}

// Escape, down twice to Exit to menu, Return: the way a player leaves a game (after reading the pop-up
// a new game opens with).
void ExitToMenu(GameHarness& game) {
    for (int page = 0; page < 20 && gStates.roamingOverlay == OVERLAY_DIALOGUE; ++page) {
        game.PressKey(sf::Keyboard::Return);
        game.Step(0.02f);
    }
    ASSERT_EQ(gStates.roamingOverlay, OVERLAY_NONE);
    game.PressKey(sf::Keyboard::Escape);
    game.PressKey(sf::Keyboard::S);
    game.PressKey(sf::Keyboard::S);
    game.PressKey(sf::Keyboard::Return);
    ASSERT_EQ(gStates.gameMode, MODE_MENU);
}

// A played game: the rope carried, potions bought, the merchant met, a companion in the party, a fish.
void PlaySlotOne(GameHarness& game) {
    ChooseSlot(game, 0);
    game.Step(0.02f, 3);
    ASSERT_EQ(gSession.inventory.size(), 1u);
    gSession.pouch.slots[0].count = 3;
    gSession.story.merchantMet = 1;
    gSession.story.worldMapOpen = 1;
    gSession.partySize = 2;
    gSession.fishCaught[4] = 1;
    ExitToMenu(game);
}

}  // namespace

TEST(SaveSlots, ANewSaveAfterAnotherGameStartsEmptyHandedWithTwentyGold) {
    GameHarness game({1920, 1080, 1, false});
    WriteWholeFile("Saves/Save0/save.txt", SaveWithRope());
    game.Init();
    game.PressKey(sf::Keyboard::Return);  // skip the logos
    PlaySlotOne(game);

    ChooseSlot(game, 1);  // slot 2: New Save
    game.Step(0.02f, 3);
    EXPECT_EQ(gSession.saveSlot, 1);
    EXPECT_EQ(gSession.gold, 20);
    EXPECT_TRUE(gSession.inventory.empty());
    EXPECT_EQ(gSession.pouch.slots[0].count, 0);
    EXPECT_EQ(gSession.story.merchantMet, 0);
    EXPECT_EQ(gSession.story.worldMapOpen, 0);
    EXPECT_EQ(gSession.partySize, 1u);
    EXPECT_EQ(gSession.fishCaught[4], 0);

    // What slot 2 writes when it is left holds nothing of slot 1 either.
    ExitToMenu(game);
    const std::string saved = ReadWholeFile("Saves/Save1/save.txt");
    EXPECT_EQ(saved.find("Rope"), std::string::npos) << saved;
    EXPECT_NE(saved.find("Gold 20\n"), std::string::npos) << saved;
}

TEST(SaveSlots, ContinuingASlotAfterAnotherGameKeepsOnlyWhatItsSaveHolds) {
    GameHarness game({1920, 1080, 1, false});
    WriteWholeFile("Saves/Save0/save.txt", SaveWithRope());
    WriteWholeFile(
        "Saves/Save2/save.txt", "CurrentMap HOUSE_ENTER_1\nGold 5\n" + [] {
            std::string places;
            for (int place = 0; place < 20; ++place)
                places += "Inv \n";
            return places;
        }());
    game.Init();
    game.PressKey(sf::Keyboard::Return);  // skip the logos
    PlaySlotOne(game);

    ChooseSlot(game, 2);  // slot 3, continued
    EXPECT_EQ(gSession.saveSlot, 2);
    EXPECT_EQ(gSession.gold, 5);
    EXPECT_TRUE(gSession.inventory.empty());
    EXPECT_EQ(gSession.pouch.slots[0].count, 0);
    EXPECT_EQ(gSession.story.merchantMet, 0);
    EXPECT_EQ(gSession.partySize, 1u);
}

// A slot whose map the game cannot load stays on the menu, says why under the slots until the next
// key, and keeps its save as it was.
TEST(SaveSlots, ASaveOnAMapThatCannotBeLoadedIsRefusedOnTheMenuAndKept) {
    GameHarness game({1920, 1080, 1, false});
    std::string save = SaveWithRope();
    save.replace(0, save.find('\n'), "CurrentMap Nowhere");
    WriteWholeFile("Saves/Save0/save.txt", save);
    game.Init();
    game.PressKey(sf::Keyboard::Return);  // past the logos
    game.PressKey(sf::Keyboard::Return);  // Play
    ASSERT_EQ(gStates.menuScreen, MENU_SAVES);
    game.PressKey(sf::Keyboard::Return);  // slot 1
    EXPECT_EQ(gStates.gameMode, MODE_MENU);
    EXPECT_EQ(gStates.menuScreen, MENU_SAVES);
    EXPECT_EQ(ReadWholeFile("Saves/Save0/save.txt"), save);
    const std::string shown = gSaveSlots.message.getString().toAnsiString();
    EXPECT_NE(shown.find("Save 1 cannot be continued"), std::string::npos) << shown;
    EXPECT_NE(shown.find("Nowhere"), std::string::npos) << shown;
    EXPECT_NE(shown.find("no Map.json"), std::string::npos) << shown;
    EXPECT_NE(game.Log().find(shown), std::string::npos);
    // Drawn on the menu, inside the game area, then gone at the next key.
    game.Step(0.01f);
    const sf::FloatRect line = gSaveSlots.message.getGlobalBounds();
    EXPECT_GT(line.width, 0.0f);
    EXPECT_LE(line.left + line.width, gScreen.gameWidth);
    EXPECT_GE(line.left, 0.0f);
    game.PressKey(sf::Keyboard::S);
    EXPECT_TRUE(gSaveSlots.message.getString().isEmpty());
}

TEST(SaveSlots, ADamagedSaveWithoutBackupIsRefusedOnTheMenuWithItsReason) {
    GameHarness game({1920, 1080, 1, false});
    WriteWholeFile("Saves/Save0/save.txt", "CurrentMap HOUSE_ENTER_1\nGold 2147483648\n");
    game.Init();
    game.PressKey(sf::Keyboard::Return);
    game.PressKey(sf::Keyboard::Return);
    game.PressKey(sf::Keyboard::Return);
    EXPECT_EQ(gStates.menuScreen, MENU_SAVES);
    EXPECT_NE(gSaveSlots.message.getString().toAnsiString().find("damaged"), std::string::npos);
}

namespace {

// Share of the slot's thumbnail that differs from a picture of the screen shrunk to its size.
double ThumbnailAgainstScreen(const sf::Image& screen) {
    FinishThumbnailWrites();
    sf::Image thumbnail;
    EXPECT_TRUE(thumbnail.loadFromFile("Saves/Save0/capture.png"));
    EXPECT_EQ(thumbnail.getSize(), sf::Vector2u(THUMBNAIL_WIDTH, THUMBNAIL_HEIGHT));
    if (thumbnail.getSize() != sf::Vector2u(THUMBNAIL_WIDTH, THUMBNAIL_HEIGHT)) return 1.0;
    return ShareOfDifferentPixels(ShrinkGameArea(screen, THUMBNAIL_WIDTH, THUMBNAIL_HEIGHT), thumbnail, 24);
}

}  // namespace

// What the slot menu shows of a slot is what the player saw last: the first moment of a new game, and
// the moment he left through the pause menu.
TEST(SaveSlots, ThumbnailsShowWhatThePlayerLastSaw) {
    for (auto [width, height] : {std::pair{1920u, 1080u}, {2560u, 1440u}}) {
        SCOPED_TRACE(testing::Message() << width << "x" << height);
        ResetGameRecords();
        GameHarness game({width, height});
        game.PressKey(sf::Keyboard::Return);  // past the logos
        game.PressKey(sf::Keyboard::Return);  // Play: a new game in slot 1
        ASSERT_EQ(gStates.gameMode, MODE_GAME);
        game.Step(1.0f / 144.0f);  // the first frame the player sees
        EXPECT_LT(ThumbnailAgainstScreen(game.Capture()), 0.03);
        for (int page = 0; page < 20 && gStates.roamingOverlay == OVERLAY_DIALOGUE; ++page) {
            game.PressKey(sf::Keyboard::Return);
            game.Step(0.02f);
        }
        game.HoldKey(sf::Keyboard::D);
        game.Step(0.02f, 20);  // a few steps to the right
        game.HoldKey(sf::Keyboard::D, false);
        game.Step(0.02f);
        const sf::Image last = game.Capture();
        game.PressKey(sf::Keyboard::Escape);
        game.PressKey(sf::Keyboard::S);
        game.PressKey(sf::Keyboard::S);
        game.PressKey(sf::Keyboard::Return);  // Exit to menu
        ASSERT_EQ(gStates.gameMode, MODE_MENU);
        EXPECT_LT(ThumbnailAgainstScreen(last), 0.03);
    }
}
