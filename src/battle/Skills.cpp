#include "battle/Skills.h"

namespace {

struct SkillRow {
    const char* name;
    const char* description;
    int32_t targetsOpponents, melee, changesHp, hitsAll;
    uint32_t targetCount, manaCost;
    EffectKind effectKind;
};

// clang-format off
const SkillRow SKILLS[SKILL_COUNT] = {
    {"Attack", "Deals a decent \namount of damages \nto the target.", 1, 1, 1, 0, 1, 0, EFFECT_SLASH},
    {"Double Attack", "Deals a decent \namount of damages \non two targets \n(it can be the same \ntarget twice !).",
     1, 1, 1, 0, 2, 25, EFFECT_SLASH},
    {"Rush", "Hurts the user while\ndealing heavy \ndamages to the \ntarget.", 1, 1, 1, 0, 1, 25, EFFECT_SLASH},
    {"Heal", "Heals the target a \ngood amount of HP.", 0, 0, 1, 0, 1, 50, EFFECT_HEAL},
    {"Mega Heal", "Heals all your allies\n(and you) a little bit \nof HP.", 0, 0, 1, 1, 5, 100, EFFECT_HEAL},
    {"Resurrection", "Brings back the \ntarget from the \ndead with half of its \nHP.", 0, 0, 0, 0, 1, 150,
     EFFECT_REVIVE},
    {"Zone Attack", "Deals a small amount\nof damages to all \nthe enemies.", 1, 1, 1, 1, 10, 50, EFFECT_SLASH},
    {"Magic", "Deals great \ndamages to the \ntarget.", 1, 0, 1, 0, 1, 100, EFFECT_MAGIC},
    {"Double Magic", "Deals great \ndamagesto two \ntargets (it can be \nsame target twice !).", 1, 0, 1, 0, 2, 150,
     EFFECT_MAGIC},
    {"Paralysis", "Prevents the target\nfrom doing anything \nthe next turn.", 1, 0, 0, 0, 1, 50, EFFECT_PARALYSIS},
    {"Information", "Shows the target's \ninformations (HP, \nSpeed, and Attacks).", 1, 0, 0, 0, 1, 50,
     EFFECT_TARGET},
    {"Transfert", "Converts some of \nthe user's HP to \nmana points for the \ntarget.", 0, 0, 0, 0, 1, 0,
     EFFECT_MANA},
    {"HP Potion", "Heals a bit of HP\nto the target", 0, 0, 1, 0, 1, 0, EFFECT_HEAL},
    {"Mana Potion", "Give a bit of Mana\nto the target", 0, 0, 0, 0, 1, 0, EFFECT_MANA},
    {nullptr, nullptr, 0, 0, 0, 0, 0, 0, EFFECT_SLASH},
};
// clang-format on

bool Named(int32_t id) {
    return id >= 0 && id < SKILL_NONE;
}

}  // namespace

Action MakeAction(int32_t id) {
    if (!Named(id)) return Action{};
    const SkillRow& row = SKILLS[id];
    Action action;
    action.id = static_cast<SkillId>(id);
    action.targetsOpponents = row.targetsOpponents;
    action.melee = row.melee;
    action.changesHp = row.changesHp;
    action.hitsAll = row.hitsAll;
    action.targetCount = row.targetCount;
    action.targets.assign(row.targetCount, 0);
    action.manaCost = row.manaCost;
    action.effectKind = row.effectKind;
    return action;
}

void ClearAction(Action& action) {
    action.targets.clear();
    action.targetCount = 0;
    action.id = SKILL_NONE;
}

const char* SkillName(int32_t id) {
    return Named(id) ? SKILLS[id].name : nullptr;
}

const char* SkillDescription(int32_t id) {
    return Named(id) ? SKILLS[id].description : nullptr;
}
