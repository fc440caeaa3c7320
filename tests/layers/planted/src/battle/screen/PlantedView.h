#pragma once
// The screen may draw.

#include <SFML/Graphics/Text.hpp>
