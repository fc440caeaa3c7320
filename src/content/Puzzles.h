#pragma once
// The environmental puzzles: the burning house, the forest's fences and fires, the decoy, and the two
// water sources that fill the bucket.

#include <SFML/Window/Event.hpp>

#include <array>
#include <cstdint>

#include "content/Items.h"

// The puzzles' results, which the story reads: the house's wall, the forest's fences and fires.
struct PuzzleState {
    int32_t houseArmed = 0;
    int32_t wallBroken = 0;
    int32_t houseFlames = 0;
    int32_t decoyArmed = 0;
    int32_t decoyBuilt = 0;
    int32_t forestArmed = 0;
    std::array<int32_t, 5> fenceDone{};
    int32_t forestFireOut1 = 0;
    int32_t forestFireOut2 = 0;
};

extern PuzzleState gPuzzles;

// The water sources' key handling, first of every roaming key press.
void HandlePuzzleKey(const sf::Event::KeyEvent& keyEvent, MapItemList& mapItems);
