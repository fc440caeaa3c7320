#pragma once
// The environmental puzzles: the burning house, the forest's fences and fires, the decoy, and the two
// water sources that fill the bucket.

#include <SFML/Window/Event.hpp>

#include "content/Items.h"

// The water sources' key handling, first of every roaming key press.
void HandlePuzzleKey(const sf::Event::KeyEvent& keyEvent, MapItemList& mapItems);
