#pragma once
// Drawing of tile layers. Each tile is the sheet cell (id - 1) placed at its column and row, in map
// pixels (the camera's view brings them to the screen). Layers are cut into chunks of 16 x 16 tiles, each one vertex array, and only the chunks
// the camera sees are drawn: the same picture as stamping one sprite per tile, in a handful of calls.

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/VertexArray.hpp>

#include <vector>

#include "world/tiled/TiledMap.h"

inline constexpr int TILE_CHUNK_SIZE = 16;

struct TileChunk {
    sf::VertexArray vertices{sf::Quads};
    sf::FloatRect bounds;  // map pixels
    bool opaque = false;   // every pixel of every tile fully opaque: drawn without blending
};

struct TileLayerChunks {
    const TiledLayer* layer = nullptr;
    std::vector<TileChunk> chunks;
};

struct TileLayerCache {
    std::vector<TileLayerChunks> layers;
    int drawCalls = 0;            // counted per frame, for the benchmarks
    bool stampEveryTile = false;  // the plain one-sprite-per-tile way, kept to compare against
};

// Cuts every tile layer of the map into chunks; sheet is the tile sheet's picture, whose cells'
// transparency decides which chunks can be drawn without blending (the same pixels, less work for
// a software rasteriser).
void BuildTileLayerCache(TileLayerCache& cache, const TiledMap& map, const sf::Image& sheet);

// Draws the visible chunks of one layer through the target's current view.
void DrawTileLayerChunks(sf::RenderTarget& target, TileLayerCache& cache, const TiledLayer& layer,
                         const sf::Texture& sheet);

// The plain way: one sprite re-aimed and drawn for every tile, whether on screen or not.
void DrawTileLayerSprites(sf::RenderTarget& target, sf::Sprite& tileSprite, const TiledMap& map,
                          const TiledLayer& layer);

// Whether a layer holds tiles (not objects, images or children).
bool IsTileLayer(const TiledLayer& layer);

// The sheet cell shown for a tile id, and where tile (column, row) lies on the map, in map pixels.
sf::IntRect TileCell(const TiledMap& map, int32_t id);
sf::Vector2f TilePosition(const TiledMap& map, int column, int row);
