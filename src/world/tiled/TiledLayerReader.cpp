#include "world/tiled/TiledLayerReader.h"
#include "world/tiled/TiledProperties.h"

namespace {

// Tile data is most of a map's bytes: plain ids of up to 9 digits are read here, anything else (signs,
// longer numbers, ids written as floats) by the general integer reader.
bool ReadTileId(TiledCursor& cursor, int32_t& id) {
    SkipTiledSpace(cursor);
    const char* const start = cursor.in;
    const char* const stop = cursor.end - start > 9 ? start + 9 : cursor.end;
    const char* p = start;
    uint32_t value = 0;
    for (; p < stop && static_cast<unsigned>(*p - '0') < 10; ++p)
        value = value * 10 + static_cast<uint32_t>(*p - '0');
    const bool plain = p > start && (p == cursor.end || (*p != '.' && static_cast<unsigned>(*p - '0') >= 10));
    if (!plain) return ReadTiledInt(cursor, id);
    id = static_cast<int32_t>(value);
    cursor.in = p;
    return true;
}

// CSV tile ids: integers, each followed by one separator character, until that character is ']'.
bool ReadTileData(TiledCursor& cursor, TiledLayer& layer) {
    char first = 0;
    if (!PeekTiled(cursor, first)) return false;
    if (first != '[') return FailTiled(TILED_REASON_BASE64);
    ++cursor.in;
    std::vector<int32_t>& ids = cursor.tileIds;
    ids.clear();
    for (;;) {
        int32_t id = 0;
        if (!ReadTileId(cursor, id)) return false;
        ids.push_back(id);
        if (cursor.in == cursor.end) return FailTiled(TILED_REASON_PAST_END);
        if (*cursor.in++ == ']') break;
    }
    layer.data = cursor.storage->CopyArray(ids.data(), ids.size());
    layer.dataCount = static_cast<int32_t>(ids.size());
    return true;
}

// One vertex is exactly {"x": float, "y": float}, the key characters expected one by one.
bool ReadVertex(TiledCursor& cursor) {
    float x = 0.0f;
    float y = 0.0f;
    const bool ok = ExpectTiled(cursor, '{') && ExpectTiled(cursor, '"') && ExpectTiled(cursor, 'x') &&
                    ExpectTiled(cursor, '"') && ExpectTiled(cursor, ':') && ReadTiledFloat(cursor, x) &&
                    ExpectTiled(cursor, ',') && ExpectTiled(cursor, '"') && ExpectTiled(cursor, 'y') &&
                    ExpectTiled(cursor, '"') && ExpectTiled(cursor, ':') && ReadTiledFloat(cursor, y) &&
                    ExpectTiled(cursor, '}');
    if (!ok) return false;
    cursor.vertices.push_back(x);
    cursor.vertices.push_back(y);
    return true;
}

bool ReadVertices(TiledCursor& cursor, TiledObject& object) {
    cursor.vertices.clear();
    if (!ReadTiledElements(cursor, [&] { return ReadVertex(cursor); })) return false;
    object.vertices = cursor.storage->CopyArray(cursor.vertices.data(), cursor.vertices.size());
    object.vertexCount = static_cast<int32_t>(cursor.vertices.size() / 2);
    return true;
}

bool ReadObjectMember(TiledCursor& cursor, TiledObject& object) {
    TiledKeyId key = KEY_UNKNOWN;
    if (!ReadTiledKey(cursor, TiledObjectKeys(), key)) return false;
    switch (key) {
        case KEY_CLASS:
            return ReadTiledText(cursor, object.className);
        case KEY_NAME:
            return ReadTiledText(cursor, object.name);
        case KEY_TYPE:
            return ReadTiledText(cursor, object.type);
        case KEY_ELLIPSE:
            return ReadTiledBool(cursor, object.ellipse);
        case KEY_POINT:
            return ReadTiledBool(cursor, object.point);
        case KEY_VISIBLE:
            return ReadTiledBool(cursor, object.visible);
        case KEY_GID:
            return ReadTiledInt(cursor, object.gid);
        case KEY_ID:
            return ReadTiledInt(cursor, object.id);
        case KEY_HEIGHT:
            return ReadTiledFloat(cursor, object.height);
        case KEY_WIDTH:
            return ReadTiledFloat(cursor, object.width);
        case KEY_X:
            return ReadTiledFloat(cursor, object.x);
        case KEY_Y:
            return ReadTiledFloat(cursor, object.y);
        case KEY_ROTATION:
            return ReadTiledFloat(cursor, object.rotation);
        case KEY_POLYGON:
        case KEY_POLYLINE:
            return ReadVertices(cursor, object);
        case KEY_PROPERTIES:
            return ReadTiledProperties(cursor, object.properties, object.propertyCount);
        case KEY_TEXT:
            // Our maps hold no text objects: warn, pass over the value's first part and go on.
            PrintTiledWarning(TILED_SITE_TEXT, TILED_REASON_TEXT, cursor.line);
            return SkipTiledToSeparator(cursor);
        default:
            return FailTiled(TILED_REASON_UNKNOWN_KEY);
    }
}

bool ReadObjectList(TiledCursor& cursor, TiledObject*& head) {
    return ReadTiledElements(cursor, [&] {
        TiledObject* object = cursor.storage->NewRecord<TiledObject>();
        object->next = head;
        head = object;
        return ReadTiledMembers(cursor, [&] { return ReadObjectMember(cursor, *object); });
    });
}

bool ReadLayerValue(TiledCursor& cursor, TiledKeyId key, TiledLayer& layer) {
    switch (key) {
        case KEY_CLASS:
            return ReadTiledText(cursor, layer.className);
        case KEY_DRAWORDER:
            return ReadTiledText(cursor, layer.draworder);
        case KEY_IMAGE:
            return ReadTiledText(cursor, layer.image);
        case KEY_NAME:
            return ReadTiledText(cursor, layer.name);
        case KEY_TYPE:
            return ReadTiledText(cursor, layer.type);
        case KEY_COMPRESSION:
            return FailTiled(TILED_REASON_COMPRESSION);
        case KEY_ENCODING:
            return FailTiled(TILED_REASON_ENCODING);
        case KEY_DATA:
            return ReadTileData(cursor, layer);
        case KEY_HEIGHT:
            return ReadTiledInt(cursor, layer.height);
        case KEY_WIDTH:
            return ReadTiledInt(cursor, layer.width);
        case KEY_ID:
            return ReadTiledInt(cursor, layer.id);
        case KEY_X:
            return ReadTiledInt(cursor, layer.x);
        case KEY_Y:
            return ReadTiledInt(cursor, layer.y);
        case KEY_LAYERS:
            return ReadTiledLayerList(cursor, layer.layers);
        case KEY_OBJECTS:
            return ReadObjectList(cursor, layer.objects);
        case KEY_OFFSETX:
            return ReadTiledFloat(cursor, layer.offsetx);
        case KEY_OFFSETY:
            return ReadTiledFloat(cursor, layer.offsety);
        case KEY_OPACITY:
            return ReadTiledFloat(cursor, layer.opacity);
        case KEY_PARALLAXX:
            return ReadTiledFloat(cursor, layer.parallaxx);
        case KEY_PARALLAXY:
            return ReadTiledFloat(cursor, layer.parallaxy);
        case KEY_PROPERTIES:
            return ReadTiledProperties(cursor, layer.properties, layer.propertyCount);
        case KEY_REPEATX:
            return ReadTiledBool(cursor, layer.repeatx);
        case KEY_REPEATY:
            return ReadTiledBool(cursor, layer.repeaty);
        case KEY_VISIBLE:
            return ReadTiledBool(cursor, layer.visible);
        case KEY_TINTCOLOR:
            return ReadTiledColour(cursor, layer.tintcolor);
        case KEY_TRANSPARENTCOLOR:
            return ReadTiledColour(cursor, layer.transparentcolor);
        default:
            return FailTiled(TILED_REASON_UNKNOWN_KEY);
    }
}

}  // namespace

bool ReadTiledLayer(TiledCursor& cursor, TiledLayer*& layer) {
    // Group layers nest by recursion: refuse a depth no editor would produce before the stack suffers.
    if (cursor.layerDepth >= TILED_MAX_LAYER_DEPTH) return FailTiled(TILED_REASON_TOO_DEEP);
    ++cursor.layerDepth;
    layer = cursor.storage->NewRecord<TiledLayer>();
    layer->parallaxx = 1.0f;
    layer->parallaxy = 1.0f;
    TiledLayer& record = *layer;
    const bool ok = ReadTiledMembers(cursor, [&] {
        TiledKeyId key = KEY_UNKNOWN;
        return ReadTiledKey(cursor, TiledLayerKeys(), key) && ReadLayerValue(cursor, key, record);
    });
    --cursor.layerDepth;
    return ok;
}

bool ReadTiledLayerList(TiledCursor& cursor, TiledLayer*& head) {
    return ReadTiledElements(cursor, [&] {
        TiledLayer* layer = nullptr;
        if (!ReadTiledLayer(cursor, layer)) return false;
        layer->next = head;
        head = layer;
        return true;
    });
}
