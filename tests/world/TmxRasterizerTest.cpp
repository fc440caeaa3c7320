#include <gtest/gtest.h>

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/Screen.h"
#include "support/GameHarness.h"
#include "world/MapDrawing.h"
#include "world/TileLayers.h"
#include "world/tiled/TiledMap.h"

namespace fs = std::filesystem;

namespace {

const fs::path MAPS = fs::path(VELMORIA_BUILT_ASSETS) / "Text/Maps";

const fs::path FEATURES = fs::path(VELMORIA_TEST_DATA) / "tiled/features";

bool IsGroundTileLayer(const TiledLayer& layer) {
    return layer.visible && IsTileLayer(layer) && !IsRoofLayer(layer);
}

bool IsVisibleTileLayer(const TiledLayer& layer) {
    return layer.visible && IsTileLayer(layer);
}

using LayerChoice = bool (*)(const TiledLayer&);

// What Tiled itself draws of the chosen layers, at one map pixel per image pixel.
sf::Image RasteriseWithTiled(const fs::path& mapFile, const TiledMap& tree, LayerChoice choose,
                             const fs::path& out) {
    std::string command = "QT_QPA_PLATFORM=offscreen tmxrasterizer --no-smoothing";
    for (const TiledLayer* layer = tree.layers; layer != nullptr; layer = layer->next) {
        if (choose(*layer)) command += std::string(" --show-layer '") + layer->name + "'";
    }
    command += " '" + mapFile.string() + "' '" + out.string() + "' 2>/dev/null";
    sf::Image image;
    if (std::system(command.c_str()) == 0) image.loadFromFile(out.string());
    return image;
}

// What the game draws of the same layers, at scale 1 and without letterbox, `seconds` into the map, on a
// picture of the given size (the map's own when none is given; Tiled's grows with the layers' offsets).
sf::Image RasteriseWithTheGame(const fs::path& folder, const TiledMap& tree, LayerChoice choose,
                               sf::Vector2u size = {}, float seconds = 0.0f) {
    TileSheets sheets;
    std::string reason;
    EXPECT_TRUE(LoadTileSheets(tree, folder.string() + "/", folder.filename().string(), sheets, reason))
        << reason;
    TileLayerCache cache;
    BuildTileLayerCache(cache, tree, sheets);
    AdvanceTileAnimations(cache, sheets, seconds);
    if (size.x == 0) {
        size = {static_cast<unsigned>(tree.width * tree.tilewidth),
                static_cast<unsigned>(tree.height * tree.tileheight)};
    }
    sf::RenderTexture target;
    target.create(size.x, size.y);
    target.clear(sf::Color::Transparent);
    for (const TiledLayer* layer = tree.layers; layer != nullptr; layer = layer->next) {
        if (choose(*layer)) DrawTileLayerChunks(target, cache, *layer, sheets);
    }
    target.display();
    return target.getTexture().copyToImage();
}

bool Close(sf::Uint8 a, sf::Uint8 b) {
    return std::abs(int(a) - int(b)) <= 2;
}

struct Comparison {
    long compared = 0;
    long different = 0;
};

// Pixels Tiled paints (alpha above zero) against the game's, channel by channel, alpha included.
Comparison Compare(const sf::Image& tiled, const sf::Image& game) {
    Comparison result;
    for (unsigned y = 0; y < game.getSize().y; ++y) {
        for (unsigned x = 0; x < game.getSize().x; ++x) {
            const sf::Color a = tiled.getPixel(x, y);
            const sf::Color b = game.getPixel(x, y);
            if (a.a == 0 && b.a == 0) continue;
            ++result.compared;
            result.different += !(Close(a.r, b.r) && Close(a.g, b.g) && Close(a.b, b.b) && Close(a.a, b.a));
        }
    }
    return result;
}

TEST(TmxRasterizer, TheGameDrawsEveryMapsGroundAsTiledDoes) {
    ASSERT_EQ(std::system("command -v tmxrasterizer >/dev/null"), 0) << "Debian's tiled package is needed";
    ScratchFolder folder;
    gScreen.scale = 1.0f;
    int maps = 0;
    for (const auto& entry : fs::directory_iterator(MAPS)) {
        const std::string map = entry.path().filename().string();
        SCOPED_TRACE(map);
        const auto tree = LoadTiledMapFromFile((entry.path() / "Map.json").c_str());
        ASSERT_TRUE(tree);
        const sf::Image tiled = RasteriseWithTiled(entry.path() / "Map.json", *tree, IsGroundTileLayer,
                                                   folder.Path() / (map + ".png"));
        const sf::Image game = RasteriseWithTheGame(entry.path(), *tree, IsGroundTileLayer);
        ASSERT_EQ(tiled.getSize(), game.getSize());
        const Comparison result = Compare(tiled, game);
        EXPECT_GT(result.compared, static_cast<long>(game.getSize().x * game.getSize().y) * 9 / 10);
        EXPECT_EQ(result.different, 0);
        ++maps;
    }
    EXPECT_EQ(maps, 8);
}

// Maps made in Tiled with each feature a map author reaches for: flipped and turned tiles, a sheet with
// a margin and spacing, a keyed transparent colour, tiles larger than the grid with a tile offset, two
// tilesets, a shifted half-transparent layer, an animated tile (its first frame, as Tiled shows it).
class TiledFeature : public testing::TestWithParam<const char*> {};

TEST_P(TiledFeature, TheGameDrawsTheMapAsTiledDoes) {
    ASSERT_EQ(std::system("command -v tmxrasterizer >/dev/null"), 0) << "Debian's tiled package is needed";
    ScratchFolder folder;
    const fs::path map = FEATURES / GetParam();
    const auto tree = LoadTiledMapFromFile((map / "Map.json").c_str());
    ASSERT_TRUE(tree);
    const sf::Image tiled =
        RasteriseWithTiled(map / "Map.json", *tree, IsVisibleTileLayer, folder.Path() / "tiled.png");
    const sf::Image game = RasteriseWithTheGame(map, *tree, IsVisibleTileLayer, tiled.getSize());
    ASSERT_EQ(tiled.getSize(), game.getSize());
    const Comparison result = Compare(tiled, game);
    EXPECT_GT(result.compared, static_cast<long>(game.getSize().x * game.getSize().y) / 2);
    EXPECT_LT(static_cast<double>(result.different), 0.005 * static_cast<double>(result.compared))
        << result.different << " of " << result.compared << " pixels differ";
}

INSTANTIATE_TEST_SUITE_P(Maps, TiledFeature,
                         testing::Values("flips", "margin-spacing", "transparent-colour", "big-tiles",
                                         "two-tilesets", "layer-offset", "animation"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
