#pragma once
// Buildings and furniture placed on a painted map: tiles on their layers, blocking shapes, and the door
// whose trigger the caller names.

#include <string>

#include "MapDraft.h"

enum RoofStyle : int { ROOF_TILED = 0, ROOF_THATCH = 1 };

struct HouseStamp {
    int col;         // left column
    int row;         // top row of the roof
    int width;       // in tiles, at least 3
    int roofRows;    // 1 to 3
    int doorOffset;  // the door's column, counted from `col`
    RoofStyle roof;
};

// Roof rows on "Batiment roof", two wall rows on "Buildings", the door in the lower wall row and its frame
// top on "Up". The walls block, the roof's lowest row blocks on its lower half (the hero can walk behind
// a house, hidden by the roof), and the door blocks on its upper half. When `door` is not empty a trigger
// of that name covers the door's lower half, where a hero coming up the doorstep walks into it.
void StampHouse(MapDraft& map, const HouseStamp& house, const std::string& door);

// The companion's cabin in the forest: one roof row and two wall rows, three tiles wide, door in the
// middle. Its trigger (non-blocking, handled by the story) covers the doorway's lower half, which is
// left walkable so the hero can stand in it.
void StampCabin(MapDraft& map, int col, int row, const std::string& door);

// A room filling the whole map: two rows of ceiling, two rows of wall face (windows and shelves where
// `wallFace` says 'w' or 's'), side walls, and a bottom wall with the doorway at `doorCol`. The walls are
// ground tiles, so furniture set against them on "Details" shows in front.
void StampRoom(MapDraft& map, const std::string& wallFace, int doorCol);

// One piece of furniture on "Details"; it blocks unless `walkable`.
void Furnish(MapDraft& map, int col, int row, AtlasTile tile, bool walkable = false);
