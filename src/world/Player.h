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

// Lives at a fixed address: its animations point at its sprite.
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

    PlayerCharacter() = default;
    PlayerCharacter(const PlayerCharacter&) = delete;
    PlayerCharacter& operator=(const PlayerCharacter&) = delete;
    ~PlayerCharacter() { ReleaseSounds(); }
    void ReleaseSounds() {
        grassStep.stop();
        stoneStep.stop();
    }
};

void InitPlayer(PlayerCharacter& hero);
// The torch sheet on the maps where the hero carries one, his own sheet elsewhere.
void SetPlayerSheet(PlayerCharacter& hero, const MapLook& look);
// Eight-way walking with the held movement keys; footsteps on grass or stone as the map says.
void MovePlayer(PlayerCharacter& hero, const MapLook& look, float dt);
void UpdateFootBox(PlayerCharacter& hero);
void PushOutOfRect(PlayerCharacter& hero, const sf::FloatRect& rect);
int32_t PushOutOfTrigger(PlayerCharacter& hero, const MapTrigger& trigger);
// Stops his footsteps (a hero let go mid-step must not go on sounding).
void ReleasePlayer(PlayerCharacter& hero);

// The collision box of any character sprite: the middle half of its width, its lowest quarter.
sf::FloatRect FootBoxOf(const sf::FloatRect& bounds);
