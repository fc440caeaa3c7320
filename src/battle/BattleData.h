#pragma once
// Battle data shared with the rest of the game: the potion pouch, the party, the enemy kinds.

#include <cstdint>

enum ItemId : int32_t { ITEM_HP_POTION = 12, ITEM_MANA_POTION = 13, ITEM_NONE = 14 };

struct PouchSlot {
    int32_t itemId = ITEM_NONE;
    uint16_t count = 0;
};

// The two potion slots of the battle inventory.
struct ItemPouch {
    PouchSlot slots[2];
};

extern ItemPouch gItemPouch;

// Entering the game: HP and Mana potions, none of either yet. Leaving it: both slots empty.
void FillPouchForNewGame();
void EmptyPouch();

void LoadEnemyTemplates();
void LoadPartyRoster();
void ReleaseCombatantData();
// path: the battle file's path without its extension.
void StartBattle(const char* path);
