#pragma once
// Scenes the content tests set on the real maps the short way: the hero put down at a spot, things laid
// at his feet; and what they count: what he carries, what lies on the map, who stands on it.

#include <SFML/System/Vector2.hpp>

#include <initializer_list>
#include <string>

#include "support/GameHarness.h"

// These tests look at the game, not at its pixels: one frame in eight is drawn.
inline constexpr HarnessOptions UNSEEN = {.drawEvery = 8};

// Moves the hero so that the top-left corner of his foot box is at feet (map pixels).
void PlaceFeet(GameHarness& game, sf::Vector2f feet);
// Items of these names laid on the map, all within reach of the hero's feet.
void LayAtFeet(GameHarness& game, std::initializer_list<const char*> names);
// How many of the carried items are named exactly name.
int Carrying(GameHarness& game, const std::string& name);
// How many of the items lying on the map are named exactly name.
int LyingOnMap(GameHarness& game, const std::string& name);
// How many of the people on the map are of that type.
int PeopleOfType(GameHarness& game, int32_t type);
