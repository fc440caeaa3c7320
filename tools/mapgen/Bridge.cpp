// The river crossing, by day and at night (the boss's lair).

#include "Maps.h"
#include "Stamps.h"
#include "Terrain.h"

namespace {

// clang-format off
const std::vector<std::string> BRIDGE_PLAN = {
    "TTTTTTTTTTTTTTTTTT~~~~TTTTTTTTTTTTTTTTTT",
    "TTTTTTTTTTTTTTTTTT~~~~TTTTTTTTTTTTTTTTTT",
    "TTTT......P.......~~~~........CCCCTTTTTT",
    ".....P..........SS~~e~..B.....CCCCTTTTTT",
    "......i.....2...SS~~~~...P....y.........",
    "....y...........SS~~~R.............y.s..",
    ".......1.......rSS~~~~.....#############",
    ".........B........R~~R....i#############",
    "...s..............~~~~.....##....r......",
    "#################[====]######.....L.....",
    "#################[====]######..2........",
    "........y.....#...~~~R..................",
    "......B...u...#.SS~~~~SS...y.....P..3...",
    "...3.........y#.SS~~~~SS.1..............",
    "..............####jj~~SS......B.i.......",
    "........P..4......~~~~SSy.........TTTTTT",
    "TTTTTT..........i.Re~~SS..P..4....TTTTTT",
    "TTTTTT............~~~~............TTTTTT",
    "TTTTTTTTTTTTTTTTTT~~~~TTTTTTTTTTTTTTTTTT",
    "TTTTTTTTTTTTTTTTTT~~~~TTTTTTTTTTTTTTTTTT",
};
// clang-format on

MapDraft BridgeLayout(const std::string& name, AtlasVariant variant) {
    MapDraft map = NewMapDraft(name, 40, 20, variant);
    PaintPlan(map, BRIDGE_PLAN, THEME_MEADOW);
    // The south rail keeps the hero's feet on the deck.
    AddCollision(map, DraftRect{18.0f * MAP_TILE, 11.0f * MAP_TILE - 12, 4.0f * MAP_TILE, 12});
    // The west road leads back to the village.
    AddTrigger(map, "MAP", 0, 9, 0.5f, 2);
    return map;
}

}  // namespace

MapDraft BuildBridge() {
    MapDraft map = BridgeLayout("Bridge", ATLAS_DAY);
    // The east road climbs on towards the forest.
    AddTrigger(map, "MAP", 39.5f, 6, 0.5f, 2);
    AddTrigger(map, "PECHE_POST_2", 19, 14, 1, 1);
    AddPoint(map, "Bridge", 14.5f, 9.5f);
    AddPoint(map, "GoblinVillage", 2.5f, 9.5f);
    AddPoint(map, "ForestNight", 36.5f, 6.5f);
    AddPoint(map, "BULLES", 20.5f, 15.25f);
    SetProperty(map, "displayName", "The bridge");
    SetProperty(map, "clouds", true);
    SetProperty(map, "grass", true);
    SetProperty(map, "battleBackground", "Background_Bridge_Day.png");
    SetProperty(map, "worldMapMarker", 2);
    // After the burning village, the bridge lies in the night.
    SetProperty(map, "arrivals", "GoblinVillageBurn>BridgeNight");
    return map;
}

MapDraft BuildBridgeAtNight() {
    MapDraft map = BridgeLayout("BridgeNight", ATLAS_NIGHT);
    // The boss's men have barred the forest road.
    Furnish(map, 35, 6, TILE_CRATES);
    Furnish(map, 35, 7, TILE_BARREL);
    Furnish(map, 36, 6, TILE_BARREL);
    Furnish(map, 36, 7, TILE_CRATES);
    AddPoint(map, "BridgeNight", 14.5f, 9.5f);
    AddPoint(map, "GoblinVillageBurn", 2.5f, 9.5f);
    SetProperty(map, "displayName", "The bridge at night");
    SetProperty(map, "clouds", true);
    SetProperty(map, "smoke", true);
    SetProperty(map, "burntTrees", true);
    SetProperty(map, "grass", true);
    SetProperty(map, "torch", true);
    SetProperty(map, "battleBackground", "Background_Bridge_Night.png");
    SetProperty(map, "battleGroundDrop", 100);  // the boss's bridge: everybody stands lower
    SetProperty(map, "worldMapMarker", 2);
    return map;
}
