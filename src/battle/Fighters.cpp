#include "battle/Fighters.h"

namespace {

struct Statistics {
    const char* name;
    SpeedClass speed;
    int32_t maxHp, maxMana, attack;
    std::array<SkillId, SKILL_SLOTS> skills;
};

const Statistics PARTY[ROSTER_SIZE] = {
    {"Pell",
     SPEED_NORMAL,
     250,
     150,
     2,
     {SKILL_DOUBLE_ATTACK, SKILL_ZONE_ATTACK, SKILL_PARALYSIS, SKILL_NONE}},
    {"Spriti", SPEED_FAST, 150, 200, 1, {SKILL_HEAL, SKILL_MEGA_HEAL, SKILL_RESURRECTION, SKILL_INFORMATION}},
    {"Groto", SPEED_SLOW, 200, 300, 1, {SKILL_MAGIC, SKILL_DOUBLE_MAGIC, SKILL_TRANSFERT, SKILL_NONE}},
    {"Groto", SPEED_FAST, 100, 50, 3, {SKILL_DOUBLE_ATTACK, SKILL_RUSH, SKILL_NONE, SKILL_NONE}},
};

const Statistics ENEMIES[ENEMY_KIND_COUNT] = {
    {"Knight", SPEED_SLOW, 100, 0, 2, {SKILL_ATTACK, SKILL_NONE, SKILL_NONE, SKILL_NONE}},
    {"Boss", SPEED_SLOW, 800, 0, 2, {SKILL_ATTACK, SKILL_RUSH, SKILL_ZONE_ATTACK, SKILL_HEAL}},
    {"Dog", SPEED_FAST, 50, 0, 2, {SKILL_ATTACK, SKILL_NONE, SKILL_NONE, SKILL_NONE}},
};

const Statistics& StatisticsOf(const Fighter& fighter) {
    return fighter.enemy ? ENEMIES[fighter.id] : PARTY[fighter.id];
}

Fighter Make(int32_t id, bool enemy) {
    Fighter fighter;
    fighter.id = id;
    fighter.enemy = enemy;
    const Statistics& statistics = StatisticsOf(fighter);
    fighter.speed = statistics.speed;
    fighter.maxHp = fighter.hp = statistics.maxHp;
    fighter.maxMana = fighter.mana = statistics.maxMana;
    fighter.attack = statistics.attack;
    for (int slot = 0; slot < SKILL_SLOTS; ++slot)
        fighter.slots[static_cast<size_t>(slot)] = MakeAction(statistics.skills[static_cast<size_t>(slot)]);
    return fighter;
}

}  // namespace

Fighter PartyMember(int32_t id) {
    return Make(id >= 0 && id < ROSTER_SIZE ? id : 0, false);
}

Fighter Enemy(int32_t kind) {
    return Make(kind >= 0 && kind < ENEMY_KIND_COUNT ? kind : ENEMY_KNIGHT, true);
}

const char* FighterName(const Fighter& fighter) {
    return StatisticsOf(fighter).name;
}

const char* SpeedWord(SpeedClass speed) {
    switch (speed) {
        case SPEED_NORMAL:
            return "normal";
        case SPEED_SLOW:
            return "slow";
        case SPEED_FAST:
            return "fast";
    }
    return "normal";
}

bool IsBoss(const Fighter& fighter) {
    return fighter.enemy && fighter.id == ENEMY_BOSS;
}
