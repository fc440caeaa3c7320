#include "world/tiled/TiledKeys.h"

#include <cstring>
#include <string_view>

namespace {

constexpr TiledKey Key(std::string_view name, TiledKeyId id) {
    return TiledKey{HashTiledText(name.data(), name.size()), name.data(), name.size(), id};
}

constexpr TiledKey MAP_KEYS[] = {
    Key("backgroundcolor", KEY_BACKGROUNDCOLOR),
    Key("class", KEY_CLASS),
    Key("compressionlevel", KEY_COMPRESSIONLEVEL),
    Key("editorsettings", KEY_EDITORSETTINGS),
    Key("height", KEY_HEIGHT),
    Key("infinite", KEY_INFINITE),
    Key("layers", KEY_LAYERS),
    Key("nextlayerid", KEY_NEXTLAYERID),
    Key("nextobjectid", KEY_NEXTOBJECTID),
    Key("orientation", KEY_ORIENTATION),
    Key("properties", KEY_PROPERTIES),
    Key("renderorder", KEY_RENDERORDER),
    Key("tiledversion", KEY_TILEDVERSION),
    Key("tileheight", KEY_TILEHEIGHT),
    Key("tilesets", KEY_TILESETS),
    Key("tilewidth", KEY_TILEWIDTH),
    Key("type", KEY_TYPE),
    Key("version", KEY_VERSION),
    Key("width", KEY_WIDTH),
};

constexpr TiledKey LAYER_KEYS[] = {
    Key("data", KEY_DATA),
    Key("height", KEY_HEIGHT),
    Key("width", KEY_WIDTH),
    Key("id", KEY_ID),
    Key("name", KEY_NAME),
    Key("opacity", KEY_OPACITY),
    Key("type", KEY_TYPE),
    Key("visible", KEY_VISIBLE),
    Key("x", KEY_X),
    Key("y", KEY_Y),
    Key("objects", KEY_OBJECTS),
    Key("draworder", KEY_DRAWORDER),
    Key("properties", KEY_PROPERTIES),
    Key("class", KEY_CLASS),
    Key("image", KEY_IMAGE),
    Key("compression", KEY_COMPRESSION),
    Key("encoding", KEY_ENCODING),
    Key("layers", KEY_LAYERS),
    Key("offsetx", KEY_OFFSETX),
    Key("offsety", KEY_OFFSETY),
    Key("parallaxx", KEY_PARALLAXX),
    Key("parallaxy", KEY_PARALLAXY),
    Key("repeatx", KEY_REPEATX),
    Key("repeaty", KEY_REPEATY),
    Key("tintcolor", KEY_TINTCOLOR),
    Key("transparentcolor", KEY_TRANSPARENTCOLOR),
};

// Ordered by how often Tiled writes them, so the usual keys are found first.
constexpr TiledKey OBJECT_KEYS[] = {
    Key("x", KEY_X),
    Key("y", KEY_Y),
    Key("width", KEY_WIDTH),
    Key("height", KEY_HEIGHT),
    Key("id", KEY_ID),
    Key("name", KEY_NAME),
    Key("rotation", KEY_ROTATION),
    Key("type", KEY_TYPE),
    Key("visible", KEY_VISIBLE),
    Key("class", KEY_CLASS),
    Key("ellipse", KEY_ELLIPSE),
    Key("point", KEY_POINT),
    Key("gid", KEY_GID),
    Key("polygon", KEY_POLYGON),
    Key("polyline", KEY_POLYLINE),
    Key("properties", KEY_PROPERTIES),
    Key("text", KEY_TEXT),
};

constexpr TiledKey TILESET_KEYS[] = {
    Key("backgroundcolor", KEY_BACKGROUNDCOLOR),
    Key("transparentcolor", KEY_TRANSPARENTCOLOR),
    Key("class", KEY_CLASS),
    Key("image", KEY_IMAGE),
    Key("name", KEY_NAME),
    Key("tiledversion", KEY_TILEDVERSION),
    Key("type", KEY_TYPE),
    Key("columns", KEY_COLUMNS),
    Key("firstgid", KEY_FIRSTGID),
    Key("imageheight", KEY_IMAGEHEIGHT),
    Key("imagewidth", KEY_IMAGEWIDTH),
    Key("margin", KEY_MARGIN),
    Key("spacing", KEY_SPACING),
    Key("tilecount", KEY_TILECOUNT),
    Key("tileheight", KEY_TILEHEIGHT),
    Key("tilewidth", KEY_TILEWIDTH),
    Key("editorsettings", KEY_EDITORSETTINGS),
    Key("grid", KEY_GRID),
    Key("terrains", KEY_TERRAINS),
    Key("wangsets", KEY_WANGSETS),
    Key("properties", KEY_PROPERTIES),
    Key("source", KEY_SOURCE),
    Key("tileoffset", KEY_TILEOFFSET),
    Key("tileproperties", KEY_TILEPROPERTIES),
    Key("tilepropertytypes", KEY_TILEPROPERTYTYPES),
    Key("tiles", KEY_TILES),
    Key("version", KEY_VERSION),
};

constexpr TiledKey TILE_KEYS[] = {
    Key("animation", KEY_ANIMATION),
    Key("id", KEY_ID),
    Key("imageheight", KEY_IMAGEHEIGHT),
    Key("imagewidth", KEY_IMAGEWIDTH),
    Key("image", KEY_IMAGE),
    Key("type", KEY_TYPE),
    Key("objectgroup", KEY_OBJECTGROUP),
    Key("probability", KEY_PROBABILITY),
    Key("properties", KEY_PROPERTIES),
    Key("terrain", KEY_TERRAIN),
};

constexpr TiledKey TILEOFFSET_KEYS[] = {Key("x", KEY_X), Key("y", KEY_Y)};

}  // namespace

std::span<const TiledKey> TiledMapKeys() {
    return MAP_KEYS;
}
std::span<const TiledKey> TiledLayerKeys() {
    return LAYER_KEYS;
}
std::span<const TiledKey> TiledObjectKeys() {
    return OBJECT_KEYS;
}
std::span<const TiledKey> TiledTilesetKeys() {
    return TILESET_KEYS;
}
std::span<const TiledKey> TiledTileKeys() {
    return TILE_KEYS;
}
std::span<const TiledKey> TiledTileOffsetKeys() {
    return TILEOFFSET_KEYS;
}

TiledKeyId FindTiledKey(std::span<const TiledKey> keys, uint64_t hash, const char* text, size_t length) {
    for (const TiledKey& key : keys) {
        if (key.hash != hash) continue;
        const bool same = key.length == length && std::memcmp(key.name, text, length) == 0;
        return same ? key.id : KEY_UNKNOWN;
    }
    return KEY_UNKNOWN;
}
