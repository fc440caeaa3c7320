#pragma once
// Layers (tile, object, image and group layers) and the objects of object layers.

#include "world/tiled/TiledParse.h"

// One layer record; deep nesting of group layers fails cleanly.
bool ReadTiledLayer(TiledCursor& cursor, TiledLayer*& layer);
// `[` layers `]`, each put in front of `head`, so the list ends up last-in-the-file first.
bool ReadTiledLayerList(TiledCursor& cursor, TiledLayer*& head);
