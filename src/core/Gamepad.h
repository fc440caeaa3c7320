#pragma once
// The gamepad as the game reads it: the first controller SFML sees, its buttons, its left stick and its
// d-pad, and which of its buttons confirm, go back, open the inventory and pause. Tests script a pad
// here the way they hold keys in core/Input.h.

#include <cstdint>
#include <optional>

// The pad's buttons that stand for ENTER, ESCAPE, the inventory key, the pause and Space (which hurries
// a battle's turns).
enum PadAction : int32_t { PAD_CONFIRM = 0, PAD_BACK, PAD_INVENTORY, PAD_PAUSE, PAD_HURRY, PAD_ACTION_COUNT };
inline constexpr int32_t PAD_BUTTON_OF_THE_MAKE = -1;

// Up, down, left, right, each held or not, from the d-pad or the stick past its dead zone.
struct PadDirections {
    bool up = false;
    bool down = false;
    bool left = false;
    bool right = false;
};

// One look at the pad: nothing when none is plugged in.
struct PadState {
    uint32_t buttons = 0;  // bit n: SFML button n held
    float stickX = 0.0f;   // -100 (left) to 100 (right)
    float stickY = 0.0f;   // -100 (up) to 100 (down)
    float dpadX = 0.0f;
    float dpadY = 0.0f;  // -100 up, as the Linux driver reports the hat
    uint32_t vendorId = 0;
};

struct PadSeam {
    bool scripted = false;  // true: `pad` replaces the real controllers
    std::optional<PadState> pad;
};
extern PadSeam gPad;

inline constexpr float PAD_DEAD_ZONE = 25.0f;  // of 100: a stick at rest drifts less than this
inline constexpr uint32_t SONY_VENDOR_ID = 0x054C;

// The first connected controller (SFML numbers them 0 to 7), or the scripted one.
std::optional<PadState> ReadPad();
PadDirections DirectionsOf(const PadState& pad);
// The SFML button that stands for an action on this pad: the player's choice from the settings, else
// the layout of the pad's make (Xbox and most others: A 0, B 1, Y 3, Start 7, X 2; Sony: cross 0,
// circle 1, triangle 2, options 9, square 3).
int32_t PadButtonFor(const PadState& pad, PadAction action);
bool IsPadButtonHeld(const PadState& pad, int32_t button);

// Tests: take over the controllers (none plugged in) or give them back; plug in a pad, pull it out.
void ScriptPad(bool scripted);
void PlugPad(const PadState& pad);
void PullPad();
