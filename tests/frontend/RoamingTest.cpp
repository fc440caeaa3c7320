#include <gtest/gtest.h>

#include "core/Music.h"
#include "core/Screen.h"
#include "frontend/RoamingScreen.h"
#include "support/Files.h"
#include "support/Scenes.h"
#include "world/Camera.h"

namespace {

void PlaceHero(GameHarness& game, sf::Vector2f at) {
    PlayerCharacter& hero = game.Scene().hero;
    hero.sprite.setPosition(at);
    UpdateFootBox(hero);
}

bool StandsIn(GameHarness& game, const char* trigger) {
    for (const MapTrigger& t : game.Scene().map.triggers)
        if (std::string(t.name) == trigger && t.rect.intersects(game.Scene().hero.footBox)) return true;
    return false;
}

TEST(Roaming, ADoorLeadsToThePointNamedAfterTheMapLeftAndSavesBothMapsAtOnce) {
    GameHarness game;
    EnterMap(game, "HOUSE_ENTER_1", 2);
    PlaceHero(game, {480, 600});  // on the door to the village
    game.Step(FRAME_DT);
    EXPECT_STREQ(game.Session().CurrentMap(), "GoblinVillage");
    EXPECT_EQ(game.Scene().hero.sprite.getPosition(), sf::Vector2f(416, 560));
    const std::string save = SaveText();
    EXPECT_EQ(save.rfind("CurrentMap GoblinVillage\n", 0), 0u);
    EXPECT_NE(save.find("\nMap : HOUSE_ENTER_1\n"), std::string::npos);
    EXPECT_NE(save.find("\nMap : GoblinVillage\n"), std::string::npos);
}

// The hero arriving on a door of the new map goes through it on the next frame, not in the one that
// brought him: one map change a frame.
TEST(Roaming, TheFrameOfADoorRunsNoTriggerOfTheNewMap) {
    GameHarness game;
    game.Folder().DetachAssetFolder("Text");
    const std::string path = "Assets/Text/Maps/GoblinVillage/Map.json";
    std::string map = ReadWholeFile(path);
    // The arrival point HOUSE_ENTER_1 (the point layer follows the triggers, which name it first).
    const size_t arrival =
        map.find("\"y\":560", map.find("\"name\":\"HOUSE_ENTER_1\"", map.find("\"Point\"")));
    ASSERT_NE(arrival, std::string::npos);
    WriteWholeFile(path, map.replace(arrival, 7, "\"y\":480"));  // in its door back to the bedroom
    EnterMap(game, "HOUSE_ENTER_1", 2);
    PlaceHero(game, {480, 600});
    game.Step(FRAME_DT);
    EXPECT_STREQ(game.Session().CurrentMap(), "GoblinVillage");
    EXPECT_TRUE(StandsIn(game, "HOUSE_ENTER_1"));
    game.Step(FRAME_DT);
    EXPECT_STREQ(game.Session().CurrentMap(), "HOUSE_ENTER_1");
}

TEST(Roaming, ADoorToAMapThatCannotBeEnteredKeepsTheHeroHereAndTheSaveWhole) {
    GameHarness game;
    game.Folder().DetachAssetFolder("Text");
    WriteWholeFile("Assets/Text/Maps/Broken/Map.json", "{\"layers\":[}");
    EnterMap(game, "HOUSE_ENTER_1", 2);
    const std::string before = SaveText();
    const sf::Vector2f standing = game.Scene().hero.sprite.getPosition();
    for (const char* destination : {"Nowhere", "Broken", "AMapNameThatIsFarTooLongToBeReal"}) {
        SCOPED_TRACE(destination);
        game.Find<RoamingScreen>()->ChangeMap(destination);
        game.Step(FRAME_DT);
        EXPECT_STREQ(game.Session().CurrentMap(), "HOUSE_ENTER_1");
        EXPECT_EQ(game.Scene().hero.sprite.getPosition(), standing);
        EXPECT_EQ(SaveText(), before);
        EXPECT_NE(game.Log().find(std::string("Cannot go to map ") + destination), std::string::npos);
    }
}

TEST(Roaming, TheCameraFollowsTheHeroAndStaysInsideTheMap) {
    GameHarness game;
    EnterMap(game, "GoblinVillage", 2);  // 2560 x 1920 map pixels, 960 x 540 of them in view
    const std::pair<sf::Vector2f, sf::Vector2f> cases[] = {
        {{100, 100}, {480, 270}}, {{1500, 1000}, {1500, 1000}}, {{2500, 1900}, {2080, 1650}}};
    for (const auto& [hero, centre] : cases) {
        PlaceHero(game, hero);
        UpdateCamera(game.Scene().camera, game.Scene().hero, game.Window());
        EXPECT_EQ(gMainView.getCenter(), centre) << hero.x;
        EXPECT_EQ(gMainView.getSize(), sf::Vector2f(960, 540));
    }
}

// One battle a frame: the other enemies in reach stay on the map for the hero's next step, and the
// battle's music starts once and plays on.
TEST(Roaming, ThreeEnemiesTouchingTheHeroInOneFrameStartOneBattle) {
    GameHarness game;
    EnterMap(game, "GoblinVillageBurn", 2);
    const sf::Vector2f hero = game.Scene().hero.sprite.getPosition();
    std::vector<Npc>& npcs = game.Scene().npcList.npcs;
    std::vector<int32_t> touching;
    for (Npc& npc : npcs) {
        if (npc.type != NPC_BATTLE || touching.size() == 3) continue;
        npc.sprite.setPosition(hero + sf::Vector2f(-30.0f + 30.0f * static_cast<float>(touching.size()), 40));
        touching.push_back(npc.id);
    }
    ASSERT_EQ(touching.size(), 3u);
    const size_t people = npcs.size();
    game.ClearLog();
    game.Step(FRAME_DT);
    EXPECT_EQ(game.Top(), SCREEN_BATTLE);
    const sf::Music* music = gMusic.currentMusic.get();
    EXPECT_TRUE(MusicIsPlaying());
    for (int frame = 0; frame < 60; ++frame) {
        game.Step(FRAME_DT);
        ASSERT_EQ(gMusic.currentMusic.get(), music) << "frame " << frame;
    }
    EXPECT_EQ(game.Log().find("stop music\n"), game.Log().rfind("stop music\n"));  // the map's, once
    int battles = 0;
    for (const Screen* screen : game.Stack().Screens())
        battles += screen->Kind() == SCREEN_BATTLE ? 1 : 0;
    EXPECT_EQ(battles, 1);
    ASSERT_EQ(npcs.size(), people - 1);
    int waiting = 0;
    for (const Npc& npc : npcs)
        waiting += std::count(touching.begin(), touching.end(), npc.id) > 0 ? 1 : 0;
    EXPECT_EQ(waiting, 2);
}

}  // namespace
