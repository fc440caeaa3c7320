#pragma once
// Live keyboard and pointer queries. Every handler that asks "is this key held now?" or "where is the
// pointer?" goes through here, so tests can hold keys and place the pointer without a person.

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Vector2.hpp>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

struct InputSeam {
    bool scripted = false;             // true: the values below replace the real devices
    std::array<bool, 102> heldKeys{};  // by SFML key code
    sf::Vector2i pointer{0, 0};        // window pixels
};

extern InputSeam gInput;

// Held on the keyboard, or held for it by the gamepad (app/PadKeys.h).
bool IsKeyHeld(int32_t keyCode);
// The keys the pad holds now, replacing the last set (codes below 0 are skipped).
void HoldKeysByPad(const std::vector<int32_t>& keyCodes);

// The pointer in game-area pixels, measured from the game area's top-left corner (window pixels when
// the window shows the area at its own size).
sf::Vector2f PointerPosition(const sf::RenderWindow& window);

// Tests: take over the devices (all keys released, pointer at 0, 0) or give them back.
void ScriptInput(bool scripted);
void HoldKey(int32_t keyCode, bool held);
void PlacePointer(sf::Vector2i windowPixels);
