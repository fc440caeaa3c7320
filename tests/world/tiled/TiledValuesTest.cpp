// How the reader turns the values of a map into numbers, flags, colours and texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "world/tiled/TiledTestSupport.h"

namespace {

// The one layer of `{"layers":[{ members }]}` as "width height x offsetx,offsety opacity visible
// parallaxx,parallaxy", or the warning when the map is refused.
std::string LayerValues(const std::string& members) {
    const TiledLoadResult result = LoadTiledText("{\"layers\":[{" + members + "}]}");
    if (result.map == nullptr) return result.log;
    const TiledLayer& l = *result.map->layers;
    std::ostringstream out;
    out << l.width << " " << l.height << " " << l.x << " " << l.offsetx << "," << l.offsety << " "
        << l.opacity << " " << l.visible << " " << l.parallaxx << "," << l.parallaxy;
    return out.str();
}

TEST(TiledValues, NumbersAndBooleansReadAsTheGameExpects) {
    const std::pair<std::string, std::string> cases[] = {
        {R"("visible":true,"width":30,"opacity":1)", "30 0 0 0,0 1 1 1,1"},
        {R"("visible":True,"width":30.9,"opacity":1.0)", "30 0 0 0,0 1 1 1,1"},
        {R"("visible":TRUE,"width":-2.5,"opacity":0.5)", "-2 0 0 0,0 0.5 1 1,1"},
        // A boolean is judged by its first letter, and the rest of the word is passed over.
        {R"("visible":tabc,"width":+7,"opacity":+0.25)", "7 0 0 0,0 0.25 1 1,1"},
        {"\"visible\":false,\"width\": \n 12 ,\"opacity\":5e-1", "12 0 0 0,0 0.5 0 1,1"},
        {R"("visible":False,"width":4)", "4 0 0 0,0 0 0 1,1"},
        {R"("visible":fxxxx,"width":4)", "4 0 0 0,0 0 0 1,1"},
        // Out of range, numbers saturate instead of overflowing: x keeps the low 32 bits of the largest
        // 64-bit value.
        {R"("width":3000000000.5,"height":-3000000000.5,"x":99999999999999999999999,"offsetx":1e39,)"
         R"("offsety":-1e400,"opacity":1e-400)",
         "2147483647 -2147483648 -1 inf,-inf 0 0 1,1"},
    };
    for (const auto& [members, values] : cases)
        EXPECT_EQ(LayerValues(members), values) << members;
}

TEST(TiledValues, AbsentKeysLeaveZeroExceptParallax) {
    EXPECT_EQ(LayerValues(""), "0 0 0 0,0 0 0 1,1");
    const TiledLoadResult result = LoadTiledText(R"({"layers":[{}]})");
    ASSERT_NE(result.map, nullptr) << result.log;
    EXPECT_EQ(result.map->layers->name, nullptr);
    EXPECT_EQ(result.map->layers->data, nullptr);
    EXPECT_EQ(result.map->layers->dataCount, 0);
}

TEST(TiledValues, TileIdsKeepAll32BitsAndAnySeparator) {
    const TiledLoadResult result = LoadTiledText(
        "{\"layers\":[{\"data\":[1, 2147483651, 4294967295;0 -1,123456789,1234567890,\n7.9,+5,0012]}]}");
    ASSERT_NE(result.map, nullptr) << result.log;
    const TiledLayer& layer = *result.map->layers;
    EXPECT_EQ(std::vector<int32_t>(layer.data, layer.data + layer.dataCount),
              (std::vector<int32_t>{1, static_cast<int32_t>(0x80000003u), -1, 0, -1, 123456789, 1234567890, 7,
                                    5, 12}));
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

}  // namespace
