// How long a map takes to be ready to draw (read, sheets loaded, tile layers cut into chunks), with and
// without flipped tiles: Tiled's flip bits must cost nothing. Google Benchmark; run under Xvfb (the
// sheets are textures): scripts/bench-tiles.sh.

#include <benchmark/benchmark.h>

#include <SFML/Graphics/RenderTexture.hpp>

#include <random>
#include <sstream>
#include <string>

#include "core/Log.h"
#include "world/TileLayers.h"
#include "world/TileSheets.h"
#include "world/tiled/TiledMap.h"

namespace {

constexpr int SIDE = 128;  // cells along each side of the map: twice the largest map of the game

// One map of SIDE x SIDE cells in three layers on the 16-tile test sheet; with `flips`, one tile in
// four carries one of Tiled's seven flip combinations.
std::string MapText(bool flips) {
    std::mt19937 random(7);
    std::ostringstream out;
    out << R"({"height":)" << SIDE << R"(,"infinite":false,"layers":[)";
    for (int layer = 0; layer < 3; ++layer) {
        out << (layer ? "," : "") << R"({"data":[)";
        for (int cell = 0; cell < SIDE * SIDE; ++cell) {
            uint32_t id = 1 + random() % 16;
            if (flips && random() % 4 == 0) id |= (1 + random() % 7) << 29;
            out << (cell ? "," : "") << id;
        }
        out << R"(],"height":)" << SIDE << R"(,"id":)" << layer + 1 << R"(,"name":"L)" << layer
            << R"(","opacity":1,"type":"tilelayer","visible":true,"width":)" << SIDE << R"(,"x":0,"y":0})";
    }
    out << R"(],"nextlayerid":4,"nextobjectid":1,"orientation":"orthogonal","renderorder":"right-down",)"
        << R"("tiledversion":"1.8.2","tileheight":16,"tilesets":[{"columns":4,"firstgid":1,"image":"Cells.png",)"
        << R"("imageheight":64,"imagewidth":64,"margin":0,"name":"Cells","spacing":0,"tilecount":16,)"
        << R"("tileheight":16,"tilewidth":16}],"tilewidth":16,"type":"map","version":"1.8","width":)" << SIDE
        << "}";
    return out.str();
}

void ReadyToDraw(benchmark::State& state, bool flips) {
    SetLogSink([](std::string_view) {});
    const std::string text = MapText(flips);
    const std::string folder = std::string(VELMORIA_TEST_DATA) + "/tiled/features/flips/";
    for (auto _ : state) {
        const auto map = LoadTiledMapFromMemory(text.data(), text.size());
        TileSheets sheets;
        std::string reason;
        LoadTileSheets(*map, folder, "Bench", sheets, reason);
        TileLayerCache cache;
        BuildTileLayerCache(cache, *map, sheets);
        benchmark::DoNotOptimize(cache.layers.data());
    }
}

// NOLINTNEXTLINE(readability-identifier-naming): Google Benchmark's
void BM_MapWithoutFlips(benchmark::State& state) {
    ReadyToDraw(state, false);
}
// NOLINTNEXTLINE(readability-identifier-naming): Google Benchmark's
void BM_MapWithFlippedTiles(benchmark::State& state) {
    ReadyToDraw(state, true);
}

BENCHMARK(BM_MapWithoutFlips)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MapWithFlippedTiles)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
