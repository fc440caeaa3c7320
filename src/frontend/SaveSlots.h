#pragma once
// What the save slots do: start a new game in a slot, continue one, delete one.

#include <SFML/Graphics/RenderWindow.hpp>

#include <cstdint>

// A fresh game in slot: its folder, 20 gold, the bedroom, the Start pop-up, and its first thumbnail.
void StartNewSave(sf::RenderWindow& window, int32_t slot);
// Continues slot from its save (or its sound backup); a save that cannot be read leaves the menu as it is.
void ContinueSave(sf::RenderWindow& window, int32_t slot);
void DeleteSaveSlot(int32_t slot);
