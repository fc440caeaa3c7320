#include "battle/BattleData.h"


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

void LoadBackground(const MapLook& look) {
    LoadPicture(gBattle.backgroundTexture, "Assets/Sprites/Battle/BattleHUD/" + look.battleBackground);
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
    const uint32_t size = gBattle.session != nullptr ? gBattle.session->PartySize() : 1;
    return size < ROSTER_SIZE ? size : ROSTER_SIZE;
}

void StartBattle(GameSession& session, const MapLook& look, const char* path) {
    gBattle = Battle{};
    gBattle.started = true;
    gBattle.session = &session;
    gBattle.groundDrop = static_cast<float>(look.battleGroundDrop);
    std::string fault;
    const std::optional<BattleFile> file = ReadBattleFile(path, fault);
    LoadBackground(look);
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
