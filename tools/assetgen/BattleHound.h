#pragma once
// The knights' hound in battle: the brown dog of the roaming maps with its red collar, seen from the side,
// low and long in a 32 x 32 art frame (doubled on the sheet), facing right like every rig drawing.

#include "PixelCanvas.h"

enum HoundMove { HOUND_IDLE, HOUND_ATTACK, HOUND_HURT, HOUND_DEATH, HOUND_PARALYSED };

inline constexpr int HOUND_FRAME = 32;

PixelCanvas DrawHoundFrame(HoundMove move, int frame, int frames);
