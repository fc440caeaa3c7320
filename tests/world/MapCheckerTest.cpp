// The map checker: every map folder of the built asset tree, read with the game's own Tiled reader,
// checked for what a player would run into: a door to nowhere, an arrival on the wrong spot or inside a
// door, a fishing post or puzzle spot that cannot be walked to, a tile the atlas does not have.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "assetgen/TileAtlas.h"
#include "support/Scenes.h"
#include "world/MapLoading.h"
#include "support/MapWalk.h"
#include "world/Player.h"
#include "world/TileSheets.h"
#include "world/tiled/TiledMap.h"

namespace {

const std::string MAPS_FOLDER = std::string(VELMORIA_BUILT_ASSETS) + "/Text/Maps";

std::vector<std::string> MapFolders() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(MAPS_FOLDER)) {
        if (entry.is_directory()) names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

const std::map<std::string, MapFacts>& AllMaps() {
    static const std::map<std::string, MapFacts> maps = [] {
        std::map<std::string, MapFacts> read;
        for (const std::string& name : MapFolders()) {
            MapFacts facts;
            if (ReadMapFacts(MAPS_FOLDER, name, facts)) read[name] = facts;
        }
        return read;
    }();
    return maps;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// One way onto a map: the map the player leaves, and how.
struct Arrival {
    std::string map;
    std::string from;
    std::string how;
};

// Story moves that change maps without a door.
const Arrival STORY_MOVES[] = {
    {"HOUSE_BURN_1", "HOUSE_ENTER_1", "the bed starts the night"},
    {"GoblinVillageBurn", "HOUSE_BURN_1", "the EXIT through the fallen wall"},
    {"HOUSE_ENTER_1", "BridgeNight", "home after the boss"},
    {"HOUSE_ENTER_SPRITI", "ForestNight", "the cabin door once both fires are out"},
};

// The doors every world must have (a door found on a map counts too).
const Arrival REQUIRED_DOORS[] = {
    {"GoblinVillage", "HOUSE_ENTER_1", "the house door"},
    {"HOUSE_ENTER_1", "GoblinVillage", "the village door"},
    {"ForestNight", "HOUSE_ENTER_SPRITI", "the cabin door"},
};

// Where an arrival is meant to land when that point's name is not the map left.
struct IntendedPoint {
    std::string map, from, point, reason;
};
const IntendedPoint INTENDED_POINTS[] = {
    {"ForestNight", "Bridge", "BridgeNight", "one entrance point serves the bridge by day and at night"},
};

// Pairs of spawn names where one contains the other, kept on purpose (none so far).
struct AllowedPair {
    std::string map, shorter, longer, reason;
};
const std::vector<AllowedPair> ALLOWED_NAME_PAIRS = {};

// The world map: from a "MAP" trigger the player may pick the places linked to where they stand, and
// the bridge and the village turn into their night and burnt selves after the fire.
std::vector<Arrival> WorldMapArrivals(const std::string& from) {
    const std::string places[] = {"GoblinVillage", "ForestNight", "Bridge"};
    const std::vector<int> links[] = {{2}, {2}, {0, 1}};
    const int here = Contains(from, "GoblinVillage") ? 0
                     : Contains(from, "ForestNight") ? 1
                     : Contains(from, "Bridge")      ? 2
                                                     : 0;
    std::vector<Arrival> arrivals;
    for (int to : links[here]) {
        std::string destination = places[to];
        if (Contains(destination, "GoblinVillage") && Contains(from, "Night")) {
            destination = "GoblinVillageBurn";
        } else if (Contains(destination, "Bridge") && Contains(from, "Burn")) {
            destination = "BridgeNight";
        }
        arrivals.push_back(Arrival{destination, from, "the world map"});
    }
    return arrivals;
}

std::vector<Arrival> EveryArrival() {
    std::vector<Arrival> arrivals(std::begin(STORY_MOVES), std::end(STORY_MOVES));
    for (const Arrival& door : REQUIRED_DOORS)
        arrivals.push_back(door);
    for (const auto& [name, map] : AllMaps()) {
        arrivals.push_back(Arrival{name, name, "continuing a saved game"});
        bool worldMap = false;
        for (const NamedRect& trigger : map.triggers) {
            if (IsDoorName(trigger.name)) arrivals.push_back(Arrival{trigger.name, name, "the door"});
            worldMap = worldMap || trigger.name == "MAP";
        }
        if (!worldMap) continue;
        for (const Arrival& arrival : WorldMapArrivals(name))
            arrivals.push_back(arrival);
    }
    return arrivals;
}

std::string IntendedPointFor(const Arrival& arrival) {
    for (const IntendedPoint& intended : INTENDED_POINTS) {
        if (intended.map == arrival.map && intended.from == arrival.from) return intended.point;
    }
    return arrival.from;
}

}  // namespace

TEST(MapChecker, EveryMapOfTheWorldIsBuiltAndReadable) {
    for (const char* name : {"HOUSE_ENTER_1", "GoblinVillage", "Bridge", "ForestNight", "HOUSE_ENTER_SPRITI",
                             "HOUSE_BURN_1", "GoblinVillageBurn", "BridgeNight"}) {
        EXPECT_TRUE(AllMaps().count(name)) << name << ": missing, or refused by the Tiled reader";
    }
    EXPECT_EQ(AllMaps().size(), MapFolders().size()) << "a map folder holds a Map.json the reader refuses";
}

TEST(MapChecker, TilesetsAndTileLayersFitTheAtlas) {
    std::map<std::string, std::string> atlasOf;
    for (const MapAtlas& entry : MAP_ATLASES)
        atlasOf[entry.map] = ATLAS_IMAGES[entry.variant];
    for (const auto& [name, map] : AllMaps()) {
        SCOPED_TRACE(name);
        EXPECT_EQ(map.tileWidth, 64);
        EXPECT_EQ(map.tileHeight, 64);
        EXPECT_EQ(map.tilesetCount, 1) << "one embedded tileset";
        if (atlasOf.count(name)) {
            EXPECT_EQ(map.tilesetImage, atlasOf[name]) << "the painting this map shows";
        }
        EXPECT_TRUE(std::filesystem::exists(MAPS_FOLDER + "/" + name + "/" + map.tilesetImage))
            << "tileset image " << map.tilesetImage << " is not in the map's folder";
        for (const TileLayerFacts& layer : map.tileLayers) {
            EXPECT_EQ(layer.dataCount, map.width * map.height) << "layer " << layer.name;
            for (int id : layer.ids) {
                ASSERT_TRUE(id >= 0 && id <= ATLAS_TILE_COUNT)
                    << "layer " << layer.name << " holds tile id " << id;
            }
        }
        for (const char* layer : {"Collision", "Trigger", "Point"}) {
            EXPECT_EQ(std::count(map.layerNames.begin(), map.layerNames.end(), layer), 1)
                << "object layer " << layer;
        }
    }
}

TEST(MapChecker, EveryDoorLeadsToAMap) {
    for (const auto& [name, map] : AllMaps()) {
        for (const NamedRect& trigger : map.triggers) {
            if (!IsDoorName(trigger.name)) continue;
            EXPECT_TRUE(AllMaps().count(trigger.name))
                << name << ": door \"" << trigger.name << "\" names no map";
            EXPECT_LT(trigger.name.size(), 30u)
                << name << ": door \"" << trigger.name << "\" is too long a map name";
        }
    }
}

TEST(MapChecker, EveryWayInLandsOnTheIntendedPoint) {
    for (const Arrival& arrival : EveryArrival()) {
        if (!AllMaps().count(arrival.map)) continue;  // reported by EveryDoorLeadsToAMap
        const NamedRect* spawn = SpawnPointFor(AllMaps().at(arrival.map), arrival.from);
        const std::string intended = IntendedPointFor(arrival);
        ASSERT_NE(spawn, nullptr) << arrival.map << ": no point for players arriving from " << arrival.from
                                  << " (" << arrival.how << ")";
        EXPECT_EQ(spawn->name, intended) << arrival.map << ": arriving from " << arrival.from << " ("
                                         << arrival.how << ") lands on point " << spawn->name;
    }
}

TEST(MapChecker, SpawnPointsStandClearOfTriggersAndWalls) {
    for (const auto& [name, map] : AllMaps()) {
        for (const NamedRect& point : map.points) {
            const WalkRect feet = FootBoxAt(point.rect.x, point.rect.y);
            for (const NamedRect& trigger : map.triggers) {
                EXPECT_FALSE(Overlaps(feet, trigger.rect))
                    << name << ": point " << point.name << " stands inside trigger " << trigger.name;
            }
            if (point.name.rfind("ARBRE_", 0) == 0 || point.name == "FIRE" || point.name == "BULLES")
                continue;
            EXPECT_TRUE(StandsFree(map, feet)) << name << ": point " << point.name << " stands in a wall";
        }
    }
}

TEST(MapChecker, NoSpawnNameHidesAnother) {
    for (const auto& [name, map] : AllMaps()) {
        for (const NamedRect& a : map.points) {
            for (const NamedRect& b : map.points) {
                if (&a == &b || a.name == b.name || !Contains(b.name, a.name)) continue;
                const bool allowed =
                    std::any_of(ALLOWED_NAME_PAIRS.begin(), ALLOWED_NAME_PAIRS.end(), [&](const auto& p) {
                        return p.map == name && p.shorter == a.name && p.longer == b.name;
                    });
                EXPECT_TRUE(allowed) << name << ": point " << b.name << " also answers arrivals from "
                                     << a.name;
            }
        }
    }
}

namespace {

// Places the puzzles draw at (tiles of 64 pixels): the spot must be open ground and the hero must be
// able to reach it. Fences are taken as 64 pixels wide, blocking the upper half of their picture.
struct PuzzleSpot {
    std::string map, what;
    WalkRect area;
    bool open;     // no collision may lie here: the puzzle blocks by itself while it needs to
    float margin;  // how close the hero's feet must come
};

WalkRect Tiles(float col, float row, float cols, float rows) {
    return {col * 64, row * 64, cols * 64, rows * 64};
}
WalkRect Fence(float col, float row) {
    return {col * 64 - 32, row * 64 - 32, 64, 32};
}

const PuzzleSpot PUZZLE_SPOTS[] = {
    {"HOUSE_BURN_1", "flames before the wall", Tiles(10, 4, 1, 1), true, 0},
    {"HOUSE_BURN_1", "bucket and rope zone", Tiles(10, 5, 2, 2), false, 0},
    {"ForestNight", "fence 0", Fence(21.5f, 7), true, 20},
    {"ForestNight", "fence 1", Fence(32.5f, 4), true, 20},
    {"ForestNight", "fence 2", Fence(24.5f, 8), true, 20},
    {"ForestNight", "fence 3", Fence(32.5f, 11), true, 20},
    {"ForestNight", "fence 4", Fence(23.5f, 16), true, 20},
    {"ForestNight", "fire 1", Tiles(29, 16, 1, 1), true, 0},
    {"ForestNight", "fire 2", Tiles(31, 16, 1, 1), true, 0},
    {"ForestNight", "fire 1 zone", Tiles(29, 17, 2, 2), false, 0},
    {"ForestNight", "fire 2 zone", Tiles(31, 17, 2, 2), false, 0},
};

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

bool IsDecorPoint(const std::string& name) {
    return name.rfind("ARBRE_", 0) == 0 || name == "FIRE" || name == "BULLES";
}

}  // namespace

TEST(MapChecker, EachMapOffersItsTriggers) {
    for (const auto& [name, required] : REQUIRED_TRIGGERS) {
        if (!AllMaps().count(name)) continue;
        const MapFacts& map = AllMaps().at(name);
        for (const std::string& wanted : required) {
            const bool found = std::any_of(map.triggers.begin(), map.triggers.end(),
                                           [&](const NamedRect& t) { return t.name == wanted; });
            EXPECT_TRUE(found) << name << ": no trigger " << wanted;
        }
    }
    // The wall that falls in the burning house leaves its gap at tile (10, 3): the exit is there.
    if (AllMaps().count("HOUSE_BURN_1")) {
        for (const NamedRect& trigger : AllMaps().at("HOUSE_BURN_1").triggers) {
            if (trigger.name == "EXIT") {
                EXPECT_TRUE(Overlaps(trigger.rect, Tiles(10, 3, 1, 1))) << "EXIT is not in the gap";
            }
        }
    }
}

TEST(MapChecker, EverythingIsReachableOnFootFromTheMapsOwnPoint) {
    for (const auto& [name, map] : AllMaps()) {
        const NamedRect* own = SpawnPointFor(map, name);
        ASSERT_NE(own, nullptr) << name << ": no point of its own";
        const FootWalk walk = WalkFrom(map, own->rect.x, own->rect.y);
        for (const NamedRect& point : map.points) {
            if (IsDecorPoint(point.name)) continue;
            EXPECT_TRUE(CanStandAt(walk, point.rect.x, point.rect.y))
                << name << ": point " << point.name << " cannot be walked to from " << own->name;
        }
        for (const NamedRect& trigger : map.triggers) {
            // A trigger that pushes back is reached by walking into it; the others by standing in them.
            const float margin = IsBlockingTrigger(trigger.name) ? 8.0f : 0.0f;
            EXPECT_TRUE(CanTouch(walk, trigger.rect, margin))
                << name << ": trigger " << trigger.name << " cannot be reached from " << own->name;
        }
    }
}

TEST(MapChecker, PuzzleSpotsAreOpenAndReachable) {
    for (const PuzzleSpot& spot : PUZZLE_SPOTS) {
        if (!AllMaps().count(spot.map)) continue;
        const MapFacts& map = AllMaps().at(spot.map);
        if (spot.open) {
            for (const WalkRect& wall : map.collisions) {
                EXPECT_FALSE(Overlaps(wall, spot.area)) << spot.map << ": collision over the " << spot.what;
            }
        }
        const NamedRect* own = SpawnPointFor(map, spot.map);
        ASSERT_NE(own, nullptr) << spot.map << ": no point of its own";
        EXPECT_TRUE(CanTouch(WalkFrom(map, own->rect.x, own->rect.y), spot.area, spot.margin))
            << spot.map << ": the " << spot.what << " cannot be reached on foot";
    }
}

// A fence stands across a path: no gap a foot could slip through is left beside it.
TEST(MapChecker, ForestFencesCloseTheirPaths) {
    if (!AllMaps().count("ForestNight")) GTEST_SKIP() << "no ForestNight";
    const MapFacts& map = AllMaps().at("ForestNight");
    for (const PuzzleSpot& spot : PUZZLE_SPOTS) {
        if (spot.map != "ForestNight" || spot.what.rfind("fence", 0) != 0) continue;
        for (const float side : {spot.area.x - 32, spot.area.x + spot.area.width}) {
            for (const float y : {spot.area.y, spot.area.y + 16}) {
                EXPECT_FALSE(StandsFree(map, WalkRect{side, y, 32, 16}))
                    << "ForestNight: the hero can slip past the " << spot.what << " at x " << side;
            }
        }
    }
}

// The game, on every desktop, stands the hero and raises the walls and doors exactly where the checker's
// walk finds them: its walk in map pixels holds at every scale.
TEST(MapChecker, TheGameSeesTheCheckersMapOnEveryDesktop) {
    for (auto [width, height] : {std::pair{1366u, 768u},
                                 {1920u, 1080u},
                                 {1920u, 1200u},
                                 {2560u, 1080u},
                                 {2560u, 1440u},
                                 {3840u, 2160u}}) {
        for (const auto& [name, map] : AllMaps()) {
            SCOPED_TRACE(testing::Message() << name << " at " << width << "x" << height);
            ResetGameRecords();
            GameHarness game({width, height});
            EnterMap(game, name.c_str(), 1);
            ASSERT_EQ(gMap.collisionRects.size(), map.collisions.size());
            for (size_t i = 0; i < map.collisions.size(); ++i) {
                const WalkRect& wall = map.collisions[i];
                EXPECT_EQ(gMap.collisionRects[i], sf::FloatRect(wall.x, wall.y, wall.width, wall.height));
            }
            ASSERT_EQ(gMap.triggers.size(), map.triggers.size());
            for (size_t i = 0; i < map.triggers.size(); ++i) {
                const WalkRect& door = map.triggers[i].rect;
                EXPECT_EQ(gMap.triggers[i].rect, sf::FloatRect(door.x, door.y, door.width, door.height));
            }
            const WalkRect own = SpawnPointFor(map, name)->rect;
            const WalkRect expected = FootBoxAt(own.x, own.y);
            const sf::FloatRect& feet = gPlayer.footBox;
            EXPECT_EQ(feet, sf::FloatRect(expected.x, expected.y, expected.width, expected.height));
        }
    }
}

// Every map is one the game can draw: orthogonal, its tilesets embedded, each with its sheet.
TEST(MapChecker, EveryMapIsOneTheGameCanDraw) {
    for (const auto& [name, map] : AllMaps()) {
        const auto tree = LoadTiledMapFromFile((MAPS_FOLDER + "/" + name + "/Map.json").c_str());
        ASSERT_TRUE(tree) << name;
        EXPECT_EQ(WhyMapCannotBeDrawn(*tree, MAPS_FOLDER + "/" + name + "/"), "") << name;
    }
}
