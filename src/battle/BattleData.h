#pragma once
// Battle data: the party, the enemy kinds, and the session's potion pouch as battles see it.

#include "world/GameSession.h"

// Entering the game: HP and Mana potions, none of either yet. Leaving it: both slots empty.
void FillPouchForNewGame();
void EmptyPouch();

void LoadEnemyTemplates();
void LoadPartyRoster();
void ReleaseCombatantData();
// path: the battle file's path without its extension.
void StartBattle(const char* path);
