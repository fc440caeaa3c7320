#pragma once
// The battle backdrops, painted at 480 x 270 and enlarged four times to fill the screen. Fighters stand on
// the ground between y 75 and 187 (300 to 750 on screen); below 182 the HUD covers the picture, and the
// top 18 rows stay one flat colour so the speed timeline drawn over them reads.

#include "PixelCanvas.h"
#include "Rng.h"

inline constexpr int BACKDROP_WIDTH = 480;
inline constexpr int BACKDROP_HEIGHT = 270;
inline constexpr int BACKDROP_FACTOR = 4;
inline constexpr int BACKDROP_CALM_ROWS = 18;

// The sky down to the horizon: a flat strip under the timeline, then a dithered fall towards the horizon's
// haze, with clouds by day and stars by night (never in the calm strip).
void PaintBackdropSky(PixelCanvas& scene, int horizon, bool night, Rng& rng);
// The land drawn on its own layer by day turns to night through the maps' own night colours.
void TurnBackdropToNight(PixelCanvas& layer);
void DrawBackdropMoon(PixelCanvas& scene, int x, int y, int radius);

PixelCanvas PaintBridgeBackdrop(bool night);
