#pragma once
// The one frame of every panel and button in Velmoria: an outlined dark-wood border lit from the top-left,
// gold studs on the corners, and a deep-blue or parchment interior. Panels of any size are cut from one
// 12x12 frame tile (9-slice), so every HUD, menu and dialogue box drawn later matches the title buttons.

#include "PixelCanvas.h"

#include <string>

inline constexpr int UI_BORDER = 4;      // outline, lit wood, wood, inner line
inline constexpr int UI_TILE_SIZE = 12;  // corners and edges are UI_BORDER wide

enum PanelInterior { PANEL_NAVY, PANEL_PARCHMENT };
enum ButtonState { BUTTON_NORMAL, BUTTON_HIGHLIGHTED };

// The frame tile itself, for anyone who wants to slice it differently.
PixelCanvas MakeFrameTile(PanelInterior interior, bool goldLit);

// Stretches a tile over a rectangle: corners copied, edges and centre repeated.
void DrawNineSlice(PixelCanvas& canvas, const PixelCanvas& tile, int x, int y, int width, int height);

void DrawPanel(PixelCanvas& canvas, int x, int y, int width, int height, PanelInterior interior = PANEL_NAVY);
PixelCanvas MakePanel(int width, int height, PanelInterior interior = PANEL_NAVY);

// A button: the panel frame with a centred label. Highlighted (the cursor is on it) means a gold-lit rim,
// a brighter interior, and the label pressed one pixel in.
void DrawButton(PixelCanvas& canvas, int x, int y, int width, int height, const std::string& label,
                ButtonState state);
PixelCanvas MakeButton(int width, int height, const std::string& label, ButtonState state);
