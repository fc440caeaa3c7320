#pragma once
// The map the hero walks on: the Tiled tree and its tile sheet, the collision rectangles, the triggers,
// the named points with their animated decor, and the drifting clouds of the outdoor maps.

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/Animation.h"
#include "content/Items.h"
#include "content/Npcs.h"
#include "world/TileLayers.h"
#include "world/tiled/TiledMap.h"

inline constexpr int TRIGGER_NAME_SIZE = 260;
inline constexpr int CLOUD_COUNT = 20;

struct MapTrigger {
    char name[TRIGGER_NAME_SIZE] = {};
    sf::FloatRect rect;  // screen units
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
    sf::Texture tileSheetTexture;
    sf::Sprite tileSprite;
    std::vector<sf::FloatRect> collisionRects;
    std::vector<MapTrigger> triggers;
    std::vector<MapPoint> mapPoints;
    // One texture per decor kind in use, shared by its points.
    std::vector<std::unique_ptr<sf::Texture>> animationTextures;
    std::vector<std::string> animationTexturePaths;
    TileLayerCache tileCache;
};

struct CloudLayer {
    bool held = false;
    std::array<sf::Texture, CLOUD_COUNT> textures;
    std::array<sf::Sprite, CLOUD_COUNT> sprites;
};

extern MapState gMap;
extern CloudLayer gClouds;

// Loads the map named by the current map name into gMap and fills the two lists from the save.
// Returns false, with a message naming the map and the reason, when the map cannot be walked on.
bool LoadMap(NpcList& npcs, MapItemList& items);
void UnloadMap();
// Back to the program-start state, silently (tests).
void ResetMapState();
MapTrigger GetTrigger(int index);

// Checks that a map can be entered (its Map.json reads and names a tile sheet that exists) without
// loading it; reason says why not.
bool MapCanBeEntered(const char* mapName, std::string& reason);

void BuildCloudLayer();
void UpdateCloudLayer(float dt);
void ReleaseCloudLayer();
// The map names that show clouds, burnt trees and the torch.
bool MapHasClouds(const char* mapName);

// The decor of the map's points (internal steps of LoadMap, exposed for tests).
void BuildMapDecor();
void SortMapPoints();
