#pragma once
// Display names of SFML key codes, as the options screen shows them.

#include <cstdint>

// Name of a key code 0..101; any other code (-1, the unknown key, included) gives "". The text lives in
// one shared buffer that the next call overwrites.
const char* KeyName(int32_t code);
