#pragma once
// Drawing light for the battle's effect sheets: soft dots, rings and bolts in palette colours whose alpha
// carries the fade, and the sheet writer that lays the frames side by side.

#include "AssetRegistry.h"
#include "PixelCanvas.h"
#include "Rng.h"

#include <string>
#include <vector>

inline constexpr int EFFECT_FRAME_WIDTH = 32;  // 64 on disk: every sheet's frames are this wide
inline constexpr int EFFECT_FACTOR = 2;

// Points are given in fractions of a pixel and land on the nearest one; off-frame points are dropped.
void PutGlow(PixelCanvas& frame, float x, float y, sf::Color colour);
// A filled disc; a radius under one pixel still marks the centre.
void GlowDot(PixelCanvas& frame, float x, float y, float radius, sf::Color colour);
// A disc of two colours woven in a checker, for the purple the palette has no ramp for.
void WovenDisc(PixelCanvas& frame, float x, float y, float radius, PaletteIndex first, PaletteIndex second,
               std::uint8_t alpha);
// An elliptical band `thickness` pixels wide just inside the ellipse.
void GlowRing(PixelCanvas& frame, float x, float y, float radiusX, float radiusY, float thickness,
              sf::Color colour);
void GlowLine(PixelCanvas& frame, float x0, float y0, float x1, float y1, sf::Color colour);
// A lightning bolt along the points: a gold halo, a bright core and white kinks.
void DrawLightningBolt(PixelCanvas& frame, const std::vector<PixelPoint>& path, std::uint8_t alpha);
// A small four-pointed twinkle: a bright centre and arms `arm` pixels long.
void DrawTwinkle(PixelCanvas& frame, float x, float y, int arm, sf::Color centre, sf::Color arms);

// The frames of an effect, painted one by one and set side by side in the sheet's first row.
using EffectFramePainter = PixelCanvas (*)(int index);
void WriteEffectSheet(AssetWriter& writer, const std::string& path, int frameHeight, int frames,
                      EffectFramePainter paint);

// The healing, mana, revival and targeting sheets (BattleAidEffectArt.cpp).
PixelCanvas HealFrame(int index);
PixelCanvas ManaFrame(int index);
PixelCanvas ReviveFrame(int index);
PixelCanvas TargetFrame(int index);
