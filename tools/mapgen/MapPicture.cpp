#include "MapPicture.h"

#include <SFML/Graphics/Image.hpp>

#include <filesystem>

namespace {

constexpr int PICTURE_TILE = MAP_TILE / 2;

// Stand-in colours by atlas row, with the few tiles whose colour tells most picked out.
sf::Color FlatColour(int tile) {
    switch (tile) {
        case TILE_FOREST_FLOOR_1:
        case TILE_FOREST_FLOOR_2:
            return {52, 70, 44};
        case TILE_DARK_GRASS:
            return {60, 110, 50};
        case TILE_SAND:
            return {220, 200, 140};
        case TILE_COBBLE:
        case TILE_STONE_FLOOR:
            return {150, 150, 140};
        case TILE_ROCK:
        case TILE_LAKE_STONE:
        case TILE_CLIFF:
            return {110, 105, 100};
        case TILE_BUSH:
        case TILE_FERN:
            return {30, 90, 30};
        case TILE_FOREST_WALL:
            return {16, 40, 20};
        case TILE_TREE_CANOPY:
        case TILE_TREE_CANOPY_EDGE:
        case TILE_PINE_TOP:
            return {20, 70, 30};
        case TILE_DOORWAY:
        case TILE_WALL_DOOR:
        case TILE_CABIN_DOOR:
            return {70, 40, 20};
        case TILE_FLOOR_WOOD_1:
        case TILE_FLOOR_WOOD_2:
            return {170, 130, 85};
        case TILE_VOID:
            return {0, 0, 0};
        default:
            break;
    }
    static const sf::Color ROWS[ATLAS_ROWS] = {{90, 160, 70},  {165, 125, 75},  {50, 100, 200},
                                               {140, 100, 60}, {215, 200, 170}, {170, 60, 50},
                                               {100, 70, 45},  {120, 110, 110}, {200, 80, 160}};
    return ROWS[tile / ATLAS_COLUMNS];
}

// Path and water edges: a band of grass on the sides the piece names.
void MarkEdges(sf::Image& image, int tile, unsigned x0, unsigned y0) {
    const int base = tile >= TILE_WATER && tile <= TILE_WATER_INNER_SW ? TILE_WATER : TILE_PATH;
    const int piece = tile - base;
    if (piece < 1 || piece > 12 || (base == TILE_PATH && tile > TILE_PATH_INNER_SW)) return;
    constexpr int SIDES[13] = {0, 1, 2, 4, 8, 5, 9, 6, 10, 0, 0, 0, 0};  // N=1 S=2 E=4 W=8
    constexpr int CORNERS[13] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 5, 9, 6, 10};
    const sf::Color grass(130, 200, 100);
    const unsigned band = PICTURE_TILE / 4, t = PICTURE_TILE;
    for (unsigned y = 0; y < t; ++y) {
        for (unsigned x = 0; x < t; ++x) {
            const int near =
                (y < band ? 1 : 0) | (y >= t - band ? 2 : 0) | (x >= t - band ? 4 : 0) | (x < band ? 8 : 0);
            const bool side = SIDES[piece] & near;
            const bool corner = CORNERS[piece] && (near & CORNERS[piece]) == CORNERS[piece];
            if (side || corner) image.setPixel(x0 + x, y0 + y, grass);
        }
    }
}

void Blend(sf::Image& image, unsigned x, unsigned y, sf::Color c) {
    if (c.a == 0 || x >= image.getSize().x || y >= image.getSize().y) return;
    const sf::Color d = image.getPixel(x, y);
    auto mix = [&](sf::Uint8 a, sf::Uint8 b) { return sf::Uint8((a * c.a + b * (255 - c.a)) / 255); };
    image.setPixel(x, y, sf::Color(mix(c.r, d.r), mix(c.g, d.g), mix(c.b, d.b)));
}

void DrawTile(sf::Image& image, const sf::Image* atlas, int layer, int tile, unsigned x0, unsigned y0) {
    if (atlas) {
        const unsigned ax = (tile % ATLAS_COLUMNS) * ATLAS_TILE, ay = (tile / ATLAS_COLUMNS) * ATLAS_TILE;
        for (unsigned y = 0; y < PICTURE_TILE; ++y) {
            for (unsigned x = 0; x < PICTURE_TILE; ++x)
                Blend(image, x0 + x, y0 + y, atlas->getPixel(ax + 2 * x, ay + 2 * y));
        }
        return;
    }
    // Props sit inset on the ground beneath; roof layers are see-through so the review shows both.
    const unsigned inset = layer == LAYER_DETAILS ? 5 : 0;
    sf::Color colour = FlatColour(tile);
    colour.a = layer >= LAYER_ROOF ? 150 : 255;
    for (unsigned y = inset; y < PICTURE_TILE - inset; ++y) {
        for (unsigned x = inset; x < PICTURE_TILE - inset; ++x)
            Blend(image, x0 + x, y0 + y, colour);
    }
    if (layer == LAYER_GROUND) MarkEdges(image, tile, x0, y0);
}

void Outline(sf::Image& image, const DraftRect& rect, sf::Color colour, bool fill) {
    const int x0 = int(rect.x) / 2, y0 = int(rect.y) / 2;
    const int x1 = int(rect.x + rect.width) / 2 - 1, y1 = int(rect.y + rect.height) / 2 - 1;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            if (x < 0 || y < 0) continue;
            const bool edge = x == x0 || x == x1 || y == y0 || y == y1;
            if (edge || fill) {
                Blend(image, unsigned(x), unsigned(y),
                      edge ? colour : sf::Color(colour.r, colour.g, colour.b, 70));
            }
        }
    }
}

void Cross(sf::Image& image, float px, float py, sf::Color colour) {
    const int cx = int(px) / 2, cy = int(py) / 2;
    for (int d = -5; d <= 5; ++d) {
        for (int w = -1; w <= 1; ++w) {
            if (cx + d >= 0 && cy + w >= 0) Blend(image, unsigned(cx + d), unsigned(cy + w), colour);
            if (cx + w >= 0 && cy + d >= 0) Blend(image, unsigned(cx + w), unsigned(cy + d), colour);
        }
    }
}

bool IsDecorPoint(const std::string& name) {
    return name.rfind("ARBRE_", 0) == 0 || name == "FIRE" || name == "BULLES";
}

}  // namespace

bool SaveMapPicture(const MapDraft& map, const std::string& atlasPath, const std::string& outPath) {
    sf::Image atlas;
    const bool haveAtlas = std::filesystem::exists(atlasPath) && atlas.loadFromFile(atlasPath);
    sf::Image image;
    image.create(map.width * PICTURE_TILE, map.height * PICTURE_TILE, sf::Color::Black);
    for (int layer = 0; layer < LAYER_COUNT; ++layer) {
        for (int row = 0; row < map.height; ++row) {
            for (int col = 0; col < map.width; ++col) {
                const int id = map.layers[layer].ids[row * map.width + col];
                if (id > 0) {
                    DrawTile(image, haveAtlas ? &atlas : nullptr, layer, id - 1, col * PICTURE_TILE,
                             row * PICTURE_TILE);
                }
            }
        }
    }
    for (const DraftRect& rect : BlockingRects(map))
        Outline(image, rect, sf::Color(230, 30, 30, 220), false);
    for (const DraftObject& trigger : map.triggers)
        Outline(image, trigger.rect, sf::Color(255, 230, 0, 255), true);
    for (const DraftObject& point : map.points) {
        const bool decor = IsDecorPoint(point.name);
        Cross(image, point.rect.x, point.rect.y, decor ? sf::Color(0, 230, 230) : sf::Color(255, 0, 255));
        // A spawn point's foot box, where the hero stands on arrival.
        if (!decor) {
            Outline(image, DraftRect{point.rect.x - 16, point.rect.y + 16, 32, 16}, sf::Color(255, 0, 255),
                    false);
        }
    }
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(outPath).parent_path(), error);
    return image.saveToFile(outPath);
}
