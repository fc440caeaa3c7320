#pragma once
// What lives on the current map and what the hero carries, as the map loader and the save files see
// them: each record's id is its number in the map's content list (Map.txt).

#include <SFML/Graphics/Rect.hpp>

#include <cstdint>
#include <string>
#include <vector>

inline constexpr int INVENTORY_PLACES = 20;

enum NpcType : int32_t { NPC_TALK = 0, NPC_BATTLE = 1, NPC_MERCHANT = 2, NPC_COMPANION = 3 };

struct Npc {
    int32_t id = 0;
    int32_t type = NPC_TALK;
    sf::FloatRect box;       // the solid footprint, screen units
    std::string battlePath;  // "Assets/Text/Levels/<name>" for an enemy, empty otherwise
};

struct NpcList {
    std::vector<Npc> npcs;
};

struct MapItem {
    int32_t id = 0;
    std::string name;
    sf::FloatRect bounds;  // where it lies, screen units
};

struct MapItemList {
    std::vector<MapItem> items;
};

struct Inventory {
    std::vector<MapItem> items;  // at most INVENTORY_PLACES, in pick-up order
};

extern Inventory gInventory;

void ResetInventory();
