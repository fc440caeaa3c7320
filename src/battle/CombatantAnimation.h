#pragma once
// The fighters' sheets at play: starting an animation, stepping it, the way back to rest, and the effect
// sheets drawn on a fighter's feet.

#include <SFML/System/Vector2.hpp>

#include <array>

#include "battle/Combatants.h"

struct BattleEffectSheets {
    std::array<sf::Texture, EFFECT_KIND_COUNT> textures;
};

extern BattleEffectSheets gBattleEffects;

// Loaded on entering the game, kept until it is left for good.
void LoadBattleEffects();
void ReleaseBattleEffects();

// Starts the animation from its first frame; a fighter without that animation keeps the one it plays.
void PlayAnimation(Combatant& combatant, AnimationSlot slot);
// An effect sheet at position, flipped for effects on the party (mirrored).
BattleEffect CreateEffect(EffectKind kind, sf::Vector2f position, bool mirrored);
// Starts an effect on the fighter's feet, replacing one still playing.
void StartEffect(Combatant& combatant, EffectKind kind, bool mirrored);

// One frame of every enemy's and every party member's animation and effect.
void AnimateEnemies(float dt);
void AnimateParty(float dt);
void AnimateCombatant(Combatant& combatant, float dt);
