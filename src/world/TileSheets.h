#pragma once
// The tilesets of a loaded map, ready to draw, and what a tile id of a layer stands for: which sheet,
// which of its tiles, and how Tiled flipped it. Tiled keeps three flip flags in the top bits of an id
// and numbers the tiles of all tilesets one after the other from each tileset's `firstgid`.

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "world/tiled/TiledMap.h"

inline constexpr uint32_t TILE_FLIP_HORIZONTAL = 0x80000000u;
inline constexpr uint32_t TILE_FLIP_VERTICAL = 0x40000000u;
inline constexpr uint32_t TILE_FLIP_DIAGONAL = 0x20000000u;
inline constexpr uint32_t TILE_ROTATE_HEXAGONAL = 0x10000000u;  // hexagonal maps only: ignored
inline constexpr uint32_t TILE_ID_BITS = 0x0FFFFFFFu;

struct TileFrame {
    int32_t tile = 0;  // the tileset's own tile number
    float seconds = 0.0f;
};

// One tileset: its sheet (keyed by its transparent colour) and the grid its tiles are cut on.
struct TileSheet {
    std::string name;
    int32_t firstgid = 1;
    int32_t tileCount = 0;
    int32_t columns = 1;
    int32_t margin = 0;
    int32_t spacing = 0;
    sf::Vector2i tileSize;
    sf::Vector2f offset;  // the tileset's tile offset, map pixels
    sf::Image image;      // kept to tell the opaque tiles from the others
    sf::Texture texture;
    std::map<int32_t, std::vector<TileFrame>> animations;  // by tile number
};

struct TileSheets {
    std::string mapName;
    std::vector<std::unique_ptr<TileSheet>> sheets;  // the map's order
    std::set<uint32_t> reported;                     // ids beyond every tileset, logged once each
};

// A layer's tile: the sheet (index in TileSheets::sheets), its tile number there, and its flips.
struct TileRef {
    size_t sheet = 0;
    int32_t tile = 0;
    bool flipHorizontal = false;
    bool flipVertical = false;
    bool flipDiagonal = false;
};

// The reason the game cannot draw the map (an orientation other than orthogonal, a tileset in an external
// file or without one sheet picture, a missing sheet), or an empty text when it can.
std::string WhyMapCannotBeDrawn(const TiledMap& map, const std::string& folder);

// Loads every tileset's sheet from the map's folder; false, with the reason, as above.
bool LoadTileSheets(const TiledMap& map, const std::string& folder, const std::string& mapName,
                    TileSheets& sheets, std::string& reason);

// What a layer's id stands for: nothing for an empty cell (0), nor for an id beyond the tiles of every
// tileset, which is logged once, with the map's name.
std::optional<TileRef> ResolveTile(TileSheets& sheets, int32_t layerId);

// Where tile `tile` lies in its sheet, cut on the tileset's grid (margin, spacing, tile size).
sf::IntRect SheetCell(const TileSheet& sheet, int32_t tile);

// The tile an animated tile shows `seconds` after the map started (itself when it is not animated).
int32_t AnimatedTile(const TileSheet& sheet, int32_t tile, float seconds);
