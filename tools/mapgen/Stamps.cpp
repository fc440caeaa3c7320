#include "Stamps.h"

namespace {

constexpr float T = float(MAP_TILE);

AtlasTile RoofTile(RoofStyle style, int roofRow, int roofRows, int offset, int width) {
    const int side = offset == 0 ? 0 : (offset == width - 1 ? 2 : 1);
    if (style == ROOF_THATCH) return AtlasTile(TILE_ROOF_THATCH_L + side);
    if (roofRow == 0 && roofRows > 1) return AtlasTile(TILE_ROOF_RIDGE_L + side);
    if (roofRow == roofRows - 1) return AtlasTile(TILE_ROOF_EAVE_L + side);
    return AtlasTile(TILE_ROOF_MID_L + side);
}

AtlasTile WallTile(int wallRow, int offset, int width, int doorOffset) {
    if (offset == 0) return TILE_WALL_LEFT;
    if (offset == width - 1) return TILE_WALL_RIGHT;
    if (wallRow == 1 && offset == doorOffset) return TILE_WALL_DOOR;
    if (wallRow == 0 && offset != doorOffset && offset % 2 == 1) return TILE_WALL_WINDOW;
    return wallRow == 1 ? TILE_WALL_STONE_BASE : TILE_WALL_MID;
}

}  // namespace

void StampHouse(MapDraft& map, const HouseStamp& house, const std::string& door) {
    const int wallTop = house.row + house.roofRows;
    for (int offset = 0; offset < house.width; ++offset) {
        const int col = house.col + offset;
        for (int r = 0; r < house.roofRows; ++r) {
            SetTile(map, LAYER_ROOF, col, house.row + r,
                    RoofTile(house.roof, r, house.roofRows, offset, house.width));
        }
        for (int r = 0; r < 2; ++r) {
            SetTile(map, LAYER_BUILDINGS, col, wallTop + r,
                    WallTile(r, offset, house.width, house.doorOffset));
            SetSolid(map, col, wallTop + r, offset != house.doorOffset || r == 0);
        }
    }
    AddCollision(map, DraftRect{house.col * T, (wallTop - 0.5f) * T, house.width * T, 0.5f * T});
    const int doorCol = house.col + house.doorOffset;
    AddCollision(map, DraftRect{doorCol * T, (wallTop + 1) * T, T, 0.5f * T});
    SetTile(map, LAYER_UP, doorCol, wallTop, TILE_DOOR_FRAME_TOP);
    if (house.roof == ROOF_TILED)
        SetTile(map, LAYER_UP, house.col + house.width - 2, house.row, TILE_CHIMNEY);
    if (!door.empty()) AddTrigger(map, door, float(doorCol), wallTop + 1.5f, 1, 0.5f);
}

void StampCabin(MapDraft& map, int col, int row, const std::string& door) {
    for (int offset = 0; offset < 3; ++offset) {
        SetTile(map, LAYER_ROOF, col + offset, row, AtlasTile(TILE_CABIN_ROOF_L + offset));
        SetTile(map, LAYER_BUILDINGS, col + offset, row + 1, AtlasTile(TILE_CABIN_WALL_L + offset));
        SetSolid(map, col + offset, row + 1, true);
        SetTile(map, LAYER_BUILDINGS, col + offset, row + 2,
                offset == 1 ? TILE_CABIN_DOOR : AtlasTile(TILE_CABIN_WALL_L + offset));
        SetSolid(map, col + offset, row + 2, offset != 1);
    }
    AddCollision(map, DraftRect{col * T, (row + 0.5f) * T, 3 * T, 0.5f * T});
    AddCollision(map, DraftRect{(col + 1) * T, (row + 2) * T, T, 0.5f * T});
    SetTile(map, LAYER_UP, col + 1, row + 1, TILE_DOOR_FRAME_TOP);
    AddTrigger(map, door, col + 1.125f, row + 2.5f, 0.75f, 0.5f);
}

void StampRoom(MapDraft& map, const std::string& wallFace, int doorCol) {
    const int w = map.width, h = map.height;
    for (int row = 0; row < h; ++row) {
        for (int col = 0; col < w; ++col) {
            const bool floor = row >= 4 && row < h - 1 && col > 0 && col < w - 1;
            SetTile(map, LAYER_GROUND, col, row,
                    (col + row) % 5 == 0 ? TILE_FLOOR_WOOD_2 : TILE_FLOOR_WOOD_1);
            SetSolid(map, col, row, !floor);
            if (floor) continue;
            AtlasTile wall = TILE_INNER_WALL_TOP;
            if (row == h - 1) {
                wall = TILE_INNER_WALL_BOTTOM;
            } else if (col == 0 && row >= 2) {
                wall = TILE_INNER_WALL_LEFT;
            } else if (col == w - 1 && row >= 2) {
                wall = TILE_INNER_WALL_RIGHT;
            } else if (row >= 2) {
                const char face = row == 2 && col < int(wallFace.size()) ? wallFace[col] : '-';
                wall = face == 'w'   ? TILE_INNER_WALL_WINDOW
                       : face == 's' ? TILE_INNER_WALL_SHELF
                                     : TILE_INNER_WALL;
            }
            SetTile(map, LAYER_GROUND, col, row, wall);
        }
    }
    SetTile(map, LAYER_GROUND, doorCol, h - 1, TILE_DOORWAY);
    SetSolid(map, doorCol, h - 1, false);
}

void Furnish(MapDraft& map, int col, int row, AtlasTile tile, bool walkable) {
    SetTile(map, LAYER_DETAILS, col, row, tile);
    if (!walkable) SetSolid(map, col, row, true);
}
