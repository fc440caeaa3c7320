#include "core/KeyNames.h"

namespace {

constexpr int KEY_NAME_COUNT = 102;

// Indexed by key code: letters, digits, then SFML's enumeration order.
constexpr const char* KEY_NAMES[KEY_NAME_COUNT] = {
    "A",      "B",        "C",      "D",      "E",       "F",         "G",      "H",      "I",
    "J",      "K",        "L",      "M",      "N",       "O",         "P",      "Q",      "R",
    "S",      "T",        "U",      "V",      "W",       "X",         "Y",      "Z",      "0",
    "1",      "2",        "3",      "4",      "5",       "6",         "7",      "8",      "9",
    "Escape", "LControl", "LShift", "LAlt",   "LSystem", "RControl",  "RShift", "RAlt",   "RSystem",
    "Menu",   "[",        "]",      ";",      ",",       ".",         "'",      "/",      "BackSlash",
    "`",      "=",        "-",      "Space",  "Enter",   "BackSpace", "Tab",    "PageUp", "PageDown",
    "End",    "Home",     "Insert", "Delete", "+",       "-",         "*",      "/",      "Left",
    "Right",  "Up",       "Down",   "Pad0",   "Pad1",    "Pad2",      "Pad3",   "Pad4",   "Pad5",
    "Pad6",   "Pad7",     "Pad8",   "Pad9",   "F1",      "F2",        "F3",     "F4",     "F5",
    "F6",     "F7",       "F8",     "F9",     "F10",     "F11",       "F12",    "F13",    "F14",
    "F15",    "Pause",    "Count",
};

}  // namespace

const char* KeyName(int32_t code) {
    return code >= 0 && code < KEY_NAME_COUNT ? KEY_NAMES[code] : "";
}
