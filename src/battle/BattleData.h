#pragma once
// Starting a battle from the file an enemy names, the background of each map, and the potion pouch.

#include <string>

#include "world/GameSession.h"

#include "world/MapLook.h"

// path: the battle file's path without its extension; the party, pouch and gold are the session's, the
// background and the ground the map's. Called when the battle screen is shown.
void StartBattle(GameSession& session, const MapLook& look, const char* path);
