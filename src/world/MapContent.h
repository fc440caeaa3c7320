#pragma once
// What lives on the current map and what the hero carries, as the map loader and the save files see
// them: each record's id is its number in the map's content list (Map.txt).

#include <cstdint>
#include <string>
#include <vector>

inline constexpr int INVENTORY_PLACES = 20;

struct Npc {
    int32_t id = 0;
};

struct NpcList {
    std::vector<Npc> npcs;
};

struct MapItem {
    int32_t id = 0;
    std::string name;
};

struct MapItemList {
    std::vector<MapItem> items;
};

struct Inventory {
    std::vector<MapItem> items;  // at most INVENTORY_PLACES, in pick-up order
};

extern Inventory gInventory;

void ResetInventory();
