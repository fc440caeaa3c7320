#pragma once
// Embedded tilesets and their tile descriptors (animations, collision shapes).

#include "world/tiled/TiledParse.h"

// `[` tilesets `]`, put in front of `head` the same way as layers.
bool ReadTiledTilesetList(TiledCursor& cursor, TiledTileset*& head);
