#include "battle/Combatants.h"

#include "core/Pictures.h"

CombatantData gCombatants;

namespace {

struct AnimationRow {
    uint32_t frames = 0;
    int top = 0;
    uint32_t framesPerSecond = 8;
};

struct Look {
    const char* name = nullptr;
    const char* sheet = nullptr;
    sf::Vector2i frame;
    std::array<AnimationRow, ANIMATION_SLOTS> rows;
};

// clang-format off
const Look PARTY_LOOKS[ROSTER_SIZE] = {
    {"Pell", "Assets/Sprites/Battle/Mate/Pell.png", {64, 64},
     {{{8, 0}, {6, 64}, {12, 128, 10}, {11, 192}, {0, 0}, {0, 0}, {9, 256}, {0, 0}}}},
    {"Spriti", "Assets/Sprites/Battle/Mate/Spirit.png", {64, 64},
     {{{11, 0}, {14, 64}, {6, 128}, {6, 192}, {0, 0}, {0, 0}, {14, 320}, {0, 0}}}},
    {"Groto", "Assets/Sprites/Battle/Mate/Mate1.png", {64, 64},
     {{{9, 0}, {12, 64}, {9, 128}, {14, 192}, {0, 0}, {0, 0}, {13, 256}, {0, 0}}}},
    {"Groto", "Assets/Sprites/Battle/Mate/Green.png", {64, 64},
     {{{1, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}}},
};

const Look ENEMY_LOOKS[ENEMY_KIND_COUNT] = {
    {"Knight", "Assets/Sprites/Battle/Enemy/Enemy1.png", {64, 128},
     {{{7, 0}, {11, 128}, {10, 256}, {12, 384}, {2, 512, 2}, {0, 0}, {0, 0}, {0, 0}}}},
    {"Boss", "Assets/Sprites/Battle/Enemy/Boss.png", {256, 128},
     {{{17, 0}, {12, 128}, {10, 256}, {10, 384}, {0, 0}, {14, 512}, {21, 640}, {13, 768}}}},
    {"Dog", "Assets/Sprites/Battle/Enemy/Dogo.png", {64, 64},
     {{{9, 0}, {9, 64}, {7, 128}, {8, 192}, {2, 256, 2}, {0, 0}, {0, 0}, {0, 0}}}},
};
// clang-format on

struct Statistics {
    SpeedClass speed;
    int32_t maxHp, maxMana, attack;
    std::array<SkillId, SKILL_SLOTS> skills;
};

const Statistics PARTY_STATISTICS[ROSTER_SIZE] = {
    {SPEED_NORMAL, 250, 150, 2, {SKILL_DOUBLE_ATTACK, SKILL_ZONE_ATTACK, SKILL_PARALYSIS, SKILL_NONE}},
    {SPEED_FAST, 150, 200, 1, {SKILL_HEAL, SKILL_MEGA_HEAL, SKILL_RESURRECTION, SKILL_INFORMATION}},
    {SPEED_SLOW, 200, 300, 1, {SKILL_MAGIC, SKILL_DOUBLE_MAGIC, SKILL_TRANSFERT, SKILL_NONE}},
    {SPEED_FAST, 100, 50, 3, {SKILL_DOUBLE_ATTACK, SKILL_RUSH, SKILL_NONE, SKILL_NONE}},
};

const Statistics ENEMY_STATISTICS[ENEMY_KIND_COUNT] = {
    {SPEED_SLOW, 100, 0, 2, {SKILL_ATTACK, SKILL_NONE, SKILL_NONE, SKILL_NONE}},
    {SPEED_SLOW, 800, 0, 2, {SKILL_ATTACK, SKILL_RUSH, SKILL_ZONE_ATTACK, SKILL_HEAL}},
    {SPEED_FAST, 50, 0, 2, {SKILL_ATTACK, SKILL_NONE, SKILL_NONE, SKILL_NONE}},
};

const Look& LookOf(const Combatant& combatant) {
    return combatant.enemy ? ENEMY_LOOKS[combatant.id] : PARTY_LOOKS[combatant.id];
}

Combatant MakeCombatant(int32_t id, bool enemy, const Statistics& statistics, const sf::Texture& sheet) {
    Combatant combatant;
    combatant.id = id;
    combatant.enemy = enemy;
    combatant.sheet = &sheet;
    combatant.speed = statistics.speed;
    combatant.maxHp = combatant.hp = statistics.maxHp;
    combatant.maxMana = combatant.mana = statistics.maxMana;
    combatant.attack = statistics.attack;
    for (int slot = 0; slot < SKILL_SLOTS; ++slot)
        combatant.slots[static_cast<size_t>(slot)] = MakeAction(statistics.skills[static_cast<size_t>(slot)]);
    const Look& look = LookOf(combatant);
    for (size_t row = 0; row < look.rows.size(); ++row) {
        SpriteSheetAnimation& animation = combatant.animations[row];
        animation.frameCount = look.rows[row].frames;
        animation.framesPerSecond = look.rows[row].framesPerSecond;
        animation.frameRect = {0, look.rows[row].top, look.frame.x, look.frame.y};
        animation.loop = (row == ANIM_IDLE || row == ANIM_PARALYSED) ? 1 : 0;
    }
    return combatant;
}

}  // namespace

void LoadPartyRoster() {
    for (int i = 0; i < ROSTER_SIZE; ++i) {
        sf::Texture& sheet = gCombatants.partySheets[static_cast<size_t>(i)];
        LoadPicture(sheet, PARTY_LOOKS[i].sheet);
        gCombatants.roster[static_cast<size_t>(i)] = MakeCombatant(i, false, PARTY_STATISTICS[i], sheet);
    }
}

void LoadEnemyTemplates() {
    for (int kind = 0; kind < ENEMY_KIND_COUNT; ++kind) {
        sf::Texture& sheet = gCombatants.enemySheets[static_cast<size_t>(kind)];
        LoadPicture(sheet, ENEMY_LOOKS[kind].sheet);
        Combatant enemy = MakeCombatant(kind, true, ENEMY_STATISTICS[kind], sheet);
        enemy.maxMana = enemy.mana = 0;
        gCombatants.enemyKinds[static_cast<size_t>(kind)] = enemy;
    }
}

void ReleaseCombatantData() {
    for (size_t kind = 0; kind < gCombatants.enemySheets.size(); ++kind) {
        gCombatants.enemySheets[kind] = sf::Texture{};
        gCombatants.enemyKinds[kind].sheet = nullptr;
    }
    for (size_t i = 0; i < gCombatants.roster.size(); ++i) {
        Combatant& member = gCombatants.roster[i];
        for (int slot = 0; slot < SKILL_SLOTS; ++slot)
            member.slots[static_cast<size_t>(slot)] = Action{};
        member.state = STATE_READY;
        member.sheet = nullptr;
        gCombatants.partySheets[i] = sf::Texture{};
    }
}

const char* CombatantName(const Combatant& combatant) {
    return LookOf(combatant).name;
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

bool IsBoss(const Combatant& combatant) {
    return combatant.enemy && combatant.id == ENEMY_BOSS;
}

sf::Vector2i FrameSize(const Combatant& combatant) {
    return LookOf(combatant).frame;
}
