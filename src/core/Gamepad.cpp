#include "core/Gamepad.h"

#include <SFML/Window/Joystick.hpp>

#include <algorithm>

#include "core/Settings.h"

PadSeam gPad;

namespace {

constexpr int32_t XBOX_LAYOUT[PAD_ACTION_COUNT] = {0, 1, 3, 7, 2};
constexpr int32_t SONY_LAYOUT[PAD_ACTION_COUNT] = {0, 1, 2, 9, 3};
constexpr uint32_t BUTTONS_READ = 32;

PadState ReadJoystick(unsigned id) {
    PadState pad;
    const unsigned count = std::min(sf::Joystick::getButtonCount(id), BUTTONS_READ);
    for (unsigned button = 0; button < count; ++button)
        if (sf::Joystick::isButtonPressed(id, button)) pad.buttons |= 1u << button;
    pad.stickX = sf::Joystick::getAxisPosition(id, sf::Joystick::X);
    pad.stickY = sf::Joystick::getAxisPosition(id, sf::Joystick::Y);
    pad.dpadX = sf::Joystick::getAxisPosition(id, sf::Joystick::PovX);
    pad.dpadY = sf::Joystick::getAxisPosition(id, sf::Joystick::PovY);
    pad.vendorId = sf::Joystick::getIdentification(id).vendorId;
    return pad;
}

}  // namespace

std::optional<PadState> ReadPad() {
    if (gPad.scripted) return gPad.pad;
    for (unsigned id = 0; id < sf::Joystick::Count; ++id)
        if (sf::Joystick::isConnected(id)) return ReadJoystick(id);
    return std::nullopt;
}

PadDirections DirectionsOf(const PadState& pad) {
    PadDirections directions;
    directions.up = pad.stickY < -PAD_DEAD_ZONE || pad.dpadY < -PAD_DEAD_ZONE;
    directions.down = pad.stickY > PAD_DEAD_ZONE || pad.dpadY > PAD_DEAD_ZONE;
    directions.left = pad.stickX < -PAD_DEAD_ZONE || pad.dpadX < -PAD_DEAD_ZONE;
    directions.right = pad.stickX > PAD_DEAD_ZONE || pad.dpadX > PAD_DEAD_ZONE;
    return directions;
}

int32_t PadButtonFor(const PadState& pad, PadAction action) {
    const int32_t chosen = gSettings.padButtons[static_cast<size_t>(action)];
    if (chosen != PAD_BUTTON_OF_THE_MAKE) return chosen;
    return pad.vendorId == SONY_VENDOR_ID ? SONY_LAYOUT[action] : XBOX_LAYOUT[action];
}

bool IsPadButtonHeld(const PadState& pad, int32_t button) {
    return button >= 0 && button < static_cast<int32_t>(BUTTONS_READ) && (pad.buttons >> button & 1u) != 0;
}

void ScriptPad(bool scripted) {
    gPad = PadSeam{scripted, std::nullopt};
}

void PlugPad(const PadState& pad) {
    gPad.pad = pad;
}

void PullPad() {
    gPad.pad.reset();
}
