#include "Maps.h"

std::vector<MapDraft> BuildAllMaps() {
    return {BuildHeroHouse(),   BuildVillage(),      BuildBridge(),         BuildForest(),
            BuildSpritiCabin(), BuildBurningHouse(), BuildBurningVillage(), BuildBridgeAtNight()};
}
