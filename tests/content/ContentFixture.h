#pragma once
// A small yard to meet people and find things in: 16 x 10 tiles, the hero arriving at (300, 300).

#include "world/WorldFixture.h"

inline constexpr float HERO_X = 300.0f;
inline constexpr float HERO_Y = 300.0f;

TestMap Yard(std::vector<TestNpc> npcs = {}, std::vector<TestItem> items = {});

// A game on the yard (map name `name`), the hero standing still at (HERO_X, HERO_Y).
struct YardGame : RoamingGame {
    explicit YardGame(std::vector<TestNpc> npcs = {}, std::vector<TestItem> items = {},
                      const std::string& name = "Yard", HarnessOptions options = {1920, 1080, 1, false});
    // Puts the hero at (x, y) with his feet where they now stand.
    void PlaceHero(float x, float y);
};

// The two dialogues the test people speak: "Hello" has two pages, "Again" one; both have one part.
void WriteTestSpeech();
