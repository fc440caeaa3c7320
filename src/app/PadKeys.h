#pragma once
// The gamepad speaks the keyboard's language: every screen already knows the bound keys, so a pad
// button pressed is a press of the key bound to its action (confirm ENTER, back ESCAPE, north the
// inventory, Start ESCAPE, which pauses the game, west Space, which hurries a battle's turns), and a
// direction pushed on the d-pad or the stick is a press of the bound direction key, repeated while it stays
// pushed, as a held key repeats. While the pad holds them, those keys also answer "held" (the hero walks, the
// reel is wound).

#include <SFML/Window/Event.hpp>

#include <array>
#include <cstdint>
#include <vector>

#include "core/Gamepad.h"

inline constexpr float PAD_REPEAT_DELAY = 0.4f;    // seconds a direction is held before it repeats
inline constexpr float PAD_REPEAT_PERIOD = 0.15f;  // then one press this often

// What the pad did in one frame, in the order the screens should hear it.
struct PadFrame {
    std::vector<sf::Event::KeyEvent> presses;
    std::vector<int32_t> releases;  // key codes
    bool pulled = false;            // the pad that was there is gone
};

class PadKeys {
public:
    // One look at the pad, `dt` seconds after the last.
    PadFrame Poll(float dt);
    // Lets go of every key the pad holds (a new game, the program closing).
    void ReleaseAll();

private:
    static constexpr size_t SOURCES = 4 + PAD_ACTION_COUNT;  // up, down, left, right, then the actions
    static constexpr std::array<int32_t, SOURCES> NONE_HELD = [] {
        std::array<int32_t, SOURCES> none{};
        none.fill(-1);
        return none;
    }();

    std::array<int32_t, SOURCES> held_ = NONE_HELD;  // the key each source holds, -1 for none
    std::array<float, SOURCES> heldFor_{};
    bool present_ = false;
};
