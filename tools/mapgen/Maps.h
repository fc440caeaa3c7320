#pragma once
// The eight maps of the game, each built from its description.

#include <vector>

#include "MapDraft.h"

MapDraft BuildHeroHouse();       // HOUSE_ENTER_1
MapDraft BuildBurningHouse();    // HOUSE_BURN_1
MapDraft BuildSpritiCabin();     // HOUSE_ENTER_SPRITI
MapDraft BuildVillage();         // GoblinVillage
MapDraft BuildBurningVillage();  // GoblinVillageBurn
MapDraft BuildBridge();          // Bridge
MapDraft BuildBridgeAtNight();   // BridgeNight
MapDraft BuildForest();          // ForestNight

std::vector<MapDraft> BuildAllMaps();
