// A map as the game reads it from a map author's file: which objects become walls, doors and points, the
// points in drawing order sharing their decor's pictures, burnt trees where the author says so, and a map
// that cannot be read.

#include <gtest/gtest.h>

#include "content/MapScene.h"
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
    const MapState& map = game.Scene().map;
    ASSERT_TRUE(map.loadedMap);
    ASSERT_EQ(map.collisionRects.size(), 1u);  // the ellipse, the polygon and the point add nothing
    EXPECT_EQ(map.collisionRects[0], sf::FloatRect(0, 0, 512, 32));
    ASSERT_EQ(map.triggers.size(), 2u);
    EXPECT_STREQ(map.triggers[0].name, "MAP");  // the reader gives objects last first
    EXPECT_STREQ(map.triggers[1].name, "Elsewhere");
    EXPECT_STREQ(GetTrigger(map, 2).name, "NoName");
    EXPECT_EQ(GetTrigger(map, 2).rect, sf::FloatRect());
    EXPECT_STREQ(GetTrigger(map, -1).name, "NoName");
}

TEST(MapLoading, PointsAreSortedByDepthKeepingTiesInReaderOrderAndShareTheirKindsTexture) {
    RoamingGame game({{"Shapes", ShapesMap()}}, "Shapes");
    const MapState& map = game.Scene().map;
    std::vector<std::string> order;
    for (const MapPoint& point : map.mapPoints)
        order.emplace_back(point.name);
    // Reader order is last first: FIRE_2, GoblinVillage, ARBRE_2 (250,200), ARBRE_2 (200,100), Shapes.
    EXPECT_EQ(order, (std::vector<std::string>{"FIRE_2", "ARBRE_2", "GoblinVillage", "ARBRE_2", "Shapes"}));
    EXPECT_EQ(map.mapPoints[1].y, 100.0f);
    EXPECT_EQ(map.mapPoints[3].y, 200.0f);
    // Two trees of one kind share one texture; FIRE_2 is not a fire: it gets the marker picture.
    EXPECT_EQ(map.mapPoints[1].texture, map.mapPoints[3].texture);
    EXPECT_EQ(map.animationTextures.size(), 2u);
    EXPECT_EQ(map.animationTexturePaths[0], "Assets/Sprites/Setting/Collision.png");
    EXPECT_EQ(map.animationTexturePaths[1], "Assets/Sprites/MapAnimations/TREE_2.png");
    for (const MapPoint& point : map.mapPoints)
        EXPECT_EQ(point.animation.sprite, point.sprite.get());
}

// Burnt trees are the author's word, whatever the map's name says.
TEST(MapLoading, TreesAreBurntWhereTheMapsPropertiesSaySo) {
    TestMap burnt = ShapesMap();
    burnt.properties = R"({"name":"burntTrees","type":"bool","value":true})";
    const std::pair<const char*, const char*> cases[] = {{"Meadow", "TREE_2_BURN"},
                                                         {"ShapesNight", "TREE_2"}};
    for (const auto& [name, tree] : cases) {
        RoamingGame game({{name, std::string(name) == "Meadow" ? burnt : ShapesMap()}}, name,
                         {.drawEvery = 30});
        EXPECT_EQ(game.Scene().map.animationTexturePaths.at(1),
                  std::string("Assets/Sprites/MapAnimations/") + tree + ".png")
            << name;
    }
}

TEST(MapLoading, AMissingOrBrokenMapLeavesAnEmptySceneWithAMessage) {
    RoamingGame game({{"Shapes", ShapesMap()}}, "Nowhere");
    EXPECT_FALSE(game.Scene().loaded);
    EXPECT_FALSE(game.Scene().map.loadedMap);
    EXPECT_NE(game.Log().find("Cannot load map Nowhere"), std::string::npos);
    game.Step(0.016f, 3);  // no crash drawing or updating without a map
}

}  // namespace
