#include "support/BattlePolicy.h"

#include <algorithm>
#include <string>

#include "core/Random.h"
#include "support/Scenes.h"

namespace {

std::vector<uint32_t> Living(const std::vector<Fighter>& side) {
    std::vector<uint32_t> living;
    for (uint32_t i = 0; i < side.size(); ++i)
        if (side[i].state != STATE_DEAD) living.push_back(i);
    return living;
}

std::vector<uint32_t> Fallen(const std::vector<Fighter>& side) {
    std::vector<uint32_t> fallen;
    for (uint32_t i = 0; i < side.size(); ++i)
        if (side[i].state == STATE_DEAD) fallen.push_back(i);
    return fallen;
}

uint32_t Weakest(const std::vector<Fighter>& side) {
    const std::vector<uint32_t> living = Living(side);
    return *std::min_element(living.begin(), living.end(),
                             [&](uint32_t a, uint32_t b) { return side[a].hp < side[b].hp; });
}

uint32_t MostHurt(const std::vector<Fighter>& side) {
    const std::vector<uint32_t> living = Living(side);
    return *std::min_element(living.begin(), living.end(), [&](uint32_t a, uint32_t b) {
        return side[a].hp * side[b].maxHp < side[b].hp * side[a].maxHp;
    });
}

bool Low(const Fighter& member, int percent) {
    return member.hp * 100 < member.maxHp * percent;
}

bool InPouch(const BattleRules& rules, int32_t itemId) {
    for (const PouchSlot& slot : rules.session->Pouch().slots)
        if (slot.itemId == itemId && slot.count > 0) return true;
    return false;
}

bool ChoosePotion(const BattleRules& rules, PartyChoice& choice) {
    const uint32_t hurt = MostHurt(rules.party);
    if (Low(rules.party[hurt], 40) && InPouch(rules, ITEM_HP_POTION)) {
        choice = {SKILL_HP_POTION, {hurt}};
        return true;
    }
    const Fighter& member = rules.party[rules.commandingMember];
    if (member.id == 2 && member.mana < 100 && InPouch(rules, ITEM_MANA_POTION)) {
        choice = {SKILL_MANA_POTION, {rules.commandingMember}};
        return true;
    }
    return false;
}

PartyChoice CommandPell(const BattleRules& rules, const Fighter& pell) {
    const uint32_t weakest = Weakest(rules.enemies);
    if (Living(rules.enemies).size() >= 2 && pell.mana >= 50) return {SKILL_ZONE_ATTACK, {}};
    if (pell.mana >= 25) return {SKILL_DOUBLE_ATTACK, {weakest, weakest}};
    return {SKILL_ATTACK, {weakest}};
}

PartyChoice CommandSpriti(const BattleRules& rules, const Fighter& spriti) {
    const std::vector<uint32_t> fallen = Fallen(rules.party);
    int low = 0;
    for (const Fighter& member : rules.party)
        low += member.state != STATE_DEAD && Low(member, 60) ? 1 : 0;
    if (!fallen.empty() && spriti.mana >= 150) return {SKILL_RESURRECTION, {fallen[0]}};
    if (low >= 2 && spriti.mana >= 100) return {SKILL_MEGA_HEAL, {}};
    const uint32_t hurt = MostHurt(rules.party);
    if (Low(rules.party[hurt], 60) && spriti.mana >= 50) return {SKILL_HEAL, {hurt}};
    return {SKILL_ATTACK, {Weakest(rules.enemies)}};
}

PartyChoice CommandGroto(const BattleRules& rules, const Fighter& groto) {
    std::vector<uint32_t> living = Living(rules.enemies);
    std::sort(living.begin(), living.end(),
              [&](uint32_t a, uint32_t b) { return rules.enemies[a].hp < rules.enemies[b].hp; });
    // The two weakest: a Knight falls to each bolt.
    if (groto.mana >= 150 && living.size() >= 2) return {SKILL_DOUBLE_MAGIC, {living[0], living[1]}};
    if (groto.mana >= 100) return {SKILL_MAGIC, {living.back()}};
    return {SKILL_ATTACK, {living.front()}};
}

}  // namespace

PartyChoice ChooseLikeAPlayer(const BattleRules& rules) {
    PartyChoice choice;
    if (ChoosePotion(rules, choice)) return choice;
    const Fighter& member = rules.party[rules.commandingMember];
    if (member.id == 0) return CommandPell(rules, member);
    if (member.id == 1) return CommandSpriti(rules, member);
    return CommandGroto(rules, member);
}

BattleEnd SimulateBattle(BattleRules& rules) {
    constexpr float STEP = 1.0f / 30.0f;
    for (int step = 0; step < 100000; ++step) {
        switch (Stage(rules)) {
            case BattleStage::WON:
                return BattleEnd::WON;
            case BattleStage::LOST:
                return BattleEnd::LOST;
            case BattleStage::COMMANDS: {
                const PartyChoice choice = ChooseLikeAPlayer(rules);
                if (!ChooseCommand(rules, choice.skill, choice.targets)) return BattleEnd::UNENDED;
                break;
            }
            case BattleStage::ACTIONS:
                HurryTurn(rules);
                AdvanceBattle(rules, STEP);
                break;
        }
        rules.events.clear();
    }
    return BattleEnd::UNENDED;
}

const std::vector<StoryFight>& StoryFights() {
    // Potions cost 50 and 30 gold; the Boss is the one real test: without potions it can be lost.
    static const std::vector<StoryFight> fights = {
        {"bridge, Pell alone", "Knight1", 1, 0, 0, 90},
        {"bridge, Pell alone", "Dog1", 1, 0, 0, 90},
        {"burning village, before Groto", "VillageGuard", 2, 1, 0, 90},
        {"burning village, before Groto", "Patrol", 2, 1, 0, 90},
        {"burning village, before Groto", "Knight1", 2, 0, 0, 90},
        {"burning village, before Groto", "Dog1", 2, 0, 0, 90},
        {"burning village", "VillageGuard", 3, 0, 0, 90},
        {"burning village", "Patrol", 3, 0, 0, 90},
        {"boss bridge", "Boss", 3, 1, 1, 90},
        {"boss bridge", "Boss", 3, 2, 2, 90},
        {"boss bridge, no potions", "Boss", 3, 0, 0, 70},
    };
    return fights;
}

BattleEnd PlayStoryFight(const StoryFight& fight, unsigned seed) {
    std::string fault;
    const std::optional<BattleFile> file =
        ReadBattleFile(std::string("Assets/Text/Levels/") + fight.level, fault);
    if (!file) return BattleEnd::UNENDED;
    GameSession session;
    GrowParty(session, fight.partySize);
    session.FillPouchForGame();
    for (int potion = 0; potion < fight.hpPotions; ++potion)
        session.AddToPouch(ITEM_HP_POTION);
    for (int potion = 0; potion < fight.manaPotions; ++potion)
        session.AddToPouch(ITEM_MANA_POTION);
    SeedRandom(seed);
    BattleRules rules;
    StartRules(rules, session, *file);
    return SimulateBattle(rules);
}
