// People on the map: read from their files, animated by sheet row, solid, talking on ENTER, and enemies
// that start their battle from further away than their sprite reaches.

#include <gtest/gtest.h>

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>

#include "content/ContentFixture.h"
#include "content/MapContent.h"
#include "content/Npcs.h"
#include "content/Reach.h"
#include "core/GameStates.h"
#include "core/Input.h"
#include "core/Screen.h"
#include "core/Settings.h"
#include "frontend/RoamingScreen.h"
#include "support/Files.h"
#include "world/Player.h"

namespace {

using DefaultKeys::ENTER;

std::string Shown(const Npc& npc) {
    return npc.dialogues.at(static_cast<size_t>(npc.currentDialogue)).reveal.text.getString();
}

TEST(Npcs, AFileGivesSheetFramesRowPositionDialoguesAndBattle) {
    YardGame game;
    game.Folder().DetachAssetFolder("Sprites");
    sf::Image sheet;
    sheet.create(700, 800, sf::Color::Green);
    sheet.saveToFile("Assets/Sprites/Characters/Wide.png");
    WriteWholeFile("Assets/Text/Maps/Yard/PNJ9.txt",
                   "Pos 500 260\nWide\nState 3\nDialogue 2\nHello\nAgain\nType 1\nPatrol\n");
    game.ClearLog();
    Npc npc;
    LoadNpc("Assets/Text/Maps/Yard/PNJ9.txt", npc);
    EXPECT_EQ(npc.sprite.getOrigin(), sf::Vector2f(50, 50));
    EXPECT_EQ(npc.sprite.getPosition(), sf::Vector2f(500, 260));
    EXPECT_EQ(npc.currentAnimation.frameRect, sf::IntRect(0, 300, 100, 100));
    EXPECT_EQ(npc.currentAnimation.frameCount, 7u);
    EXPECT_EQ(npc.currentAnimation.framesPerSecond, 8u);
    EXPECT_EQ(npc.currentAnimation.loop, 1);
    ASSERT_EQ(npc.dialogues.size(), 2u);
    EXPECT_EQ(npc.dialogues[1].partPaths.at(0), "Assets/Text/Dialogues/Again/Part1.txt");
    EXPECT_EQ(npc.type, NPC_BATTLE);
    EXPECT_EQ(npc.battlePath, "Assets/Text/Levels/Patrol");
    EXPECT_NE(game.Log().find("HelloAgainPatrol"), std::string::npos);  // names echoed as read

    // Row 3 plays its seven frames at eight a second and comes round again.
    UpdateNpc(0.13f, npc);
    EXPECT_EQ(npc.sprite.getTextureRect(), sf::IntRect(100, 300, 100, 100));
    UpdateNpc(0.75f, npc);
    EXPECT_EQ(npc.sprite.getTextureRect(), sf::IntRect(0, 300, 100, 100));
    // The solid box: the lowest quarter of the picture, its middle half.
    EXPECT_EQ(npc.box, sf::FloatRect(475, 285, 50, 25));

    Npc untouched;
    untouched.id = 7;
    LoadNpc("Assets/Text/Maps/Yard/PNJ42.txt", untouched);
    EXPECT_NE(game.Log().find("Erreur d'ouverture du fichier PNJ!\n"), std::string::npos);
    EXPECT_EQ(untouched.id, 7);
    EXPECT_EQ(untouched.texture, nullptr);
}

TEST(Npcs, TheHeroCannotWalkThroughSomeone) {
    YardGame game({Talker(400, 300)});
    game.HoldKey(gSettings.keys.right);
    game.Step(0.05f, 40);
    // His feet (half his 64-pixel frame wide) stop at the villager's box, which starts at x 384.
    EXPECT_LE(gPlayer.footBox.left + gPlayer.footBox.width, 384.5f);
    EXPECT_GT(gPlayer.sprite.getPosition().x, 340.0f);
}

TEST(Npcs, EnterBesideATalkerOpensItsDialogueWholeThenTypesTheNextPage) {
    YardGame game({Talker(300, 330, {"Hello"})});
    game.Step(0.01f);
    Npc& villager = gMapContent.npcList.npcs.at(0);
    EXPECT_EQ(gPrompt.text.getString(), "Enter");
    game.PressKey(ENTER);
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_DIALOGUE);
    EXPECT_EQ(Shown(villager), "Good morning!");  // the first page at once
    game.PressKey(ENTER);
    EXPECT_EQ(Shown(villager), "");
    game.Step(0.05f, 3);  // one letter a frame, however long the frame
    EXPECT_EQ(Shown(villager), "Lov");
    game.PressKey(ENTER);
    EXPECT_EQ(Shown(villager), "Lovely day.");
    game.PressKey(ENTER);  // past the last part: still shown
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_DIALOGUE);
    game.PressKey(ENTER);
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_NONE);
    EXPECT_EQ(villager.open, 0);
    game.PressKey(ENTER);  // and again from the start
    EXPECT_EQ(Shown(villager), "Good morning!");
}

TEST(Npcs, AnOpenDialogueIsDrawnOverThePeopleStandingWhereItsFrameIs) {
    // The camera shows the yard from (0, 0) at twice its size: the second villager stands where the
    // dialogue frame is drawn, near the bottom of the screen.
    YardGame game({Talker(300, 330, {"Hello"}), Talker(480, 400)});
    game.Step(0.01f);
    game.PressKey(ENTER);
    const sf::Image withVillager = game.Capture();
    gMapContent.npcList.npcs[1].sprite.setPosition(-500, -500);
    const sf::Image without = game.Capture();
    for (unsigned y = 760; y < 860; y += 10) {
        for (unsigned x = 900; x < 1020; x += 10)
            ASSERT_EQ(withVillager.getPixel(x, y), without.getPixel(x, y)) << x << "," << y;
    }
}

TEST(Npcs, SomeoneStandingBehindTheHeroIsDrawnBehindHimAndSomeoneInFrontOverHim) {
    // A villager just north of the hero, another just south; where the sprites overlap, the lower one
    // on the screen is in front.
    YardGame game({Talker(300, 260), Talker(300, 345)});
    game.Step(0.01f);
    sf::Image plain;
    plain.create(448, 512, sf::Color::Red);
    sf::Texture red;
    red.loadFromImage(plain);
    for (Npc& npc : gMapContent.npcList.npcs)
        npc.sprite.setTexture(red);
    sf::Image hero;
    hero.create(64, 64, sf::Color::Blue);
    sf::Texture blue;
    blue.loadFromImage(hero);
    gPlayer.sprite.setTexture(blue, true);
    gPlayer.sprite.setScale(1, 1);
    const sf::Image shown = game.Capture();
    const auto at = [&](float x, float y) {
        const sf::Vector2i pixel = game.Window().mapCoordsToPixel({x, y}, gMainView);
        return shown.getPixel(static_cast<unsigned>(pixel.x), static_cast<unsigned>(pixel.y));
    };
    EXPECT_EQ(at(300, 280), sf::Color::Blue);  // the hero's head over the villager behind him
    EXPECT_EQ(at(300, 325), sf::Color::Red);   // the villager in front over the hero's feet
}

TEST(Npcs, OtherKeysLeaveADialogueWhereItIs) {
    YardGame game({Talker(300, 330, {"Hello"})});
    game.Step(0.01f);
    game.PressKey(ENTER);
    game.PressKey(ENTER);
    game.PressKey(sf::Keyboard::A);
    game.PressKey(gSettings.keys.escape);
    EXPECT_EQ(Shown(gMapContent.npcList.npcs.at(0)), "");
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_DIALOGUE);
    game.Step(0.01f, 20);  // the hero does not walk while someone talks
    EXPECT_EQ(gPlayer.sprite.getPosition(), sf::Vector2f(HERO_X, HERO_Y));
}

TEST(Npcs, TwoTalkersInReachBothAnswerOneEnterAndTheSecondDialogueIsTheSecondLine) {
    YardGame game({Talker(300, 330, {"Hello", "Again"}), Talker(250, 330, {"Hello"})});
    game.Step(0.01f);
    gMapContent.npcList.npcs[0].currentDialogue = 1;
    game.PressKey(ENTER);
    EXPECT_EQ(gMapContent.npcList.npcs[0].open, 1);
    EXPECT_EQ(gMapContent.npcList.npcs[1].open, 1);
    EXPECT_EQ(Shown(gMapContent.npcList.npcs[0]), "Back so soon?");
    EXPECT_EQ(Shown(gMapContent.npcList.npcs[1]), "Good morning!");
}

TEST(Npcs, AnEnemyStartsItsBattleBeforeTheHeroTouchesItsSprite) {
    // Its box starts 60 pixels right of the hero's feet: out of his reach, inside its own 80.
    YardGame game({Enemy(392, 284, "Knight1")});
    game.Step(0.01f);
    EXPECT_EQ(gStates.gameScreen, SCREEN_BATTLE);
    EXPECT_TRUE(gMapContent.npcList.npcs.empty());
}

TEST(Npcs, ASheetOfTheRealCastIsSevenFramesBySixtyFourPixels) {
    YardGame game({Talker(300, 500)});
    const Npc& villager = gMapContent.npcList.npcs.at(0);
    EXPECT_EQ(villager.currentAnimation.frameRect, sf::IntRect(0, 0, 64, 64));
    EXPECT_EQ(villager.sprite.getOrigin(), sf::Vector2f(32, 32));
}

}  // namespace
