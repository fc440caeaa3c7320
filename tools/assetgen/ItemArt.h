#pragma once
// A potion bottle of the given liquid, 32 x 32 art pixels: the shop sells the same bottles the hero carries.
#include "PixelCanvas.h"

PixelCanvas DrawPotion(PaletteIndex liquid, PaletteIndex shine);
