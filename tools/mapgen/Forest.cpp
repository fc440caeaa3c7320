// The dark forest: a winding way past the lake, five fences across the paths and two fires before
// Spriti's cabin. The fences and fires are drawn and made solid by the forest puzzle, so their tiles
// stay open ground here.

#include "Maps.h"
#include "Stamps.h"
#include "Terrain.h"

namespace {

// clang-format off
const std::vector<std::string> FOREST_PLAN = {
    "TTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTT",
    "TTTTTTTTTTTTTTTTTTTTTTTTTTTTTT4m.....PTT",
    "TTTTTTTTTTTTTTTTTTTTTTTTTTTTP.....F.TTTT",
    "TTTTTTTTTTTTTTT#######TTTTTTTTTT#TTTTTTT",
    "TTTTTTTTTTTTT#########TTTTTTTTTT#TTTTTTT",
    "TTTTTTTTTTTTT##TTTTTT#TT##########TTTTTT",
    "TTTTTTTTTTTTT##TTTTTT#TT##########TTTTTT",
    "TTTTTTTTTTTT##TTTTTTT#TT#TTTTTTT#TTTTTTT",
    "TTTTTTTTTTTT##TTTTTTT#TT#TTTTTTT#TTTTTTT",
    "TTT.T....T..##TTTT.P......TTTTTT#TTTTTTT",
    "TTT.~~~~~~..##TTTT.r..m..3.TTTTT#TTTTTTT",
    "TP.~e~~~~~~.##TTTT..F......TTTTT#TTTTTTT",
    "T.1~~~~~~e~##TTTTTTT.L...P.T......TTTTTT",
    "T..~~~j~~~~##TTTTTTTTTT#TTTT......qTTTTT",
    "T...~~j~~~.##TTTTTTTTTT#TTTTq.....TPTTTT",
    "T..........##TTTTTTTTTT#TTTT......TTTTTT",
    "T.F..r..3.m##TTTTTTTTTT#T..g..#....TTTTT",
    "############.TTTTTTTTTT#TP....#..g.2.TTT",
    "############.TTTTTTTTTT##..F..#....m.TTT",
    "T........2.P.TTTTTTTTTTTT.m..1#..F..PTTT",
    "T..m...LF..TTTTTTTTTTTTTTTT...#####..TTT",
    "TTTTT......TTTTTTTTTTTTTTTTTTTTTTTTTTTTT",
    "TTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTT",
    "TTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTT",
};
// clang-format on

}  // namespace

MapDraft BuildForest() {
    MapDraft map = NewMapDraft("ForestNight", 40, 24, ATLAS_NIGHT);
    PaintPlan(map, FOREST_PLAN, THEME_FOREST);
    StampCabin(map, 29, 13, "HOUSE_ENTER_SPRITI");
    AddTrigger(map, "MAP", 0, 17, 0.5f, 2);
    AddTrigger(map, "PECHE_POST_3", 6, 13, 1, 1);
    // One entrance point serves both bridges: its name holds "Bridge" and "BridgeNight".
    AddPoint(map, "BridgeNight", 2.5f, 17.5f);
    AddPoint(map, "ForestNight", 5.5f, 17.5f);
    AddPoint(map, "HOUSE_ENTER_SPRITI", 30.5f, 19.25f);
    AddPoint(map, "BULLES", 7.5f, 12.5f);
    SetProperty(map, "displayName", "The night forest");
    SetProperty(map, "smoke", true);
    SetProperty(map, "burntTrees", true);
    SetProperty(map, "grass", true);
    SetProperty(map, "torch", true);
    SetProperty(map, "darkness", true);
    SetProperty(map, "battleBackground", "Background_Village_Night.png");
    SetProperty(map, "worldMapMarker", 1);
    return map;
}
