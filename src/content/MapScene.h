#pragma once
// Everything that makes up the map on screen: the map with its layers, collisions, triggers, points
// and look; the people and items standing on it; its puzzles and the rope; the clouds; the camera; the
// hero; the key prompt. Built as a whole when the hero arrives on a map and let go as a whole when he
// leaves it, so nothing of one map can leak into the next.

#include "content/InteractionPrompt.h"
#include "content/Items.h"
#include "content/Npcs.h"
#include "content/PuzzleState.h"
#include "world/Camera.h"
#include "world/Clouds.h"
#include "world/MapDecor.h"
#include "world/MapLoading.h"
#include "world/Player.h"

class GameSession;

struct MapScene {
    MapState map;
    NpcList npcList;
    MapItemList mapItemList;
    PuzzleState puzzles;
    RopePull rope;
    CloudLayer clouds;
    Camera camera;
    PlayerCharacter hero;
    InteractionPrompt prompt;
    bool loaded = false;  // the map could be read

    MapScene() = default;
    MapScene(const MapScene&) = delete;
    MapScene& operator=(const MapScene&) = delete;
};

// The scene of the session's current map: the map read (its decor pictures from the game's `pictures`),
// its people and items from the save (or, on a first visit, from its content list, the save then
// gaining its section), its puzzles, its clouds, the hero on the point named after the map left, and
// the camera. Without such a point the hero stands where he stood on the map left (`standing`). The save
// is written once. False, with a message, when the map cannot be walked on.
bool LoadMapScene(MapScene& scene, GameSession& session, DecorPictures& pictures, sf::Vector2f standing = {});
