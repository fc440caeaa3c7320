#pragma once
// Display names of SFML key codes, as the options screen shows them.

#include <cstdint>

// Name of a key code 0..101; any other code (-1, the unknown key, included) gives "". The text is the
// table's own and stays valid for the whole run.
const char* KeyName(int32_t code);
