#include <gtest/gtest.h>

#include <string>

#include "world/MapNames.h"

// Every map the game ships, and a few names a map author could write, asked every question at once.
TEST(MapNames, EachMapIsOutdoorNightOrBurntExactlyAsItsNameSays) {
    const struct {
        const char* map;
        bool clouds, smoke, burntTrees, grass, torch, dayVillage;
    } cases[] = {
        {"HOUSE_ENTER_1", false, false, false, false, false, false},
        {"HOUSE_ENTER_SPRITI", false, false, false, false, false, false},
        {"HOUSE_BURN_1", false, false, true, false, false, false},
        {"GoblinVillage", true, false, false, true, false, true},
        {"GoblinVillageBurn", true, true, true, true, true, false},
        {"Bridge", true, false, false, true, false, false},
        {"BridgeNight", true, true, true, true, true, false},
        {"ForestNight", false, true, true, true, true, false},
        // "Night" right after a letter other than e gives no torch, whatever else it changes.
        {"ParkNight", false, true, true, false, false, false},
        {"goblinvillage", false, false, false, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.map);
        EXPECT_EQ(MapHasClouds(c.map), c.clouds);
        EXPECT_EQ(MapHasSmoke(c.map), c.smoke);
        EXPECT_EQ(MapHasBurntTrees(c.map), c.burntTrees);
        EXPECT_EQ(MapHasGrass(c.map), c.grass);
        EXPECT_EQ(MapNeedsTorch(c.map), c.torch);
        EXPECT_EQ(IsDayVillage(c.map), c.dayVillage);
    }
}

TEST(MapNames, TheWorldMapOpensTheNightVersionsOfPlacesAfterTheNightHasFallen) {
    const struct {
        const char* destination;
        const char* comingFrom;
        const char* arrival;
        int marker;
    } cases[] = {
        {"GoblinVillage", "Bridge", "GoblinVillage", 0},
        {"GoblinVillage", "BridgeNight", "GoblinVillageBurn", 0},
        {"GoblinVillage", "ForestNight", "GoblinVillageBurn", 0},
        {"Bridge", "GoblinVillageBurn", "BridgeNight", 2},
        {"Bridge", "ForestNight", "Bridge", 2},
        {"ForestNight", "GoblinVillageBurn", "ForestNight", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.destination) + " from " + c.comingFrom);
        EXPECT_STREQ(WorldMapArrival(c.destination, c.comingFrom), c.arrival);
        EXPECT_EQ(WorldMapLocationOf(c.arrival), c.marker);
    }
    EXPECT_EQ(WorldMapLocationOf("HOUSE_ENTER_1"), 0);
}
