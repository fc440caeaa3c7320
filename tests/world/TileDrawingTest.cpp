// How the game draws a map's tile layers as a map author's Tiled writes them: in chunks that show what
// one sprite per tile shows, only where the camera looks; flip bits, ids beyond the tilesets, tile
// animations, and the maps it cannot draw at all.

#include <gtest/gtest.h>

#include <SFML/Graphics/RenderTexture.hpp>

#include <filesystem>
#include <functional>
#include <numeric>

#include "core/Screen.h"
#include "frontend/RoamingScreen.h"
#include "world/WorldFixture.h"

namespace fs = std::filesystem;

namespace {

// Two 40 x 30 layers using every cell of the sheet, empty cells and odd ids; the second faded and hidden.
TestMap PatchworkMap() {
    TestMap map;
    map.width = 40;
    map.height = 30;
    TestLayer ground = FilledLayer("Ground", 40, 30, 0);
    for (int i = 0; i < 40 * 30; ++i)
        ground.data[static_cast<size_t>(i)] = (i * 7 + i / 40) % 9;
    const TestLayer faded{"Faded", ground.type, ground.data, {}, 0.5f, false};
    map.layers = {ground, faded, ObjectLayer("Point", {Point("Patchwork", 900, 700)})};
    return map;
}

sf::Image Render(MapState& map, const TiledLayer& layer, const sf::View& view, bool chunks) {
    sf::RenderTexture target;
    target.create(static_cast<unsigned>(gScreen.gameWidth), static_cast<unsigned>(gScreen.gameHeight));
    target.setView(view);
    target.clear(sf::Color::Black);
    chunks ? DrawTileLayerChunks(target, map.tileCache, layer, map.tileSheets)
           : DrawTileLayerTiles(target, map.tileCache, *map.loadedMap, layer, map.tileSheets);
    target.display();
    return target.getTexture().copyToImage();
}

// Colour channels that differ between two pictures of one size.
long DifferentChannels(const sf::Image& a, const sf::Image& b) {
    const sf::Uint8* first = a.getPixelsPtr();
    return std::inner_product(first, first + size_t{4} * a.getSize().x * a.getSize().y, b.getPixelsPtr(), 0L,
                              std::plus<>(), std::not_equal_to<>());
}

TEST(TileDrawing, ChunksDrawWhatOneSpritePerTileDrawsAndOnlyWhereTheCameraLooks) {
    for (auto [width, height] : {std::pair{1920u, 1080u}, {1920u, 1200u}, {2560u, 1440u}}) {
        SCOPED_TRACE(testing::Message() << width << "x" << height);
        RoamingGame game({{"Patchwork", PatchworkMap()}}, "Patchwork",
                         {.desktopWidth = width, .desktopHeight = height});
        game.Step(0.001f);
        MapState& map = game.Scene().map;
        // One layer of 40 x 30 tiles is 3 x 2 chunks; the camera sees at most 4 of them, the hidden layer
        // none.
        EXPECT_GE(map.tileCache.drawCalls, 1);
        EXPECT_LE(map.tileCache.drawCalls, 4);
        const sf::Vector2f half(gScreen.gameWidth * 0.25f, gScreen.gameHeight * 0.25f);
        const sf::Vector2f centres[] = {
            half, {1200.0f * gScreen.scale, 900.0f * gScreen.scale}, {1733.3f, 611.7f}};
        for (const sf::Vector2f& centre : centres) {
            sf::View view(centre, half * 2.0f);
            for (const TiledLayer* layer = map.loadedMap->layers; layer != nullptr; layer = layer->next) {
                if (layer->data == nullptr) continue;
                EXPECT_EQ(
                    DifferentChannels(Render(map, *layer, view, true), Render(map, *layer, view, false)), 0)
                    << layer->name;
            }
        }
    }
}

TestMap Room() {
    TestMap map;
    map.layers = {FilledLayer("Ground", 8, 6, 1), ObjectLayer("Point", {Point("Hall", 200, 200)})};
    return map;
}

TEST(TileSheets, IdsBeyondTheTilesetsDrawNothingAndAreLoggedOnceWhileFlipBitsPickTheCellsCorners) {
    TestMap map = Room();
    std::vector<int>& ids = map.layers[0].data;
    ids[0] = static_cast<int>(0x80000002u);  // tile 2 (sheet cell 1), flipped horizontally: drawn
    ids[1] = 9;                              // the sheet has 8 tiles
    ids[2] = 9;                              // logged once
    ids[3] = 0x0FFFFFFF;                     // the largest id a layer can hold
    ids[4] = -1;                             // the same id with every flip bit set: never sized into memory
    RoamingGame game({{"Odd", map}}, "Odd");
    ASSERT_TRUE(game.Scene().map.loadedMap);
    // The room is one chunk cut from one sheet: one batch, a quad per tile drawn.
    const TileBatch& batch = game.Scene().map.tileCache.layers.at(0).chunks.at(0).batches.at(0);
    EXPECT_EQ(batch.vertices.getVertexCount(), 4u * (8 * 6 - 4));
    const std::string log = game.Log();
    for (const std::string tile : {"9", "268435455"}) {
        const auto line = "Map Odd: tile " + tile + " is beyond the tiles of its tilesets and is not drawn\n";
        EXPECT_EQ(log.find(line), log.rfind(line)) << log;
        EXPECT_NE(log.find(line), std::string::npos) << log;
    }
    // Cell 1 of the 4 x 2 sheet spans x 64..128: its right edge now shows at the tile's left.
    EXPECT_EQ(batch.vertices[0].texCoords, sf::Vector2f(128, 0));
    EXPECT_EQ(batch.vertices[1].texCoords, sf::Vector2f(64, 0));
    EXPECT_EQ(batch.vertices[0].position, sf::Vector2f(0, 0));
}

// The reason a door to such a map writes in the log as it stays shut.
TEST(TileSheets, MapsTheGameCannotDrawAreRefusedWithTheReason) {
    const struct {
        std::string from, to, reason;
    } cases[] = {
        {"\"orientation\":\"orthogonal\"", "\"orientation\":\"isometric\"",
         "its orientation is isometric, and the game draws orthogonal maps only"},
        {"\"firstgid\":1,", "\"firstgid\":1,\"source\":\"Shared.tsx\",",
         "its tileset Shared.tsx is in a file of its own (embed it in the map in Tiled)"},
    };
    for (const auto& c : cases) {
        std::string json = TestMapJson(Room());
        json.replace(json.find(c.from), c.from.size(), c.to);
        const auto tree = LoadTiledMapFromMemory(json.data(), json.size());
        ASSERT_TRUE(tree) << json;
        EXPECT_EQ(WhyMapCannotBeDrawn(*tree, "Assets/Text/Maps/Room/"), c.reason);
    }
}

// The animated tile of the feature map, in a roaming game: 250 ms on tile 4, 250 ms on 5, 500 ms on 6.
TEST(TileSheets, AnimatedTilesPlayInTheGameAsInTiled) {
    RoamingGame game({{"Hall", Room()}}, "Hall", {}, [] {
        fs::copy(fs::path(VELMORIA_TEST_DATA) / "tiled/features/animation", "Assets/Text/Maps/Anim");
    });
    game.Find<RoamingScreen>()->ChangeMap("Anim");
    ASSERT_STREQ(game.Session().CurrentMap(), "Anim");
    const MapState& map = game.Scene().map;
    const TileSheet& sheet = *map.tileSheets.sheets[0];
    const auto shownCorner = [&] {
        const TileChunk& chunk = map.tileCache.layers.at(0).chunks.at(0);
        const AnimatedTileQuad& quad = chunk.animated.at(0);
        return chunk.batches[quad.batch].vertices[quad.firstVertex].texCoords;
    };
    const auto cornerOf = [&](int tile) {
        return sf::Vector2f(SheetCell(sheet, tile).left, SheetCell(sheet, tile).top);
    };
    EXPECT_EQ(shownCorner(), cornerOf(4));
    for (const int tile : {5, 6, 6, 4}) {  // 0.3 s apart
        game.Step(0.05f, 6);
        EXPECT_EQ(shownCorner(), cornerOf(tile)) << map.tileCache.seconds;
    }
}

}  // namespace
