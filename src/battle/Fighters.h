#pragma once
// The fighters as the rules see them: one record shape for party members and enemies, the party roster
// (everybody who may join) and the three enemy kinds with their statistics and skills.

#include <array>
#include <cstdint>

#include "battle/Skills.h"
#include "world/GameSession.h"

enum SpeedClass : int32_t { SPEED_NORMAL = 0, SPEED_SLOW = 1, SPEED_FAST = 2 };
enum CombatantState : int32_t { STATE_READY = 0, STATE_DEAD = 3, STATE_PARALYSED = 4 };
enum EnemyKind : int32_t { ENEMY_KNIGHT = 0, ENEMY_BOSS = 1, ENEMY_DOG = 2 };

inline constexpr int ROSTER_SIZE = static_cast<int>(MAX_PARTY_SIZE);  // everyone who may join
inline constexpr int ENEMY_KIND_COUNT = 3;
inline constexpr int SKILL_SLOTS = 4;
inline constexpr int CHOSEN_SLOT = 4;  // slot 4 holds the action chosen for the turn

struct Fighter {
    int32_t id = 0;  // party: member id 0 to 3; enemy: its EnemyKind
    bool enemy = false;
    CombatantState state = STATE_READY;
    std::array<Action, 5> slots;  // 0 to 3 the skills, CHOSEN_SLOT the action of this turn
    SpeedClass speed = SPEED_NORMAL;
    uint32_t timelinePosition = 0;
    int32_t maxHp = 0;
    int32_t hp = 0;
    int32_t maxMana = 0;  // enemies have no mana
    int32_t mana = 0;
    int32_t attack = 1;
    int32_t pendingChange = 0;  // the health change of the turn, shown once its pause is half over
};

// Fresh fighters: full health and mana, ready, the skills of their kind, nothing chosen.
Fighter PartyMember(int32_t id);
Fighter Enemy(int32_t kind);

// Names in battle messages: "Pell", "Spriti", "Groto" (ids 2 and 3); "Knight", "Boss", "Dog".
const char* FighterName(const Fighter& fighter);
// "normal", "slow" or "fast".
const char* SpeedWord(SpeedClass speed);
bool IsBoss(const Fighter& fighter);
