#pragma once
// Drawing of tile layers as Tiled draws them, in map pixels (the camera's view brings them to the
// screen). Each tile is cut from its own tileset's sheet, flipped as its id says, and stands on the
// bottom-left corner of its cell (a tileset's tiles may be larger than the map's grid), moved by the
// tileset's tile offset and the layer's offset. Layers are cut into chunks of 16 x 16 cells, each one
// vertex array per sheet, and only the chunks the camera sees are drawn: the same picture as stamping
// every tile on its own, in a handful of calls. Animated tiles change their picture as time passes.

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/VertexArray.hpp>

#include <vector>

#include "world/TileSheets.h"
#include "world/tiled/TiledMap.h"

inline constexpr int TILE_CHUNK_SIZE = 16;

// The tiles of one chunk cut from one sheet: one draw call.
struct TileBatch {
    size_t sheet = 0;
    sf::VertexArray vertices{sf::Quads};
    bool opaque = true;  // every pixel of every tile fully opaque: drawn without blending
};

// A tile of a chunk whose picture changes: where its four corners are, and what it is.
struct AnimatedTileQuad {
    size_t batch = 0;
    size_t firstVertex = 0;
    TileRef ref;
    int32_t shown = -1;  // the tile number its corners show now
};

struct TileChunk {
    std::vector<TileBatch> batches;
    std::vector<AnimatedTileQuad> animated;
    sf::FloatRect bounds;  // map pixels, every tile's whole picture included
};

struct TileLayerChunks {
    const TiledLayer* layer = nullptr;
    std::vector<TileChunk> chunks;
};

struct TileLayerCache {
    std::vector<TileLayerChunks> layers;
    float seconds = 0.0f;         // time the map has been shown, for the tile animations
    int drawCalls = 0;            // counted per frame, for the benchmarks
    bool stampEveryTile = false;  // the plain one-quad-per-tile way, kept to compare against
};

// Cuts every tile layer of the map into chunks.
void BuildTileLayerCache(TileLayerCache& cache, const TiledMap& map, TileSheets& sheets);

// Moves the tile animations on by dt seconds.
void AdvanceTileAnimations(TileLayerCache& cache, const TileSheets& sheets, float dt);

// Draws the visible chunks of one layer through the target's current view.
void DrawTileLayerChunks(sf::RenderTarget& target, TileLayerCache& cache, const TiledLayer& layer,
                         const TileSheets& sheets);

// The plain way: every tile of the layer drawn on its own, whether on screen or not.
void DrawTileLayerTiles(sf::RenderTarget& target, const TileLayerCache& cache, const TiledMap& map,
                        const TiledLayer& layer, TileSheets& sheets);

// Whether a layer holds tiles (not objects, images or children).
bool IsTileLayer(const TiledLayer& layer);

// The top-left corner of cell (column, row) of the map, in map pixels.
sf::Vector2f TilePosition(const TiledMap& map, int column, int row);
