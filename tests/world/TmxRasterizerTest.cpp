// The game's tile drawing against Tiled's own: Debian's tmxrasterizer draws the same layers of every
// built map and of maps made in Tiled with each feature a map author reaches for.
#include <gtest/gtest.h>

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>

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

// What the game draws beneath the hero: the visible tile layers that are not roofs.
bool IsGroundTileLayer(const TiledLayer& layer) {
    return layer.visible && IsTileLayer(layer) && !IsRoofLayer(layer);
}

struct Comparison {
    sf::Vector2u size;  // of Tiled's picture, which grows with the layers' offsets
    sf::Vector2u mapSize;
    long compared = 0;
    long different = 0;
};

// Tiled's and the game's pictures of the ground layers, at one map pixel per image pixel and the game's
// animations on their first frame as Tiled shows them: every pixel either paints, channel by channel.
Comparison CompareWithTiled(const fs::path& folder, const fs::path& scratch) {
    const auto tree = LoadTiledMapFromFile((folder / "Map.json").c_str());
    EXPECT_TRUE(tree) << folder << ": the reader refuses the map";
    if (!tree) return {};
    std::string command = "QT_QPA_PLATFORM=offscreen tmxrasterizer --no-smoothing";
    for (const TiledLayer* layer = tree->layers; layer != nullptr; layer = layer->next) {
        if (IsGroundTileLayer(*layer)) command += std::string(" --show-layer '") + layer->name + "'";
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
        if (IsGroundTileLayer(*layer)) DrawTileLayerChunks(target, cache, *layer, sheets);
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

// The built maps, and maps made in Tiled with each feature a map author reaches for: flipped and turned
// tiles, a sheet with a margin and spacing, a keyed transparent colour, tiles larger than the grid with a
// tile offset, two tilesets, a shifted half-transparent layer, an animated tile.
TEST(TmxRasterizer, TheGameDrawsEveryMapAsTiledDoes) {
    ASSERT_EQ(std::system("command -v tmxrasterizer >/dev/null"), 0) << "Debian's tiled package is needed";
    ScratchFolder folder;
    gScreen.scale = 1.0f;
    const fs::path built = fs::path(VELMORIA_BUILT_ASSETS) / "Text/Maps";
    std::vector<fs::path> maps(fs::directory_iterator(built), {});
    EXPECT_EQ(maps.size(), 8u);
    for (const char* feature : {"flips", "margin-spacing", "transparent-colour", "big-tiles", "two-tilesets",
                                "layer-offset", "animation"})
        maps.push_back(fs::path(VELMORIA_TEST_DATA) / "tiled/features" / feature);
    for (const fs::path& map : maps) {
        SCOPED_TRACE(map.string());
        const Comparison result = CompareWithTiled(map, folder.Path() / "tiled.png");
        const long pixels = long(result.size.x) * result.size.y;
        if (map.parent_path() == built) {
            EXPECT_EQ(result.size, result.mapSize);
            EXPECT_GT(result.compared, pixels * 9 / 10);
            EXPECT_EQ(result.different, 0);
        } else {
            // Tiled's picture grows with the layers' offsets; its edges are smoothed a little.
            EXPECT_GT(result.compared, pixels / 2);
            EXPECT_LT(double(result.different), 0.005 * double(result.compared))
                << result.different << " of " << result.compared << " pixels differ";
        }
    }
}

}  // namespace
