// How the reader turns the values of a map into numbers, flags, colours and texts.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "world/tiled/TiledTestSupport.h"

namespace {

// Loads `{"layers":[{ members }]}` and returns its one layer (the map stays alive in `keep`).
const TiledLayer& LoadLayer(const std::string& members, TiledLoadResult& keep) {
    keep = LoadTiledText("{\"layers\":[{" + members + "}]}");
    EXPECT_NE(keep.map, nullptr) << members << ": " << keep.log;
    static const TiledLayer EMPTY{};
    return keep.map == nullptr ? EMPTY : *keep.map->layers;
}

TEST(TiledValues, NumbersAndBooleansReadAsTheGameExpects) {
    const struct {
        std::string members;
        int32_t width;
        float opacity;
        bool visible;
    } cases[] = {
        {"\"visible\":true,\"width\":30,\"opacity\":1", 30, 1.0f, true},
        {"\"visible\":True,\"width\":30.9,\"opacity\":1.0", 30, 1.0f, true},
        {"\"visible\":TRUE,\"width\":-2.5,\"opacity\":0.5", -2, 0.5f, true},
        // A boolean is judged by its first letter, and the rest of the word is passed over.
        {"\"visible\":tabc,\"width\":+7,\"opacity\":+0.25", 7, 0.25f, true},
        {"\"visible\":false,\"width\": \n 12 ,\"opacity\":5e-1", 12, 0.5f, false},
        {"\"visible\":False,\"width\":4,\"opacity\":0", 4, 0.0f, false},
        {"\"visible\":fxxxx,\"width\":4,\"opacity\":0", 4, 0.0f, false},
    };
    for (const auto& c : cases) {
        TiledLoadResult keep;
        const TiledLayer& layer = LoadLayer(c.members, keep);
        EXPECT_EQ(layer.width, c.width) << c.members;
        EXPECT_FLOAT_EQ(layer.opacity, c.opacity) << c.members;
        EXPECT_EQ(layer.visible, c.visible) << c.members;
    }
}

TEST(TiledValues, OutOfRangeNumbersSaturateInsteadOfOverflowing) {
    TiledLoadResult big;
    const TiledLayer& wide = LoadLayer(
        "\"width\":3000000000.5,\"height\":-3000000000.5,\"x\":99999999999999999999999,"
        "\"offsetx\":1e39,\"offsety\":-1e400,\"opacity\":1e-400",
        big);
    EXPECT_EQ(wide.width, INT32_MAX);
    EXPECT_EQ(wide.height, INT32_MIN);
    EXPECT_EQ(wide.x, -1);  // saturated to the largest 64-bit value, then its low 32 bits
    EXPECT_EQ(wide.offsetx, INFINITY);
    EXPECT_EQ(wide.offsety, -INFINITY);
    EXPECT_EQ(wide.opacity, 0.0f);
}

TEST(TiledValues, TileIdsKeepAll32BitsAndAnySeparator) {
    TiledLoadResult keep;
    const TiledLayer& layer =
        LoadLayer("\"data\":[1, 2147483651, 4294967295;0 -1,123456789,1234567890,\n7.9,+5,0012]", keep);
    const std::vector<int32_t> ids(layer.data, layer.data + layer.dataCount);
    EXPECT_EQ(ids, (std::vector<int32_t>{1, static_cast<int32_t>(0x80000003u), -1, 0, -1, 123456789,
                                         1234567890, 7, 5, 12}));
}

TEST(TiledValues, ColoursWithoutAlphaAreOpaque) {
    const std::pair<std::string, uint32_t> cases[] = {
        {"#1a2b3c", 0xFF1A2B3Cu},  {"#801a2b3c", 0x801A2B3Cu},   {"#00000000", 0x00000000u},
        {"0x1A2B3C", 0xFF1A2B3Cu}, {"0X801a2b3c", 0x801A2B3Cu},  {"1a2b3c", 0xFF1A2B3Cu},
        {"#fff", 0xFF000FFFu},     {"#1122334455", 0x22334455u},
    };
    for (const auto& [text, colour] : cases) {
        const TiledLoadResult result = LoadTiledText("{\"backgroundcolor\":\"" + text + "\"}");
        ASSERT_NE(result.map, nullptr) << text << ": " << result.log;
        EXPECT_EQ(result.map->backgroundcolor, colour) << text;
    }
}

TEST(TiledValues, StringEscapesFollowTheReadersOwnRules) {
    const TiledLoadResult result =
        LoadTiledText(R"({"orientation":"a\"b\'c\\d\/e\ff\ng\rh\ti\u0041\q", "renderorder":"x\0y"})");
    ASSERT_NE(result.map, nullptr) << result.log;
    EXPECT_EQ(std::string(result.map->orientation), "a\"b'c\\d/e\ff\ng\rh\tiu0041q");
    EXPECT_EQ(std::string(result.map->renderorder), "x");  // a NUL ends the text for its readers
}

TEST(TiledValues, VersionsMayBeQuotedAndCommasMayBeMissingOrTrailing) {
    const TiledLoadResult result =
        LoadTiledText("{\"version\":\"1.8\" \"tilesets\":[{\"version\":1.5,},]\"width\":3,\"height\":2,,\n}");
    ASSERT_EQ(result.map, nullptr);  // two commas in a row: the second is where a key belongs
    const TiledLoadResult relaxed =
        LoadTiledText("{\"version\":\"1.8\" \"tilesets\":[{\"version\":1.5,},]\"width\":3 \"height\":2,\n}");
    ASSERT_NE(relaxed.map, nullptr) << relaxed.log;
    EXPECT_FLOAT_EQ(relaxed.map->version, 1.8f);
    EXPECT_FLOAT_EQ(relaxed.map->tilesets->version, 1.5f);
    EXPECT_EQ(relaxed.map->width, 3);
    EXPECT_EQ(relaxed.map->height, 2);
}

TEST(TiledValues, AbsentKeysLeaveZeroExceptParallax) {
    TiledLoadResult keep;
    const TiledLayer& layer = LoadLayer("", keep);
    EXPECT_EQ(layer.visible, false);
    EXPECT_EQ(layer.opacity, 0.0f);
    EXPECT_EQ(layer.parallaxx, 1.0f);
    EXPECT_EQ(layer.parallaxy, 1.0f);
    EXPECT_EQ(layer.name, nullptr);
    EXPECT_EQ(layer.data, nullptr);
    EXPECT_EQ(layer.dataCount, 0);
}

}  // namespace
