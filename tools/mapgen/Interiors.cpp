// The two houses: the hero's home (by day and on fire) and Spriti's cabin.

#include "Maps.h"
#include "Stamps.h"

namespace {

constexpr int HOME_DOOR_COL = 7;

// The hero's home: bed in the west corner, table by the hearth, bathtub in the east corner, and the
// floor around tile (10, 5) kept clear, where the fire in the night story is fought.
MapDraft HomeLayout(const std::string& name, AtlasVariant variant) {
    MapDraft map = NewMapDraft(name, 16, 10, variant);
    StampRoom(map, "-w--s---w----sw-", HOME_DOOR_COL);
    Furnish(map, 1, 4, TILE_BED_HEAD);
    Furnish(map, 1, 5, TILE_BED_FOOT);
    Furnish(map, 3, 3, TILE_BOOKSHELF);
    Furnish(map, 5, 3, TILE_FIREPLACE);
    Furnish(map, 8, 3, TILE_CUPBOARD);
    Furnish(map, 12, 3, TILE_POTS);
    Furnish(map, 5, 6, TILE_CHAIR);
    Furnish(map, 6, 6, TILE_TABLE);
    Furnish(map, 7, 6, TILE_STOOL);
    Furnish(map, 13, 4, TILE_BATHTUB_L);
    Furnish(map, 14, 4, TILE_BATHTUB_R);
    Furnish(map, 14, 6, TILE_PLANT);
    Furnish(map, 14, 8, TILE_CHEST);
    Furnish(map, 1, 8, TILE_LAMP);
    Furnish(map, 2, 4, TILE_STOOL);
    for (int col = 6; col <= 8; ++col) {
        Furnish(map, col, 8, AtlasTile(TILE_RUG_L + col - 6), true);
    }
    return map;
}

}  // namespace

MapDraft BuildHeroHouse() {
    MapDraft map = HomeLayout("HOUSE_ENTER_1", ATLAS_DAY);
    AddTrigger(map, "GoblinVillage", HOME_DOOR_COL, 9.5f, 1, 0.5f);
    // The bed trigger reaches a little past the bed, where the hero stands to lie down.
    AddTrigger(map, "Bed", 1, 4, 1.375f, 2.375f);
    AddPoint(map, "HOUSE_ENTER_1", 3.5f, 5);
    AddPoint(map, "GoblinVillage", HOME_DOOR_COL + 0.5f, 7.5f);
    AddPoint(map, "BridgeNight", HOME_DOOR_COL + 1.5f, 7.25f);
    SetProperty(map, "displayName", "Pell's house");
    return map;
}

MapDraft BuildBurningHouse() {
    MapDraft map = HomeLayout("HOUSE_BURN_1", ATLAS_BURN);
    // The wall at (10, 3) falls when pulled; its lower half is the gap the hero leaves by. The door is
    // blocked by fire all night.
    SetTile(map, LAYER_GROUND, 10, 3, TILE_WALL_CRACK);
    SetSolid(map, 10, 3, false);
    AddCollision(map, DraftRect{10.0f * MAP_TILE, 3.0f * MAP_TILE, MAP_TILE, MAP_TILE / 2.0f});
    SetSolid(map, HOME_DOOR_COL, 9, true);
    AddTrigger(map, "EXIT", 10, 3.5f, 1, 0.5f);
    AddPoint(map, "HOUSE_BURN_1", 5.5f, 7.25f);
    AddPoint(map, "HOUSE_ENTER_1", 3.5f, 5);
    AddPoint(map, "FIRE", HOME_DOOR_COL + 0.5f, 9.6f);
    AddPoint(map, "FIRE", 14.5f, 7.6f);
    AddPoint(map, "FIRE", 8.5f, 4.4f);
    AddPoint(map, "FIRE", 2.5f, 8.6f);
    SetProperty(map, "displayName", "The burning house");
    SetProperty(map, "burntTrees", true);
    return map;
}

MapDraft BuildSpritiCabin() {
    MapDraft map = NewMapDraft("HOUSE_ENTER_SPRITI", 14, 10, ATLAS_DAY);
    constexpr int DOOR_COL = 6;
    StampRoom(map, "-s--w---w--s--", DOOR_COL);
    Furnish(map, 2, 3, TILE_FIREPLACE);
    Furnish(map, 1, 3, TILE_BOOKSHELF);
    Furnish(map, 9, 3, TILE_WORKBENCH);
    Furnish(map, 10, 3, TILE_CUPBOARD);
    Furnish(map, 12, 4, TILE_BED_HEAD);
    Furnish(map, 12, 5, TILE_BED_FOOT);
    Furnish(map, 3, 5, TILE_CAULDRON);
    Furnish(map, 1, 4, TILE_POTS);
    Furnish(map, 6, 5, TILE_TABLE);
    Furnish(map, 5, 5, TILE_STOOL);
    Furnish(map, 12, 8, TILE_PLANT);
    Furnish(map, 1, 8, TILE_LAMP);
    Furnish(map, 10, 8, TILE_CHEST);
    for (int col = 5; col <= 7; ++col) {
        Furnish(map, col, 8, AtlasTile(TILE_RUG_L + col - 5), true);
    }
    AddTrigger(map, "ForestNight", DOOR_COL, 9.5f, 1, 0.5f);
    AddPoint(map, "ForestNight", DOOR_COL + 0.5f, 7.5f);
    AddPoint(map, "HOUSE_ENTER_SPRITI", 8.5f, 6.25f);
    SetProperty(map, "displayName", "Spriti's cabin");
    return map;
}
