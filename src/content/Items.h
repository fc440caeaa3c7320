#pragma once
// Items: pictures lying on the map, picked up by name into the session's 20-place inventory, which the
// story and the puzzles search by name, which outlives map changes and is written to the save.

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "world/GameSession.h"
#include "world/MapItem.h"

inline constexpr const char* SOUND_ITEM_PICKUP = "Assets/Sounds/Outside/ItemPickup.wav";

struct MapItemList {
    std::vector<MapItem> items;
};

// Reads "pos x y" and the name line, and adds the item; a missing file adds nothing.
void LoadItemFile(const char* path, MapItemList& list);
void AddMapItem(MapItemList& list, const std::string& name, sf::Vector2f position);
// Item index of the list carried into the next free inventory place, with the pick-up sound. A full
// inventory leaves it on the map; returns whether it was taken.
bool PickUpItem(GameSession& session, MapItemList& list, size_t index);
// Walks the list from the start and picks up every item named exactly name (the story's gifts). Each one
// that does not fit a full inventory stays in the list.
void PickUpEveryItemNamed(GameSession& session, MapItemList& list, const std::string& name);

// The grid cell of inventory place k, in reference-screen pixels.
sf::Vector2f InventoryCell(int place);
