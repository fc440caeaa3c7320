// The goblin village by day, and the same village burning at night.

#include "Maps.h"
#include "Stamps.h"
#include "Terrain.h"

namespace {

// Houses stand on plain ground in the plan and are stamped over it; their doorsteps ('d') are in it.
// clang-format off
const std::vector<std::string> VILLAGE_PLAN = {
    "TTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTT",
    "TTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTT",
    "TTTTP...P...P....P...P.......P.....P..TT",
    "TTTT.y.....1.........B................TT",
    "TT.................B.................PTT",
    "TTP...................................TT",
    "TT.p.....W............................TT",
    "TT.b..........d...y.......d..........PTT",
    "TT....d.......#.......2...#...........TT",
    "TTP...#..ffff.#y....i.....#.y...d..bc.TT",
    "TT....#.Bfyyf.#...........#.....#.....TT",
    "TT....#..fiyf.#..ooooooo..#..kK.#...1.TT",
    "TT.B..#i.ffff.#..ooowooo..#.....#y....TT",
    "TT....#.......#.looooooo..#...B.#...s.TT",
    "TT.##############ooooooo################",
    "TT.##############ooooooo################",
    "TT......y.#......oooooool...#..i.r....TT",
    "TT.3......#......ooooooo...3#.....ffffTT",
    "TTP.......#xX....ooooooo....#.y...fh.fTT",
    "TT........#......#.......h..#.....f..fTT",
    "TT..c....b#......#.....y....#.....f.hfTT",
    "TT........#.B..~~j~~~.......#.....ffffTT",
    "TTP...d...#...~~~j~~~R..B...#.........TT",
    "TT....#####...R~~~~~~~......#.........TT",
    "TT..........i.~~~~~~e~...4..#..d.....PTT",
    "TTP.y...r......~~~~~~.......####...4..TT",
    "TT.........2...~~~~~~..r..............TT",
    "TTTTTTT...................i......TTTTTTT",
    "TTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTT",
    "TTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTT",
};
// clang-format on

constexpr HouseStamp HERO_HOUSE = {4, 4, 5, 2, 2, ROOF_TILED};
constexpr HouseStamp OTHER_HOUSES[] = {
    {13, 4, 4, 1, 1, ROOF_THATCH},  // north hut
    {24, 3, 4, 2, 2, ROOF_THATCH},  // hut by the well path
    {30, 5, 5, 2, 2, ROOF_TILED},   // the merchant's house, stall in front
    {5, 19, 4, 1, 1, ROOF_THATCH},  // hut by the west field
    {29, 20, 5, 2, 2, ROOF_TILED},  // hut behind the pen
};

MapDraft VillageLayout(const std::string& name, AtlasVariant variant, const std::string& heroDoor) {
    MapDraft map = NewMapDraft(name, 40, 30, variant);
    PaintPlan(map, VILLAGE_PLAN, THEME_MEADOW);
    StampHouse(map, HERO_HOUSE, heroDoor);
    for (const HouseStamp& house : OTHER_HOUSES)
        StampHouse(map, house, "");
    // The road out runs off the east edge towards the bridge.
    AddTrigger(map, "MAP", 39.5f, 14, 0.5f, 2);
    return map;
}

}  // namespace

MapDraft BuildVillage() {
    MapDraft map = VillageLayout("GoblinVillage", ATLAS_DAY, "HOUSE_ENTER_1");
    AddTrigger(map, "PECHE_POST_1", 17, 22, 1, 1);
    AddPoint(map, "GoblinVillage", 20.5f, 16);
    AddPoint(map, "HOUSE_ENTER_1", 6.5f, 8.75f);
    AddPoint(map, "Bridge", 36.5f, 14.5f);
    AddPoint(map, "BULLES", 18.5f, 23.25f);
    SetProperty(map, "displayName", "The goblin village");
    SetProperty(map, "clouds", true);
    SetProperty(map, "grass", true);
    SetProperty(map, "worldMapMarker", 0);
    // The village burns once the night has fallen on the way back to it.
    SetProperty(map, "arrivals", "BridgeNight>GoblinVillageBurn,ForestNight>GoblinVillageBurn");
    return map;
}

MapDraft BuildBurningVillage() {
    MapDraft map = VillageLayout("GoblinVillageBurn", ATLAS_BURN, "");
    // The hero's door is shut this night: the way out of the burning house is the fallen wall.
    const int doorCol = HERO_HOUSE.col + HERO_HOUSE.doorOffset;
    const int doorRow = HERO_HOUSE.row + HERO_HOUSE.roofRows + 1;
    AddCollision(
        map, DraftRect{float(doorCol * MAP_TILE), (doorRow + 0.5f) * MAP_TILE, MAP_TILE, MAP_TILE / 2.0f});
    AddPoint(map, "GoblinVillageBurn", 20.5f, 16);
    AddPoint(map, "HOUSE_BURN_1", 7.5f, 9.25f);
    AddPoint(map, "BridgeNight", 36.5f, 14.5f);
    constexpr float FIRES[][2] = {{6.5f, 5.9f},  {15.5f, 6.9f},  {25.5f, 6.9f}, {33.5f, 8.9f},
                                  {7.5f, 21.9f}, {30.5f, 23.9f}, {12.5f, 3.8f}, {36.5f, 18.9f}};
    for (const auto& fire : FIRES)
        AddPoint(map, "FIRE", fire[0], fire[1]);
    SetProperty(map, "displayName", "The burning village");
    SetProperty(map, "clouds", true);
    SetProperty(map, "smoke", true);
    SetProperty(map, "burntTrees", true);
    SetProperty(map, "grass", true);
    SetProperty(map, "torch", true);
    SetProperty(map, "battleBackground", "Background_Village_Night.png");
    SetProperty(map, "worldMapMarker", 0);
    return map;
}
