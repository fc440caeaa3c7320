#include "world/MapDrawing.h"

#include <cstring>

#include "world/MapLoading.h"

bool IsRoofLayer(const TiledLayer& layer) {
    if (layer.name == nullptr) return false;
    return std::strcmp(layer.name, "Up") == 0 || std::strcmp(layer.name, "Up-bis") == 0 ||
           std::strcmp(layer.name, "Batiment roof") == 0;
}

void DrawTileLayer(sf::RenderWindow& window, const TiledLayer& layer) {
    if (gMap.tileCache.stampEveryTile) {
        DrawTileLayerTiles(window, gMap.tileCache, *gMap.loadedMap, layer, gMap.tileSheets);
        return;
    }
    DrawTileLayerChunks(window, gMap.tileCache, layer, gMap.tileSheets);
}

void DrawGroundLayers(sf::RenderWindow& window) {
    for (const TiledLayer* layer = gMap.loadedMap->layers; layer != nullptr; layer = layer->next) {
        if (layer->visible && !IsRoofLayer(*layer) && IsTileLayer(*layer)) DrawTileLayer(window, *layer);
    }
}

void DrawRoofLayers(sf::RenderWindow& window) {
    for (const TiledLayer* layer = gMap.loadedMap->layers; layer != nullptr; layer = layer->next) {
        if (layer->visible && IsRoofLayer(*layer) && IsTileLayer(*layer)) DrawTileLayer(window, *layer);
    }
}
