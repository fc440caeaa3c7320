#include "app/PadKeys.h"

#include <algorithm>
#include <optional>

#include "core/Input.h"
#include "core/Settings.h"

namespace {

constexpr int FIRST_ACTION = 4;
constexpr size_t PAD_SOURCES = FIRST_ACTION + PAD_ACTION_COUNT;  // PadKeys::SOURCES

sf::Event::KeyEvent KeyEventOf(int32_t code) {
    sf::Event::KeyEvent key{};
    key.code = static_cast<sf::Keyboard::Key>(code);
    return key;
}

int32_t KeyOfAction(PadAction action) {
    const KeyBindings& keys = gSettings.keys;
    switch (action) {
        case PAD_CONFIRM:
            return keys.enter;
        case PAD_INVENTORY:
            return keys.inventory;
        case PAD_HURRY:
            return sf::Keyboard::Space;
        case PAD_BACK:
        case PAD_PAUSE:
        case PAD_ACTION_COUNT:
            break;
    }
    return keys.escape;
}

// The key each source asks to hold this frame, -1 for none.
std::array<int32_t, PAD_SOURCES> WantedKeys(const PadState& pad) {
    const PadDirections directions = DirectionsOf(pad);
    const KeyBindings& keys = gSettings.keys;
    std::array<int32_t, PAD_SOURCES> wanted{directions.up ? keys.up : -1, directions.down ? keys.down : -1,
                                            directions.left ? keys.left : -1,
                                            directions.right ? keys.right : -1};
    for (int action = 0; action < PAD_ACTION_COUNT; ++action) {
        const auto padAction = static_cast<PadAction>(action);
        const bool held = IsPadButtonHeld(pad, PadButtonFor(pad, padAction));
        wanted[static_cast<size_t>(FIRST_ACTION) + static_cast<size_t>(action)] =
            held ? KeyOfAction(padAction) : -1;
    }
    return wanted;
}

bool Repeats(float before, float after) {
    if (after < PAD_REPEAT_DELAY) return false;
    if (before < PAD_REPEAT_DELAY) return true;
    return static_cast<int>((after - PAD_REPEAT_DELAY) / PAD_REPEAT_PERIOD) >
           static_cast<int>((before - PAD_REPEAT_DELAY) / PAD_REPEAT_PERIOD);
}

}  // namespace

PadFrame PadKeys::Poll(float dt) {
    PadFrame frame;
    const std::optional<PadState> pad = ReadPad();
    frame.pulled = present_ && !pad;
    present_ = pad.has_value();
    std::array<int32_t, SOURCES> wanted = NONE_HELD;
    if (pad) wanted = WantedKeys(*pad);
    for (size_t source = 0; source < SOURCES; ++source) {
        const int32_t key = wanted[source];
        const bool stillHeld = std::find(wanted.begin(), wanted.end(), held_[source]) != wanted.end();
        if (held_[source] >= 0 && held_[source] != key && !stillHeld) frame.releases.push_back(held_[source]);
        const float before = held_[source] == key ? heldFor_[source] : -1.0f;
        held_[source] = key;
        if (key < 0) continue;
        heldFor_[source] = before < 0.0f ? 0.0f : before + dt;
        const bool directional = source < static_cast<size_t>(FIRST_ACTION);
        if (before < 0.0f || (directional && Repeats(before, heldFor_[source])))
            frame.presses.push_back(KeyEventOf(key));
    }
    HoldKeysByPad({held_.begin(), held_.end()});
    return frame;
}

void PadKeys::ReleaseAll() {
    held_.fill(-1);
    present_ = false;
    HoldKeysByPad({});
}
