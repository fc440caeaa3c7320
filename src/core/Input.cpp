#include "core/Input.h"

#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>

#include "core/Screen.h"

InputSeam gInput;

namespace {

std::array<bool, 102> gPadHeld{};

}  // namespace

bool IsKeyHeld(int32_t keyCode) {
    if (keyCode < 0 || keyCode >= static_cast<int32_t>(gInput.heldKeys.size())) return false;
    if (gPadHeld[static_cast<size_t>(keyCode)]) return true;
    if (gInput.scripted) return gInput.heldKeys[static_cast<size_t>(keyCode)];
    return sf::Keyboard::isKeyPressed(static_cast<sf::Keyboard::Key>(keyCode));
}

sf::Vector2f PointerPosition(const sf::RenderWindow& window) {
    const sf::Vector2i pixels = gInput.scripted ? gInput.pointer : sf::Mouse::getPosition(window);
    return WindowToGameArea(window, pixels);
}

void ScriptInput(bool scripted) {
    gInput = InputSeam{scripted, {}, {0, 0}};
}

void HoldKey(int32_t keyCode, bool held) {
    if (keyCode >= 0 && keyCode < static_cast<int32_t>(gInput.heldKeys.size())) {
        gInput.heldKeys[static_cast<size_t>(keyCode)] = held;
    }
}

void PlacePointer(sf::Vector2i windowPixels) {
    gInput.pointer = windowPixels;
}

void HoldKeysByPad(const std::vector<int32_t>& keyCodes) {
    gPadHeld.fill(false);
    for (const int32_t code : keyCodes) {
        if (code >= 0 && code < static_cast<int32_t>(gPadHeld.size()))
            gPadHeld[static_cast<size_t>(code)] = true;
    }
}
