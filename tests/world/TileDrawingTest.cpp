#include <gtest/gtest.h>

#include <SFML/Graphics/RenderTexture.hpp>

#include "core/Screen.h"
#include "world/MapLoading.h"
#include "world/WorldFixture.h"

namespace {

// A layer that uses every cell of the sheet, some empty cells, and odd ids.
TestLayer Patchwork(int width, int height) {
    TestLayer layer = FilledLayer("Ground", width, height, 0);
    for (int i = 0; i < width * height; ++i)
        layer.data[static_cast<size_t>(i)] = (i * 7 + i / width) % 9;
    return layer;
}

TestMap PatchworkMap() {
    TestMap map;
    map.width = 40;
    map.height = 30;
    TestLayer faded = Patchwork(40, 30);
    faded.name = "Faded";
    faded.opacity = 0.5f;
    map.layers = {Patchwork(40, 30), faded, ObjectLayer("Point", {Point("Patchwork", 900, 700)})};
    return map;
}

sf::Image Render(const TiledLayer& layer, const sf::View& view, bool chunks) {
    sf::RenderTexture target;
    target.create(static_cast<unsigned>(gScreen.gameWidth), static_cast<unsigned>(gScreen.gameHeight));
    target.setView(view);
    target.clear(sf::Color::Black);
    if (chunks) {
        DrawTileLayerChunks(target, gMap.tileCache, layer, gMap.tileSheets);
    } else {
        DrawTileLayerTiles(target, gMap.tileCache, *gMap.loadedMap, layer, gMap.tileSheets);
    }
    target.display();
    return target.getTexture().copyToImage();
}

int DifferentPixels(const sf::Image& a, const sf::Image& b) {
    int different = 0;
    for (unsigned y = 0; y < a.getSize().y; ++y) {
        for (unsigned x = 0; x < a.getSize().x; ++x)
            different += a.getPixel(x, y) != b.getPixel(x, y);
    }
    return different;
}

TEST(TileDrawing, ChunksDrawExactlyWhatOneSpritePerTileDraws) {
    for (auto [width, height] : {std::pair{1920u, 1080u}, {1920u, 1200u}, {2560u, 1440u}}) {
        SCOPED_TRACE(testing::Message() << width << "x" << height);
        RoamingGame game({{"Patchwork", PatchworkMap()}}, "Patchwork", {width, height, 1, false});
        const sf::Vector2f half(gScreen.gameWidth * 0.25f, gScreen.gameHeight * 0.25f);
        const sf::Vector2f centres[] = {
            half, {1200.0f * gScreen.scale, 900.0f * gScreen.scale}, {1733.3f, 611.7f}};
        for (const sf::Vector2f& centre : centres) {
            sf::View view(centre, half * 2.0f);
            for (const TiledLayer* layer = gMap.loadedMap->layers; layer != nullptr; layer = layer->next) {
                if (layer->data == nullptr) continue;
                EXPECT_EQ(DifferentPixels(Render(*layer, view, true), Render(*layer, view, false)), 0)
                    << layer->name;
            }
        }
    }
}

TEST(TileDrawing, CellsOpacityAndEmptyTiles) {
    RoamingGame game({{"Patchwork", PatchworkMap()}}, "Patchwork");
    const sf::View whole(sf::FloatRect(0, 0, 1920, 1080));
    const TiledLayer& ground = *gMap.loadedMap->layers;
    const TiledLayer& faded = *ground.next;
    const sf::Image opaque = Render(ground, whole, true);
    const sf::Image half = Render(faded, whole, true);
    for (int i = 0; i < 80; ++i) {
        if (i % 40 >= 30) continue;  // beyond the right edge of the picture
        const int id = ground.data[i];
        const sf::Vector2u at(static_cast<unsigned>((i % 40) * 64 + 32),
                              static_cast<unsigned>((i / 40) * 64 + 32));
        if (id == 0) {
            EXPECT_EQ(opaque.getPixel(at.x, at.y), sf::Color::Black) << "tile " << i;
            continue;
        }
        const sf::Color cell = SheetColour(id - 1);  // id 1 is the sheet's first cell
        EXPECT_EQ(opaque.getPixel(at.x, at.y), cell) << "tile " << i;
        // Drawn at alpha 127 over black.
        EXPECT_NEAR(half.getPixel(at.x, at.y).r, cell.r * 127 / 255, 1) << "tile " << i;
    }
}

TEST(TileDrawing, OnlyVisibleChunksAreDrawnAndHiddenLayersNotAtAll) {
    TestMap map = PatchworkMap();
    map.layers[1].visible = false;
    RoamingGame game({{"Patchwork", map}}, "Patchwork");
    game.Step(0.001f);
    // One layer of 40 x 30 tiles is 3 x 2 chunks; the half-size camera sees at most 4 of them.
    EXPECT_GE(gMap.tileCache.drawCalls, 1);
    EXPECT_LE(gMap.tileCache.drawCalls, 4);
}

}  // namespace
