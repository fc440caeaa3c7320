#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "core/GameStates.h"
#include "core/Screen.h"
#include "core/SoundEffects.h"
#include "frontend/WorldMap.h"
#include "support/Files.h"
#include "world/GameSession.h"
#include "world/MapLoading.h"
#include "world/Player.h"
#include "world/WorldFixture.h"

namespace {

TestMap Region(std::vector<TestObject> points) {
    TestMap map;
    map.layers = {FilledLayer("Ground", 8, 6, 3), ObjectLayer("Trigger", {Rect("MAP", 0, 200, 32, 64)}),
                  ObjectLayer("Point", std::move(points))};
    return map;
}

// The three regions and their story versions, each with a point for every place it can be reached from.
std::vector<std::pair<std::string, TestMap>> Regions() {
    const std::vector<TestObject> points = {Point("GoblinVillage", 300, 100), Point("ForestNight", 300, 150),
                                            Point("Bridge", 300, 200), Point("BridgeNight", 300, 250)};
    std::vector<std::pair<std::string, TestMap>> maps;
    for (const char* name : {"GoblinVillage", "ForestNight", "Bridge", "GoblinVillageBurn", "BridgeNight"}) {
        maps.emplace_back(name, Region(points));
    }
    return maps;
}

// Walks the hero into the MAP trigger on the left of the region.
void OpenWorldMap(RoamingGame& game) {
    gSession.story.worldMapOpen = 1;
    gPlayer.sprite.setPosition(40, 230);
    UpdateFootBox();
    game.Step(0.001f);
    ASSERT_EQ(gStates.gameScreen, SCREEN_WORLD_MAP);
}

TEST(WorldMap, TheMapTriggerBlocksAndDoesNothingUntilTheRoadsAreOpen) {
    RoamingGame game(Regions(), "GoblinVillage");
    gPlayer.sprite.setPosition(40, 230);
    UpdateFootBox();
    game.Step(0.001f);
    EXPECT_EQ(gStates.gameScreen, SCREEN_ROAMING);
    EXPECT_GT(gPlayer.sprite.getPosition().x, 40.0f);  // pushed out of it
    game.PressKey(sf::Keyboard::K);                    // the fixed story key opens the roads
    EXPECT_EQ(gSession.story.worldMapOpen, 1);
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
        RoamingGame game(Regions(), c.from);
        OpenWorldMap(game);
        ResetSoundEffectPool();
        for (size_t press = 0; press < c.stops.size(); ++press) {
            game.PressKey(c.key);
            EXPECT_EQ(gWorldMap.cursor, c.stops[press]);
            EXPECT_EQ(gSoundEffects.effects.size(), c.sounds[press]);
        }
    }
}

TEST(WorldMap, TravelTakesTheStoryVersionOfAPlaceByWhereTheHeroComesFrom) {
    const struct {
        const char* from;
        int32_t key;
        const char* arrival;
    } cases[] = {
        {"BridgeNight", sf::Keyboard::D, "GoblinVillageBurn"},
        {"GoblinVillageBurn", sf::Keyboard::D, "BridgeNight"},
        {"ForestNight", sf::Keyboard::D, "Bridge"},
        {"GoblinVillage", sf::Keyboard::D, "Bridge"},
        {"Bridge", sf::Keyboard::D, "GoblinVillage"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from);
        RoamingGame game(Regions(), c.from);
        OpenWorldMap(game);
        game.PressKey(c.key);
        game.PressKey(sf::Keyboard::Return);
        EXPECT_STREQ(gSession.currentMapName, c.arrival);
        EXPECT_EQ(gStates.gameScreen, SCREEN_ROAMING);
        ASSERT_TRUE(gMap.loadedMap);
        // Placed on the arrival's first point (by depth) named after the map left.
        for (const MapPoint& point : gMap.mapPoints) {
            if (std::strstr(point.name, c.from) != nullptr) {
                EXPECT_EQ(gPlayer.sprite.getPosition(), sf::Vector2f(point.x, point.y));
                break;
            }
        }
        const std::string save = ReadWholeFile("Saves/Save0/save.txt");
        EXPECT_NE(save.find(std::string("\nMap : ") + c.arrival + "\n"), std::string::npos);
    }
}

TEST(WorldMap, ADestinationThatCannotBeLoadedIsNotTravelledTo) {
    auto maps = Regions();
    RoamingGame game(maps, "GoblinVillage");
    std::filesystem::remove("Assets/Text/Maps/Bridge/Map.json");
    OpenWorldMap(game);
    const std::string before = ReadWholeFile("Saves/Save0/save.txt");
    game.PressKey(sf::Keyboard::D);  // the bridge
    game.PressKey(sf::Keyboard::Return);
    EXPECT_EQ(gStates.gameScreen, SCREEN_WORLD_MAP);
    EXPECT_STREQ(gSession.currentMapName, "GoblinVillage");
    EXPECT_EQ(ReadWholeFile("Saves/Save0/save.txt"), before);
    EXPECT_NE(game.Log().find("Cannot travel to map Bridge: it has no Map.json"), std::string::npos);
    // Back to where he stood: the village is still loaded and nothing was lost.
    game.PressKey(sf::Keyboard::Q);
    game.PressKey(sf::Keyboard::Return);
    EXPECT_EQ(gStates.gameScreen, SCREEN_ROAMING);
    EXPECT_TRUE(gMap.loadedMap);
}

TEST(WorldMap, ChoosingThePlaceTheHeroCameFromReturnsWithoutSavingOrReloading) {
    RoamingGame game(Regions(), "Bridge");
    OpenWorldMap(game);
    const std::string before = ReadWholeFile("Saves/Save0/save.txt");
    const TiledMap* map = gMap.loadedMap.get();
    game.PressKey(sf::Keyboard::Return);
    EXPECT_EQ(gStates.gameScreen, SCREEN_ROAMING);
    EXPECT_EQ(gMap.loadedMap.get(), map);
    EXPECT_EQ(ReadWholeFile("Saves/Save0/save.txt"), before);
    EXPECT_FALSE(gWorldMap.loaded);
}

TEST(WorldMap, TheCameraEasesTowardsTheSelectedMarker) {
    RoamingGame game(Regions(), "GoblinVillage");
    OpenWorldMap(game);
    game.PressKey(sf::Keyboard::D);  // Bridge, at (962, 696)
    float distance = 1e9f;
    for (int frame = 0; frame < 120; ++frame) {
        game.Step(1.0f / 60.0f);
        const sf::Vector2f gap = gMainView.getCenter() - sf::Vector2f(962, 696);
        const float now = std::abs(gap.x) + std::abs(gap.y);
        EXPECT_LE(now, distance + 0.01f);
        distance = now;
    }
    EXPECT_LT(distance, 2.0f);
}

}  // namespace
