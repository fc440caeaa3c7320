// Every way the reader refuses a map: the one warning line it prints, with its reason and line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

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

struct FailureCase {
    const char* what;
    std::string text;
    std::string reason;
    int line;
};

TEST(TiledFailure, EachRefusalPrintsOneWarningLineAndReturnsNoMap) {
    const std::vector<FailureCase> cases = {
        {"not an object", "[]", Unexpected('[', '{'), 1},
        {"empty text", "", PAST_END, 1},
        {"cut after a value", "{\"width\":3", PAST_END, 1},
        {"cut inside a string", "{\"wid", PAST_END, 1},
        {"cut after a backslash", "{\"wid\\", PAST_END, 1},
        {"missing colon", "{\"width\" 3}", Unexpected('3', ':'), 1},
        {"key not a string", "{width:3}", Unexpected('w', '"'), 1},
        {"integer without digits", "{\"width\":x}", INVALID_INTEGER, 1},
        {"integer with an exponent", "{\"width\":1e3}", Unexpected('e', '"'), 1},
        {"lone minus", "{\"width\":-}", INVALID_INTEGER, 1},
        {"float without digits", "{\"version\":abc}", INVALID_INTEGER, 1},
        {"boolean of another letter", "{\"infinite\":yes}", "Invalid boolean found during parse.", 1},
        {"boolean cut short", "{\"infinite\":tru", PAST_END, 1},
        {"false cut short", "{\"infinite\":fals", PAST_END, 1},
        {"colour 0 without x", "{\"backgroundcolor\":\"01a2b3c\"}",
         "Expected 'x' or 'X' while parsing a hex number.", 1},
        {"colour without digits", "{\"backgroundcolor\":\"#\"}", INVALID_INTEGER, 1},
        {"colour not quoted", "{\"backgroundcolor\":1}", Unexpected('1', '"'), 1},
        {"colour not closed", "{\"backgroundcolor\":\"#112233z\"}", Unexpected('z', '"'), 1},
        {"newer Tiled key", "{\"parallaxoriginx\":0}", UNKNOWN, 1},
        {"key in another case", "{\"Width\":3}", UNKNOWN, 1},
        {"compression level", "{\"compressionlevel\":6}", "Compression is not yet supported.", 1},
        {"layer compression", "{\"layers\":[{\"compression\":\"zlib\",\"data\":[1]}]}",
         "Compression is not yet supported. " + CSV_HELP, 1},
        {"layer encoding with CSV data", "{\"layers\":[{\"data\":[1],\"encoding\":\"csv\"}]}",
         "Encoding is not yet supported. " + CSV_HELP, 1},
        {"Base64 data", "{\"layers\":[{\"data\":\"eJzjYGBgAAAABAAB\"}]}",
         "The expected tile format is CSV (uncompressed). It looks like Base64 (uncompressed) was selected. "
         "Please see the docs if you are interested in compression.",
         1},
        {"empty tile data", "{\"layers\":[{\"data\":[]}]}", INVALID_INTEGER, 1},
        {"tile data cut", "{\"layers\":[{\"data\":[1,2", PAST_END, 1},
        {"unknown layer key", "{\"layers\":[{\"locked\":true}]}", UNKNOWN, 1},
        {"unknown object key", "{\"layers\":[{\"objects\":[{\"template\":\"a.tx\"}]}]}", UNKNOWN, 1},
        {"unknown tileset key", "{\"tilesets\":[{\"objectalignment\":\"top\"}]}", UNKNOWN, 1},
        {"unknown tile key", "{\"tilesets\":[{\"tiles\":[{\"class\":\"c\"}]}]}", UNKNOWN, 1},
        {"unknown tile offset key", "{\"tilesets\":[{\"tileoffset\":{\"z\":1}}]}", UNKNOWN, 1},
        {"skipped object cut", "{\"editorsettings\":{\"export\":{}", PAST_END, 1},
        {"skipped array cut", "{\"tilesets\":[{\"wangsets\":[[]", PAST_END, 1},
        {"skipped object not an object", "{\"editorsettings\":[]}", Unexpected('[', '{'), 1},
        {"polygon with a third key", "{\"layers\":[{\"objects\":[{\"polygon\":[{\"x\":1,\"z\":2}]}]}]}",
         Unexpected('z', 'y'), 1},
        {"polygon point without y", "{\"layers\":[{\"objects\":[{\"polygon\":[{\"x\":1}]}]}]}",
         Unexpected('}', ','), 1},
        {"animation frame without comma",
         "{\"tilesets\":[{\"tiles\":[{\"animation\":[{\"a\":1 \"b\":2}]}]}]}", Unexpected('"', ','), 1},
        {"property without value", "{\"properties\":[{\"name\":\"a\",\"type\":\"int\"}]}", PAST_END, 1},
        {"property with a fourth member",
         "{\"properties\":[{\"name\":\"a\",\"type\":\"int\",\"value\":1,\"propertytype\":\"\"}]}",
         Unexpected(',', '}'), 1},
        {"class property", "{\"properties\":[{\"name\":\"a\",\"type\":\"class\",\"value\":{}}]}",
         INVALID_INTEGER, 1},
        {"NUL byte where a key belongs", std::string("{\"width\":3\0", 11), Unexpected('\0', '"'), 1},
    };
    for (const FailureCase& c : cases) {
        const TiledLoadResult result = LoadTiledText(c.text);
        EXPECT_EQ(result.map, nullptr) << c.what;
        // A NUL in the message ends it where the C formatting would.
        const std::string reason = c.reason.substr(0, c.reason.find('\0'));
        EXPECT_EQ(result.log, TiledFailure(reason, c.line)) << c.what;
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
    struct LineCase {
        const char* what;
        std::string text;
        int line;
    };
    const std::vector<LineCase> cases = {
        {"after two blank lines", "{\n\n\"width\":x}", 3},
        {"CRLF line ends", "{\r\n\"width\":1,\r\n\"height\":x}", 3},
        {"newline inside a string is not a line", "{\"orientation\":\"a\nb\",\n\"width\":x}", 2},
        {"newlines inside a skipped object are not lines", "{\"editorsettings\":{\n\n},\n\"width\":x}", 2},
        {"newlines before a property name count",
         "{\"properties\":[{\n\"name\"\n:\"a\",\n\"type\":\"int\",\n\"value\":x}]}", 5},
        {"failure on the last line of a long map", std::string("{") + std::string(40, '\n') + "\"x\":1}", 41},
    };
    for (const LineCase& c : cases) {
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
        std::string text = "{\"layers\":";
        for (int i = 0; i < depth; ++i)
            text += "[{\"type\":\"group\",\"layers\":";
        text += "[]";
        for (int i = 0; i < depth; ++i)
            text += "}]";
        return text + "}";
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
    EXPECT_EQ(FindTiledKey(TiledMapKeys(), widthHash, "wodth", 5), KEY_UNKNOWN);
    EXPECT_EQ(FindTiledKey(TiledMapKeys(), widthHash, "widthx", 6), KEY_UNKNOWN);
    EXPECT_EQ(FindTiledKey(TiledMapKeys(), widthHash, "", 0), KEY_UNKNOWN);
    // The hash covers the terminator: "width" and "width\0" are different keys to the reader.
    EXPECT_NE(HashTiledText("width", 5), HashTiledText("width\0", 6));
    EXPECT_EQ(LoadTiledText(std::string("{\"width\\0\":1}")).log, TiledFailure(UNKNOWN, 1));
}

TEST(TiledFailure, EveryCutOfARealMapFailsWithoutReadingPastItsLength) {
    std::string text;
    {
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
            std::fopen(TiledDataPath("Village.json").c_str(), "rb"), std::fclose);
        ASSERT_NE(file, nullptr);
        char chunk[4096];
        size_t got = 0;
        while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0)
            text.append(chunk, got);
    }
    const size_t close = text.rfind('}');
    for (size_t length = 0; length <= close; ++length) {
        const TiledLoadResult result = LoadTiledText(std::string_view(text).substr(0, length));
        ASSERT_EQ(result.map, nullptr) << length;
        ASSERT_EQ(result.log.rfind("WARNING (tiled_reader.h:2985): ", 0), 0u) << length;
        ASSERT_EQ(std::count(result.log.begin(), result.log.end(), '\n'), 1) << length;
    }
    EXPECT_NE(LoadTiledText(std::string_view(text).substr(0, close + 1)).map, nullptr);
}

}  // namespace
