#pragma once
// Starting a battle from the file an enemy names, the background of each map, and the potion pouch.

#include <string>

#include "world/GameSession.h"

// Entering the game: HP and Mana potions, none of either yet, unless the save continued brought its
// pouch back. Leaving it: both slots empty.
void FillPouchForNewGame();
void EmptyPouch();
// One potion of the slot holding itemId used; slots left empty close up, the later moving first.
void ConsumePotion(int32_t itemId);
// True when some pouch slot holds a count.
bool PouchHasPotions();

// The battle background of a map, by its exact name.
const char* BattleBackgroundPath(const char* mapName);

// path: the battle file's path without its extension. Called right after the battle screen is shown.
void StartBattle(const char* path);
