#pragma once
// The fifteen skills and potions of the battle: what each aims at, what it costs, which effect it shows,
// and the name and description the menus print.

#include <cstdint>
#include <vector>

enum SkillId : int32_t {
    SKILL_ATTACK = 0,
    SKILL_DOUBLE_ATTACK = 1,
    SKILL_RUSH = 2,
    SKILL_HEAL = 3,
    SKILL_MEGA_HEAL = 4,
    SKILL_RESURRECTION = 5,
    SKILL_ZONE_ATTACK = 6,
    SKILL_MAGIC = 7,
    SKILL_DOUBLE_MAGIC = 8,
    SKILL_PARALYSIS = 9,
    SKILL_INFORMATION = 10,
    SKILL_TRANSFERT = 11,
    SKILL_HP_POTION = 12,
    SKILL_MANA_POTION = 13,
    SKILL_NONE = 14,
};

inline constexpr int SKILL_COUNT = 15;

enum EffectKind : int32_t {
    EFFECT_SLASH = 0,
    EFFECT_HEAL = 1,
    EFFECT_MANA = 2,
    EFFECT_MAGIC = 3,
    EFFECT_REVIVE = 4,
    EFFECT_TARGET = 5,
    EFFECT_PARALYSIS = 6,
};

inline constexpr int EFFECT_KIND_COUNT = 7;

// One skill: as a template, as a combatant's skill slot, and as the action chosen for a turn. A chosen
// action owns its target list, one index into the side it aims at per entry.
struct Action {
    SkillId id = SKILL_NONE;
    int32_t targetsOpponents = 0;
    int32_t melee = 0;
    int32_t changesHp = 0;
    int32_t hitsAll = 0;
    uint32_t targetCount = 0;
    std::vector<uint32_t> targets;
    uint32_t manaCost = 0;
    EffectKind effectKind = EFFECT_SLASH;
};

// A fresh copy of the skill with a zero-filled target list of its size; ids outside the table give none.
Action MakeAction(int32_t id);
// The chosen action let go: no targets, no skill.
void ClearAction(Action& action);

// For 0 to 13 the name and description the menus show; other ids have neither (nullptr).
const char* SkillName(int32_t id);
const char* SkillDescription(int32_t id);
