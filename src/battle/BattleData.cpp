#include "battle/BattleData.h"

void FillPouchForNewGame() {
    gSession.pouch.slots[0] = {ITEM_HP_POTION, 0};
    gSession.pouch.slots[1] = {ITEM_MANA_POTION, 0};
}

void EmptyPouch() {
    gSession.pouch.slots[0] = {ITEM_NONE, 0};
    gSession.pouch.slots[1] = {ITEM_NONE, 0};
}

// The roster, enemy kinds and battle files come with the battle's own work.
void LoadEnemyTemplates() {}
void LoadPartyRoster() {}
void ReleaseCombatantData() {}
void StartBattle(const char*) {}
