#pragma once
// The environmental puzzles: the burning house (a full bucket for the flames, the rope at the hook to
// pull the wall down), the two water sources that fill the bucket, and the rope pull itself. The forest's
// fences and fires, the decoy and the forest's darkness read and set the same record.

#include <SFML/Audio/Sound.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/Event.hpp>

#include <array>
#include <cstdint>
#include <optional>

#include "content/Items.h"
#include "content/Npcs.h"
#include "content/StoryTurn.h"
#include "core/Animation.h"

struct PuzzleState {
    int32_t houseArmed = 0;
    int32_t wallBroken = 0;
    int32_t houseFlames = 0;
    int32_t bathtubShown = 0;
    int32_t decoyArmed = 0;
    int32_t decoyBuilt = 0;
    int32_t forestArmed = 0;
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

    // The decoy's parts, seen in the inventory.
    int32_t hasStick = 0, hasPumpkin = 0, hasPaint = 0, hasStraw = 0;

    // The forest's darkness: a picture of the whole map, lit where the hero has walked.
    bool darknessBuilt = false;
    sf::Image darknessImage;
    sf::Texture darknessTexture;
    sf::Sprite darkness;
    sf::Vector2i darknessLitAt{-1, -1};  // where it was last lit around
};

// The rope tied to the hook (or a fence): it follows the hero, who pulls it by walking away slowly.
struct RopePull {
    int32_t active = 0;
    int32_t* target = nullptr;  // the flag set when the pull ends
    sf::Texture texture;
    sf::Sprite rope;
    sf::SoundBuffer strainBuffer;
    sf::Sound strain;
};

extern PuzzleState gPuzzles;
extern RopePull gRopePull;

// The first roaming load after the game was entered from the menu arms the puzzles; doors inside the
// game do not re-arm them.
void ArmPuzzles();
// Builds the puzzles of the map just loaded.
void LoadPuzzles();
void UpdatePuzzles(float dt);
// The water sources' key handling, first of every roaming key press: ENTER beside one with an empty
// bucket starts its words, and the bucket is filled once they are read.
StoryTurn HandlePuzzleKey(const sf::Event::KeyEvent& keyEvent, MapItemList& mapItems);
// Ties the rope to the target; the flag is set once the hero has pulled it far enough.
void StartRopePull(const sf::Sprite& target, int32_t& targetFlag);
// The house's wall, flames and hook and the bathtub, on the ground of the map.
void DrawPuzzleGround(sf::RenderWindow& window);
// The rope, over the people.
void DrawPuzzleRope(sf::RenderWindow& window);
// The forest's darkness, over everything on the map.
void DrawDarkness(sf::RenderWindow& window);
// Lights the darkness image around (cx, cy): clear within 75 pixels, fading back to full night at 225;
// the rest of the image keeps what it had, so where the hero has walked stays lit. Returns the square it
// changed.
sf::IntRect LightDarknessAround(sf::Image& image, int cx, int cy);
void ReleasePuzzles();
