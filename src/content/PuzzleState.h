#pragma once
// The pieces of the puzzles on the map on screen: the burning house's wall, flames, hook and bathtub,
// the night forest's fires, fences and water, its darkness, and the rope tied to the hook or a fence.
// They belong to the map scene and go with it.

#include <SFML/Audio/Sound.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <array>
#include <cstdint>
#include <optional>

#include "content/Npcs.h"
#include "content/Torchlight.h"
#include "core/Animation.h"

struct PuzzleState {
    int32_t wallBroken = 0;
    int32_t houseFlames = 0;
    int32_t bathtubShown = 0;
    int32_t forestFireOut1 = 0;
    int32_t forestFireOut2 = 0;

    // The burning house's pictures, in map pixels.
    bool houseBuilt = false;
    sf::Texture wallTexture, hookTexture, zoneTexture, flamesTexture;
    sf::Sprite brokenWall, hook, hookZone, flames;
    SpriteSheetAnimation flamesAnimation;
    sf::FloatRect hookZoneRect;
    std::optional<Npc> bathtub;

    // The night forest's pictures: two fires with their zones, five fences with their solid halves.
    bool forestBuilt = false;
    sf::Texture fireTexture, fireZoneTexture, fenceTexture;
    std::array<sf::Sprite, 2> fires, fireZones;
    std::array<SpriteSheetAnimation, 2> fireAnimations;
    std::array<sf::FloatRect, 2> fireZoneRects;
    std::array<sf::Sprite, 5> fences;
    std::array<sf::FloatRect, 5> fenceRects;
    std::optional<Npc> forestWater;

    // The forest's darkness: a picture of the whole map, lit where the hero has walked.
    bool darknessBuilt = false;
    sf::Image darknessImage;
    sf::Texture darknessTexture;
    sf::Sprite darkness;
    sf::Vector2i darknessLitAt{-1, -1};  // where it was last lit around
    Torchlight torch;                    // the hero's own light over it
};

// The rope tied to the hook (or a fence): it follows the hero, who pulls it by walking away slowly.
struct RopePull {
    int32_t active = 0;
    int32_t fence = -1;  // the fence pulled down when the pull ends; -1: the house's wall
    sf::Texture texture;
    sf::Sprite rope;
    sf::SoundBuffer strainBuffer;
    sf::Sound strain;

    RopePull() = default;
    RopePull(const RopePull&) = delete;
    RopePull& operator=(const RopePull&) = delete;
    ~RopePull() { strain.stop(); }
};
