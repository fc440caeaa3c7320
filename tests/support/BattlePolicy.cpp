#include "support/BattlePolicy.h"

#include <algorithm>
#include <vector>

#include "battle/BattleState.h"
#include "support/BattleScenes.h"
#include "world/GameSession.h"

namespace {

std::vector<uint32_t> Living(const std::vector<Combatant>& side) {
    std::vector<uint32_t> living;
    for (uint32_t i = 0; i < side.size(); ++i)
        if (side[i].state != STATE_DEAD) living.push_back(i);
    return living;
}

uint32_t Weakest(const std::vector<Combatant>& side) {
    const std::vector<uint32_t> living = Living(side);
    return *std::min_element(living.begin(), living.end(),
                             [&](uint32_t a, uint32_t b) { return side[a].hp < side[b].hp; });
}

uint32_t MostHurt(const std::vector<Combatant>& side) {
    const std::vector<uint32_t> living = Living(side);
    return *std::min_element(living.begin(), living.end(), [&](uint32_t a, uint32_t b) {
        return side[a].hp * side[b].maxHp < side[b].hp * side[a].maxHp;
    });
}

bool Low(const Combatant& member, int percent) {
    return member.hp * 100 < member.maxHp * percent;
}

int PouchSlotOf(int32_t itemId) {
    for (int slot = 0; slot < 2; ++slot)
        if (gSession.pouch.slots[slot].itemId == itemId && gSession.pouch.slots[slot].count > 0) return slot;
    return -1;
}

// A healing potion for whoever is badly hurt; a mana potion for the mage who ran dry.
bool TryPotion(GameHarness& game) {
    const uint32_t hurt = MostHurt(gBattle.party);
    const int hpSlot = PouchSlotOf(ITEM_HP_POTION);
    if (Low(gBattle.party[hurt], 40) && hpSlot >= 0) {
        ChoosePotion(game, static_cast<unsigned>(hpSlot), hurt);
        return true;
    }
    const Combatant& member = gBattle.party[gBattle.commandingMember];
    const int manaSlot = PouchSlotOf(ITEM_MANA_POTION);
    if (member.id == 2 && member.mana < 100 && manaSlot >= 0) {
        ChoosePotion(game, static_cast<unsigned>(manaSlot), gBattle.commandingMember);
        return true;
    }
    return false;
}

void CommandPell(GameHarness& game, const Combatant& pell) {
    const uint32_t weakest = Weakest(gBattle.enemies);
    if (Living(gBattle.enemies).size() >= 2 && pell.mana >= 50) {
        ChooseSkill(game, 1, {});
    } else if (pell.mana >= 25) {
        ChooseSkill(game, 0, {weakest, weakest});
    } else {
        ChooseAttack(game, weakest);
    }
}

void CommandSpriti(GameHarness& game, const Combatant& spriti) {
    const std::vector<uint32_t> fallen = [] {
        std::vector<uint32_t> dead;
        for (uint32_t i = 0; i < gBattle.party.size(); ++i)
            if (gBattle.party[i].state == STATE_DEAD) dead.push_back(i);
        return dead;
    }();
    int low = 0;
    for (const Combatant& member : gBattle.party)
        low += member.state != STATE_DEAD && Low(member, 60) ? 1 : 0;
    if (!fallen.empty() && spriti.mana >= 150) {
        ChooseSkill(game, 2, {fallen[0]});
    } else if (low >= 2 && spriti.mana >= 100) {
        ChooseSkill(game, 1, {});
    } else if (Low(gBattle.party[MostHurt(gBattle.party)], 60) && spriti.mana >= 50) {
        ChooseSkill(game, 0, {MostHurt(gBattle.party)});
    } else {
        ChooseAttack(game, Weakest(gBattle.enemies));
    }
}

void CommandGroto(GameHarness& game, const Combatant& groto) {
    std::vector<uint32_t> living = Living(gBattle.enemies);
    std::sort(living.begin(), living.end(),
              [](uint32_t a, uint32_t b) { return gBattle.enemies[a].hp < gBattle.enemies[b].hp; });
    if (groto.mana >= 150 && living.size() >= 2) {
        ChooseSkill(game, 1, {living[0], living[1]});  // the two weakest: a Knight falls to each bolt
    } else if (groto.mana >= 100) {
        const uint32_t strongest = *std::max_element(
            living.begin(), living.end(),
            [](uint32_t a, uint32_t b) { return gBattle.enemies[a].hp < gBattle.enemies[b].hp; });
        ChooseSkill(game, 0, {strongest});
    } else {
        ChooseAttack(game, Weakest(gBattle.enemies));
    }
}

}  // namespace

void CommandLikeAPlayer(GameHarness& game) {
    if (TryPotion(game)) return;
    const Combatant& member = gBattle.party[gBattle.commandingMember];
    if (member.id == 0) CommandPell(game, member);
    if (member.id == 1) CommandSpriti(game, member);
    if (member.id == 2) CommandGroto(game, member);
}
