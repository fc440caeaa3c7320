#pragma once
// What a map's author says about it in Tiled's custom map properties: its name for the player, whether
// clouds drift over it (dark smoke at night), whether its trees are burnt, whether the hero walks on
// grass and carries a torch, whether darkness covers it, the battle fought there, its marker on the
// world map and the later versions of it the world map leads to.
//
//   displayName      string  "The goblin village"
//   clouds, smoke, burntTrees, grass, torch, darkness    bool
//   battleBackground string  a picture of Assets/Sprites/Battle/BattleHUD/ (the village by day if none)
//   battleGroundDrop int     how much lower the fighters stand (the boss's bridge)
//   worldMapMarker   int     0 the village, 1 the forest, 2 the bridge
//   arrivals         string  "BridgeNight>GoblinVillageBurn,ForestNight>GoblinVillageBurn": coming to
//                            this map from the world map after the first, the hero arrives on the second

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct TiledMap;

struct MapLook {
    std::string displayName;
    bool clouds = false;
    bool smoke = false;
    bool burntTrees = false;
    bool grass = false;
    bool torch = false;
    bool darkness = false;
    std::string battleBackground;
    int32_t battleGroundDrop = 0;
    int32_t worldMapMarker = 0;
    std::vector<std::pair<std::string, std::string>> arrivals;  // coming from, arriving on
};

inline constexpr const char* DEFAULT_BATTLE_BACKGROUND = "Background_Village_Day.png";

// The look of a map from its properties; a property missing, or of another kind, keeps the default.
MapLook ReadMapLook(const TiledMap& map);
// The look of the map of that name, read from its Map.json (the defaults when it cannot be read).
MapLook ReadMapLookOf(const std::string& mapName);
// The map the world map really opens for `destination` when the hero comes from `comingFrom`: one of
// the destination's arrivals, or the destination itself.
std::string WorldMapArrival(const std::string& destination, const std::string& comingFrom);
