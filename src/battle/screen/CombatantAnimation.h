#pragma once
// The fighters' pictures at play: starting an animation, stepping it, the way back to rest, and the
// effect sheets drawn on a fighter's feet.

#include <SFML/System/Vector2.hpp>

#include <string>

#include "battle/screen/BattleState.h"

// Every sheet a battle draws from (the fighters' and the effects'), loaded when a game begins: decoded
// (on any thread), then made into textures (on the window's thread).
BattleSheetPictures DecodeBattleSheets();
void MakeBattleSheets(BattleSheets& sheets, const BattleSheetPictures& pictures);
inline constexpr const char* BATTLE_BACKGROUND_FOLDER = "Assets/Sprites/Battle/BattleHUD/";
// The background a battle on a map of that look shows, loaded the first time it is asked for.
void KeepBattleBackground(BattleSheets& sheets, const std::string& background);

// Starts the animation from its first frame; a fighter without that animation keeps the one it plays.
void PlayAnimation(FighterView& view, AnimationSlot slot);
// An effect sheet at position, flipped for effects on the party (mirrored).
BattleEffect CreateEffect(const BattleSheets& sheets, EffectKind kind, sf::Vector2f position, bool mirrored);
// Starts an effect on the fighter's feet, replacing one still playing.
void StartEffect(const BattleSheets& sheets, FighterView& view, EffectKind kind, bool mirrored);

// One frame of a fighter's animation and effect; the fallen stay down, faded, on their last frame.
void AnimateFighter(FighterView& view, const Fighter& fighter, float dt);
void AnimateEnemies(Battle& battle, float dt);
void AnimateParty(Battle& battle, float dt);
