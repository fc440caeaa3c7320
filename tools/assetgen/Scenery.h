#pragma once
// Landscape pieces shared by the title picture and, later, map tiles and the world map: trees, goblin huts,
// clouds and hills. Each piece is drawn on its own layer, shaded from the top-left and outlined, then
// placed, so everything in a scene carries the same dark line and the same light.

#include "PixelCanvas.h"
#include "Rng.h"

// Draws a layer onto the scene after shading each listed ramp and outlining it.
void PlaceShadedLayer(PixelCanvas& scene, PixelCanvas& layer, int x, int y,
                      std::initializer_list<Ramp> ramps);

// A pine of the dark forest; (x, y) is the foot of its trunk.
void DrawPineTree(PixelCanvas& scene, int x, int y, int height, Rng& rng);
// A round leafy tree of the village; (x, y) is the foot of its trunk.
void DrawRoundTree(PixelCanvas& scene, int x, int y, int radius, Rng& rng);

enum RoofStyle { ROOF_THATCH, ROOF_TILES };
// A goblin hut: squat wooden walls, a tall pointed roof, a lit window. (x, y) is the bottom-left corner.
void DrawGoblinHut(PixelCanvas& scene, int x, int y, int width, RoofStyle roof, Rng& rng);

void DrawCloud(PixelCanvas& scene, int x, int y, int width, Rng& rng);

// Fills everything below a rolling ridge line (base height plus two swells) with one colour.
void FillRidge(PixelCanvas& scene, int baseY, int amplitude, float waveLength, float phase, sf::Color colour);
// The height of that ridge line at x, so trees can stand on it.
int RidgeY(int x, int baseY, int amplitude, float waveLength, float phase);
