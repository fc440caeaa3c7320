#pragma once
// Property arrays of maps, layers, tilesets and tiles.

#include <cstdint>

#include "world/tiled/TiledParse.h"

// A property array, read by position (name, type, value) rather than by key.
bool ReadTiledProperties(TiledCursor& cursor, TiledProperty*& properties, int32_t& count);
