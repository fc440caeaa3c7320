#include <gtest/gtest.h>

#include <filesystem>

#include "core/SoundEffects.h"
#include "frontend/RoamingScreen.h"
#include "frontend/WorldMap.h"
#include "support/Files.h"
#include "support/Scenes.h"

namespace {

// The world map over the map, its roads open, as its MAP trigger opens it.
WorldMap& OpenFrom(GameHarness& game, const char* map) {
    EnterMap(game, map, 2);
    game.Session().SetFlag(&StoryFlags::worldMapOpen);
    game.Find<RoamingScreen>()->OpenWorldMap();
    game.Apply();
    return game.Find<WorldMapScreen>()->map;
}

TEST(WorldMap, TheMapTriggerBlocksAndDoesNothingUntilTheRoadsAreOpen) {
    GameHarness game;
    EnterMap(game, "GoblinVillage", 2);
    PlayerCharacter& hero = game.Scene().hero;
    sf::FloatRect trigger;
    for (const MapTrigger& candidate : game.Scene().map.triggers)
        if (std::string(candidate.name) == "MAP") trigger = candidate.rect;
    ASSERT_GT(trigger.width, 0.0f);
    const auto walkIn = [&] {  // the feet set down in the middle of the trigger
        UpdateFootBox(hero);
        hero.sprite.move(trigger.left + trigger.width / 2 - (hero.footBox.left + hero.footBox.width / 2),
                         trigger.top + trigger.height / 2 - (hero.footBox.top + hero.footBox.height / 2));
        UpdateFootBox(hero);
        game.Step(FRAME_DT);
    };
    walkIn();
    EXPECT_EQ(game.Top(), SCREEN_ROAMING);
    EXPECT_FALSE(hero.footBox.intersects(trigger));  // pushed out of it
    game.PressKey(sf::Keyboard::K);                  // the developer's key opens the roads
    walkIn();
    EXPECT_EQ(game.Top(), SCREEN_WORLD_MAP);
}

TEST(WorldMap, TheCursorStepsOverUnreachablePlacesWithASoundPerStep) {
    const struct {
        const char* from;
        int32_t key;
        std::vector<int32_t> stops;
        std::vector<size_t> sounds;
    } cases[] = {
        {"GoblinVillage", sf::Keyboard::D, {2, 0}, {2, 8}},  // 0 -> 2, then 2 -> 3..7 -> 0
        {"ForestNight", sf::Keyboard::Q, {2, 1}, {7, 8}},    // 1 -> 0, 7, 6, 5, 4, 3, 2; then 2 -> 1
        {"Bridge", sf::Keyboard::D, {0, 1, 2}, {6, 7, 8}},
        {"Bridge", sf::Keyboard::Q, {1, 0, 2}, {1, 2, 8}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " key " << c.key);
        GameHarness game;
        const WorldMap& map = OpenFrom(game, c.from);
        ResetSoundEffectPool();
        for (size_t press = 0; press < c.stops.size(); ++press) {
            game.PressKey(c.key);
            EXPECT_EQ(map.cursor, c.stops[press]);
            EXPECT_EQ(gSoundEffects.effects.size(), c.sounds[press]);
        }
    }
}

// Night falls on the places the hero comes back to: the world map leads to their later versions.
TEST(WorldMap, TravelTakesTheStoryVersionOfAPlaceByWhereTheHeroComesFrom) {
    const struct {
        const char* from = nullptr;
        const char* arrival = nullptr;
        sf::Vector2f point;  // the arrival's point named after the map left
    } cases[] = {
        {"BridgeNight", "GoblinVillageBurn", {2336, 928}},
        {"GoblinVillageBurn", "BridgeNight", {160, 608}},
        {"ForestNight", "Bridge", {2336, 416}},
        {"GoblinVillage", "Bridge", {160, 608}},
        {"Bridge", "GoblinVillage", {2336, 928}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from);
        GameHarness game;
        OpenFrom(game, c.from);
        game.PressKey(sf::Keyboard::D);
        game.PressKey(sf::Keyboard::Return);
        EXPECT_EQ(game.Top(), SCREEN_ROAMING);
        EXPECT_STREQ(game.Session().CurrentMap(), c.arrival);
        EXPECT_EQ(game.Scene().hero.sprite.getPosition(), c.point);
        EXPECT_NE(SaveText().find(std::string("\nMap : ") + c.arrival + "\n"), std::string::npos);
    }
}

TEST(WorldMap, ADestinationThatCannotBeLoadedIsNotTravelledTo) {
    GameHarness game;
    game.Folder().DetachAssetFolder("Text");
    std::filesystem::remove("Assets/Text/Maps/Bridge/Map.json");
    OpenFrom(game, "GoblinVillage");
    const std::string before = SaveText();
    game.PressKey(sf::Keyboard::D);  // the bridge
    game.PressKey(sf::Keyboard::Return);
    EXPECT_EQ(game.Top(), SCREEN_WORLD_MAP);
    EXPECT_NE(game.Log().find("Cannot travel to map Bridge: it has no Map.json"), std::string::npos);
    game.PressKey(sf::Keyboard::Q);  // back to where he stood, nothing lost
    game.PressKey(sf::Keyboard::Return);
    EXPECT_EQ(game.Top(), SCREEN_ROAMING);
    EXPECT_STREQ(game.Session().CurrentMap(), "GoblinVillage");
    EXPECT_EQ(SaveText(), before);
}

TEST(WorldMap, ChoosingThePlaceTheHeroCameFromReturnsWithoutSavingOrReloading) {
    GameHarness game;
    OpenFrom(game, "Bridge");
    const std::string before = SaveText();
    const TiledMap* map = game.Scene().map.loadedMap.get();
    game.PressKey(sf::Keyboard::Return);
    EXPECT_EQ(game.Top(), SCREEN_ROAMING);
    EXPECT_EQ(game.Scene().map.loadedMap.get(), map);
    EXPECT_EQ(SaveText(), before);
}

}  // namespace
