#include "world/TileLayers.h"

#include <algorithm>
#include <array>

#include "core/Pictures.h"

namespace {

sf::Uint8 LayerAlpha(const TiledLayer& layer) {
    return static_cast<sf::Uint8>(layer.opacity * 255.0f);
}

int32_t TileAt(const TiledLayer& layer, int column, int row) {
    const int index = row * layer.width + column;
    return index < layer.dataCount ? layer.data[index] : 0;
}

// Where the tile's picture lands: standing on the bottom-left corner of its cell, moved by the
// tileset's tile offset and the layer's offset.
sf::FloatRect TileArea(const TiledMap& map, const TiledLayer& layer, const TileSheet& sheet, int column,
                       int row) {
    const sf::Vector2f cell = TilePosition(map, column, row);
    const float left = cell.x + sheet.offset.x + layer.offsetx;
    const float bottom = cell.y + static_cast<float>(map.tileheight) + sheet.offset.y + layer.offsety;
    const float width = static_cast<float>(sheet.tileSize.x);
    const float height = static_cast<float>(sheet.tileSize.y);
    return {left, bottom - height, width, height};
}

// The sheet corners shown at the top-left, top-right, bottom-right and bottom-left of the tile. Tiled
// swaps the axes first (the diagonal flip), then flips horizontally, then vertically.
std::array<sf::Vector2f, 4> CornerTexCoords(const TileSheet& sheet, int32_t tile, const TileRef& ref) {
    const sf::IntRect cell = SheetCell(sheet, tile);
    const float left = static_cast<float>(cell.left);
    const float top = static_cast<float>(cell.top);
    const float right = left + static_cast<float>(cell.width);
    const float bottom = top + static_cast<float>(cell.height);
    const std::array<sf::Vector2f, 4> unit = {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}};
    std::array<sf::Vector2f, 4> corners;
    for (size_t i = 0; i < 4; ++i) {
        sf::Vector2f p = unit[i];
        if (ref.flipVertical) p.y = 1.0f - p.y;
        if (ref.flipHorizontal) p.x = 1.0f - p.x;
        if (ref.flipDiagonal) std::swap(p.x, p.y);
        corners[i] = {p.x == 0.0f ? left : right, p.y == 0.0f ? top : bottom};
    }
    return corners;
}

void AppendTile(sf::VertexArray& vertices, const sf::FloatRect& area, const std::array<sf::Vector2f, 4>& tex,
                sf::Color colour) {
    const float right = area.left + area.width;
    const float bottom = area.top + area.height;
    vertices.append({{area.left, area.top}, colour, tex[0]});
    vertices.append({{right, area.top}, colour, tex[1]});
    vertices.append({{right, bottom}, colour, tex[2]});
    vertices.append({{area.left, bottom}, colour, tex[3]});
}

void AimTile(sf::VertexArray& vertices, size_t first, const std::array<sf::Vector2f, 4>& tex) {
    for (size_t i = 0; i < 4; ++i)
        vertices[first + i].texCoords = tex[i];
}

// The tile number an animated tile shows at that time; a frame naming a tile the sheet does not have
// keeps the tile's own picture.
int32_t ShownTile(const TileSheet& sheet, const TileRef& ref, float seconds) {
    const int32_t shown = AnimatedTile(sheet, ref.tile, seconds);
    return shown >= 0 && shown < sheet.tileCount ? shown : ref.tile;
}

// Whether each sheet cell is fully opaque, worked out once per cell in use (sized by the sheet's own
// tile count, never by an id read from a file).
struct CellOpacity {
    std::vector<std::vector<int8_t>> known;  // per sheet, per tile: -1 not looked at yet, else 0 or 1
    bool Opaque(const TileSheets& sheets, const TileRef& ref) {
        const TileSheet& sheet = *sheets.sheets[ref.sheet];
        if (sheet.animations.count(ref.tile) != 0) return false;  // its other frames are not looked at
        if (known.size() <= ref.sheet) known.resize(sheets.sheets.size());
        std::vector<int8_t>& cells = known[ref.sheet];
        if (cells.empty()) cells.assign(static_cast<size_t>(sheet.tileCount), -1);
        int8_t& cell = cells[static_cast<size_t>(ref.tile)];
        if (cell < 0) cell = IsOpaqueArea(sheet.image, SheetCell(sheet, ref.tile)) ? 1 : 0;
        return cell == 1;
    }
};

TileBatch& BatchFor(TileChunk& chunk, size_t sheet) {
    for (TileBatch& batch : chunk.batches) {
        if (batch.sheet == sheet) return batch;
    }
    chunk.batches.emplace_back().sheet = sheet;
    return chunk.batches.back();
}

sf::FloatRect Union(const sf::FloatRect& a, const sf::FloatRect& b) {
    if (a.width <= 0.0f && a.height <= 0.0f) return b;
    const float left = std::min(a.left, b.left);
    const float top = std::min(a.top, b.top);
    const float right = std::max(a.left + a.width, b.left + b.width);
    const float bottom = std::max(a.top + a.height, b.top + b.height);
    return {left, top, right - left, bottom - top};
}

TileChunk BuildChunk(const TiledMap& map, const TiledLayer& layer, TileSheets& sheets, CellOpacity& cells,
                     int firstColumn, int firstRow) {
    TileChunk chunk;
    const sf::Uint8 alpha = LayerAlpha(layer);
    const sf::Color colour(255, 255, 255, alpha);
    const int lastColumn = std::min(firstColumn + TILE_CHUNK_SIZE, layer.width);
    const int lastRow = std::min(firstRow + TILE_CHUNK_SIZE, layer.height);
    for (int row = firstRow; row < lastRow; ++row) {
        for (int column = firstColumn; column < lastColumn; ++column) {
            const std::optional<TileRef> ref = ResolveTile(sheets, TileAt(layer, column, row));
            if (!ref) continue;
            const TileSheet& sheet = *sheets.sheets[ref->sheet];
            TileBatch& batch = BatchFor(chunk, ref->sheet);
            const sf::FloatRect area = TileArea(map, layer, sheet, column, row);
            const int32_t shown = ShownTile(sheet, *ref, 0.0f);  // an animation starts on its first frame
            if (sheet.animations.count(ref->tile) != 0) {
                const size_t index = static_cast<size_t>(&batch - chunk.batches.data());
                chunk.animated.push_back({index, batch.vertices.getVertexCount(), *ref, shown});
            }
            AppendTile(batch.vertices, area, CornerTexCoords(sheet, shown, *ref), colour);
            batch.opaque = batch.opaque && alpha == 255 && cells.Opaque(sheets, *ref);
            chunk.bounds = Union(chunk.bounds, area);
        }
    }
    return chunk;
}

sf::FloatRect VisibleArea(const sf::RenderTarget& target) {
    const sf::View& view = target.getView();
    return {view.getCenter() - view.getSize() * 0.5f, view.getSize()};
}

}  // namespace

bool IsTileLayer(const TiledLayer& layer) {
    return layer.type != nullptr && std::string_view(layer.type) == "tilelayer";
}

sf::Vector2f TilePosition(const TiledMap& map, int column, int row) {
    return {static_cast<float>(column * map.tilewidth), static_cast<float>(row * map.tileheight)};
}

void BuildTileLayerCache(TileLayerCache& cache, const TiledMap& map, TileSheets& sheets) {
    cache.layers.clear();
    cache.seconds = 0.0f;
    CellOpacity cells;
    for (const TiledLayer* layer = map.layers; layer != nullptr; layer = layer->next) {
        if (!IsTileLayer(*layer)) continue;
        TileLayerChunks chunks;
        chunks.layer = layer;
        for (int row = 0; row < layer->height; row += TILE_CHUNK_SIZE) {
            for (int column = 0; column < layer->width; column += TILE_CHUNK_SIZE) {
                TileChunk chunk = BuildChunk(map, *layer, sheets, cells, column, row);
                if (!chunk.batches.empty()) chunks.chunks.push_back(std::move(chunk));
            }
        }
        cache.layers.push_back(std::move(chunks));
    }
}

void AdvanceTileAnimations(TileLayerCache& cache, const TileSheets& sheets, float dt) {
    cache.seconds += dt;
    for (TileLayerChunks& layer : cache.layers) {
        for (TileChunk& chunk : layer.chunks) {
            for (AnimatedTileQuad& quad : chunk.animated) {
                const TileSheet& sheet = *sheets.sheets[quad.ref.sheet];
                const int32_t shown = ShownTile(sheet, quad.ref, cache.seconds);
                if (shown == quad.shown) continue;
                AimTile(chunk.batches[quad.batch].vertices, quad.firstVertex,
                        CornerTexCoords(sheet, shown, quad.ref));
                quad.shown = shown;
            }
        }
    }
}

void DrawTileLayerChunks(sf::RenderTarget& target, TileLayerCache& cache, const TiledLayer& layer,
                         const TileSheets& sheets) {
    const sf::FloatRect visible = VisibleArea(target);
    for (TileLayerChunks& entry : cache.layers) {
        if (entry.layer != &layer) continue;
        for (const TileChunk& chunk : entry.chunks) {
            if (!chunk.bounds.intersects(visible)) continue;
            for (const TileBatch& batch : chunk.batches) {
                sf::RenderStates states(&sheets.sheets[batch.sheet]->texture);
                if (batch.opaque) states.blendMode = sf::BlendNone;
                target.draw(batch.vertices, states);
                ++cache.drawCalls;
            }
        }
    }
}

void DrawTileLayerTiles(sf::RenderTarget& target, const TileLayerCache& cache, const TiledMap& map,
                        const TiledLayer& layer, TileSheets& sheets) {
    const sf::Color colour(255, 255, 255, LayerAlpha(layer));
    sf::VertexArray quad(sf::Quads);
    for (int row = 0; row < layer.height; ++row) {
        for (int column = 0; column < layer.width; ++column) {
            const std::optional<TileRef> ref = ResolveTile(sheets, TileAt(layer, column, row));
            if (!ref) continue;
            const TileSheet& sheet = *sheets.sheets[ref->sheet];
            quad.clear();
            const int32_t shown = ShownTile(sheet, *ref, cache.seconds);
            AppendTile(quad, TileArea(map, layer, sheet, column, row), CornerTexCoords(sheet, shown, *ref),
                       colour);
            target.draw(quad, &sheet.texture);
        }
    }
}
