#pragma once
// The people and items of the map the hero is on, and loading a map together with them.

#include "content/Items.h"
#include "content/Npcs.h"

struct MapContent {
    NpcList npcList;
    MapItemList mapItemList;
};

extern MapContent gMapContent;

// Loads the map named by the current map name and fills the two lists from the save (or, on a first
// visit, from the map's content list). Returns false, with a message naming the map and the reason,
// when the map cannot be walked on.
bool LoadMap(NpcList& npcs, MapItemList& items);
// Lets the map's people and items go.
void ReleaseMapContent();
