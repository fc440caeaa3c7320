#include <gtest/gtest.h>

#include <cstring>

#include "core/GameStates.h"
#include "core/Input.h"
#include "core/Screen.h"
#include "frontend/RoamingScreen.h"
#include "support/Files.h"
#include "world/Camera.h"
#include "world/GameSession.h"
#include "world/MapLoading.h"
#include "world/Player.h"
#include "world/WorldFixture.h"

namespace {

// Two rooms joined by doors: walking down in Hall reaches the door to Yard, which leads back.
TestMap Room(const std::string& door, float doorY, std::vector<TestObject> points, int width = 8,
             int height = 6) {
    TestMap map;
    map.width = width;
    map.height = height;
    map.layers = {FilledLayer("Ground", width, height, 2), ObjectLayer("Collision", {}),
                  ObjectLayer("Trigger", {Rect(door, 128, doorY, 128, 32)}),
                  ObjectLayer("Point", std::move(points))};
    return map;
}

std::vector<std::pair<std::string, TestMap>> HallAndYard() {
    return {{"Hall", Room("Yard", 300, {Point("Hall", 192, 100), Point("Yard", 192, 200)})},
            {"Yard", Room("Hall", 40, {Point("Yard", 192, 250), Point("Hall", 192, 150)})}};
}

TEST(Roaming, TheHeroStartsOnThePointNamedAfterTheMapAndDoorsLeadToTheRightSpot) {
    RoamingGame game(HallAndYard(), "Hall");
    EXPECT_EQ(gPlayer.sprite.getPosition(), sf::Vector2f(192, 100));
    game.HoldKey(sf::Keyboard::S);  // walk down into the door
    for (int i = 0; i < 200 && std::strcmp(gSession.currentMapName, "Hall") == 0; ++i)
        game.Step(0.02f);
    game.HoldKey(sf::Keyboard::S, false);
    EXPECT_STREQ(gSession.currentMapName, "Yard");
    EXPECT_STREQ(gSession.previousMapName, "Hall");
    EXPECT_EQ(gPlayer.sprite.getPosition(), sf::Vector2f(192, 150));  // Yard's point named Hall
    const std::string save = ReadWholeFile("Saves/Save0/save.txt");
    EXPECT_EQ(save.rfind("CurrentMap Yard\n", 0), 0u);
    EXPECT_NE(save.find("\nMap : Hall\n"), std::string::npos);
    EXPECT_NE(save.find("\nMap : Yard\n"), std::string::npos);
}

TEST(Roaming, WithoutAMatchingPointTheHeroKeepsHisPosition) {
    auto maps = HallAndYard();
    maps[1].second = Room("Hall", 40, {Point("Elsewhere", 300, 300)});
    RoamingGame game(maps, "Hall");
    gPlayer.sprite.setPosition(200, 250);
    UpdateFootBox();
    game.HoldKey(sf::Keyboard::S);
    for (int i = 0; i < 200 && std::strcmp(gSession.currentMapName, "Hall") == 0; ++i)
        game.Step(0.02f);
    EXPECT_STREQ(gSession.currentMapName, "Yard");
    EXPECT_NEAR(gPlayer.sprite.getPosition().x, 200.0f, 1.0f);
}

TEST(Roaming, ADoorToAMissingOrBrokenMapKeepsTheHeroHereAndTheSaveWhole) {
    const char* destinations[] = {"Nowhere", "Broken", "NoSheet", "AMapNameThatIsFarTooLongToBeReal"};
    for (const char* destination : destinations) {
        SCOPED_TRACE(destination);
        auto maps = HallAndYard();
        maps[0].second = Room(destination, 300, {Point("Hall", 192, 100)});
        TestMap noSheet = Room("Hall", 40, {Point("Hall", 192, 100)});
        noSheet.image = "Gone.png";
        RoamingGame game(maps, "Hall");
        WriteWholeFile("Assets/Text/Maps/Broken/Map.json", "{\"layers\":[}");
        WriteTestMap("NoSheet", noSheet);
        std::filesystem::remove("Assets/Text/Maps/NoSheet/Gone.png");
        const std::string before = ReadWholeFile("Saves/Save0/save.txt");
        game.HoldKey(sf::Keyboard::S);
        game.Step(0.02f, 60);
        EXPECT_STREQ(gSession.currentMapName, "Hall");
        EXPECT_EQ(ReadWholeFile("Saves/Save0/save.txt"), before);
        EXPECT_NE(game.Log().find(std::string("Cannot go to map ") + destination), std::string::npos);
        EXPECT_LT(gPlayer.footBox.top + gPlayer.footBox.height, 300.5f);  // held back at the door
    }
}

TEST(Roaming, TheTriggerPassGoesOnOnTheNewMapInTheSameFrame) {
    // Arriving on Yard inside its MAP trigger: the rest of the frame's pass pushes the hero out of it.
    auto maps = HallAndYard();
    TestMap& yard = maps[1].second;
    yard = Room("MAP", 140, {Point("Hall", 192, 130)});
    // The reader delivers the last trigger first: MAP, written first, comes second, after the door
    // pass's own index has moved on to 1.
    yard.layers[2].objects.push_back(Rect("Hall", 400, 340, 64, 32));
    RoamingGame game(maps, "Hall");
    gPlayer.sprite.setPosition(192, 270);
    UpdateFootBox();
    game.Step(0.001f);
    EXPECT_STREQ(gSession.currentMapName, "Yard");
    EXPECT_NE(gPlayer.sprite.getPosition(), sf::Vector2f(192, 130));
    EXPECT_EQ(gStates.gameScreen, SCREEN_ROAMING);  // the world map is still closed
}

TEST(Roaming, TheCameraFollowsTheHeroAndStaysInsideTheMap) {
    const struct {
        int width, height;
        sf::Vector2f hero, centre;
    } cases[] = {
        {40, 30, {100, 100}, {480, 270}},      // near the top-left corner
        {40, 30, {1500, 1000}, {1500, 1000}},  // in the middle
        {40, 30, {2500, 1900}, {2080, 1650}},  // near the bottom-right corner
        {8, 6, {100, 100}, {480, 270}},        // a map smaller than the view: its left edge wins below w/2
        {8, 6, {500, 300}, {32, 114}},         // ...and its right edge above
    };
    for (const auto& c : cases) {
        RoamingGame game({{"Field", Room("Yard", 5000, {Point("Field", 64, 64)}, c.width, c.height)}},
                         "Field");
        gPlayer.sprite.setPosition(c.hero);
        UpdateCamera(game.Window());
        EXPECT_EQ(gMainView.getCenter(), c.centre) << c.width << " " << c.hero.x;
        EXPECT_EQ(gMainView.getSize(), sf::Vector2f(960, 540));
    }
}

}  // namespace
