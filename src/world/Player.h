#pragma once
// Pell, the hero: one 7 x 14 sprite sheet (standing, walking, fishing), eight-way movement at a fixed
// speed, footsteps by ground, and the push-out that keeps his feet out of walls and doors.

#include <SFML/Audio/Sound.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <array>
#include <cstdint>

#include "core/Animation.h"
#include "world/MapLoading.h"

inline constexpr int PLAYER_ROWS = 14;
inline constexpr int PLAYER_COLUMNS = 7;
inline constexpr const char* PLAYER_DAY_SHEET = "Assets/Sprites/Characters/Player/Sheet_Pello.png";
inline constexpr const char* PLAYER_TORCH_SHEET =
    "Assets/Sprites/Characters/Player/sheet_pello_torche Nuit.png";
inline constexpr const char* SOUND_GRASS_STEP = "Assets/Sounds/Outside/GrassWalk.wav";
inline constexpr const char* SOUND_STONE_STEP = "Assets/Sounds/Inside/StoneWalk.wav";

enum PlayerRow : int32_t {
    ROW_STAND_DOWN = 0,
    ROW_STAND_LEFT,
    ROW_STAND_RIGHT,
    ROW_STAND_UP,
    ROW_WALK_DOWN,
    ROW_WALK_LEFT,
    ROW_WALK_RIGHT,
    ROW_WALK_UP,
};

struct PlayerCharacter {
    sf::Sprite sprite;
    int32_t row = ROW_STAND_DOWN;
    sf::FloatRect footBox;
    float speed = 0.0f;
    std::array<SpriteSheetAnimation, PLAYER_ROWS> animations;
    SpriteSheetAnimation* currentAnimation = nullptr;
    sf::Texture daySheet;
    sf::Texture torchSheet;
    sf::SoundBuffer grassBuffer;
    sf::SoundBuffer stoneBuffer;
    sf::Sound grassStep;
    sf::Sound stoneStep;
    bool built = false;
};

extern PlayerCharacter gPlayer;

void InitPlayer();
void SetPlayerSheet();
void MovePlayer(float dt);
void UpdateFootBox();
void PushOutOfRect(const sf::FloatRect& rect);
int32_t PushOutOfTrigger(const MapTrigger& trigger);
void ReleasePlayer();

// The collision box of any character sprite: the middle half of its width, its lowest quarter.
sf::FloatRect FootBoxOf(const sf::FloatRect& bounds);
