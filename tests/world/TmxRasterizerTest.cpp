// The game's tile drawing against Tiled's own: Debian's tmxrasterizer draws the same layers of every
// built map and of maps made in Tiled with each feature a map author reaches for.
#include <gtest/gtest.h>

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>

#include <algorithm>
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

using LayerChoice = bool (*)(const TiledLayer&);

bool IsGroundTileLayer(const TiledLayer& layer) {
    return layer.visible && IsTileLayer(layer) && !IsRoofLayer(layer);
}

bool IsVisibleTileLayer(const TiledLayer& layer) {
    return layer.visible && IsTileLayer(layer);
}

struct Comparison {
    sf::Vector2u size;  // of Tiled's picture, which grows with the layers' offsets
    sf::Vector2u mapSize;
    long compared = 0;
    long different = 0;
};

// Tiled's and the game's pictures of the chosen layers, at one map pixel per image pixel and the game's
// animations on their first frame as Tiled shows them: every pixel either paints, channel by channel.
Comparison CompareWithTiled(const fs::path& folder, LayerChoice choose, const fs::path& scratch) {
    const auto tree = LoadTiledMapFromFile((folder / "Map.json").c_str());
    if (!tree) {
        ADD_FAILURE() << folder << ": the reader refuses the map";
        return {};
    }
    std::string command = "QT_QPA_PLATFORM=offscreen tmxrasterizer --no-smoothing";
    for (const TiledLayer* layer = tree->layers; layer != nullptr; layer = layer->next) {
        if (choose(*layer)) command += std::string(" --show-layer '") + layer->name + "'";
    }
    command += " '" + (folder / "Map.json").string() + "' '" + scratch.string() + "' 2>/dev/null";
    sf::Image tiled;
    if (std::system(command.c_str()) == 0) tiled.loadFromFile(scratch.string());

    TileSheets sheets;
    std::string reason;
    EXPECT_TRUE(LoadTileSheets(*tree, folder.string() + "/", folder.filename().string(), sheets, reason))
        << reason;
    TileLayerCache cache;
    BuildTileLayerCache(cache, *tree, sheets);
    sf::RenderTexture target;
    Comparison result{tiled.getSize(),
                      sf::Vector2u(tree->width * tree->tilewidth, tree->height * tree->tileheight)};
    target.create(result.size.x, result.size.y);
    target.clear(sf::Color::Transparent);
    for (const TiledLayer* layer = tree->layers; layer != nullptr; layer = layer->next) {
        if (choose(*layer)) DrawTileLayerChunks(target, cache, *layer, sheets);
    }
    target.display();
    const sf::Image game = target.getTexture().copyToImage();

    const auto close = [](sf::Uint8 a, sf::Uint8 b) { return std::abs(int(a) - int(b)) <= 2; };
    for (unsigned y = 0; y < result.size.y; ++y) {
        for (unsigned x = 0; x < result.size.x; ++x) {
            const sf::Color a = tiled.getPixel(x, y), b = game.getPixel(x, y);
            if (a.a == 0 && b.a == 0) continue;
            ++result.compared;
            result.different += !(close(a.r, b.r) && close(a.g, b.g) && close(a.b, b.b) && close(a.a, b.a));
        }
    }
    return result;
}

TEST(TmxRasterizer, TheGameDrawsEveryMapsGroundAsTiledDoes) {
    ASSERT_EQ(std::system("command -v tmxrasterizer >/dev/null"), 0) << "Debian's tiled package is needed";
    ScratchFolder folder;
    gScreen.scale = 1.0f;
    int maps = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(VELMORIA_BUILT_ASSETS) / "Text/Maps")) {
        SCOPED_TRACE(entry.path().filename().string());
        const Comparison result =
            CompareWithTiled(entry.path(), IsGroundTileLayer, folder.Path() / "tiled.png");
        EXPECT_EQ(result.size, result.mapSize);
        EXPECT_GT(result.compared, long(result.size.x * result.size.y) * 9 / 10);
        EXPECT_EQ(result.different, 0);
        ++maps;
    }
    EXPECT_EQ(maps, 8);
}

// Flipped and turned tiles, a sheet with a margin and spacing, a keyed transparent colour, tiles larger
// than the grid with a tile offset, two tilesets, a shifted half-transparent layer, an animated tile.
class TiledFeature : public testing::TestWithParam<const char*> {};

TEST_P(TiledFeature, TheGameDrawsTheMapAsTiledDoes) {
    ASSERT_EQ(std::system("command -v tmxrasterizer >/dev/null"), 0) << "Debian's tiled package is needed";
    ScratchFolder folder;
    const fs::path map = fs::path(VELMORIA_TEST_DATA) / "tiled/features" / GetParam();
    const Comparison result = CompareWithTiled(map, IsVisibleTileLayer, folder.Path() / "tiled.png");
    EXPECT_GT(result.compared, long(result.size.x * result.size.y) / 2);
    EXPECT_LT(double(result.different), 0.005 * double(result.compared))
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
