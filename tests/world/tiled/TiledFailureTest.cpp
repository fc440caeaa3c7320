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

TEST(TiledFailure, EachRefusalPrintsOneWarningLineAndReturnsNoMap) {
    // Each reason with the texts that must be refused for it, all on the first line.
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {PAST_END,
         {"", R"({"width":3)", R"({"wid)", R"({"wid\)", R"({"infinite":tru)", R"({"infinite":fals)",
          R"({"layers":[{"data":[1,2)", R"({"editorsettings":{"export":{})",
          R"({"tilesets":[{"wangsets":[[])", R"({"properties":[{"name":"a","type":"int"}]})"}},
        {INVALID_INTEGER,
         {R"({"width":x})", R"({"width":-})", R"({"version":abc})", R"({"backgroundcolor":"#"})",
          R"({"layers":[{"data":[]}]})", R"({"properties":[{"name":"a","type":"class","value":{}}]})"}},
        {UNKNOWN,
         {R"({"parallaxoriginx":0})", R"({"Width":3})", R"({"layers":[{"locked":true}]})",
          R"({"layers":[{"objects":[{"template":"a.tx"}]}]})", R"({"tilesets":[{"objectalignment":"top"}]})",
          R"({"tilesets":[{"tiles":[{"class":"c"}]}]})", R"({"tilesets":[{"tileoffset":{"z":1}}]})"}},
        {Unexpected('[', '{'), {"[]", R"({"editorsettings":[]})"}},
        {Unexpected('3', ':'), {R"({"width" 3})"}},
        {Unexpected('w', '"'), {"{width:3}"}},
        {Unexpected('e', '"'), {R"({"width":1e3})"}},
        {Unexpected('1', '"'), {R"({"backgroundcolor":1})"}},
        {Unexpected('z', '"'), {R"({"backgroundcolor":"#112233z"})"}},
        {Unexpected('z', 'y'), {R"({"layers":[{"objects":[{"polygon":[{"x":1,"z":2}]}]}]})"}},
        {Unexpected('}', ','), {R"({"layers":[{"objects":[{"polygon":[{"x":1}]}]}]})"}},
        {Unexpected('"', ','), {R"({"tilesets":[{"tiles":[{"animation":[{"a":1 "b":2}]}]}]})"}},
        {Unexpected(',', '}'), {R"({"properties":[{"name":"a","type":"int","value":1,"propertytype":""}]})"}},
        // A NUL in the message ends it where the C formatting would.
        {"Found unexpected token '", {std::string("{\"width\":3\0", 11)}},
        {"Invalid boolean found during parse.", {R"({"infinite":yes})"}},
        {"Expected 'x' or 'X' while parsing a hex number.", {R"({"backgroundcolor":"01a2b3c"})"}},
        {"Compression is not yet supported.", {R"({"compressionlevel":6})"}},
        {"Compression is not yet supported. " + CSV_HELP,
         {R"({"layers":[{"compression":"zlib","data":[1]}]})"}},
        {"Encoding is not yet supported. " + CSV_HELP, {R"({"layers":[{"data":[1],"encoding":"csv"}]})"}},
        {"The expected tile format is CSV (uncompressed). It looks like Base64 (uncompressed) was selected. "
         "Please see the docs if you are interested in compression.",
         {R"({"layers":[{"data":"eJzjYGBgAAAABAAB"}]})"}},
    };
    for (const auto& [reason, texts] : cases) {
        for (const std::string& text : texts) {
            const TiledLoadResult result = LoadTiledText(text);
            EXPECT_EQ(result.map, nullptr) << text;
            EXPECT_EQ(result.log, TiledFailure(reason, 1)) << text;
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

TEST(TiledFailure, LineNumberCountsNewlinesBetweenTokensAndInPropertyKeys) {
    const struct {
        const char* what;
        std::string text;
        int line;
    } cases[] = {
        {"after two blank lines", "{\n\n\"width\":x}", 3},
        {"CRLF line ends", "{\r\n\"width\":1,\r\n\"height\":x}", 3},
        {"newline inside a string is not a line", "{\"orientation\":\"a\nb\",\n\"width\":x}", 2},
        {"newlines inside a skipped object are not lines", "{\"editorsettings\":{\n\n},\n\"width\":x}", 2},
        {"newlines before a property name count",
         "{\"properties\":[{\n\"name\"\n:\"a\",\n\"type\":\"int\",\n\"value\":x}]}", 5},
        {"failure on the last line of a long map", std::string("{") + std::string(40, '\n') + "\"x\":1}", 41},
    };
    for (const auto& c : cases) {
        const TiledLoadResult result = LoadTiledText(c.text);
        EXPECT_EQ(result.map, nullptr) << c.what;
        EXPECT_NE(result.log.find("(MEMORY:" + std::to_string(c.line) + ")\n"), std::string::npos)
            << c.what << ": " << result.log;
        EXPECT_EQ(GetTiledReader().lineNumber, c.line) << c.what;
    }
}

TEST(TiledFailure, WarningsNameTheFileBeingReadAndMissingFileWarnsTwice) {
    ResetTiledReader();
    LogCapture capture;
    const std::string missing = TiledDataPath("NoSuchMap.json");
    std::unique_ptr<TiledMap> map = LoadTiledMapFromFile(missing.c_str());
    EXPECT_EQ(map, nullptr);
    EXPECT_EQ(capture.text, "WARNING (tiled_reader.h:1404): Unable to find map file. (" + missing +
                                ":1)\nWARNING (tiled_reader.h:2985): " + PAST_END + " (" + missing + ":1)\n");
    EXPECT_EQ(GetTiledReader().fileName, "");

    capture.text.clear();
    const std::string broken = TiledDataPath("Broken.json");
    map = LoadTiledMapFromFile(broken.c_str());
    EXPECT_EQ(map, nullptr);
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
    EXPECT_EQ(LoadTiledText(std::string("{\"width\\0\":1}")).log, TiledFailure(UNKNOWN, 1));
}

// Each cut is read from a buffer of exactly its length, where AddressSanitizer sees any read past it,
// and from the whole map's text, where a read past it would find the rest of a valid map.
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
