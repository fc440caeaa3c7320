#include "battle/BattleData.h"

#include <cstring>

#include "battle/BattleFile.h"
#include "battle/BattleFlow.h"
#include "battle/BattleHud.h"
#include "battle/BattleLayout.h"
#include "battle/BattleState.h"
#include "battle/CommandMenus.h"
#include "core/Log.h"
#include "core/Pictures.h"

Battle gBattle;

namespace {

struct MapBackground {
    const char* mapName;
    const char* path;
};

const MapBackground BACKGROUNDS[] = {
    {"GoblinVillage", "Assets/Sprites/Battle/BattleHUD/Background_Village_Day.png"},
    {"Bridge", "Assets/Sprites/Battle/BattleHUD/Background_Bridge_Day.png"},
    {"GoblinVillageBurn", "Assets/Sprites/Battle/BattleHUD/Background_Village_Night.png"},
    {"BridgeNight", "Assets/Sprites/Battle/BattleHUD/Background_Bridge_Night.png"},
    {"ForestNight", "Assets/Sprites/Battle/BattleHUD/Background_Village_Night.png"},
};

void LoadBackground() {
    LoadPicture(gBattle.backgroundTexture, BattleBackgroundPath(gSession.currentMapName));
    gBattle.background = sf::Sprite(gBattle.backgroundTexture);
    gBattle.background.setPosition(0.0f, 0.0f);
}

// Fresh copies of the templates: full health and mana, ready, no effect, fresh target lists.
Combatant Fielded(const Combatant& model) {
    Combatant combatant = model;
    combatant.hp = combatant.maxHp;
    combatant.mana = combatant.maxMana;
    combatant.state = STATE_READY;
    combatant.effect.reset();
    combatant.effectActive = 0;
    combatant.pendingChange = 0;
    for (Action& slot : combatant.slots)
        slot = MakeAction(slot.id);
    return combatant;
}

void FieldCombatants(const BattleFile& file) {
    gBattle.enemyCount = file.enemyCount;
    gBattle.enemyKinds = file.enemyKinds;
    gBattle.moneyEarned = file.moneyEarned;
    for (int32_t kind : file.enemyKinds)
        gBattle.enemies.push_back(Fielded(gCombatants.enemyKinds[static_cast<size_t>(kind)]));
    for (uint32_t i = 0; i < BattlePartySize(); ++i)
        gBattle.party.push_back(Fielded(gCombatants.roster[i]));
    CreateCombatantSprites();
}

}  // namespace

uint32_t BattlePartySize() {
    return gSession.partySize < ROSTER_SIZE ? gSession.partySize : ROSTER_SIZE;
}

void FillPouchForNewGame() {
    const PouchSlot* slots = gSession.pouch.slots;
    const bool fromSave = slots[0].itemId != ITEM_NONE || slots[1].itemId != ITEM_NONE;
    if (fromSave) return;  // the potions bought before the save are the player's
    gSession.pouch.slots[0] = {ITEM_HP_POTION, 0};
    gSession.pouch.slots[1] = {ITEM_MANA_POTION, 0};
}

void EmptyPouch() {
    gSession.pouch.slots[0] = {ITEM_NONE, 0};
    gSession.pouch.slots[1] = {ITEM_NONE, 0};
}

void ConsumePotion(int32_t itemId) {
    PouchSlot* slots = gSession.pouch.slots;
    for (int i = 0; i < 2; ++i) {
        if (slots[i].itemId == itemId && slots[i].count > 0) {
            --slots[i].count;
            break;
        }
    }
    // Emptied slots close up: a removed potion kind has no slot until the pouch is filled anew.
    if (slots[0].count == 0) {
        slots[0] = slots[1];
        slots[1] = {ITEM_NONE, 0};
    }
    if (slots[1].count == 0) slots[1] = {ITEM_NONE, 0};
    if (slots[0].count == 0) slots[0] = {ITEM_NONE, 0};
}

bool PouchHasPotions() {
    return gSession.pouch.slots[0].count > 0 || gSession.pouch.slots[1].count > 0;
}

const char* BattleBackgroundPath(const char* mapName) {
    for (const MapBackground& entry : BACKGROUNDS)
        if (std::strcmp(mapName, entry.mapName) == 0) return entry.path;
    return BACKGROUNDS[0].path;
}

void StartBattle(const char* path) {
    gBattle = Battle{};
    gBattle.started = true;
    std::string fault;
    const std::optional<BattleFile> file = ReadBattleFile(path, fault);
    LoadBackground();
    CreateBattleHud();
    if (!file) {
        // Nothing to fight: the screen says why and the confirm key leads back to the map.
        LogDebug("Battle %s.txt cannot be fought: %s\n", path, fault.c_str());
        gBattle.fault = fault;
        ShowBattleFault();
        return;
    }
    FieldCombatants(*file);
    gBattle.running = true;
    RollTimeline();
    CreatePartyHud();
    CreateCommandMenu();
    gBattle.phase = PHASE_COMMAND;
    PlaceMenuCursor(0, PHASE_COMMAND);
    gBattle.targetsToChoose = 0;
}
