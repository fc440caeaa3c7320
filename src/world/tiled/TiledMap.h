#pragma once
// The Tiled map tree: what the reader builds from a map's JSON text (CSV tile layers, embedded tilesets).
//
// Every text is a NUL-terminated string owned by the map's string table (equal texts share one copy);
// every list is singly linked through `next`; numbers are 32-bit. The map owns all of its memory and
// releases it when it is destroyed: every pointer into the tree stays valid until then, and no longer.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "world/tiled/TiledStorage.h"

// Kinds of a property value; 5 is never produced.
enum TiledPropertyKind : int32_t {
    PROPERTY_NONE = 0,
    PROPERTY_INT = 1,
    PROPERTY_BOOL = 2,
    PROPERTY_FLOAT = 3,
    PROPERTY_STRING = 4,
    PROPERTY_COLOR = 6,
};

union TiledPropertyValue {
    int32_t integer;
    bool boolean;
    float number;
    const char* text;
    uint32_t colour;  // ARGB
};

struct TiledProperty {
    TiledPropertyValue value;
    TiledPropertyKind kind;
    const char* name;
};

struct TiledObject {
    const char* className;  // the JSON key `class`, a C++ keyword
    bool ellipse;
    int32_t gid;
    float height;
    int32_t id;
    const char* name;
    bool point;
    float* vertices;      // x, y pairs from `polygon` or `polyline`
    int32_t vertexCount;  // number of pairs
    TiledProperty* properties;
    int32_t propertyCount;
    float rotation;
    const char* type;
    bool visible;
    float width;
    float x;
    float y;
    TiledObject* next;
};

struct TiledLayer {
    const char* className;  // the JSON key `class`, a C++ keyword
    int32_t* data;          // tile ids row by row, flip bits untouched
    int32_t dataCount;
    const char* draworder;
    int32_t height;
    int32_t id;
    const char* image;
    TiledLayer* layers;  // children of a group layer, last in the file first
    const char* name;
    TiledObject* objects;  // last in the file first
    float offsetx;
    float offsety;
    float opacity;
    float parallaxx;
    float parallaxy;
    TiledProperty* properties;
    int32_t propertyCount;
    bool repeatx;
    bool repeaty;
    uint32_t tintcolor;         // ARGB
    uint32_t transparentcolor;  // ARGB
    const char* type;           // "tilelayer", "objectgroup", "group", "imagelayer"
    bool visible;
    int32_t width;
    int32_t x;
    int32_t y;
    TiledLayer* next;
};

struct TiledFrame {
    int32_t duration;
    int32_t tileid;
};

struct TiledTileDescriptor {
    TiledFrame* animation;
    int32_t frameCount;
    int32_t id;
    const char* image;
    int32_t imageheight;
    int32_t imagewidth;
    TiledLayer* objectgroup;
    float probability;
    TiledProperty* properties;
    int32_t propertyCount;
    const char* type;
    TiledTileDescriptor* next;
};

struct TiledTileOffset {
    int32_t x;
    int32_t y;
};

struct TiledTileset {
    uint32_t backgroundcolor;  // ARGB
    const char* className;     // the JSON key `class`, a C++ keyword
    int32_t columns;
    int32_t firstgid;
    const char* image;  // the tile sheet, relative to the map's folder
    int32_t imageheight;
    int32_t imagewidth;
    int32_t margin;
    const char* name;
    TiledProperty* properties;
    int32_t propertyCount;
    const char* source;
    int32_t spacing;
    int32_t tilecount;
    const char* tiledversion;
    int32_t tileheight;
    int32_t tilewidth;
    TiledTileOffset tileoffset;
    TiledTileDescriptor* tiles;  // last in the file first
    uint32_t transparentcolor;   // ARGB
    const char* type;
    float version;
    TiledTileset* next;
};

struct TiledMap {
    uint32_t backgroundcolor = 0;     // ARGB
    const char* className = nullptr;  // the JSON key `class`, a C++ keyword
    int32_t height = 0;
    bool infinite = false;
    TiledLayer* layers = nullptr;  // file order
    int32_t nextlayerid = 0;
    int32_t nextobjectid = 0;
    const char* orientation = nullptr;
    TiledProperty* properties = nullptr;
    int32_t propertyCount = 0;
    const char* renderorder = nullptr;
    const char* tiledversion = nullptr;
    int32_t tileheight = 0;
    int32_t tilewidth = 0;
    TiledTileset* tilesets = nullptr;  // file order
    const char* type = nullptr;
    float version = 0.0f;
    int32_t width = 0;

    // Pages, arrays and the string table behind every pointer above.
    TiledStorage storage;
};

// The reader's globals: the line being read, the last failure and the file being read (empty when
// reading from memory, printed as MEMORY).
struct TiledReaderState {
    int lineNumber;
    const char* failureReason;
    int siteNumber;
    std::string fileName;
    char tokenMessage[128];  // the text of the last unexpected-token failure
};

TiledReaderState& GetTiledReader();
void ResetTiledReader();
// Names the file that the next warnings are about; nullptr or "" means memory.
void SetTiledFileName(const char* path);

// Parses `length` bytes of JSON (no terminator needed) and returns the map, or nullptr after printing one
// warning line.
std::unique_ptr<TiledMap> LoadTiledMapFromMemory(const char* text, size_t length);
// Reads the whole file in "rb" mode and parses it; warnings name the file.
std::unique_ptr<TiledMap> LoadTiledMapFromFile(const char* path);
// Releases the map and everything it owns.
void FreeTiledMap(std::unique_ptr<TiledMap>& map);
