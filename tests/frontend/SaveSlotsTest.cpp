#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/Screen.h"
#include "frontend/SaveSlotMenu.h"
#include "support/Files.h"
#include "support/Scenes.h"
#include "world/SaveThumbnail.h"

namespace {

using namespace DefaultKeys;

// A sound save in the bedroom holding gold and the items given, the other places empty.
std::string BedroomSave(int gold, std::vector<std::string> items = {}) {
    std::string text = "CurrentMap HOUSE_ENTER_1\nGold " + std::to_string(gold) + "\n";
    items.resize(INVENTORY_PLACES);
    for (const std::string& item : items)
        text += "Inv " + item + "\n";
    return text;
}

SaveSlotMenu& Menu(GameHarness& game) {
    return game.Find<SaveSlotScreen>()->menu;
}

sf::Vector2i Centre(const sf::Sprite& sprite) {
    const sf::FloatRect b = sprite.getGlobalBounds();
    return {static_cast<int>(b.left + b.width / 2 + gScreen.offsetX),
            static_cast<int>(b.top + b.height / 2 + gScreen.offsetY)};
}

// Each game has a session of its own: a played game leaves nothing behind in the next new game, nor in
// a slot continued after it.
TEST(SaveSlots, EveryGameAfterAPlayedOneStartsFromItsOwnSessionOnly) {
    GameHarness game;
    ChoosePlay(game);  // no save yet: a new game in slot 1
    GameSession& first = game.Session();
    first.EarnGold(117);
    first.Carry("Rope");
    first.AddToPouch(ITEM_HP_POTION);
    first.SetFlag(&StoryFlags::merchantMet);
    first.SetFlag(&StoryFlags::worldMapOpen);
    first.Join(&StoryFlags::spritiJoined);
    first.CatchFish(4, 10);
    ExitToMenu(game);
    WriteWholeFile("Saves/Save2/save.txt", BedroomSave(5));

    game.Press(ENTER);  // Play: the slots
    game.Press(DOWN);
    game.Press(ENTER);  // slot 2: New Save
    ASSERT_EQ(game.Mode(), MODE_GAME);
    const GameSession& second = game.Session();
    EXPECT_EQ(second.Slot(), 1);
    EXPECT_EQ(second.Gold(), 20);
    EXPECT_TRUE(second.Inventory().empty());
    EXPECT_FALSE(second.PouchHasPotions());
    EXPECT_EQ(second.Story().merchantMet, 0);
    EXPECT_EQ(second.Story().worldMapOpen, 0);
    EXPECT_EQ(second.PartySize(), 1u);
    EXPECT_FALSE(second.FishCaught(4));
    ExitToMenu(game);
    const std::string saved = ReadWholeFile("Saves/Save1/save.txt");
    EXPECT_EQ(saved.find("Rope"), std::string::npos) << saved;
    EXPECT_NE(saved.find("Gold 20\n"), std::string::npos) << saved;

    game.Press(ENTER);
    game.Click(Centre(Menu(game).slots[2].button), sf::Mouse::Right);  // slot 3, continued
    game.Step(FRAME_DT);
    const GameSession& third = game.Session();
    EXPECT_EQ(third.Slot(), 2);
    EXPECT_EQ(third.Gold(), 5);
    EXPECT_TRUE(third.Inventory().empty());
    EXPECT_FALSE(third.PouchHasPotions());
    EXPECT_EQ(third.Story().merchantMet, 0);
    EXPECT_EQ(third.PartySize(), 1u);
}

// A slot the game cannot play stays on the menu, says why under the slots until the next key, and keeps
// its save as it was.
TEST(SaveSlots, ASaveThatCannotBePlayedIsRefusedOnTheMenuWithItsReasonAndKept) {
    std::string nowhere = BedroomSave(137, {"Rope"});
    nowhere.replace(0, nowhere.find('\n'), "CurrentMap Nowhere");
    const std::pair<std::string, std::string> cases[] = {
        {nowhere, "its map Nowhere cannot be loaded: it has no Map.json"},
        {"CurrentMap HOUSE_ENTER_1\nGold 2147483648\n", "its save is damaged"}};
    for (const auto& [save, reason] : cases) {
        SCOPED_TRACE(reason);
        GameHarness game({.initialise = false});
        WriteWholeFile("Saves/Save0/save.txt", save);
        game.Init();
        ChoosePlay(game);
        game.Press(ENTER);  // slot 1
        EXPECT_EQ(game.Top(), SCREEN_SAVES);
        EXPECT_EQ(ReadWholeFile("Saves/Save0/save.txt"), save);
        const std::string shown = Menu(game).message.getString().toAnsiString();
        EXPECT_EQ(shown.rfind("Save 1 cannot be continued: " + reason, 0), 0u) << shown;
        EXPECT_NE(game.Log().find(shown), std::string::npos);
        const sf::FloatRect line = Menu(game).message.getGlobalBounds();
        EXPECT_GE(line.left, 0.0f);  // inside the game area
        EXPECT_LE(line.left + line.width, gScreen.gameWidth);
        game.Press(DOWN);
        EXPECT_TRUE(Menu(game).message.getString().isEmpty());
    }
}

TEST(SaveSlots, DeletingAUsedSlotThenChoosingItStartsANewGameThere) {
    GameHarness game({.initialise = false});
    WriteWholeFile("Saves/Save1/save.txt", BedroomSave(101));
    game.Init();
    ChoosePlay(game);
    game.Press(RIGHT);
    game.Press(ENTER);  // the delete button of an empty slot does nothing
    game.Click(Centre(Menu(game).slots[0].deleteButton));
    EXPECT_TRUE(std::filesystem::exists("Saves/Save1"));
    game.Press(DOWN);
    game.Press(ENTER);
    EXPECT_FALSE(std::filesystem::exists("Saves/Save1"));
    EXPECT_EQ(Menu(game).hasSave[1], 0);
    game.Press(LEFT);  // back to the slot of the same row
    game.Press(ENTER);
    ASSERT_EQ(game.Mode(), MODE_GAME);
    EXPECT_EQ(game.Session().Slot(), 1);
    EXPECT_EQ(game.Session().Gold(), 20);
    FinishThumbnailWrites();
    EXPECT_TRUE(std::filesystem::is_regular_file("Saves/Save1/capture.png"));
}

// Share of the slot's thumbnail that differs from a picture of the screen shrunk to its size.
double ThumbnailAgainstScreen(const sf::Image& screen) {
    FinishThumbnailWrites();
    sf::Image thumbnail;
    EXPECT_TRUE(thumbnail.loadFromFile("Saves/Save0/capture.png"));
    if (thumbnail.getSize() != sf::Vector2u(THUMBNAIL_WIDTH, THUMBNAIL_HEIGHT)) return 1.0;
    return ShareOfDifferentPixels(ShrinkGameArea(screen, THUMBNAIL_WIDTH, THUMBNAIL_HEIGHT), thumbnail, 24);
}

// What the slot menu shows of a slot is what the player saw last: the bedroom a new game opens in, and
// the moment he left through the pause menu.
TEST(SaveSlots, ThumbnailsShowWhatThePlayerLastSaw) {
    for (auto [width, height] : {std::pair{1920u, 1080u}, {2560u, 1440u}}) {
        SCOPED_TRACE(testing::Message() << width << "x" << height);
        GameHarness game({width, height});
        ChoosePlay(game);  // a new game in slot 1
        ASSERT_EQ(game.Mode(), MODE_GAME);
        game.PressEnterUntil([&] { return game.Top() == SCREEN_ROAMING; });
        EXPECT_LT(ThumbnailAgainstScreen(game.Capture()), 0.03);  // the bedroom under the Start pop-up
        game.HoldFor(RIGHT, 20);                                  // a few steps to the right
        game.Step(FRAME_DT);
        const sf::Image last = game.Capture();
        game.PressKey(ESCAPE);
        game.PressKey(DOWN);
        game.PressKey(DOWN);
        game.PressKey(ENTER);  // Exit to menu
        ASSERT_EQ(game.Mode(), MODE_MENU);
        EXPECT_LT(ThumbnailAgainstScreen(last), 0.03);
    }
}

}  // namespace
