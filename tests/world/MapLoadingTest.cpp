#include <gtest/gtest.h>

#include <cstring>

#include "core/GameStates.h"
#include "frontend/RoamingScreen.h"
#include "support/Files.h"
#include "world/GameSession.h"
#include "world/MapLoading.h"
#include "world/Player.h"
#include "world/WorldFixture.h"

namespace {

TestMap ShapesMap() {
    TestMap map;
    map.layers = {
        FilledLayer("Ground", 8, 6, 1),
        ObjectLayer("Collision", {Rect("wall", 0, 0, 512, 32),
                                  {"round", 100, 100, 20, 20, false, true},
                                  {"shape", 50, 50, 10, 10, false, false, true},
                                  Point("dot", 30, 30)}),
        ObjectLayer("Trigger", {Rect("Elsewhere", 448, 200, 64, 32), Rect("MAP", 0, 300, 32, 64)}),
        ObjectLayer("Point",
                    {Point("Shapes", 300, 300), Point("ARBRE_2", 200, 100), Point("ARBRE_2", 250, 200),
                     Point("GoblinVillage", 100, 200), Point("FIRE_2", 10, 100)}),
    };
    return map;
}

TEST(MapLoading, TablesTakeRectanglesTriggersAndPointsAndIgnoreShapes) {
    RoamingGame game({{"Shapes", ShapesMap()}}, "Shapes");
    ASSERT_TRUE(gMap.loadedMap);
    ASSERT_EQ(gMap.collisionRects.size(), 1u);  // the ellipse, the polygon and the point add nothing
    EXPECT_EQ(gMap.collisionRects[0], sf::FloatRect(0, 0, 512, 32));
    ASSERT_EQ(gMap.triggers.size(), 2u);
    EXPECT_STREQ(gMap.triggers[0].name, "MAP");  // the reader gives objects last first
    EXPECT_STREQ(gMap.triggers[1].name, "Elsewhere");
    EXPECT_STREQ(GetTrigger(2).name, "NoName");
    EXPECT_EQ(GetTrigger(2).rect, sf::FloatRect());
    EXPECT_STREQ(GetTrigger(-1).name, "NoName");
}

TEST(MapLoading, PointsAreSortedByDepthKeepingTiesInReaderOrderAndShareTheirKindsTexture) {
    RoamingGame game({{"Shapes", ShapesMap()}}, "Shapes");
    std::vector<std::string> order;
    for (const MapPoint& point : gMap.mapPoints)
        order.emplace_back(point.name);
    // Reader order is last first: FIRE_2, GoblinVillage, ARBRE_2 (250,200), ARBRE_2 (200,100), Shapes.
    EXPECT_EQ(order, (std::vector<std::string>{"FIRE_2", "ARBRE_2", "GoblinVillage", "ARBRE_2", "Shapes"}));
    EXPECT_EQ(gMap.mapPoints[1].y, 100.0f);
    EXPECT_EQ(gMap.mapPoints[3].y, 200.0f);
    // Two trees of one kind share one texture; FIRE_2 is not a fire: it gets the marker picture.
    EXPECT_EQ(gMap.mapPoints[1].texture, gMap.mapPoints[3].texture);
    EXPECT_EQ(gMap.animationTextures.size(), 2u);
    EXPECT_EQ(gMap.animationTexturePaths[0], "Assets/Sprites/Setting/Collision.png");
    EXPECT_EQ(gMap.animationTexturePaths[1], "Assets/Sprites/MapAnimations/TREE_2.png");
    for (const MapPoint& point : gMap.mapPoints)
        EXPECT_EQ(point.animation.sprite, point.sprite.get());
}

TEST(MapLoading, NightAndBurntMapsShowBurntTrees) {
    for (const char* name : {"ShapesNight", "ShapesBurn", "HouseBURN"}) {
        RoamingGame game({{name, ShapesMap()}}, name);
        EXPECT_EQ(gMap.animationTexturePaths[1], "Assets/Sprites/MapAnimations/TREE_2_BURN.png") << name;
    }
}

TEST(MapLoading, TheFirstVisitOfANewGameWritesTheHeaderAndTheMapsSection) {
    RoamingGame game({{"Shapes", ShapesMap()}}, "Shapes");
    // The game's own gold from the first line on (a new game's 20), not a placeholder.
    std::string expected = "CurrentMap Shapes\nGold 20\n";
    for (int i = 0; i < 20; ++i)
        expected += "Inv \n";
    expected +=
        "Story 0 0 0 0 0 0 0 0 0 0 0\nParty 1\nFish 0 0 0 0 0 0 0 0 0\nFences 0 0 0 0 0\nPouch 14 0 14 0\n"
        "\nMap : Shapes\n";
    EXPECT_EQ(ReadWholeFile("Saves/Save0/save.txt"), expected);
}

TEST(MapLoading, AMissingOrBrokenMapLeavesAnEmptySceneWithAMessage) {
    TestMap broken = ShapesMap();
    broken.image = "Missing.png";
    RoamingGame game({{"NoSheet", ShapesMap()}}, "Nowhere");
    EXPECT_FALSE(gMap.loadedMap);
    EXPECT_NE(game.Log().find("Cannot load map Nowhere"), std::string::npos);
    game.Step(0.016f, 3);  // no crash drawing or updating without a map
}

}  // namespace
