#pragma once

#include <SFML/Graphics/Sprite.hpp>
