#pragma once
// Where the fighters stand. The battle is laid out on the 1920 x 1080 reference screen, which the
// battle's view stretches over the game area of any desktop.

#include <SFML/System/Vector2.hpp>

#include <cstdint>

#include "core/Screen.h"

inline constexpr float BATTLE_W = REFERENCE_WIDTH;
inline constexpr float BATTLE_H = REFERENCE_HEIGHT;
inline constexpr float BATTLE_SCALE = 2.0f;
inline constexpr float BOSS_SCALE = 4.0f;
inline constexpr float STEP_FORWARD = 150.0f;

struct HomeRequest {
    bool enemy = false;
    uint32_t count = 1;  // fighters on that side
    uint32_t index = 0;
    sf::Vector2i frame;  // the fighter's frame in sheet pixels
    bool boss = false;
    float groundDrop = 0.0f;  // everybody stands lower on some maps (the boss's bridge)
};

// The resting place of a fighter's feet.
sf::Vector2f HomePosition(const HomeRequest& request);

struct Battle;

// The pictures of everybody in the battle, each on its first idle frame at its resting place.
void CreateCombatantSprites(Battle& battle);
