#pragma once
// What the save remembers of the maps' content and of the carried items: which NPCs and items of each
// visited map are still there, and the inventory of a continued game.

#include "content/Items.h"
#include "content/Npcs.h"

// A map seen for the first time: its whole content list is built and its section added to save.txt.
void AppendMapSection(NpcList& npcs, MapItemList& items);
// A map seen before: only the NPCs and items its section marks as present are built.
void RestoreMapContent(NpcList& npcs, MapItemList& items);
// Rewrites save.txt for the map named by the previous map name. False when nothing was written (the save
// could not be read, the map's content list is missing, the disk refused it).
bool SaveMapState(const NpcList& npcs, const MapItemList& items);

// Reads the slot's map, gold and inventory into the session, from save.txt or, when that is not sound,
// from its backup, which then takes its place. Returns false, with a message, when neither can be used;
// the session is then left as it was.
bool LoadSavedGame();
