#pragma once
// The keys each record accepts. A key read from the file is matched by its FNV-1a hash and then compared
// in full, so a different key whose hash happens to collide is still refused.

#include <cstddef>
#include <cstdint>
#include <span>

#include "world/tiled/TiledStorage.h"

enum TiledKeyId {
    KEY_UNKNOWN,
    KEY_ANIMATION,
    KEY_BACKGROUNDCOLOR,
    KEY_CLASS,
    KEY_COLUMNS,
    KEY_COMPRESSION,
    KEY_COMPRESSIONLEVEL,
    KEY_DATA,
    KEY_DRAWORDER,
    KEY_EDITORSETTINGS,
    KEY_ELLIPSE,
    KEY_ENCODING,
    KEY_FIRSTGID,
    KEY_GID,
    KEY_GRID,
    KEY_HEIGHT,
    KEY_ID,
    KEY_IMAGE,
    KEY_IMAGEHEIGHT,
    KEY_IMAGEWIDTH,
    KEY_INFINITE,
    KEY_LAYERS,
    KEY_MARGIN,
    KEY_NAME,
    KEY_NEXTLAYERID,
    KEY_NEXTOBJECTID,
    KEY_OBJECTGROUP,
    KEY_OBJECTS,
    KEY_OFFSETX,
    KEY_OFFSETY,
    KEY_OPACITY,
    KEY_ORIENTATION,
    KEY_PARALLAXX,
    KEY_PARALLAXY,
    KEY_POINT,
    KEY_POLYGON,
    KEY_POLYLINE,
    KEY_PROBABILITY,
    KEY_PROPERTIES,
    KEY_RENDERORDER,
    KEY_REPEATX,
    KEY_REPEATY,
    KEY_ROTATION,
    KEY_SOURCE,
    KEY_SPACING,
    KEY_TERRAIN,
    KEY_TERRAINS,
    KEY_TEXT,
    KEY_TILECOUNT,
    KEY_TILEDVERSION,
    KEY_TILEHEIGHT,
    KEY_TILEOFFSET,
    KEY_TILEPROPERTIES,
    KEY_TILEPROPERTYTYPES,
    KEY_TILES,
    KEY_TILESETS,
    KEY_TILEWIDTH,
    KEY_TINTCOLOR,
    KEY_TRANSPARENTCOLOR,
    KEY_TYPE,
    KEY_VERSION,
    KEY_VISIBLE,
    KEY_WANGSETS,
    KEY_WIDTH,
    KEY_X,
    KEY_Y,
};

struct TiledKey {
    uint64_t hash;
    const char* name;
    size_t length;
    TiledKeyId id;
};

// The keys of each record, as the file spells them.
std::span<const TiledKey> TiledMapKeys();
std::span<const TiledKey> TiledLayerKeys();
std::span<const TiledKey> TiledObjectKeys();
std::span<const TiledKey> TiledTilesetKeys();
std::span<const TiledKey> TiledTileKeys();
std::span<const TiledKey> TiledTileOffsetKeys();

// The id of the key with this hash and exactly these bytes, or KEY_UNKNOWN.
TiledKeyId FindTiledKey(std::span<const TiledKey> keys, uint64_t hash, const char* text, size_t length);
