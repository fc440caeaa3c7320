// The generated art of walking the world, as the game cuts and draws it: the atlases of every map, the
// strips of the trees, the fire and the bubbles, the hero's fourteen rows, the clouds and the world map.

#include "GeneratedTree.h"
#include "assetgen/Palette.h"
#include "assetgen/TileAtlas.h"
#include "assetgen/WorldTiles.h"
#include "support/Files.h"

#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <string>

namespace {

namespace fs = std::filesystem;

sf::Image Load(const std::string& path) {
    sf::Image image;
    EXPECT_TRUE(image.loadFromFile((Generated(0).root / path).string())) << path;
    return image;
}

std::string AtlasPath(const MapAtlas& entry) {
    return std::string("Text/Maps/") + entry.map + "/" + ATLAS_IMAGES[entry.variant];
}

sf::Color AtlasPixel(const sf::Image& atlas, AtlasTile tile, int x, int y) {
    return atlas.getPixel(static_cast<unsigned>((tile % ATLAS_COLUMNS) * ATLAS_TILE + x),
                          static_cast<unsigned>((tile / ATLAS_COLUMNS) * ATLAS_TILE + y));
}

int CountPixels(const sf::Image& image, sf::IntRect area, bool (*test)(sf::Color)) {
    int count = 0;
    for (int y = area.top; y < area.top + area.height; ++y)
        for (int x = area.left; x < area.left + area.width; ++x)
            if (test(image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)))) ++count;
    return count;
}

bool Opaque(sf::Color colour) {
    return colour.a == 255;
}
bool Visible(sf::Color colour) {
    return colour.a > 0;
}
bool Clear(sf::Color colour) {
    return colour.a == 0;
}
bool Grassy(sf::Color colour) {
    return colour == Pal(PAL_GRASS_MID) || colour == Pal(PAL_GRASS_LIGHT) || colour == Pal(PAL_GRASS_DARK);
}
bool Ember(sf::Color colour) {
    return colour == Pal(PAL_CLOTH_LIGHT) || colour == Pal(PAL_GOLD_LIGHT);
}

sf::IntRect TileArea(AtlasTile tile) {
    return {(tile % ATLAS_COLUMNS) * ATLAS_TILE, (tile / ATLAS_COLUMNS) * ATLAS_TILE, ATLAS_TILE, ATLAS_TILE};
}

double Brightness(const sf::Image& image) {
    double sum = 0.0;
    for (unsigned y = 0; y < image.getSize().y; y += 2)
        for (unsigned x = 0; x < image.getSize().x; x += 2) {
            const sf::Color colour = image.getPixel(x, y);
            sum += 0.3 * colour.r + 0.59 * colour.g + 0.11 * colour.b;
        }
    return sum / (image.getSize().x * image.getSize().y / 4.0);
}

}  // namespace

TEST(WorldAssets, PicturesHaveTheSizesAndFrameCountsTheGameCuts) {
    struct Expected {
        std::string path;
        unsigned width;
        unsigned height;
        unsigned frames;  // the strip's width must divide into this many frames
    };
    std::vector<Expected> table = {
        {"Sprites/MapAnimations/Flamme sol-Sheet.png", 192, 64, 3},
        {"Sprites/Fishing/Bulles_Spritesheet.png", 448, 64, 7},
        {"Sprites/Setting/Collision.png", 128, 128, 1},
        {"Sprites/Characters/Player/Sheet_Pello.png", 448, 896, 7},
        {"Sprites/Characters/Player/sheet_pello_torche Nuit.png", 448, 896, 7},
        {"Sprites/Dialogues/Interact.png", 180, 90, 1},
        {"Sprites/ChangeMap/BackgroundMap.png", 1920, 1080, 1},
        {"Sprites/ChangeMap/Cursor.png", 48, 48, 1},
        {"Sprites/ChangeMap/Point de selection minimap.png", 48, 48, 1},
    };
    for (const MapAtlas& entry : MAP_ATLASES)
        table.push_back({AtlasPath(entry), 1024, 576, 16});
    for (int tree = 1; tree <= 4; ++tree)
        for (const char* suffix : {".png", "_BURN.png"})
            table.push_back({"Sprites/MapAnimations/TREE_" + std::to_string(tree) + suffix, 3840, 672, 10});
    for (const Expected& expected : table) {
        const sf::Image image = Load(expected.path);
        EXPECT_EQ(image.getSize(), sf::Vector2u(expected.width, expected.height)) << expected.path;
        EXPECT_EQ(image.getSize().x % expected.frames, 0u) << expected.path;
    }
}

TEST(WorldAssets, CloudsAreSoftWhiteOfVariedWidths) {
    std::vector<unsigned> widths;
    for (int cloud = 1; cloud <= 8; ++cloud) {
        const std::string path = "Sprites/MapAnimations/Nuages" + std::to_string(cloud) + ".png";
        const sf::Image image = Load(path);
        const sf::IntRect all(0, 0, static_cast<int>(image.getSize().x), static_cast<int>(image.getSize().y));
        EXPECT_GE(image.getSize().x, 200u) << path;
        EXPECT_LE(image.getSize().x, 420u) << path;
        EXPECT_GT(CountPixels(image, all, Visible), 0) << path;
        EXPECT_EQ(CountPixels(image, all, Opaque), 0) << path << " should let the map show through";
        widths.push_back(image.getSize().x);
    }
    std::sort(widths.begin(), widths.end());
    EXPECT_EQ(std::unique(widths.begin(), widths.end()), widths.end());
}

TEST(WorldAssets, PlainPointsShowNothing) {
    const sf::Image image = Load("Sprites/Setting/Collision.png");
    EXPECT_EQ(CountPixels(image, {0, 0, 128, 128}, Visible), 0);
}

TEST(WorldAssets, EachMapGetsItsOwnPaintingAndThePaintingsDiffer) {
    std::string bytes[3];
    for (const MapAtlas& entry : MAP_ATLASES) {
        const std::string file = ReadWholeFile(Generated(0).root / AtlasPath(entry));
        ASSERT_FALSE(file.empty()) << entry.map;
        if (bytes[entry.variant].empty()) bytes[entry.variant] = file;
        EXPECT_EQ(file, bytes[entry.variant]) << entry.map << " differs from the other maps of its painting";
    }
    EXPECT_NE(bytes[ATLAS_DAY], bytes[ATLAS_NIGHT]);
    EXPECT_NE(bytes[ATLAS_NIGHT], bytes[ATLAS_BURN]);
    const sf::Image day = Load("Text/Maps/GoblinVillage/Tiles_Day.png");
    const sf::Image night = Load("Text/Maps/ForestNight/Tiles_Night.png");
    const sf::Image burn = Load("Text/Maps/HOUSE_BURN_1/Tiles_Burn.png");
    EXPECT_LT(Brightness(night), Brightness(day) * 0.75);
    const sf::IntRect grounds(0, 0, ATLAS_COLUMNS * ATLAS_TILE, ATLAS_TILE);
    EXPECT_GT(CountPixels(burn, grounds, Ember), CountPixels(night, grounds, Ember) + 20)
        << "no embers in the ash";
}

TEST(WorldAssets, GroundTilesAreOpaqueAndTilesAboveTheHeroLeaveHimRoom) {
    const sf::Image day = Load("Text/Maps/GoblinVillage/Tiles_Day.png");
    for (AtlasTile tile : {TILE_GRASS_1, TILE_PATH, TILE_PATH_INNER_NE, TILE_WATER, TILE_WATER_OUTER_SW,
                           TILE_BRIDGE_DECK, TILE_WALL_DOOR, TILE_FOREST_WALL, TILE_FLOOR_WOOD_1,
                           TILE_INNER_WALL, TILE_BED_HEAD, TILE_BATHTUB_L})
        EXPECT_EQ(CountPixels(day, TileArea(tile), Opaque), ATLAS_TILE * ATLAS_TILE) << "tile " << tile;
    for (AtlasTile tile : {TILE_ROOF_RIDGE_M, TILE_ROOF_EAVE_L, TILE_ROOF_THATCH_R, TILE_DOOR_FRAME_TOP,
                           TILE_TREE_CANOPY_EDGE, TILE_PINE_TOP, TILE_CABIN_ROOF_M}) {
        const int clear = CountPixels(day, TileArea(tile), Clear);
        EXPECT_GT(clear, 0) << "tile " << tile << " hides everything under it";
        EXPECT_LT(clear, ATLAS_TILE * ATLAS_TILE / 2 + 400) << "tile " << tile << " is nearly empty";
    }
    for (const char* painting :
         {"GoblinVillage/Tiles_Day.png", "BridgeNight/Tiles_Night.png", "HOUSE_BURN_1/Tiles_Burn.png"}) {
        const sf::Image atlas = Load(std::string("Text/Maps/") + painting);
        EXPECT_EQ(AtlasPixel(atlas, TILE_VOID, 0, 0), Pal(PAL_OUTLINE)) << painting;
        EXPECT_EQ(AtlasPixel(atlas, TILE_VOID, 63, 63), Pal(PAL_OUTLINE)) << painting;
    }
}

// Where grass starts along a shared edge must match on both sides, or the border shows a step.
TEST(WorldAssets, PathAndShorePiecesMeetTheirNeighboursWithoutASeam) {
    struct Pair {
        AtlasTile first;
        AtlasTile second;
        bool sideBySide;  // first west of second; otherwise first north of second
    };
    const Pair pairs[] = {
        {TILE_PATH_N, TILE_PATH_N, true},           {TILE_PATH_OUTER_NW, TILE_PATH_N, true},
        {TILE_PATH_N, TILE_PATH_OUTER_NE, true},    {TILE_PATH_N, TILE_PATH_INNER_NW, true},
        {TILE_PATH_W, TILE_PATH_W, false},          {TILE_PATH_W, TILE_PATH_INNER_NW, false},
        {TILE_PATH_OUTER_NE, TILE_PATH_E, false},   {TILE_PATH_S, TILE_PATH_OUTER_SE, true},
        {TILE_WATER_N, TILE_WATER_N, true},         {TILE_WATER_OUTER_NW, TILE_WATER_N, true},
        {TILE_WATER_E, TILE_WATER_OUTER_SE, false}, {TILE_WATER_INNER_SW, TILE_WATER_E, true},
        {TILE_WATER_OUTER_NW, TILE_WATER_W, false}, {TILE_WATER_S, TILE_WATER_S, true},
    };
    const sf::Image day = Load("Text/Maps/Bridge/Tiles_Day.png");
    for (const Pair& pair : pairs)
        for (int along = 0; along < ATLAS_TILE; ++along) {
            const sf::Color a = pair.sideBySide ? AtlasPixel(day, pair.first, ATLAS_TILE - 1, along)
                                                : AtlasPixel(day, pair.first, along, ATLAS_TILE - 1);
            const sf::Color b = pair.sideBySide ? AtlasPixel(day, pair.second, 0, along)
                                                : AtlasPixel(day, pair.second, along, 0);
            const sf::Color c = pair.sideBySide
                                    ? AtlasPixel(day, pair.second, 0, std::min(along + 2, ATLAS_TILE - 1))
                                    : AtlasPixel(day, pair.second, std::min(along + 2, ATLAS_TILE - 1), 0);
            const sf::Color d = pair.sideBySide ? AtlasPixel(day, pair.second, 0, std::max(along - 2, 0))
                                                : AtlasPixel(day, pair.second, std::max(along - 2, 0), 0);
            EXPECT_TRUE(Grassy(a) == Grassy(b) || Grassy(a) == Grassy(c) || Grassy(a) == Grassy(d))
                << "tiles " << pair.first << " and " << pair.second << " at " << along;
        }
}

TEST(WorldAssets, InnerCornersKeepGrassOnlyInTheirCorner) {
    const EdgeShape innerNorthEast{EDGE_N | EDGE_E, true, 8};
    EXPECT_TRUE(IsOuterGround(innerNorthEast, TILE_ART - 1, 0, 2));
    EXPECT_FALSE(IsOuterGround(innerNorthEast, 0, 0, 2));
    EXPECT_FALSE(IsOuterGround(innerNorthEast, TILE_ART - 1, TILE_ART - 1, 2));
    const EdgeShape outerNorthEast{EDGE_N | EDGE_E, false, 8};
    EXPECT_TRUE(IsOuterGround(outerNorthEast, 0, 0, 2));
    EXPECT_TRUE(IsOuterGround(outerNorthEast, TILE_ART - 1, TILE_ART - 1, 2));
    EXPECT_FALSE(IsOuterGround(outerNorthEast, 0, TILE_ART - 1, 2));
}

TEST(WorldAssets, NightNeverBrightensAColourAndStaysInThePalette) {
    for (const sf::Color& day : PaletteColours()) {
        const sf::Color night = NightColour(day);
        EXPECT_TRUE(IsPaletteColour(night));
        EXPECT_LE(0.3 * night.r + 0.59 * night.g + 0.11 * night.b,
                  0.3 * day.r + 0.59 * day.g + 0.11 * day.b + 0.5);
    }
}
