#include <gtest/gtest.h>

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>

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

bool IsGroundTileLayer(const TiledLayer& layer) {
    return layer.visible && layer.type != nullptr && std::string(layer.type) == "tilelayer" &&
           !IsRoofLayer(layer);
}

// What Tiled itself draws of the map's ground layers, at one map pixel per image pixel.
sf::Image RasteriseWithTiled(const std::string& map, const TiledMap& tree, const fs::path& out) {
    std::string command = "QT_QPA_PLATFORM=offscreen tmxrasterizer --no-smoothing";
    for (const TiledLayer* layer = tree.layers; layer != nullptr; layer = layer->next) {
        if (IsGroundTileLayer(*layer)) command += std::string(" --show-layer '") + layer->name + "'";
    }
    command += " '" + (MAPS / map / "Map.json").string() + "' '" + out.string() + "' 2>/dev/null";
    sf::Image image;
    if (std::system(command.c_str()) == 0) image.loadFromFile(out.string());
    return image;
}

// What the game draws of the same layers, at scale 1 and without letterbox.
sf::Image RasteriseWithTheGame(const std::string& map, const TiledMap& tree) {
    gScreen.scale = 1.0f;
    gScreen.offsetX = gScreen.offsetY = 0.0f;
    sf::Image picture;
    picture.loadFromFile((MAPS / map / tree.tilesets->image).string());
    sf::Texture sheet;
    sheet.loadFromImage(picture);
    TileLayerCache cache;
    BuildTileLayerCache(cache, tree, picture);
    sf::RenderTexture target;
    target.create(static_cast<unsigned>(tree.width * tree.tilewidth),
                  static_cast<unsigned>(tree.height * tree.tileheight));
    target.clear(sf::Color::Transparent);
    for (const TiledLayer* layer = tree.layers; layer != nullptr; layer = layer->next) {
        if (IsGroundTileLayer(*layer)) DrawTileLayerChunks(target, cache, *layer, sheet);
    }
    target.display();
    return target.getTexture().copyToImage();
}

bool Close(sf::Uint8 a, sf::Uint8 b) {
    return std::abs(int(a) - int(b)) <= 2;
}

TEST(TmxRasterizer, TheGameDrawsEveryMapsGroundAsTiledDoes) {
    ASSERT_EQ(std::system("command -v tmxrasterizer >/dev/null"), 0) << "Debian's tiled package is needed";
    ScratchFolder folder;
    int maps = 0;
    for (const auto& entry : fs::directory_iterator(MAPS)) {
        const std::string map = entry.path().filename().string();
        SCOPED_TRACE(map);
        const auto tree = LoadTiledMapFromFile((entry.path() / "Map.json").c_str());
        ASSERT_TRUE(tree);
        const sf::Image tiled = RasteriseWithTiled(map, *tree, folder.Path() / (map + ".png"));
        const sf::Image game = RasteriseWithTheGame(map, *tree);
        ASSERT_EQ(tiled.getSize(), game.getSize());
        long compared = 0;
        long different = 0;
        for (unsigned y = 0; y < game.getSize().y; ++y) {
            for (unsigned x = 0; x < game.getSize().x; ++x) {
                const sf::Color a = tiled.getPixel(x, y);
                const sf::Color b = game.getPixel(x, y);
                if (a.a != 255) continue;  // both draw nothing there, or a see-through pixel over nothing
                ++compared;
                different += !(Close(a.r, b.r) && Close(a.g, b.g) && Close(a.b, b.b) && b.a == 255);
            }
        }
        EXPECT_GT(compared, static_cast<long>(game.getSize().x * game.getSize().y) * 9 / 10);
        EXPECT_EQ(different, 0);
        ++maps;
    }
    EXPECT_EQ(maps, 8);
}

}  // namespace
