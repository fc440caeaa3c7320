#include "world/MapDrawing.h"

#include <cstring>

bool IsRoofLayer(const TiledLayer& layer) {
    if (layer.name == nullptr) return false;
    return std::strcmp(layer.name, "Up") == 0 || std::strcmp(layer.name, "Up-bis") == 0 ||
           std::strcmp(layer.name, "Batiment roof") == 0;
}

void DrawTileLayer(sf::RenderWindow& window, MapState& map, const TiledLayer& layer) {
    if (map.tileCache.stampEveryTile) {
        DrawTileLayerTiles(window, map.tileCache, *map.loadedMap, layer, map.tileSheets);
        return;
    }
    DrawTileLayerChunks(window, map.tileCache, layer, map.tileSheets);
}

void DrawGroundLayers(sf::RenderWindow& window, MapState& map) {
    for (const TiledLayer* layer = map.loadedMap->layers; layer != nullptr; layer = layer->next) {
        if (layer->visible && !IsRoofLayer(*layer) && IsTileLayer(*layer)) DrawTileLayer(window, map, *layer);
    }
}

void DrawRoofLayers(sf::RenderWindow& window, MapState& map) {
    for (const TiledLayer* layer = map.loadedMap->layers; layer != nullptr; layer = layer->next) {
        if (layer->visible && IsRoofLayer(*layer) && IsTileLayer(*layer)) DrawTileLayer(window, map, *layer);
    }
}
