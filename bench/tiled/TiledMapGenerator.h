#pragma once
// Generated Tiled maps for the reader's benchmark, written the way Tiled 1.8 exports JSON (one key per
// line, indented, CSV tile data on one line).

#include <string>

// A tile-heavy map: `side` x `side` tiles in 4 tile layers, plus one object layer of `objects` rectangles.
std::string GenerateTileHeavyMap(int side, int objects);
// An object-heavy map: a small tile layer and `objects` objects (rectangles, points, ellipses, polygons,
// some with properties) over three object layers.
std::string GenerateObjectHeavyMap(int objects);
