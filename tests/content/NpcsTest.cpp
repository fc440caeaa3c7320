// People on the map: read from their files, animated along their sheet row, solid, talking with ENTER
// over a map that waits, and enemies that start their battle before the hero touches them.

#include <gtest/gtest.h>

#include "content/ContentScenes.h"
#include "content/DialogueScreen.h"
#include "content/MapScene.h"
#include "content/Npcs.h"
#include "core/Log.h"
#include "core/Settings.h"
#include "support/Files.h"
#include "support/Journey.h"
#include "support/Scenes.h"

namespace {

using DefaultKeys::ENTER;

TEST(Npcs, AFileGivesTheSheetRowPlacedAndAnimatedTheSolidFeetTheDialoguesAndTheBattle) {
    ScratchFolder folder;
    LogCapture log;
    WriteWholeFile(
        "PNJ9.txt",
        "Pos 500 260\nKnight\nState 3\nDialogue 2\nVillagers/Forest\nMerchant/ShopOpen\nType 1\nPatrol\n");
    Npc npc;
    LoadNpc("PNJ9.txt", npc);
    EXPECT_EQ(npc.sprite.getPosition(), sf::Vector2f(500, 260));
    EXPECT_EQ(npc.sprite.getTextureRect(), sf::IntRect(0, 192, 64, 64));  // row 3, before any frame
    UpdateNpc(0.13f, npc);
    EXPECT_EQ(npc.sprite.getTextureRect(), sf::IntRect(64, 192, 64, 64));
    UpdateNpc(0.75f, npc);  // seven frames at eight a second, and round again
    EXPECT_EQ(npc.sprite.getTextureRect(), sf::IntRect(0, 192, 64, 64));
    EXPECT_EQ(npc.box, sf::FloatRect(484, 276, 32, 16));  // the feet: the middle half, the lowest quarter
    ASSERT_EQ(npc.dialogues.size(), 2u);
    EXPECT_EQ(npc.dialogues[1].partPaths.at(0), "Assets/Text/Dialogues/Merchant/ShopOpen/Part1.txt");
    EXPECT_EQ(npc.type, NPC_BATTLE);
    EXPECT_EQ(npc.battlePath, "Assets/Text/Levels/Patrol");

    // A row the sheet does not have shows the first; a damaged count gives nothing to say.
    WriteWholeFile("PNJ9.txt", "Pos 500 260\nKnight\nState 9\nDialogue 99999\nType 0\n");
    LoadNpc("PNJ9.txt", npc);
    EXPECT_EQ(npc.sprite.getTextureRect(), sf::IntRect(0, 0, 64, 64));
    EXPECT_TRUE(npc.dialogues.empty());
    EXPECT_TRUE(npc.battlePath.empty());

    Npc untouched;
    untouched.id = 7;
    log.text.clear();
    LoadNpc("PNJ42.txt", untouched);
    EXPECT_EQ(log.text, "Erreur d'ouverture du fichier PNJ!\n");
    EXPECT_EQ(untouched.id, 7);
    EXPECT_EQ(untouched.texture, nullptr);
}

std::string Page(GameHarness& game) {
    const Dialogue* shown = game.Find<DialogueScreen>()->Talk().Shown();
    return shown != nullptr ? shown->reveal.page : "(closed)";
}

TEST(Npcs, AVillagerStopsTheHeroAndTalksPageByPageWhileTheMapWaits) {
    GameHarness game{UNSEEN};
    EnterMap(game, "GoblinVillage", 2);
    Npc* villager = nullptr;
    for (Npc& npc : game.Scene().npcList.npcs)
        if (npc.sprite.getPosition() == sf::Vector2f(1440, 784)) villager = &npc;
    ASSERT_NE(villager, nullptr);
    PlaceFeet(game, {villager->box.left, villager->box.top + villager->box.height + 20});
    game.HoldFor(gSettings.keys.up, 40);
    EXPECT_NEAR(game.Scene().hero.footBox.top, villager->box.top + villager->box.height,
                1.0f);  // up to him, no further

    game.PressKey(ENTER);
    ASSERT_EQ(game.Top(), SCREEN_DIALOGUE);
    const std::string firstPage =
        "Have you seen Spriti? She loves the forest\nbeyond the river, but it is dark in there\neven at "
        "noon.";
    EXPECT_EQ(Page(game), firstPage);  // the first page at once
    game.PressKey(ENTER);
    game.Step(0.05f, 3);
    EXPECT_EQ(Page(game), "The");  // one letter a frame, however long the frame
    const sf::Vector2f standing = game.Scene().hero.sprite.getPosition();
    game.PressKey(sf::Keyboard::A);
    game.PressKey(gSettings.keys.escape);
    game.HoldFor(gSettings.keys.down, 20);
    EXPECT_EQ(game.Top(), SCREEN_DIALOGUE);
    EXPECT_EQ(game.Scene().hero.sprite.getPosition(), standing);  // nobody walks while someone talks
    EXPECT_EQ(Page(game).substr(0, 3), "The");

    game.PressEnterUntil([&] { return game.Top() == SCREEN_ROAMING; });
    EXPECT_EQ(game.Top(), SCREEN_ROAMING);
    EXPECT_EQ(villager->open, 0);
    game.PressKey(ENTER);  // and again from the start
    ASSERT_EQ(game.Top(), SCREEN_DIALOGUE);
    EXPECT_EQ(Page(game), firstPage);
}

TEST(Npcs, AnEnemyStartsItsBattleFromEightyPixelsAwayNotFromAHundred) {
    GameHarness game{UNSEEN};
    EnterMap(game, "Bridge", 2);
    const int enemies = PeopleOfType(game, NPC_BATTLE);
    const sf::FloatRect knight = FirstNpcOfType(game, NPC_BATTLE)->box;
    PlaceFeet(game, {knight.left + knight.width + 100, knight.top});
    game.Step(FRAME_DT);
    EXPECT_EQ(game.Top(), SCREEN_ROAMING);
    PlaceFeet(game, {knight.left + knight.width + 60, knight.top});
    game.Step(FRAME_DT);
    EXPECT_EQ(game.Top(), SCREEN_BATTLE);
    game.PressKey(sf::Keyboard::W);  // the developer's win
    game.Step(FRAME_DT, 30);
    game.Press(ENTER);
    EXPECT_EQ(game.Top(), SCREEN_ROAMING);
    EXPECT_EQ(PeopleOfType(game, NPC_BATTLE), enemies - 1);  // the one fought has left the map
}

}  // namespace
