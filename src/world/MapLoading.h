#pragma once
// The map the hero walks on: the Tiled tree and its tile sheet, the collision rectangles, the triggers
// and the named points with their animated decor. Its people and items are the content layer's.

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <memory>
#include <string>
#include <vector>

#include "core/Animation.h"
#include "world/MapLook.h"
#include "world/TileLayers.h"
#include "world/TileSheets.h"
#include "world/tiled/TiledMap.h"

inline constexpr int TRIGGER_NAME_SIZE = 260;

struct MapTrigger {
    char name[TRIGGER_NAME_SIZE] = {};
    sf::FloatRect rect;  // map pixels
};

struct MapPoint {
    float x = 0.0f;  // map pixels, as in the file
    float y = 0.0f;
    std::unique_ptr<sf::Sprite> sprite;  // its own, at a fixed address for the animation
    const sf::Texture* texture = nullptr;
    char name[TRIGGER_NAME_SIZE] = {};
    SpriteSheetAnimation animation;
};

struct MapState {
    std::unique_ptr<TiledMap> loadedMap;
    TileSheets tileSheets;
    std::vector<sf::FloatRect> collisionRects;
    std::vector<MapTrigger> triggers;
    std::vector<MapPoint> mapPoints;
    // One texture per decor kind in use, shared by its points; the pictures are the decor cache's.
    std::vector<const sf::Texture*> animationTextures;
    std::vector<std::string> animationTexturePaths;
    TileLayerCache tileCache;
    MapLook look;  // what the map's author says of it
};

struct DecorPictures;

// Reads the map of that name into `map`: tiles, collisions, triggers, points and their decor (its
// pictures taken from, or added to, `pictures`), and its look. Returns false, with a message naming the
// map and the reason, when it cannot be walked on.
bool ReadMap(MapState& map, const char* mapName, DecorPictures& pictures);
MapTrigger GetTrigger(const MapState& map, int index);

// Checks that a map can be entered (its Map.json reads and names a tile sheet that exists) without
// loading it; reason says why not.
bool MapCanBeEntered(const char* mapName, std::string& reason);
