#pragma once
// The fighters: one record shape for party members and enemies, the party roster kept for the whole game,
// the three enemy kinds, and the battle sheets they are drawn from.

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <array>
#include <cstdint>
#include <optional>

#include "battle/Skills.h"
#include "core/Animation.h"
#include "world/GameSession.h"

enum SpeedClass : int32_t { SPEED_NORMAL = 0, SPEED_SLOW = 1, SPEED_FAST = 2 };
enum CombatantState : int32_t { STATE_READY = 0, STATE_DEAD = 3, STATE_PARALYSED = 4 };
enum EnemyKind : int32_t { ENEMY_KNIGHT = 0, ENEMY_BOSS = 1, ENEMY_DOG = 2 };

inline constexpr int ROSTER_SIZE = static_cast<int>(MAX_PARTY_SIZE);  // everyone who may join
inline constexpr int ENEMY_KIND_COUNT = 3;
inline constexpr int SKILL_SLOTS = 4;
inline constexpr int CHOSEN_SLOT = 4;  // slot 4 holds the action chosen for the turn

// Animation rows. A party member uses 0 to 6 (5 is never played), an enemy 0 to 7; an animation with
// no frames is one the combatant does not have.
enum AnimationSlot : int32_t {
    ANIM_IDLE = 0,
    ANIM_MELEE = 1,  // an enemy's attack
    ANIM_HURT = 2,
    ANIM_DEATH = 3,
    ANIM_PARALYSED = 4,
    ANIM_BOSS_RUSH = 5,
    ANIM_CAST = 6,
    ANIM_BOSS_ZONE = 6,
    ANIM_BOSS_HEAL = 7,
};
inline constexpr int ANIMATION_SLOTS = 8;

// An effect sheet playing on a combatant.
struct BattleEffect {
    sf::Sprite sprite;
    SpriteSheetAnimation animation;
};

struct Combatant {
    int32_t id = 0;  // party: member id 0 to 3; enemy: its EnemyKind
    bool enemy = false;
    CombatantState state = STATE_READY;
    std::array<Action, 5> slots;  // 0 to 3 the skills, CHOSEN_SLOT the action of this turn
    sf::Sprite sprite;
    const sf::Texture* sheet = nullptr;  // shared with the roster, never owned
    SpeedClass speed = SPEED_NORMAL;
    uint32_t timelinePosition = 0;
    sf::Vector2f home;
    int32_t maxHp = 0;
    int32_t hp = 0;
    int32_t maxMana = 0;  // enemies have no mana
    int32_t mana = 0;
    int32_t attack = 1;
    std::array<SpriteSheetAnimation, ANIMATION_SLOTS> animations{};
    int32_t currentAnimation = ANIM_IDLE;
    std::optional<BattleEffect> effect;
    int32_t effectActive = 0;
    int32_t pendingChange = 0;
};

using PartyCombatant = Combatant;
using EnemyCombatant = Combatant;

// The party roster and the enemy kinds live from entering the game to leaving the game-over screen.
struct CombatantData {
    std::array<PartyCombatant, ROSTER_SIZE> roster;
    std::array<EnemyCombatant, ENEMY_KIND_COUNT> enemyKinds;
    std::array<sf::Texture, ROSTER_SIZE> partySheets;
    std::array<sf::Texture, ENEMY_KIND_COUNT> enemySheets;
};

extern CombatantData gCombatants;

void LoadPartyRoster();
void LoadEnemyTemplates();
// Lets the sheets go and leaves every roster member ready with empty skill slots.
void ReleaseCombatantData();

// Names in battle messages: "Pell", "Spriti", "Groto" (ids 2 and 3); "Knight", "Boss", "Dog".
const char* CombatantName(const Combatant& combatant);
// "normal", "slow" or "fast".
const char* SpeedWord(SpeedClass speed);
bool IsBoss(const Combatant& combatant);
// The size of one frame of the combatant's sheet, in sheet pixels.
sf::Vector2i FrameSize(const Combatant& combatant);
