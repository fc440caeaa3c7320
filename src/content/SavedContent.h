#pragma once
// What the save remembers of the maps' content and of the game: which NPCs and items of each visited map
// are still there, and the session of a continued game.

#include "content/MapScene.h"
#include "world/GameSession.h"

// A map seen for the first time: its whole content list is built and its section added to save.txt.
void AppendMapSection(MapScene& scene, GameSession& session);
// A map seen before: only the NPCs and items its section marks as present are built.
void RestoreMapContent(MapScene& scene, GameSession& session);
// Rewrites save.txt for the map named by the session's previous map name, with the scene's people and
// items. False when nothing was written (the save could not be read, the map's content list is missing,
// the disk refused it).
bool SaveMapState(const MapScene& scene, GameSession& session);

// Reads the slot's map, gold, inventory and progress into the session, from save.txt or, when that is
// not sound, from its backup, which then takes its place. Items the game no longer knows are left out.
// Returns false, with a message, when neither can be used.
bool LoadSavedGame(GameSession& session);
