#include "world/tiled/TiledTilesetReader.h"

#include "world/tiled/TiledLayerReader.h"
#include "world/tiled/TiledProperties.h"

namespace {

// Each frame is {duration, tile id}, taken by position: the keys are read but not compared.
bool ReadFrame(TiledCursor& cursor) {
    TiledFrame frame{};
    const bool ok = ExpectTiled(cursor, '{') && ReadTiledString(cursor) && ExpectTiled(cursor, ':') &&
                    ReadTiledInt(cursor, frame.duration) && ExpectTiled(cursor, ',') &&
                    ReadTiledString(cursor) && ExpectTiled(cursor, ':') &&
                    ReadTiledInt(cursor, frame.tileid) && ExpectTiled(cursor, '}');
    if (!ok) return false;
    cursor.frames.push_back(frame);
    return true;
}

bool ReadAnimation(TiledCursor& cursor, TiledTileDescriptor& tile) {
    cursor.frames.clear();
    if (!ReadTiledElements(cursor, [&] { return ReadFrame(cursor); })) return false;
    tile.animation = cursor.storage->CopyArray(cursor.frames.data(), cursor.frames.size());
    tile.frameCount = static_cast<int32_t>(cursor.frames.size());
    return true;
}

bool ReadTileMember(TiledCursor& cursor, TiledTileDescriptor& tile) {
    TiledKeyId key = KEY_UNKNOWN;
    if (!ReadTiledKey(cursor, TiledTileKeys(), key)) return false;
    switch (key) {
        case KEY_ANIMATION:
            return ReadAnimation(cursor, tile);
        case KEY_ID:
            return ReadTiledInt(cursor, tile.id);
        case KEY_IMAGEHEIGHT:
            return ReadTiledInt(cursor, tile.imageheight);
        case KEY_IMAGEWIDTH:
            return ReadTiledInt(cursor, tile.imagewidth);
        case KEY_IMAGE:
            return ReadTiledText(cursor, tile.image);
        case KEY_TYPE:
            return ReadTiledText(cursor, tile.type);
        case KEY_OBJECTGROUP:
            return ReadTiledLayer(cursor, tile.objectgroup);
        case KEY_PROBABILITY:
            return ReadTiledFloat(cursor, tile.probability);
        case KEY_PROPERTIES:
            return ReadTiledProperties(cursor, tile.properties, tile.propertyCount);
        case KEY_TERRAIN:
            return SkipTiledArray(cursor);
        default:
            return FailTiled(TILED_REASON_UNKNOWN_KEY);
    }
}

bool ReadTileList(TiledCursor& cursor, TiledTileDescriptor*& head) {
    return ReadTiledElements(cursor, [&] {
        TiledTileDescriptor* tile = cursor.storage->NewRecord<TiledTileDescriptor>();
        tile->next = head;
        head = tile;
        return ReadTiledMembers(cursor, [&] { return ReadTileMember(cursor, *tile); });
    });
}

bool ReadTileOffset(TiledCursor& cursor, TiledTileOffset& offset) {
    return ReadTiledMembers(cursor, [&] {
        TiledKeyId key = KEY_UNKNOWN;
        if (!ReadTiledKey(cursor, TiledTileOffsetKeys(), key)) return false;
        return ReadTiledInt(cursor, key == KEY_X ? offset.x : offset.y);
    });
}

// Warns about an old-style per-tile table and passes over it.
bool SkipDeprecated(TiledCursor& cursor, int site, const char* reason) {
    PrintTiledWarning(site, reason, cursor.line);
    return SkipTiledObject(cursor);
}

bool ReadTilesetValue(TiledCursor& cursor, TiledKeyId key, TiledTileset& tileset) {
    switch (key) {
        case KEY_BACKGROUNDCOLOR:
            return ReadTiledColour(cursor, tileset.backgroundcolor);
        case KEY_TRANSPARENTCOLOR:
            return ReadTiledColour(cursor, tileset.transparentcolor);
        case KEY_CLASS:
            return ReadTiledText(cursor, tileset.className);
        case KEY_IMAGE:
            return ReadTiledText(cursor, tileset.image);
        case KEY_NAME:
            return ReadTiledText(cursor, tileset.name);
        case KEY_TILEDVERSION:
            return ReadTiledText(cursor, tileset.tiledversion);
        case KEY_TYPE:
            return ReadTiledText(cursor, tileset.type);
        case KEY_COLUMNS:
            return ReadTiledInt(cursor, tileset.columns);
        case KEY_FIRSTGID:
            return ReadTiledInt(cursor, tileset.firstgid);
        case KEY_IMAGEHEIGHT:
            return ReadTiledInt(cursor, tileset.imageheight);
        case KEY_IMAGEWIDTH:
            return ReadTiledInt(cursor, tileset.imagewidth);
        case KEY_MARGIN:
            return ReadTiledInt(cursor, tileset.margin);
        case KEY_SPACING:
            return ReadTiledInt(cursor, tileset.spacing);
        case KEY_TILECOUNT:
            return ReadTiledInt(cursor, tileset.tilecount);
        case KEY_TILEHEIGHT:
            return ReadTiledInt(cursor, tileset.tileheight);
        case KEY_TILEWIDTH:
            return ReadTiledInt(cursor, tileset.tilewidth);
        case KEY_EDITORSETTINGS:
        case KEY_GRID:
            return SkipTiledObject(cursor);
        case KEY_TERRAINS:
        case KEY_WANGSETS:
            return SkipTiledArray(cursor);
        case KEY_PROPERTIES:
            return ReadTiledProperties(cursor, tileset.properties, tileset.propertyCount);
        case KEY_SOURCE:
            if (!ReadTiledText(cursor, tileset.source)) return false;
            PrintTiledWarning(TILED_SITE_SOURCE, TILED_REASON_SOURCE, cursor.line);
            return true;
        case KEY_TILEOFFSET:
            return ReadTileOffset(cursor, tileset.tileoffset);
        case KEY_TILEPROPERTIES:
            return SkipDeprecated(cursor, TILED_SITE_TILEPROPERTIES, TILED_REASON_TILEPROPERTIES);
        case KEY_TILEPROPERTYTYPES:
            return SkipDeprecated(cursor, TILED_SITE_TILEPROPERTYTYPES, TILED_REASON_TILEPROPERTYTYPES);
        case KEY_TILES:
            return ReadTileList(cursor, tileset.tiles);
        case KEY_VERSION:
            return ReadTiledVersion(cursor, tileset.version);
        default:
            return FailTiled(TILED_REASON_UNKNOWN_KEY);
    }
}

}  // namespace

bool ReadTiledTilesetList(TiledCursor& cursor, TiledTileset*& head) {
    return ReadTiledElements(cursor, [&] {
        TiledTileset* tileset = cursor.storage->NewRecord<TiledTileset>();
        tileset->next = head;
        head = tileset;
        return ReadTiledMembers(cursor, [&] {
            TiledKeyId key = KEY_UNKNOWN;
            return ReadTiledKey(cursor, TiledTilesetKeys(), key) && ReadTilesetValue(cursor, key, *tileset);
        });
    });
}
