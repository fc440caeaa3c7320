#include "world/MapNames.h"

#include <cstring>

#include "core/Text.h"

bool MapHasClouds(const char* mapName) {
    return Contains(mapName, "GoblinVillage") || Contains(mapName, "Bridge");
}

bool MapHasSmoke(const char* mapName) {
    return Contains(mapName, "Night") || Contains(mapName, "Burn");
}

bool MapHasBurntTrees(const char* mapName) {
    return Contains(mapName, "BURN") || Contains(mapName, "Burn") || Contains(mapName, "Night");
}

bool MapHasGrass(const char* mapName) {
    return Contains(mapName, "GoblinVillage") || Contains(mapName, "Bridge") || Contains(mapName, "Forest");
}

bool MapNeedsTorch(const char* mapName) {
    return Contains(mapName, "Forest") || Contains(mapName, "Burn") || Contains(mapName, "eNight");
}

bool IsDayVillage(const char* mapName) {
    return std::strcmp(mapName, "GoblinVillage") == 0;
}

int WorldMapLocationOf(const char* mapName) {
    if (Contains(mapName, "GoblinVillage")) return 0;
    if (Contains(mapName, "ForestNight")) return 1;
    if (Contains(mapName, "Bridge")) return 2;
    return 0;
}

const char* WorldMapArrival(const char* destination, const char* comingFrom) {
    if (Contains(destination, "GoblinVillage") && Contains(comingFrom, "Night")) return "GoblinVillageBurn";
    if (Contains(destination, "Bridge") && Contains(comingFrom, "Burn")) return "BridgeNight";
    return destination;
}
