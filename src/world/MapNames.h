#pragma once
// What a map's name says about it. Map variants are told apart by parts of their names; every question
// the game asks of a name is answered here, so the rules cannot drift apart.

// GoblinVillage and Bridge, by day or at night: the outdoor maps with drifting clouds.
bool MapHasClouds(const char* mapName);
// At night and in the burning village the clouds are dark smoke.
bool MapHasSmoke(const char* mapName);
// Trees are drawn burnt on the night and burning maps ("BURN", "Burn" or "Night" anywhere).
bool MapHasBurntTrees(const char* mapName);
// The hero walks on grass, not stone, in the village, on the bridge and in the forest.
bool MapHasGrass(const char* mapName);
// The hero carries a torch in the forest, the burning village and on the bridge at night: "Forest",
// "Burn", or "Night" right after an e.
bool MapNeedsTorch(const char* mapName);
// The day village itself, by exact name (the burning village is another map).
bool IsDayVillage(const char* mapName);

// The world map's marker for a map: 0 the village, 1 the night forest, 2 the bridge; 0 for any other.
int WorldMapLocationOf(const char* mapName);
// The map the world map's destination really opens, after the night has fallen on the way: the village
// burns once the hero comes from a night map, and the bridge lies in the night after the burning village.
// Returns the destination itself otherwise.
const char* WorldMapArrival(const char* destination, const char* comingFrom);
