// tilepreview <Assets folder> <out.png>: a small patch of village built from the generated atlas as the
// game lays it out (ground layer, the hero and a tree sorted by their feet, then roofs and a cloud), in
// the day, night and burnt paintings one above the other, at the game's own scale. It is for judging
// seams, scale and readability by eye.

#include "assetgen/TileAtlas.h"

#include <SFML/Graphics/Image.hpp>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const int PREVIEW_COLUMNS = 12;
const int PREVIEW_ROWS = 8;
const int NONE = -1;

// The ground layer: a pond at the top right, a path band with a branch up to the house's door.
std::vector<int> GroundLayer() {
    std::vector<int> cells(static_cast<size_t>(PREVIEW_COLUMNS) * PREVIEW_ROWS, TILE_GRASS_1);
    auto set = [&cells](int column, int row, int tile) { cells[row * PREVIEW_COLUMNS + column] = tile; };
    const int pond[3][4] = {{TILE_WATER_OUTER_NW, TILE_WATER_N, TILE_WATER_N, TILE_WATER_OUTER_NE},
                            {TILE_WATER_W, TILE_WATER, TILE_WATER_LILY, TILE_WATER_E},
                            {TILE_WATER_OUTER_SW, TILE_WATER_S, TILE_WATER_INNER_SW, TILE_WATER_E}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column)
            set(8 + column, 1 + row, pond[row][column]);
    }
    set(10, 4, TILE_WATER_OUTER_SW);
    set(11, 4, TILE_WATER_OUTER_SE);
    for (int column = 0; column < PREVIEW_COLUMNS; ++column) {
        set(column, 5, TILE_PATH_N);
        set(column, 6, TILE_PATH_S);
    }
    set(4, 4, TILE_PATH_W);
    set(5, 4, TILE_PATH_E);
    set(4, 5, TILE_PATH_INNER_NW);
    set(5, 5, TILE_PATH_INNER_NE);
    const int walls[] = {TILE_WALL_LEFT, TILE_WALL_WINDOW, TILE_WALL_DOOR, TILE_WALL_RIGHT};
    for (int column = 0; column < 4; ++column)
        set(1 + column, 3, walls[column]);
    set(4, 3, TILE_WALL_DOOR);
    set(3, 3, TILE_WALL_WINDOW);
    set(2, 3, TILE_WALL_MID);
    set(0, 2, TILE_GRASS_FLOWERS);
    set(6, 1, TILE_BUSH);
    set(7, 3, TILE_FENCE_H);
    set(6, 3, TILE_FENCE_CORNER_NW);
    set(6, 4, TILE_FENCE_V);
    set(1, 7, TILE_GRASS_TUFT);
    set(9, 7, TILE_ROCK);
    set(0, 4, TILE_BARREL);
    return cells;
}

std::vector<int> RoofLayer() {
    std::vector<int> cells(static_cast<size_t>(PREVIEW_COLUMNS) * PREVIEW_ROWS, NONE);
    const int roof[3][4] = {{TILE_ROOF_RIDGE_L, TILE_ROOF_RIDGE_M, TILE_ROOF_RIDGE_M, TILE_ROOF_RIDGE_R},
                            {TILE_ROOF_MID_L, TILE_CHIMNEY, TILE_ROOF_MID_M, TILE_ROOF_MID_R},
                            {TILE_ROOF_EAVE_L, TILE_ROOF_EAVE_M, TILE_ROOF_EAVE_M, TILE_ROOF_EAVE_R}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column)
            cells[row * PREVIEW_COLUMNS + 1 + column] = roof[row][column];
    }
    cells[3 * PREVIEW_COLUMNS + 4] = TILE_DOOR_FRAME_TOP;
    return cells;
}

void BlendPixel(sf::Image& target, int x, int y, sf::Color colour) {
    if (x < 0 || y < 0 || x >= static_cast<int>(target.getSize().x) ||
        y >= static_cast<int>(target.getSize().y))
        return;
    if (colour.a == 0) return;
    const sf::Color under = target.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y));
    auto mix = [&colour](sf::Uint8 a, sf::Uint8 b) {
        return static_cast<sf::Uint8>((a * colour.a + b * (255 - colour.a)) / 255);
    };
    target.setPixel(static_cast<unsigned>(x), static_cast<unsigned>(y),
                    sf::Color(mix(colour.r, under.r), mix(colour.g, under.g), mix(colour.b, under.b)));
}

// Draws a region of a picture scaled by a whole or fractional factor with its origin at (x, y).
void Stamp(sf::Image& target, const sf::Image& source, sf::IntRect from, float scale, float originX,
           float originY, int x, int y) {
    const int width = static_cast<int>(static_cast<float>(from.width) * scale);
    const int height = static_cast<int>(static_cast<float>(from.height) * scale);
    const int left = x - static_cast<int>(originX * scale), top = y - static_cast<int>(originY * scale);
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const unsigned sx =
                static_cast<unsigned>(from.left + static_cast<int>(static_cast<float>(column) / scale));
            const unsigned sy =
                static_cast<unsigned>(from.top + static_cast<int>(static_cast<float>(row) / scale));
            BlendPixel(target, left + column, top + row, source.getPixel(sx, sy));
        }
    }
}

void DrawLayer(sf::Image& target, const sf::Image& atlas, const std::vector<int>& cells, int top) {
    for (int index = 0; index < PREVIEW_COLUMNS * PREVIEW_ROWS; ++index) {
        const int tile = cells[static_cast<std::size_t>(index)];
        if (tile == NONE) continue;
        const sf::IntRect from((tile % ATLAS_COLUMNS) * ATLAS_TILE, (tile / ATLAS_COLUMNS) * ATLAS_TILE,
                               ATLAS_TILE, ATLAS_TILE);
        Stamp(target, atlas, from, 1.0f, 0, 0, (index % PREVIEW_COLUMNS) * ATLAS_TILE,
              top + (index / PREVIEW_COLUMNS) * ATLAS_TILE);
    }
}

struct Pictures {
    sf::Image atlas[3];
    sf::Image hero, torchHero, tree, burntTree, cloud;
};

void DrawPatch(sf::Image& target, const Pictures& pictures, int variant) {
    const int top = variant * PREVIEW_ROWS * ATLAS_TILE;
    DrawLayer(target, pictures.atlas[variant], GroundLayer(), top);
    const sf::Image& tree = variant == ATLAS_DAY ? pictures.tree : pictures.burntTree;
    const int treeWidth = static_cast<int>(tree.getSize().x) / 10,
              treeHeight = static_cast<int>(tree.getSize().y);
    if (treeWidth > 0) {
        Stamp(target, tree, {0, 0, treeWidth, treeHeight}, 0.25f, treeWidth / 2.0f,
              treeHeight * 2 / 3 + 10.0f, 7 * 64 + 32, top + 2 * 64 + 40);
    }
    const sf::Image& hero = variant == ATLAS_DAY ? pictures.hero : pictures.torchHero;
    if (hero.getSize().x > 0) {
        Stamp(target, hero, {0, 0, 64, 64}, 1.0f, 32, 32, 2 * 64 + 32, top + 4 * 64 + 20);
        Stamp(target, hero, {3 * 64, 4 * 64, 64, 64}, 1.0f, 32, 32, 4 * 64 + 40, top + 1 * 64 + 40);
    }
    DrawLayer(target, pictures.atlas[variant], RoofLayer(), top);
    if (variant == ATLAS_DAY && pictures.cloud.getSize().x > 0) {
        Stamp(target, pictures.cloud,
              {0, 0, static_cast<int>(pictures.cloud.getSize().x),
               static_cast<int>(pictures.cloud.getSize().y)},
              1.0f, 0, 0, 380, top + 300);
    }
}

// tilepreview --zoom <in.png> <x> <y> <width> <height> <factor> <out.png>: a close look at part of a
// picture on a mid-grey ground, each pixel enlarged.
int Zoom(char** argv) {
    sf::Image source, out;
    if (!source.loadFromFile(argv[2])) return 1;
    const int x = std::stoi(argv[3]), y = std::stoi(argv[4]), width = std::stoi(argv[5]),
              height = std::stoi(argv[6]);
    const int factor = std::stoi(argv[7]);
    out.create(static_cast<unsigned>(width * factor), static_cast<unsigned>(height * factor),
               sf::Color(104, 120, 110));
    Stamp(out, source, {x, y, width, height}, static_cast<float>(factor), 0, 0, 0, 0);
    return out.saveToFile(argv[8]) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 9 && std::string(argv[1]) == "--zoom") return Zoom(argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <Assets folder> <out.png>\n", argv[0]);
        return 2;
    }
    const std::string root = argv[1];
    Pictures pictures;
    const char* maps[] = {"/Text/Maps/GoblinVillage/Tiles_Day.png", "/Text/Maps/BridgeNight/Tiles_Night.png",
                          "/Text/Maps/GoblinVillageBurn/Tiles_Burn.png"};
    for (int variant = 0; variant < 3; ++variant)
        if (!pictures.atlas[variant].loadFromFile(root + maps[variant])) return 1;
    const std::string sprites = root + "/Sprites/";
    (void)pictures.hero.loadFromFile(sprites + "Characters/Player/Sheet_Pello.png");
    (void)pictures.torchHero.loadFromFile(sprites + "Characters/Player/sheet_pello_torche Nuit.png");
    (void)pictures.tree.loadFromFile(sprites + "MapAnimations/TREE_1.png");
    (void)pictures.burntTree.loadFromFile(sprites + "MapAnimations/TREE_1_BURN.png");
    (void)pictures.cloud.loadFromFile(sprites + "MapAnimations/Nuages3.png");
    sf::Image preview;
    preview.create(PREVIEW_COLUMNS * ATLAS_TILE, 3 * PREVIEW_ROWS * ATLAS_TILE, sf::Color::Black);
    for (int variant = 0; variant < 3; ++variant)
        DrawPatch(preview, pictures, variant);
    if (!preview.saveToFile(argv[2])) return 1;
    std::printf("tilepreview: %s\n", argv[2]);
    return 0;
}
