// What the game does with tile ids and tilesets a map author's Tiled writes: flip bits, ids beyond the
// tilesets, tile animations, and the maps it cannot draw at all.

#include <gtest/gtest.h>

#include <filesystem>

#include "frontend/RoamingScreen.h"
#include "support/Files.h"
#include "world/GameSession.h"
#include "world/MapLoading.h"
#include "world/WorldFixture.h"

namespace fs = std::filesystem;

namespace {

TestMap Room() {
    TestMap map;
    map.layers = {FilledLayer("Ground", 8, 6, 1), ObjectLayer("Point", {Point("Hall", 200, 200)})};
    return map;
}

size_t Quads() {
    size_t vertices = 0;
    for (const TileLayerChunks& layer : gMap.tileCache.layers) {
        for (const TileChunk& chunk : layer.chunks) {
            for (const TileBatch& batch : chunk.batches)
                vertices += batch.vertices.getVertexCount();
        }
    }
    return vertices / 4;
}

size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST(TileSheets, IdsBeyondTheTilesetsDrawNothingAndAreLoggedOnceWithTheMapsName) {
    TestMap map = Room();
    std::vector<int>& ids = map.layers[0].data;
    ids[1] = 9;                              // the sheet has 8 tiles
    ids[2] = 9;                              // logged once
    ids[3] = 0x0FFFFFFF;                     // the largest id a layer can hold
    ids[4] = -1;                             // the same id with every flip bit set: never sized into memory
    ids[5] = static_cast<int>(0x80000002u);  // tile 2 flipped: drawn
    RoamingGame game({{"Odd", map}}, "Odd");
    ASSERT_TRUE(gMap.loadedMap);
    EXPECT_EQ(Quads(), 8u * 6u - 4u);
    const std::string log = game.Log();
    EXPECT_EQ(Count(log, "Map Odd: tile 9 is beyond the tiles of its tilesets and is not drawn\n"), 1u)
        << log;
    EXPECT_EQ(Count(log, "Map Odd: tile 268435455 is beyond the tiles of its tilesets"), 1u) << log;
}

TEST(TileSheets, FlipBitsPickTheCornersOfTheSheetCell) {
    TestMap map = Room();
    map.layers[0].data[0] = static_cast<int>(0x80000002u);  // tile 2 (sheet cell 1), flipped horizontally
    RoamingGame game({{"Flip", map}}, "Flip");
    const TileBatch& batch = gMap.tileCache.layers[0].chunks[0].batches[0];
    // Cell 1 of the 4 x 2 sheet spans x 64..128: its right edge now shows at the tile's left.
    EXPECT_EQ(batch.vertices[0].texCoords, sf::Vector2f(128, 0));
    EXPECT_EQ(batch.vertices[1].texCoords, sf::Vector2f(64, 0));
    EXPECT_EQ(batch.vertices[0].position, sf::Vector2f(0, 0));
}

// The map JSON of Room() with one text replaced, written under the given name.
void WriteChangedMap(const std::string& name, const std::string& from, const std::string& to) {
    std::string json = TestMapJson(Room());
    const size_t at = json.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    json.replace(at, from.size(), to);
    WriteWholeFile("Assets/Text/Maps/" + name + "/Map.json", json);
}

TEST(TileSheets, MapsTheGameCannotDrawAreRefusedAtTheDoorWithTheReason) {
    RoamingGame game({{"Hall", Room()}, {"Iso", Room()}, {"Outside", Room()}}, "Hall");
    WriteChangedMap("Iso", "\"orientation\":\"orthogonal\"", "\"orientation\":\"isometric\"");
    WriteChangedMap("Outside", "\"firstgid\":1,", "\"firstgid\":1,\"source\":\"Shared.tsx\",");
    const struct {
        const char* map;
        const char* reason;
    } cases[] = {
        {"Iso", "its orientation is isometric, and the game draws orthogonal maps only"},
        {"Outside", "its tileset Shared.tsx is in a file of its own (embed it in the map in Tiled)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.map);
        const std::string save = ReadWholeFile("Saves/Save0/save.txt");
        ChangeMap(c.map, game.Window());
        EXPECT_STREQ(gSession.currentMapName, "Hall");
        EXPECT_EQ(ReadWholeFile("Saves/Save0/save.txt"), save);
        EXPECT_NE(game.Log().find(std::string("Cannot go to map ") + c.map + " from Hall: " + c.reason),
                  std::string::npos)
            << game.Log();
    }
}

// The animated tile of the feature map, in a roaming game: 250 ms on tile 4, 250 ms on 5, 500 ms on 6.
TEST(TileSheets, AnimatedTilesPlayInTheGameAsInTiled) {
    RoamingGame game({{"Hall", Room()}}, "Hall", {1920, 1080, 1, false}, [] {
        const fs::path from = fs::path(VELMORIA_TEST_DATA) / "tiled/features/animation";
        fs::create_directories("Assets/Text/Maps/Anim");
        for (const char* file : {"Map.json", "Cells.png"})
            fs::copy_file(from / file, fs::path("Assets/Text/Maps/Anim") / file);
    });
    ChangeMap("Anim", game.Window());
    ASSERT_STREQ(gSession.currentMapName, "Anim");
    const TileSheet& sheet = *gMap.tileSheets.sheets[0];
    const auto shownCorner = [] {
        const TileChunk& chunk = gMap.tileCache.layers[0].chunks[0];
        const AnimatedTileQuad& quad = chunk.animated.at(0);
        return chunk.batches[quad.batch].vertices[quad.firstVertex].texCoords;
    };
    const auto cornerOf = [&](int tile) {
        const sf::IntRect cell = SheetCell(sheet, tile);
        return sf::Vector2f(static_cast<float>(cell.left), static_cast<float>(cell.top));
    };
    EXPECT_EQ(shownCorner(), cornerOf(4));
    for (const auto& [seconds, tile] : {std::pair{0.3f, 5}, {0.3f, 6}, {0.3f, 6}, {0.3f, 4}}) {
        game.Step(0.05f, static_cast<int>(seconds / 0.05f + 0.5f));
        EXPECT_EQ(shownCorner(), cornerOf(tile)) << gMap.tileCache.seconds;
    }
}

}  // namespace
