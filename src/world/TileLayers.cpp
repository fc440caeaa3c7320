#include "world/TileLayers.h"

#include <algorithm>

#include "core/Pictures.h"

namespace {

sf::Uint8 LayerAlpha(const TiledLayer& layer) {
    return static_cast<sf::Uint8>(layer.opacity * 255.0f);
}

int32_t TileAt(const TiledLayer& layer, int column, int row) {
    const int index = row * layer.width + column;
    return index < layer.dataCount ? layer.data[index] : 0;
}

void AppendTile(TileChunk& chunk, const TiledMap& map, int column, int row, int32_t id, sf::Color colour) {
    const sf::IntRect cell = TileCell(map, id);
    const sf::Vector2f position = TilePosition(map, column, row);
    const float width = static_cast<float>(cell.width);
    const float height = static_cast<float>(cell.height);
    const float left = static_cast<float>(cell.left);
    const float top = static_cast<float>(cell.top);
    const float right = left + static_cast<float>(cell.width);
    const float bottom = top + static_cast<float>(cell.height);
    chunk.vertices.append({position, colour, {left, top}});
    chunk.vertices.append({{position.x + width, position.y}, colour, {right, top}});
    chunk.vertices.append({{position.x + width, position.y + height}, colour, {right, bottom}});
    chunk.vertices.append({{position.x, position.y + height}, colour, {left, bottom}});
}

// Whether each sheet cell is fully opaque, worked out once per cell in use.
struct CellOpacity {
    const sf::Image& sheet;
    std::vector<int8_t> known;  // -1 not looked at yet, else 0 or 1
    bool Opaque(const TiledMap& map, int32_t id) {
        const size_t index = static_cast<size_t>(id);
        if (index >= known.size()) known.resize(index + 1, -1);
        if (known[index] < 0) known[index] = IsOpaqueArea(sheet, TileCell(map, id)) ? 1 : 0;
        return known[index] == 1;
    }
};

TileChunk BuildChunk(const TiledMap& map, const TiledLayer& layer, CellOpacity& cells, int firstColumn,
                     int firstRow) {
    TileChunk chunk;
    chunk.opaque = LayerAlpha(layer) == 255;
    const sf::Color colour(255, 255, 255, LayerAlpha(layer));
    const int lastColumn = std::min(firstColumn + TILE_CHUNK_SIZE, layer.width);
    const int lastRow = std::min(firstRow + TILE_CHUNK_SIZE, layer.height);
    for (int row = firstRow; row < lastRow; ++row) {
        for (int column = firstColumn; column < lastColumn; ++column) {
            const int32_t id = TileAt(layer, column, row);
            if (id <= 0) continue;
            AppendTile(chunk, map, column, row, id, colour);
            chunk.opaque = chunk.opaque && cells.Opaque(map, id);
        }
    }
    const sf::Vector2f topLeft = TilePosition(map, firstColumn, firstRow);
    const sf::Vector2f bottomRight = TilePosition(map, lastColumn, lastRow);
    chunk.bounds = {topLeft, bottomRight - topLeft};
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

sf::IntRect TileCell(const TiledMap& map, int32_t id) {
    const int t = id - 1;
    const int columns = map.tilesets != nullptr && map.tilesets->columns > 0 ? map.tilesets->columns : 1;
    return {(t % columns) * map.tilewidth, (t / columns) * map.tileheight, map.tilewidth, map.tileheight};
}

sf::Vector2f TilePosition(const TiledMap& map, int column, int row) {
    return {static_cast<float>(column * map.tilewidth), static_cast<float>(row * map.tileheight)};
}

void BuildTileLayerCache(TileLayerCache& cache, const TiledMap& map, const sf::Image& sheet) {
    cache.layers.clear();
    CellOpacity cells{sheet, {}};
    for (const TiledLayer* layer = map.layers; layer != nullptr; layer = layer->next) {
        if (!IsTileLayer(*layer)) continue;
        TileLayerChunks chunks;
        chunks.layer = layer;
        for (int row = 0; row < layer->height; row += TILE_CHUNK_SIZE) {
            for (int column = 0; column < layer->width; column += TILE_CHUNK_SIZE) {
                TileChunk chunk = BuildChunk(map, *layer, cells, column, row);
                if (chunk.vertices.getVertexCount() > 0) chunks.chunks.push_back(std::move(chunk));
            }
        }
        cache.layers.push_back(std::move(chunks));
    }
}

void DrawTileLayerChunks(sf::RenderTarget& target, TileLayerCache& cache, const TiledLayer& layer,
                         const sf::Texture& sheet) {
    const sf::FloatRect visible = VisibleArea(target);
    for (TileLayerChunks& entry : cache.layers) {
        if (entry.layer != &layer) continue;
        for (const TileChunk& chunk : entry.chunks) {
            if (!chunk.bounds.intersects(visible)) continue;
            sf::RenderStates states(&sheet);
            if (chunk.opaque) states.blendMode = sf::BlendNone;
            target.draw(chunk.vertices, states);
            ++cache.drawCalls;
        }
    }
}

void DrawTileLayerSprites(sf::RenderTarget& target, sf::Sprite& tileSprite, const TiledMap& map,
                          const TiledLayer& layer) {
    tileSprite.setColor(sf::Color(255, 255, 255, LayerAlpha(layer)));
    for (int row = 0; row < layer.height; ++row) {
        for (int column = 0; column < layer.width; ++column) {
            const int32_t id = TileAt(layer, column, row);
            if (id <= 0) continue;
            tileSprite.setTextureRect(TileCell(map, id));
            tileSprite.setPosition(TilePosition(map, column, row));
            target.draw(tileSprite);
        }
    }
}
