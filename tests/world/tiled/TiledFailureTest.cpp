// Every way the reader refuses a map: the one warning line it prints, with its reason and line.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/Files.h"
#include "world/tiled/TiledKeys.h"
#include "world/tiled/TiledTestSupport.h"

namespace {

const std::string PAST_END = "Attempted to read passed input buffer (is this a valid JSON file?).";
const std::string INVALID_INTEGER = "Invalid integer found during parse.";
const std::string UNKNOWN = "Unknown identifier found.";
const std::string CSV_HELP =
    "The expected tile format is CSV (uncompressed). Please see the docs if you are interested in "
    "compression.";

std::string Unexpected(char found, char wanted) {
    return std::string("Found unexpected token '") + found + "', expected '" + wanted +
           "' (is this a valid JSON file?).";
}

TEST(TiledFailure, EachRefusalPrintsOneWarningLineWithItsReasonAndLine) {
    // Each reason and line with the texts that must be refused for them.
    const struct {
        std::string reason;
        int line;
        std::vector<std::string> texts;
    } cases[] = {
        {PAST_END,
         1,
         {"", R"({"width":3)", R"({"wid)", R"({"wid\)", R"({"infinite":tru)", R"({"infinite":fals)",
          R"({"layers":[{"data":[1,2)", R"({"editorsettings":{"export":{})",
          R"({"tilesets":[{"wangsets":[[])", R"({"properties":[{"name":"a","type":"int"}]})"}},
        {INVALID_INTEGER,
         1,
         {R"({"width":x})", R"({"width":-})", R"({"version":abc})", R"({"backgroundcolor":"#"})",
          R"({"layers":[{"data":[]}]})", R"({"properties":[{"name":"a","type":"class","value":{}}]})"}},
        {UNKNOWN,
         1,
         {R"({"parallaxoriginx":0})", R"({"Width":3})", R"({"layers":[{"locked":true}]})",
          R"({"layers":[{"objects":[{"template":"a.tx"}]}]})", R"({"tilesets":[{"objectalignment":"top"}]})",
          R"({"tilesets":[{"tiles":[{"class":"c"}]}]})", R"({"tilesets":[{"tileoffset":{"z":1}}]})",
          R"({"width\0":1})"}},
        {Unexpected('[', '{'), 1, {"[]", R"({"editorsettings":[]})"}},
        {Unexpected('3', ':'), 1, {R"({"width" 3})"}},
        {Unexpected('w', '"'), 1, {"{width:3}"}},
        {Unexpected('e', '"'), 1, {R"({"width":1e3})"}},
        {Unexpected('1', '"'), 1, {R"({"backgroundcolor":1})"}},
        {Unexpected('z', '"'), 1, {R"({"backgroundcolor":"#112233z"})"}},
        {Unexpected('z', 'y'), 1, {R"({"layers":[{"objects":[{"polygon":[{"x":1,"z":2}]}]}]})"}},
        {Unexpected('}', ','), 1, {R"({"layers":[{"objects":[{"polygon":[{"x":1}]}]}]})"}},
        {Unexpected('"', ','), 1, {R"({"tilesets":[{"tiles":[{"animation":[{"a":1 "b":2}]}]}]})"}},
        {Unexpected(',', '}'),
         1,
         {R"({"properties":[{"name":"a","type":"int","value":1,"propertytype":""}]})"}},
        // A NUL in the message ends it where the C formatting would.
        {"Found unexpected token '", 1, {std::string("{\"width\":3\0", 11)}},
        {"Invalid boolean found during parse.", 1, {R"({"infinite":yes})"}},
        {"Expected 'x' or 'X' while parsing a hex number.", 1, {R"({"backgroundcolor":"01a2b3c"})"}},
        {"Compression is not yet supported.", 1, {R"({"compressionlevel":6})"}},
        {"Compression is not yet supported. " + CSV_HELP,
         1,
         {R"({"layers":[{"compression":"zlib","data":[1]}]})"}},
        {"Encoding is not yet supported. " + CSV_HELP, 1, {R"({"layers":[{"data":[1],"encoding":"csv"}]})"}},
        {"The expected tile format is CSV (uncompressed). It looks like Base64 (uncompressed) was selected. "
         "Please see the docs if you are interested in compression.",
         1,
         {R"({"layers":[{"data":"eJzjYGBgAAAABAAB"}]})"}},
        // Line feeds count between tokens (CR LF as one) and before a property's name, not inside a string
        // or a skipped object.
        {INVALID_INTEGER, 3, {"{\n\n\"width\":x}", "{\r\n\"width\":1,\r\n\"height\":x}"}},
        {INVALID_INTEGER,
         2,
         {"{\"orientation\":\"a\nb\",\n\"width\":x}", "{\"editorsettings\":{\n\n},\n\"width\":x}"}},
        {INVALID_INTEGER, 5, {"{\"properties\":[{\n\"name\"\n:\"a\",\n\"type\":\"int\",\n\"value\":x}]}"}},
        {UNKNOWN, 41, {"{" + std::string(40, '\n') + "\"x\":1}"}},
    };
    for (const auto& [reason, line, texts] : cases) {
        for (const std::string& text : texts) {
            const TiledLoadResult result = LoadTiledText(text);
            EXPECT_EQ(result.map, nullptr) << text;
            EXPECT_EQ(result.log, TiledFailure(reason, line)) << text;
            EXPECT_EQ(GetTiledReader().lineNumber, line) << text;
        }
    }
}

TEST(TiledFailure, StringOf1023CharactersIsAcceptedAnd1024Refused) {
    const std::string longest(1023, 'a');
    const TiledLoadResult accepted = LoadTiledText("{\"orientation\":\"" + longest + "\"}");
    ASSERT_NE(accepted.map, nullptr) << accepted.log;
    EXPECT_EQ(std::string(accepted.map->orientation), longest);
    const TiledLoadResult refused = LoadTiledText("{\"orientation\":\"" + longest + "a\"}");
    EXPECT_EQ(refused.map, nullptr);
    EXPECT_EQ(refused.log, TiledFailure("String exceeded max length of TILED_STRING_MAX.", 1));
}

TEST(TiledFailure, WarningsNameTheFileBeingReadAndMissingFileWarnsTwice) {
    ResetTiledReader();
    LogCapture capture;
    const std::string missing = TiledDataPath("NoSuchMap.json"), broken = TiledDataPath("Broken.json");
    EXPECT_EQ(LoadTiledMapFromFile(missing.c_str()), nullptr);
    EXPECT_EQ(capture.text, "WARNING (tiled_reader.h:1404): Unable to find map file. (" + missing +
                                ":1)\nWARNING (tiled_reader.h:2985): " + PAST_END + " (" + missing + ":1)\n");
    EXPECT_EQ(GetTiledReader().fileName, "");
    capture.text.clear();
    EXPECT_EQ(LoadTiledMapFromFile(broken.c_str()), nullptr);
    EXPECT_EQ(capture.text, "WARNING (tiled_reader.h:2985): " + UNKNOWN + " (" + broken + ":4)\n");
}

TEST(TiledFailure, DeeplyNestedGroupLayersFailCleanly) {
    const auto nested = [](int depth) {
        std::string open, close;
        for (; depth > 0; --depth, close += "}]")
            open += "[{\"type\":\"group\",\"layers\":";
        return "{\"layers\":" + open + "[]" + close + "}";
    };
    const TiledLoadResult deep = LoadTiledText(nested(10000));
    EXPECT_EQ(deep.map, nullptr);
    EXPECT_EQ(deep.log, TiledFailure("Layers are nested too deeply (group layers in group layers).", 1));
    const TiledLoadResult usual = LoadTiledText(nested(32));
    ASSERT_NE(usual.map, nullptr) << usual.log;
    int depth = 0;
    for (const TiledLayer* layer = usual.map->layers; layer != nullptr; layer = layer->layers)
        ++depth;
    EXPECT_EQ(depth, 32);
}

TEST(TiledFailure, KeyWithTheHashOfAKnownKeyButOtherLettersIsRefused) {
    const uint64_t widthHash = HashTiledText("width", 5);
    EXPECT_EQ(FindTiledKey(TiledMapKeys(), widthHash, "width", 5), KEY_WIDTH);
    for (const std::string_view other : {"wodth", "widthx", ""})
        EXPECT_EQ(FindTiledKey(TiledMapKeys(), widthHash, other.data(), other.size()), KEY_UNKNOWN) << other;
    // The hash covers the terminator: "width" and "width\0" are different keys to the reader.
    EXPECT_NE(HashTiledText("width", 5), HashTiledText("width\0", 6));
}

// Each cut is read alone, where AddressSanitizer sees a read past it, and inside the whole text, where
// such a read would find the rest of a valid map.
TEST(TiledFailure, EveryCutOfARealMapFailsWithoutReadingPastItsLength) {
    const std::string text = ReadWholeFile(TiledDataPath("Village.json"));
    const size_t close = text.rfind('}');
    ASSERT_NE(close, std::string::npos);
    for (size_t length = 0; length <= close; ++length) {
        for (const TiledLoadResult& result :
             {LoadTiledText(std::string_view(text).substr(0, length)), LoadTiledText(text, length)}) {
            ASSERT_EQ(result.map, nullptr) << length;
            ASSERT_EQ(result.log.rfind("WARNING (tiled_reader.h:2985): ", 0), 0u) << length;
            ASSERT_EQ(std::count(result.log.begin(), result.log.end(), '\n'), 1) << length;
        }
    }
    EXPECT_NE(LoadTiledText(text, close + 1).map, nullptr);
}

}  // namespace
