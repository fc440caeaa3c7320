#pragma once
// Items: pictures lying on the map, picked up into a 20-place inventory that the story and the puzzles
// search by name. The inventory outlives map changes and is written to the save.

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

inline constexpr int INVENTORY_PLACES = 20;
inline constexpr const char* SOUND_ITEM_PICKUP = "Assets/Sounds/Outside/ItemPickup.wav";
inline constexpr const char* INVENTORY_BACKGROUND = "Assets/Sprites/Items/Inventory/Inventory.png";
inline constexpr const char* INVENTORY_GRID = "Assets/Sprites/Items/Inventory/Grid.png";

// An item on the map, or in an inventory place.
struct MapItem {
    int32_t id = -1;  // its number in the map's content list; -1 for items the story hands out
    std::unique_ptr<sf::Texture> texture;  // behind a pointer: lists move records, the sprite stays aimed
    sf::Sprite sprite;
    sf::Vector2f position;  // map pixels, as the item file gives it
    sf::FloatRect bounds;   // where it was placed, at the picture's own size: the pick-up zone grows from it
    std::string name;       // also the picture's name
};

struct MapItemList {
    std::vector<MapItem> items;
};

struct Inventory {
    std::vector<MapItem> items;  // places 0 to size - 1, at most INVENTORY_PLACES
    sf::Texture backgroundTexture;
    sf::Sprite background;
    sf::Texture gridTexture;  // the backdrop behind the twenty places
    sf::Sprite grid;
    sf::Font font;
    sf::Text goldText;
};

extern Inventory gInventory;

// Reads "pos x y" and the name line, and adds the item; a missing file adds nothing.
void LoadItemFile(const char* path, MapItemList& list);
void AddMapItem(MapItemList& list, const std::string& name, sf::Vector2f position);
// Moves item index of the list into the next free inventory place, with the pick-up sound. A full
// inventory leaves it on the map.
void PickUpItem(MapItemList& list, size_t index);
// Walks the list from the start and picks up every item named exactly name (the story's gifts, the
// items of a continued save). Each one that does not fit a full inventory stays in the list.
void PickUpEveryItemNamed(MapItemList& list, const std::string& name);
// Takes the first item named exactly name out of the inventory; the others close up.
void RemoveInventoryItem(const char* name);
bool InventoryHolds(const char* name);

// The grid cell of inventory place k, in reference-screen pixels.
sf::Vector2f InventoryCell(int place);

// The inventory screen: the gold panel, the grid backdrop and the gold count. Rebuilt with each map.
void BuildInventoryScreen();
void ShowInventoryGold();
void DrawInventory(sf::RenderWindow& window);
// Drops the carried items and the screen parts (a new game, or the night that takes everything).
void ResetInventory();
