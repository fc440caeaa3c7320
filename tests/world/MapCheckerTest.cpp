// The map checker: every map folder of the built asset tree, read with the game's own Tiled reader,
// checked for what a player would run into: a door to nowhere, an arrival on the wrong spot or inside a
// door, a fishing post or puzzle spot that cannot be walked to, a tile the atlas does not have.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "assetgen/TileAtlas.h"
#include "content/MapScene.h"
#include "support/MapWalk.h"
#include "support/Scenes.h"
#include "world/MapLoading.h"
#include "world/Player.h"
#include "world/TileLayers.h"
#include "world/tiled/TiledMap.h"

namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// One way onto a map: the map the player leaves, and how.
struct Arrival {
    std::string map, from, how;
};

// Story moves that change maps without a door (the doors every world must have are required triggers).
const Arrival STORY_ARRIVALS[] = {
    {"HOUSE_BURN_1", "HOUSE_ENTER_1", "the bed starts the night"},
    {"GoblinVillageBurn", "HOUSE_BURN_1", "the EXIT through the fallen wall"},
    {"HOUSE_ENTER_1", "BridgeNight", "home after the boss"},
    {"HOUSE_ENTER_SPRITI", "ForestNight", "the cabin door once both fires are out"},
};

// The world map: from a "MAP" trigger the player may pick the places linked to where they stand, and
// the bridge and the village turn into their night and burnt selves after the fire.
void AddWorldMapArrivals(const std::string& from, std::vector<Arrival>& arrivals) {
    using Places = std::vector<std::string>;
    for (std::string destination :
         Contains(from, "Bridge") ? Places{"GoblinVillage", "ForestNight"} : Places{"Bridge"}) {
        if (destination == "GoblinVillage" && Contains(from, "Night")) destination = "GoblinVillageBurn";
        if (destination == "Bridge" && Contains(from, "Burn")) destination = "BridgeNight";
        arrivals.push_back(Arrival{destination, from, "the world map"});
    }
}

std::vector<Arrival> EveryArrival() {
    std::vector<Arrival> arrivals(std::begin(STORY_ARRIVALS), std::end(STORY_ARRIVALS));
    for (const auto& [name, map] : BuiltMaps()) {
        arrivals.push_back(Arrival{name, name, "continuing a saved game"});
        for (const NamedRect& trigger : map.triggers) {
            if (IsDoorName(trigger.name)) arrivals.push_back(Arrival{trigger.name, name, "the door"});
            if (trigger.name == "MAP") AddWorldMapArrivals(name, arrivals);
        }
    }
    return arrivals;
}

// The triggers each map must offer, by name.
const std::map<std::string, std::vector<std::string>> REQUIRED_TRIGGERS = {
    {"HOUSE_ENTER_1", {"GoblinVillage", "Bed"}},
    {"GoblinVillage", {"HOUSE_ENTER_1", "MAP", "PECHE_POST_1"}},
    {"Bridge", {"MAP", "PECHE_POST_2"}},
    {"ForestNight", {"MAP", "PECHE_POST_3", "HOUSE_ENTER_SPRITI"}},
    {"HOUSE_ENTER_SPRITI", {"ForestNight"}},
    {"HOUSE_BURN_1", {"EXIT"}},
    {"GoblinVillageBurn", {"MAP"}},
    {"BridgeNight", {"MAP"}},
};

}  // namespace

TEST(MapChecker, EveryMapOfTheWorldIsBuiltReadableAndDrawnFromItsAtlas) {
    for (const auto& [name, triggers] : REQUIRED_TRIGGERS)
        EXPECT_TRUE(BuiltMaps().count(name)) << name << ": missing, or refused by the Tiled reader";
    std::map<std::string, std::string> atlasOf;
    for (const MapAtlas& entry : MAP_ATLASES)
        atlasOf[entry.map] = ATLAS_IMAGES[entry.variant];
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(VELMORIA_BUILT_ASSETS) + "/Text/Maps")) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        const auto tree = LoadTiledMapFromFile((entry.path() / "Map.json").c_str());
        ASSERT_TRUE(tree) << "its Map.json is missing or refused by the Tiled reader";
        EXPECT_EQ(tree->tilewidth, 64);
        EXPECT_EQ(tree->tileheight, 64);
        ASSERT_TRUE(tree->tilesets && !tree->tilesets->next && tree->tilesets->image)
            << "one embedded tileset";
        EXPECT_TRUE(!atlasOf.count(name) || atlasOf[name] == tree->tilesets->image)
            << "not the painting this map shows";
        std::map<std::string, int> objectLayers;
        for (const TiledLayer* layer = tree->layers; layer != nullptr; layer = layer->next) {
            ++objectLayers[layer->name];
            if (!IsTileLayer(*layer)) continue;
            EXPECT_EQ(layer->dataCount, tree->width * tree->height) << "layer " << layer->name;
            for (int i = 0; i < layer->dataCount; ++i) {
                ASSERT_TRUE(layer->data[i] >= 0 && layer->data[i] <= ATLAS_TILE_COUNT)
                    << "layer " << layer->name << " holds tile id " << layer->data[i];
            }
        }
        for (const char* layer : {"Collision", "Trigger", "Point"})
            EXPECT_EQ(objectLayers[layer], 1) << "object layer " << layer;
    }
}

TEST(MapChecker, EveryWayInLeadsToAMapAndLandsOnTheIntendedPoint) {
    for (const Arrival& arrival : EveryArrival()) {
        const std::string way = arrival.map + ", arriving from " + arrival.from + " (" + arrival.how + ")";
        EXPECT_LT(arrival.map.size(), 30u) << way << ": too long a map name";
        if (!BuiltMaps().count(arrival.map)) {
            ADD_FAILURE() << way << ": there is no such map";
            continue;
        }
        const NamedRect* spawn = SpawnPointFor(BuiltMaps().at(arrival.map), arrival.from);
        // One entrance point serves the bridge by day and at night.
        const bool night = arrival.map == "ForestNight" && arrival.from == "Bridge";
        ASSERT_NE(spawn, nullptr) << way << ": no point for the player";
        EXPECT_EQ(spawn->name, night ? "BridgeNight" : arrival.from)
            << way << ": lands on point " << spawn->name;
    }
}

TEST(MapChecker, SpawnPointsStandClearOfTriggersAndWallsAndNoNameHidesAnother) {
    for (const auto& [name, map] : BuiltMaps()) {
        for (const NamedRect& point : map.points) {
            const WalkRect feet = FootBoxAt(point.rect.x, point.rect.y);
            for (const NamedRect& trigger : map.triggers) {
                EXPECT_FALSE(Overlaps(feet, trigger.rect))
                    << name << ": point " << point.name << " stands inside trigger " << trigger.name;
            }
            EXPECT_TRUE(IsDecorPoint(point.name) || StandsFree(map, feet))
                << name << ": point " << point.name << " stands in a wall";
            for (const NamedRect& other : map.points) {
                EXPECT_TRUE(other.name == point.name || !Contains(other.name, point.name))
                    << name << ": point " << other.name << " also answers arrivals from " << point.name;
            }
        }
    }
}

TEST(MapChecker, EachMapOffersItsTriggers) {
    for (const auto& [name, required] : REQUIRED_TRIGGERS) {
        if (!BuiltMaps().count(name)) continue;
        const std::vector<NamedRect>& triggers = BuiltMaps().at(name).triggers;
        for (const std::string& wanted : required) {
            EXPECT_TRUE(std::any_of(triggers.begin(), triggers.end(),
                                    [&](const auto& t) { return t.name == wanted; }))
                << name << ": no trigger " << wanted;
        }
        // The wall that falls in the burning house leaves its gap at tile (10, 3): the exit is there.
        for (const NamedRect& trigger : triggers) {
            EXPECT_TRUE(trigger.name != "EXIT" || Overlaps(trigger.rect, TilesAt(10, 3, 1, 1)))
                << name << ": EXIT is not in the gap of the fallen wall";
        }
    }
}

TEST(MapChecker, EverythingAndEveryPuzzleSpotIsReachableOnFootFromTheMapsOwnPoint) {
    for (const auto& [name, map] : BuiltMaps()) {
        const FootWalk walk = WalkFromArrival(map, name);
        for (const std::string& what : Unreached(map, walk))
            ADD_FAILURE() << name << ": " << what << " cannot be walked to from point " << name;
        for (const PuzzleSpot& spot : PUZZLE_SPOTS) {
            EXPECT_TRUE(spot.map != name || CanTouch(walk, spot.area, spot.margin))
                << name << ": the " << spot.what << " cannot be reached on foot";
        }
    }
}

TEST(MapChecker, PuzzleSpotsAreOpenAndFencesCloseTheirPaths) {
    for (const PuzzleSpot& spot : PUZZLE_SPOTS) {
        const MapFacts& map = BuiltMaps().at(spot.map);
        for (const WalkRect& wall : map.collisions) {
            // The puzzle blocks by itself while it needs to.
            EXPECT_FALSE(spot.blocks && Overlaps(wall, spot.area))
                << spot.map << ": collision over the " << spot.what;
        }
        if (spot.what.rfind("fence", 0) != 0) continue;
        // A fence stands across a path: no gap a foot could slip through is left beside it.
        for (const float side : {spot.area.x - 32, spot.area.x + spot.area.width}) {
            for (const float y : {spot.area.y, spot.area.y + 16}) {
                EXPECT_FALSE(StandsFree(map, WalkRect{side, y, 32, 16}))
                    << spot.map << ": the hero can slip past the " << spot.what << " at x " << side;
            }
        }
    }
}

// The game, on the smallest and the largest desktop, stands the hero and raises the walls and doors
// exactly where the checker's walk finds them: its walk in map pixels holds at every scale.
TEST(MapChecker, TheGameSeesTheCheckersMapOnEveryDesktop) {
    const auto asFloatRect = [](const WalkRect& r) { return sf::FloatRect(r.x, r.y, r.width, r.height); };
    for (const auto& [width, height] : {std::pair{1366u, 768u}, std::pair{3840u, 2160u}}) {
        GameHarness game({.desktopWidth = width, .desktopHeight = height});
        for (const auto& [name, map] : BuiltMaps()) {
            SCOPED_TRACE(testing::Message() << name << " at " << width << "x" << height);
            EnterMap(game, name.c_str(), 1);
            const MapState& seen = game.Scene().map;
            ASSERT_EQ(seen.collisionRects.size(), map.collisions.size());
            for (size_t i = 0; i < map.collisions.size(); ++i)
                EXPECT_EQ(seen.collisionRects[i], asFloatRect(map.collisions[i]));
            ASSERT_EQ(seen.triggers.size(), map.triggers.size());
            for (size_t i = 0; i < map.triggers.size(); ++i)
                EXPECT_EQ(seen.triggers[i].rect, asFloatRect(map.triggers[i].rect));
            const WalkRect own = SpawnPointFor(map, name)->rect;
            EXPECT_EQ(game.Scene().hero.footBox, asFloatRect(FootBoxAt(own.x, own.y)));
        }
    }
}
