// The map tree as the game walks it: list orders, properties, warnings that do not stop the parse, and
// a map saved by the real Tiled editor.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "world/tiled/TiledTestSupport.h"

namespace {

template <typename Record>
std::vector<std::string> Names(const Record* head) {
    std::vector<std::string> names;
    for (; head != nullptr; head = head->next)
        names.emplace_back(head->name == nullptr ? "" : head->name);
    return names;
}

std::vector<int32_t> TileIds(const TiledTileDescriptor* tile) {
    std::vector<int32_t> ids;
    for (; tile != nullptr; tile = tile->next)
        ids.push_back(tile->id);
    return ids;
}

TEST(TiledTree, ObjectsAndTilesComeLastFirstWhileLayersAndTilesetsKeepFileOrder) {
    const TiledLoadResult result = LoadTiledText(R"({
        "layers":[
            {"name":"Ground","type":"tilelayer","data":[1]},
            {"name":"Collision","type":"objectgroup","objects":[{"name":"A"},{"name":"B"},{"name":"C"}]},
            {"name":"Group","type":"group","layers":[{"name":"Inner1"},{"name":"Inner2"}]}],
        "tilesets":[
            {"name":"First","tiles":[{"id":4},{"id":9}]},
            {"name":"Second"}]})");
    ASSERT_NE(result.map, nullptr) << result.log;
    EXPECT_EQ(Names(result.map->layers), (std::vector<std::string>{"Ground", "Collision", "Group"}));
    EXPECT_EQ(Names(result.map->layers->next->objects), (std::vector<std::string>{"C", "B", "A"}));
    EXPECT_EQ(Names(result.map->layers->next->next->layers), (std::vector<std::string>{"Inner2", "Inner1"}));
    EXPECT_EQ(Names(result.map->tilesets), (std::vector<std::string>{"First", "Second"}));
    EXPECT_EQ(TileIds(result.map->tilesets->tiles), (std::vector<int32_t>{9, 4}));
}

TEST(TiledTree, PropertiesTakeTheirKindFromTheValueAndAreReadByPosition) {
    const TiledLoadResult result = LoadTiledText(R"({"properties":[
        {"name":"i","type":"int","value":-7},
        {"name":"b","type":"bool","value":True},
        {"name":"f","type":"float","value":2},
        {"name":"g","type":"int","value":2.5},
        {"name":"s","type":"string","value":"hello"},
        {"name":"c","type":"color","value":"#80ff2040"},
        {"name":"o","type":"color","value":"#ff2040"},
        {"name":"h","type":"string","value":"#12g"},
        {"name":"e","type":"color","value":""},
        {"value":"v", "type":"int", "name":"swapped"}]})");
    ASSERT_NE(result.map, nullptr) << result.log;
    ASSERT_EQ(result.map->propertyCount, 9 + 1);
    const TiledProperty* p = result.map->properties;
    EXPECT_EQ(std::string(p[0].name), "i");
    EXPECT_EQ(p[0].kind, PROPERTY_INT);
    EXPECT_EQ(p[0].value.integer, -7);
    EXPECT_EQ(p[1].kind, PROPERTY_BOOL);
    EXPECT_TRUE(p[1].value.boolean);
    EXPECT_EQ(p[2].kind, PROPERTY_FLOAT);
    EXPECT_EQ(p[2].value.number, 2.0f);
    EXPECT_EQ(p[3].kind, PROPERTY_FLOAT);  // a '.' before the next ',' makes a float whatever the type says
    EXPECT_EQ(p[3].value.number, 2.5f);
    EXPECT_EQ(p[4].kind, PROPERTY_STRING);
    EXPECT_EQ(std::string(p[4].value.text), "hello");
    EXPECT_EQ(p[5].kind, PROPERTY_COLOR);
    EXPECT_EQ(p[5].value.colour, 0x80FF2040u);
    EXPECT_EQ(p[6].value.colour, 0xFFFF2040u);
    EXPECT_EQ(p[7].kind, PROPERTY_STRING);
    EXPECT_EQ(p[8].kind, PROPERTY_STRING);
    EXPECT_EQ(std::string(p[8].value.text), "");
    // By position: the first member is the name, whatever its key.
    EXPECT_STREQ(p[9].name, "v");
    EXPECT_EQ(p[9].kind, PROPERTY_STRING);
    EXPECT_STREQ(p[9].value.text, "swapped");
}

TEST(TiledTree, APropertyNumberIsAFloatWhenAnyDotComesBeforeTheNextComma) {
    // The look-ahead does not stop at the end of the property: the '.' of the version counts here.
    const TiledLoadResult result =
        LoadTiledText(R"({"properties":[{"name":"a","type":"int","value":5}] "version":1.5, "width":2})");
    ASSERT_NE(result.map, nullptr) << result.log;
    EXPECT_EQ(result.map->properties[0].kind, PROPERTY_FLOAT);
    EXPECT_EQ(result.map->properties[0].value.number, 5.0f);
    const TiledLoadResult plain =
        LoadTiledText(R"({"properties":[{"name":"a","type":"int","value":5}], "version":1.5})");
    ASSERT_NE(plain.map, nullptr) << plain.log;
    EXPECT_EQ(plain.map->properties[0].kind, PROPERTY_INT);
    EXPECT_EQ(plain.map->properties[0].value.integer, 5);
}

TEST(TiledTree, EqualTextsShareOneCopy) {
    const TiledLoadResult result = LoadTiledText(
        R"({"layers":[{"name":"Wall","type":"objectgroup","objects":[{"name":"Wall","type":""},{"name":"Wall"}]}]})");
    ASSERT_NE(result.map, nullptr) << result.log;
    const TiledLayer& layer = *result.map->layers;
    EXPECT_EQ(layer.name, layer.objects->name);
    EXPECT_EQ(layer.name, layer.objects->next->name);
    EXPECT_STREQ(layer.objects->next->type, "");
}

TEST(TiledTree, ThousandsOfTextsKeepTheirOwnCopiesAcrossTableGrowth) {
    std::string text = R"({"layers":[{"objects":[)";
    const int count = 6000;  // more texts than the table's first slots, each name twice
    for (int i = 0; i < count; ++i)
        text += "{\"name\":\"Object" + std::to_string(i % (count / 2)) + "\"},";
    const TiledLoadResult result = LoadTiledText(text + "]}]}");
    ASSERT_NE(result.map, nullptr) << result.log;
    std::vector<const char*> names;
    for (const TiledObject* object = result.map->layers->objects; object != nullptr; object = object->next) {
        names.push_back(object->name);
    }
    ASSERT_EQ(names.size(), static_cast<size_t>(count));
    for (int i = 0; i < count / 2; ++i) {
        // Delivered last first: the second copy of name i sits at count/2 - 1 - i, the first at count - 1 -
        // i.
        EXPECT_EQ(names[count / 2 - 1 - i], names[count - 1 - i]);
        ASSERT_EQ(std::string(names[count - 1 - i]), "Object" + std::to_string(i));
    }
}

TEST(TiledTree, WarningsThatDoNotStopTheParseUseTheSameLineFormat) {
    const TiledLoadResult result = LoadTiledText(
        "{\"tilesets\":[{\"firstgid\":1,\n\"source\":\"Village.tsx\"},\n"
        "{\"tileproperties\":{\"0\":{\"a\":\"b\"}},\n\"tilepropertytypes\":{\"0\":{\"a\":\"string\"}},"
        "\"name\":\"old\"}]}");
    ASSERT_NE(result.map, nullptr) << result.log;
    EXPECT_EQ(
        result.log,
        "WARNING (tiled_reader.h:2577): You might have forgotten to embed your tileset -- Most fields of "
        "`TiledTileset` will be zero'd out (unset). (MEMORY:2)\n"
        "WARNING (tiled_reader.h:2551): `tileproperties` is deprecated. Attempting to skip. (MEMORY:3)\n"
        "WARNING (tiled_reader.h:2556): `tilepropertytypes` is deprecated. Attempting to skip. (MEMORY:4)\n");
    EXPECT_STREQ(result.map->tilesets->source, "Village.tsx");
    EXPECT_EQ(result.map->tilesets->firstgid, 1);
    EXPECT_STREQ(result.map->tilesets->next->name, "old");
}

TEST(TiledTree, ATextObjectWarnsAndThenRefusesTheMap) {
    const TiledLoadResult result = LoadTiledText(
        "{\"layers\":[{\"objects\":[{\"id\":1,\n\"text\":{\"text\":\"Hello\",\"wrap\":true},\"x\":1}]}]}");
    EXPECT_EQ(result.map, nullptr);
    EXPECT_EQ(
        result.log,
        "WARNING (tiled_reader.h:2062): Text field of Tiled objects is not yet supported. Ignoring field. "
        "(MEMORY:2)\n" +
            TiledFailure("Unknown identifier found.", 2));
}

TEST(TiledTree, TileDescriptorsHoldAnimationsAndCollisionShapes) {
    const TiledLoadResult result = LoadTiledText(R"({"tilesets":[{"tileoffset":{"x":-3,"y":4},"grid":{"a":1},
        "terrains":[{"t":[1]}],"wangsets":[],"tiles":[{"id":2,"probability":0.5,"terrain":[0,0,1,1],
        "objectgroup":{"type":"objectgroup","objects":[{"width":8,"height":4}]},
        "animation":[{"duration":200,"tileid":2},{"tileid":7,"duration":9}]}]}]})");
    ASSERT_NE(result.map, nullptr) << result.log;
    const TiledTileset& tileset = *result.map->tilesets;
    EXPECT_EQ(tileset.tileoffset.x, -3);
    EXPECT_EQ(tileset.tileoffset.y, 4);
    const TiledTileDescriptor& tile = *tileset.tiles;
    EXPECT_FLOAT_EQ(tile.probability, 0.5f);
    ASSERT_NE(tile.objectgroup, nullptr);
    EXPECT_EQ(tile.objectgroup->objects->width, 8.0f);
    ASSERT_EQ(tile.frameCount, 2);
    EXPECT_EQ(tile.animation[0].duration, 200);
    EXPECT_EQ(tile.animation[0].tileid, 2);
    // Frames are read by position: the first value is the duration whatever its key says.
    EXPECT_EQ(tile.animation[1].duration, 7);
    EXPECT_EQ(tile.animation[1].tileid, 9);
}

// The map that Tiled 1.8 exported from tests/data/tiled/Village.tmx, loaded from its file without a warning.
std::unique_ptr<TiledMap> LoadVillage() {
    ResetTiledReader();
    LogCapture capture;
    std::unique_ptr<TiledMap> map = LoadTiledMapFromFile(TiledDataPath("Village.json").c_str());
    EXPECT_EQ(capture.text, "");
    return map;
}

TEST(TiledExportedMap, HeaderAndPropertiesOfEveryKind) {
    std::unique_ptr<TiledMap> map = LoadVillage();
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->width, 4);
    EXPECT_EQ(map->height, 3);
    EXPECT_EQ(map->tilewidth, 32);
    EXPECT_EQ(map->tileheight, 32);
    EXPECT_EQ(map->backgroundcolor, 0xFF1A2B3Cu);
    EXPECT_FLOAT_EQ(map->version, 1.8f);
    EXPECT_STREQ(map->tiledversion, "1.8.2");
    EXPECT_STREQ(map->orientation, "orthogonal");
    EXPECT_EQ(map->nextobjectid, 8);

    ASSERT_EQ(map->propertyCount, 6);
    const TiledProperty* p = map->properties;
    EXPECT_EQ(p[0].kind, PROPERTY_INT);
    EXPECT_EQ(p[0].value.integer, 42);
    EXPECT_EQ(p[1].kind, PROPERTY_STRING);
    EXPECT_STREQ(p[1].value.text, "Village.ogg");
    EXPECT_EQ(p[2].kind, PROPERTY_BOOL);
    EXPECT_TRUE(p[2].value.boolean);
    EXPECT_EQ(p[3].kind, PROPERTY_STRING);
    EXPECT_STREQ(p[3].value.text, "story.txt");
    EXPECT_EQ(p[4].kind, PROPERTY_FLOAT);
    EXPECT_FLOAT_EQ(p[4].value.number, 1.5f);
    EXPECT_EQ(p[5].kind, PROPERTY_COLOR);
    EXPECT_EQ(p[5].value.colour, 0x80FF2040u);
}

TEST(TiledExportedMap, TilesetWithTileAnimations) {
    std::unique_ptr<TiledMap> map = LoadVillage();
    ASSERT_NE(map, nullptr);
    const TiledTileset& tileset = *map->tilesets;
    EXPECT_EQ(tileset.next, nullptr);
    EXPECT_STREQ(tileset.image, "Village.png");
    EXPECT_EQ(tileset.columns, 4);
    EXPECT_EQ(tileset.tilecount, 8);
    EXPECT_EQ(TileIds(tileset.tiles), (std::vector<int32_t>{5, 2}));
    const TiledTileDescriptor& flowing = *tileset.tiles;
    ASSERT_EQ(flowing.frameCount, 3);
    EXPECT_EQ(flowing.animation[1].tileid, 6);
    EXPECT_EQ(flowing.animation[1].duration, 110);
    const TiledTileDescriptor& water = *tileset.tiles->next;
    ASSERT_EQ(water.frameCount, 2);
    EXPECT_EQ(water.animation[0].duration, 200);
    EXPECT_EQ(water.animation[1].tileid, 3);
    ASSERT_EQ(water.propertyCount, 1);
    EXPECT_STREQ(water.properties[0].name, "water");
}

TEST(TiledExportedMap, TileLayersInFileOrder) {
    std::unique_ptr<TiledMap> map = LoadVillage();
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(Names(map->layers), (std::vector<std::string>{"Ground", "Roofs", "Collision", "Point"}));
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
}

TEST(TiledExportedMap, RectanglesPointEllipseAndPolygonLastFirst) {
    std::unique_ptr<TiledMap> map = LoadVillage();
    ASSERT_NE(map, nullptr);
    const TiledLayer& collision = *map->layers->next->next;
    EXPECT_STREQ(collision.type, "objectgroup");
    EXPECT_EQ(Names(collision.objects), (std::vector<std::string>{"Fence", "Wall"}));
    const TiledObject& fence = *collision.objects;
    EXPECT_EQ(fence.x, 64.5f);
    EXPECT_EQ(fence.y, 32.0f);
    EXPECT_EQ(fence.width, 32.0f);
    EXPECT_EQ(fence.height, 16.0f);
    EXPECT_FALSE(fence.ellipse || fence.point || fence.vertexCount > 0);
    ASSERT_EQ(fence.propertyCount, 1);
    EXPECT_EQ(fence.properties[0].kind, PROPERTY_BOOL);
    EXPECT_FALSE(fence.properties[0].value.boolean);

    const TiledLayer& points = *collision.next;
    EXPECT_EQ(Names(points.objects), (std::vector<std::string>{"Bridge", "Pond", "HOUSE_ENTER_1"}));
    const TiledObject& bridge = *points.objects;
    ASSERT_EQ(bridge.vertexCount, 4);
    EXPECT_EQ(std::vector<float>(bridge.vertices, bridge.vertices + 8),
              (std::vector<float>{0, 0, 20, 0, 20, 10.5f, 0, 10}));
    const TiledObject& pond = *bridge.next;
    EXPECT_TRUE(pond.ellipse);
    EXPECT_EQ(pond.width, 30.0f);
    const TiledObject& spawn = *pond.next;
    EXPECT_TRUE(spawn.point);
    EXPECT_EQ(spawn.x, 48.0f);
    EXPECT_EQ(spawn.y, 80.0f);
    FreeTiledMap(map);
    EXPECT_EQ(map, nullptr);
}

}  // namespace
