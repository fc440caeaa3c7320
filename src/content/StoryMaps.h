#pragma once
// The maps the story itself names: where a new game starts, where the merchant trades, where the night
// begins and ends, where its puzzles stand. Everything else about a map is in its own properties.

inline constexpr const char* MAP_HOME = "HOUSE_ENTER_1";
inline constexpr const char* MAP_VILLAGE = "GoblinVillage";
inline constexpr const char* MAP_BRIDGE = "Bridge";
inline constexpr const char* MAP_CABIN = "HOUSE_ENTER_SPRITI";
inline constexpr const char* MAP_BURNING_HOUSE = "HOUSE_BURN_1";
inline constexpr const char* MAP_BURNING_VILLAGE = "GoblinVillageBurn";
inline constexpr const char* MAP_FOREST = "ForestNight";
inline constexpr const char* MAP_BOSS_BRIDGE = "BridgeNight";
