// The map tree as the game walks it: list orders, properties, shared texts, warnings that do not stop
// the parse, a map saved by the real Tiled editor; and how the reader turns values into numbers, flags,
// colours and texts.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "world/tiled/TiledTestSupport.h"

namespace {

// A list in the order the reader delivers it, one field of each record, joined by commas.
template <typename Record, typename Field>
std::string Listed(const Record* head, Field field) {
    std::ostringstream out;
    for (const Record* at = head; at != nullptr; at = at->next)
        out << (at == head ? "" : ",") << field(*at);
    return out.str();
}

// A record's name, or nothing.
const auto NAME = [](const auto& record) { return record.name == nullptr ? "" : record.name; };

// Properties as "name kind value", joined by commas: colours in hexadecimal, booleans as 0 or 1.
std::string Properties(const TiledProperty* properties, int count) {
    std::ostringstream out;
    for (int i = 0; i < count; ++i) {
        const TiledProperty& p = properties[i];
        out << (i == 0 ? "" : ",") << p.name;
        if (p.kind == PROPERTY_INT) out << " int " << p.value.integer;
        if (p.kind == PROPERTY_BOOL) out << " bool " << p.value.boolean;
        if (p.kind == PROPERTY_FLOAT) out << " float " << p.value.number;
        if (p.kind == PROPERTY_STRING) out << " string " << p.value.text;
        if (p.kind == PROPERTY_COLOR) out << " color " << std::hex << p.value.colour << std::dec;
    }
    return out.str();
}

// Animation frames as "duration/tile", joined by commas.
std::string Frames(const TiledTileDescriptor& tile) {
    std::ostringstream out;
    for (int i = 0; i < tile.frameCount; ++i)
        out << (i == 0 ? "" : ",") << tile.animation[i].duration << "/" << tile.animation[i].tileid;
    return out.str();
}

TEST(TiledTree, PropertiesTakeTheirKindFromTheValueAndAreReadByPosition) {
    const std::pair<const char*, const char*> cases[] = {
        {R"({"properties":[{"name":"i","type":"int","value":-7}, {"name":"b","type":"bool","value":True},
            {"name":"f","type":"float","value":2}, {"name":"g","type":"int","value":2.5},
            {"name":"s","type":"string","value":"hello"}, {"name":"c","type":"color","value":"#80ff2040"},
            {"name":"o","type":"color","value":"#ff2040"}, {"name":"h","type":"string","value":"#12g"},
            {"name":"e","type":"color","value":""}, {"value":"v", "type":"int", "name":"swapped"}]})",
         // A '.' before the next ',' makes a float whatever the type says; the first member is the name,
         // whatever its key.
         "i int -7,b bool 1,f float 2,g float 2.5,s string hello,c color 80ff2040,o color ffff2040,"
         "h string #12g,e string ,v string swapped"},
        // The look-ahead does not stop at the end of the property: the '.' of the version counts here.
        {R"({"properties":[{"name":"a","type":"int","value":5}] "version":1.5, "width":2})", "a float 5"},
        {R"({"properties":[{"name":"a","type":"int","value":5}], "version":1.5})", "a int 5"},
    };
    for (const auto& [text, properties] : cases) {
        const TiledLoadResult result = LoadTiledText(text);
        ASSERT_NE(result.map, nullptr) << result.log;
        EXPECT_EQ(Properties(result.map->properties, result.map->propertyCount), properties);
    }
}

TEST(TiledTree, EqualTextsShareOneCopyAcrossTableGrowth) {
    std::string text = R"({"layers":[{"name":"Object0","objects":[{"name":"Object0"},)";
    for (int i = 1; i < 6000; ++i)  // more texts than the table's first slots, each name twice
        text += "{\"name\":\"Object" + std::to_string(i % 3000) + "\"},";
    const TiledLoadResult result = LoadTiledText(text + "]}]}");
    ASSERT_NE(result.map, nullptr) << result.log;
    std::map<std::string, const char*> copies{{"Object0", result.map->layers->name}};
    int count = 0;
    for (const TiledObject* object = result.map->layers->objects; object != nullptr;
         object = object->next, ++count)
        EXPECT_EQ(copies.emplace(object->name, object->name).first->second, object->name) << object->name;
    EXPECT_EQ(count, 6000);
    EXPECT_EQ(copies.size(), 3000u);
    for (int i = 0; i < 3000; ++i)
        ASSERT_EQ(copies.count("Object" + std::to_string(i)), 1u) << i;
}

TEST(TiledTree, WarningsThatDoNotStopTheParseAndATextObjectThatDoesUseTheSameLineFormat) {
    const TiledLoadResult kept = LoadTiledText(
        "{\"tilesets\":[{\"firstgid\":1,\n\"source\":\"Village.tsx\"},\n"
        "{\"tileproperties\":{\"0\":{\"a\":\"b\"}},\n\"tilepropertytypes\":{\"0\":{\"a\":\"string\"}},"
        "\"name\":\"old\"}]}");
    ASSERT_NE(kept.map, nullptr) << kept.log;
    EXPECT_EQ(
        kept.log,
        "WARNING (tiled_reader.h:2577): You might have forgotten to embed your tileset -- Most fields of "
        "`TiledTileset` will be zero'd out (unset). (MEMORY:2)\n"
        "WARNING (tiled_reader.h:2551): `tileproperties` is deprecated. Attempting to skip. (MEMORY:3)\n"
        "WARNING (tiled_reader.h:2556): `tilepropertytypes` is deprecated. Attempting to skip. (MEMORY:4)\n");
    EXPECT_STREQ(kept.map->tilesets->source, "Village.tsx");
    EXPECT_EQ(kept.map->tilesets->firstgid, 1);
    EXPECT_EQ(Listed(kept.map->tilesets, NAME), ",old");
    const TiledLoadResult refused = LoadTiledText(
        "{\"layers\":[{\"objects\":[{\"id\":1,\n\"text\":{\"text\":\"Hello\",\"wrap\":true},\"x\":1}]}]}");
    EXPECT_EQ(refused.map, nullptr);
    EXPECT_EQ(refused.log,
              "WARNING (tiled_reader.h:2062): Text field of Tiled objects is not yet supported. Ignoring "
              "field. (MEMORY:2)\n" +
                  TiledFailure("Unknown identifier found.", 2));
}

// Objects and tiles come last first too, and layers in file order: see the exported map.
TEST(TiledTree, TilesetsKeepFileOrderChildLayersComeLastFirstAndTilesHoldAnimationsAndShapes) {
    const TiledLoadResult result = LoadTiledText(R"({"tilesets":[{"name":"First","version":1.5,
        "tileoffset":{"x":-3,"y":4},"grid":{"a":1},"terrains":[{"t":[1]}],"wangsets":[],"tiles":[{"id":2,
        "probability":0.5,"terrain":[0,0,1,1],"objectgroup":{"type":"objectgroup","objects":[{"width":8}]},
        "animation":[{"duration":200,"tileid":2},{"tileid":7,"duration":9}]}]},{"name":"Second"}],
        "layers":[{"name":"Group","type":"group","layers":[{"name":"Inner1","type":""},{"name":"Inner2"}]}]})");
    ASSERT_NE(result.map, nullptr) << result.log;
    EXPECT_EQ(Listed(result.map->tilesets, NAME), "First,Second");
    EXPECT_EQ(Listed(result.map->layers->layers, NAME), "Inner2,Inner1");
    EXPECT_STREQ(result.map->layers->layers->next->type, "");  // an empty text, not none
    const TiledTileset& tileset = *result.map->tilesets;
    EXPECT_FLOAT_EQ(tileset.version, 1.5f);  // a version unquoted, as older Tiled wrote it
    EXPECT_EQ(tileset.tileoffset.x, -3);
    EXPECT_EQ(tileset.tileoffset.y, 4);
    EXPECT_FLOAT_EQ(tileset.tiles->probability, 0.5f);
    ASSERT_NE(tileset.tiles->objectgroup, nullptr);
    EXPECT_EQ(tileset.tiles->objectgroup->objects->width, 8.0f);
    // Frames are read by position: the first value is the duration whatever its key says.
    EXPECT_EQ(Frames(*tileset.tiles), "200/2,7/9");
}

// The map that Tiled 1.8 exported from tests/data/tiled/Village.tmx, loaded from its file without a warning.
TEST(TiledExportedMap, EveryPartOfAMapSavedByTiledIsRead) {
    ResetTiledReader();
    LogCapture capture;
    std::unique_ptr<TiledMap> map = LoadTiledMapFromFile(TiledDataPath("Village.json").c_str());
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(capture.text, "");
    std::ostringstream header;
    header << map->width << "x" << map->height << " of " << map->tilewidth << "x" << map->tileheight << " "
           << std::hex << map->backgroundcolor << std::dec << " " << map->version << " " << map->tiledversion
           << " " << map->orientation << " " << map->nextobjectid;
    EXPECT_EQ(header.str(), "4x3 of 32x32 ff1a2b3c 1.8 1.8.2 orthogonal 8");
    EXPECT_EQ(Properties(map->properties, map->propertyCount),
              "gold int 42,music string Village.ogg,night bool 1,script string story.txt,speed float 1.5,"
              "tint color 80ff2040");
    const TiledTileset& tileset = *map->tilesets;
    EXPECT_EQ(tileset.next, nullptr);
    EXPECT_STREQ(tileset.image, "Village.png");
    EXPECT_EQ(tileset.columns, 4);
    EXPECT_EQ(tileset.tilecount, 8);
    EXPECT_EQ(Listed(tileset.tiles, [](const auto& tile) { return tile.id; }), "5,2");
    EXPECT_EQ(Frames(*tileset.tiles), "100/5,110/6,120/7");
    EXPECT_EQ(Frames(*tileset.tiles->next), "200/2,150/3");
    EXPECT_EQ(Properties(tileset.tiles->next->properties, tileset.tiles->next->propertyCount),
              "water bool 1");
    EXPECT_EQ(Listed(map->layers, NAME), "Ground,Roofs,Collision,Point");
    const TiledLayer& ground = *map->layers;
    EXPECT_STREQ(ground.type, "tilelayer");
    EXPECT_TRUE(ground.visible);
    EXPECT_EQ(ground.opacity, 1.0f);
    EXPECT_EQ(ground.width, 4);
    EXPECT_EQ(ground.height, 3);
    EXPECT_EQ(std::vector<int32_t>(ground.data, ground.data + ground.dataCount),
              (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7, 8, 1, 1, 2, 2}));
    const TiledLayer& roofs = *ground.next;
    EXPECT_FALSE(roofs.visible);
    EXPECT_EQ(roofs.opacity, 0.5f);
    ASSERT_EQ(roofs.dataCount, 12);
    EXPECT_EQ(static_cast<uint32_t>(roofs.data[11]), 2147483651u);  // flip bit kept
    // Objects as "name x,y widthxheight" and their shape.
    const auto shape = [](const TiledObject& o) {
        std::ostringstream out;
        out << o.name << " " << o.x << "," << o.y << " " << o.width << "x" << o.height
            << (o.ellipse ? " ellipse" : "") << (o.point ? " point" : "")
            << (o.vertexCount > 0 ? " polygon" : "");
        return out.str();
    };
    const TiledLayer& collision = *roofs.next;
    EXPECT_STREQ(collision.type, "objectgroup");
    EXPECT_EQ(Listed(collision.objects, shape), "Fence 64.5,32 32x16,Wall 0,0 64x32");
    EXPECT_EQ(Properties(collision.objects->properties, collision.objects->propertyCount), "solid bool 0");
    EXPECT_EQ(Listed(collision.next->objects, shape),
              "Bridge 100,10 0x0 polygon,Pond 10,20 30x20 ellipse,HOUSE_ENTER_1 48,80 0x0 point");
    const TiledObject& bridge = *collision.next->objects;
    EXPECT_EQ(std::vector<float>(bridge.vertices, bridge.vertices + ptrdiff_t{2} * bridge.vertexCount),
              (std::vector<float>{0, 0, 20, 0, 20, 10.5f, 0, 10}));
    FreeTiledMap(map);
    EXPECT_EQ(map, nullptr);
}

// The one layer of `{"layers":[{ members }]}` as "width height x offsetx,offsety opacity visible parallax",
// then its name, tint and tile ids (their count first) if any; or the warning when the map is refused.
std::string LayerValues(const std::string& members) {
    const TiledLoadResult result = LoadTiledText("{\"layers\":[{" + members + "}]}");
    if (result.map == nullptr) return result.log;
    const TiledLayer& l = *result.map->layers;
    std::ostringstream out;
    out << l.width << " " << l.height << " " << l.x << " " << l.offsetx << "," << l.offsety << " "
        << l.opacity << " " << l.visible << " " << l.parallaxx << "," << l.parallaxy;
    if (l.name != nullptr) out << " " << l.name;
    if (l.tintcolor != 0) out << " tint " << std::hex << l.tintcolor << std::dec;
    if (l.data != nullptr || l.dataCount != 0) out << " " << l.dataCount << " ids";
    for (int i = 0; l.data != nullptr && i < l.dataCount; ++i)
        out << (i == 0 ? " " : ",") << l.data[i];
    return out.str();
}

TEST(TiledValues, NumbersFlagsColoursTextsAndTileIdsReadAsTheGameExpects) {
    const std::pair<std::string, std::string> cases[] = {
        // Absent keys leave zero, except the parallax.
        {"", "0 0 0 0,0 0 0 1,1"},
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
        // Colours without alpha are opaque.
        {R"("tintcolor":"#1a2b3c")", "0 0 0 0,0 0 0 1,1 tint ff1a2b3c"},
        {R"("tintcolor":"#801a2b3c")", "0 0 0 0,0 0 0 1,1 tint 801a2b3c"},
        {R"("tintcolor":"#00000000")", "0 0 0 0,0 0 0 1,1"},
        {R"("tintcolor":"0x1A2B3C")", "0 0 0 0,0 0 0 1,1 tint ff1a2b3c"},
        {R"("tintcolor":"0X801a2b3c")", "0 0 0 0,0 0 0 1,1 tint 801a2b3c"},
        {R"("tintcolor":"1a2b3c")", "0 0 0 0,0 0 0 1,1 tint ff1a2b3c"},
        {R"("tintcolor":"#fff")", "0 0 0 0,0 0 0 1,1 tint ff000fff"},
        {R"("tintcolor":"#1122334455")", "0 0 0 0,0 0 0 1,1 tint 22334455"},
        // Members need no comma between them, and may have one after the last.
        {"\"width\":3 \"height\":2,\n", "3 2 0 0,0 0 0 1,1"},
        // Escapes follow the reader's own rules, and a NUL ends the text for its readers.
        {R"("name":"a\"b\'c\\d\/e\ff\ng\rh\ti\u0041\q")", "0 0 0 0,0 0 0 1,1 a\"b'c\\d/e\ff\ng\rh\tiu0041q"},
        {R"("name":"x\0y")", "0 0 0 0,0 0 0 1,1 x"},
        // Tile ids keep all 32 bits, whatever separates them.
        {"\"data\":[1, 2147483651, 4294967295;0 -1,123456789,1234567890,\n7.9,+5,0012]",
         "0 0 0 0,0 0 0 1,1 10 ids 1,-2147483645,-1,0,-1,123456789,1234567890,7,5,12"},
    };
    for (const auto& [members, values] : cases)
        EXPECT_EQ(LayerValues(members), values) << members;
}

}  // namespace
