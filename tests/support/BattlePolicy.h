#pragma once
// A simple way to fight a player might follow, through the real menus: spread damage while there are
// several enemies, finish the weakest, heal whoever is low, raise the fallen, drink a potion when hurt.

#include "support/GameHarness.h"

// The commanding member's choice, made while the battle waits for the party's commands.
void CommandLikeAPlayer(GameHarness& game);
