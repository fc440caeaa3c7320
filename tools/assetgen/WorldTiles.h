#pragma once
// Shared pieces of the map tiles: ground textures that repeat every 32 art pixels (so any two tiles of
// the same ground meet without a seam), the wavy borders between grounds, and small helpers to stand an
// object on a tile. Tiles are painted at 32 x 32 and doubled into the atlas.

#include "PixelCanvas.h"
#include "Rng.h"
#include "TileAtlas.h"

#include <cstdint>
#include <functional>

inline constexpr int TILE_ART = ATLAS_TILE / 2;

// A stable pseudo-random number for a pixel; coordinates wrap at the tile size so textures repeat.
std::uint32_t TileHash(int x, int y, std::uint32_t seed);
int WrapTile(int value);

// Ground colours at a pixel of the endless repeating ground.
sf::Color GrassAt(int x, int y, std::uint32_t seed = 1);
sf::Color DarkGrassAt(int x, int y);
sf::Color PathAt(int x, int y);
sf::Color WaterAt(int x, int y);
sf::Color ForestFloorAt(int x, int y, std::uint32_t seed = 3);
sf::Color WoodFloorAt(int x, int y, int boardOffset);
sf::Color StoneFloorAt(int x, int y);

using GroundFunction = std::function<sf::Color(int, int)>;
void PaintGround(PixelCanvas& tile, const GroundFunction& ground);

// The edge pieces between two grounds. Sides name where the outer ground lies; an inner corner keeps the
// outer ground only where both of its bands meet.
enum EdgeSide : unsigned { EDGE_N = 1, EDGE_S = 2, EDGE_E = 4, EDGE_W = 8 };
struct EdgeShape {
    unsigned sides = 0;
    bool inner = false;
    int depth = 8;  // mean width of the outer band
};
// True where the outer ground lies; defined beyond the tile too, continuing the neighbour it expects.
bool IsOuterGround(const EdgeShape& shape, int x, int y, std::uint32_t seed);
// Distance (0 inside the outer ground, else 1..limit) from a pixel to the outer ground.
int DistanceToOuter(const EdgeShape& shape, int x, int y, std::uint32_t seed, int limit);

// Draws an object on its own layer, then shades and outlines it onto the tile.
void StandObject(PixelCanvas& tile, PixelCanvas& layer, std::initializer_list<Ramp> ramps);
// A soft dark ellipse on the ground under an object.
void GroundShadow(PixelCanvas& tile, int centreX, int centreY, int radiusX, int radiusY);

// Painters of each row group: each returns false for tiles it does not know.
bool PaintGroundTile(AtlasTile id, PixelCanvas& tile);
bool PaintPathOrWaterTile(AtlasTile id, PixelCanvas& tile);
bool PaintOutdoorPropTile(AtlasTile id, PixelCanvas& tile);
bool PaintHouseTile(AtlasTile id, PixelCanvas& tile);
bool PaintRoofTile(AtlasTile id, PixelCanvas& tile);
bool PaintForestTile(AtlasTile id, PixelCanvas& tile);
bool PaintInteriorTile(AtlasTile id, PixelCanvas& tile);
bool PaintFurnitureTile(AtlasTile id, PixelCanvas& tile);

// The log cabin's roof (0 left, 1 middle, 2 right), shaped like the village roofs.
void PaintCabinRoof(PixelCanvas& tile, int side);

// One tile of the day painting, 32 x 32 art pixels.
PixelCanvas PaintDayTile(AtlasTile id);
// The whole atlas of one painting at art size (512 x 288).
PixelCanvas PaintAtlas(AtlasVariant variant);

// The night colour of a day colour: a cool, darker step of the same palette (lamplight stays warm).
sf::Color NightColour(sf::Color day);
