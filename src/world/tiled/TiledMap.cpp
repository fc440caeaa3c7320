// The map record, the reader's globals, and loading from memory or from a file.
#include "world/tiled/TiledMap.h"

#include <cstdio>
#include <vector>

#include "world/tiled/TiledLayerReader.h"
#include "world/tiled/TiledProperties.h"
#include "world/tiled/TiledTilesetReader.h"

namespace {

bool ReadMapValue(TiledCursor& cursor, TiledKeyId key, TiledMap& map) {
    switch (key) {
        case KEY_BACKGROUNDCOLOR:
            return ReadTiledColour(cursor, map.backgroundcolor);
        case KEY_CLASS:
            return ReadTiledText(cursor, map.className);
        case KEY_ORIENTATION:
            return ReadTiledText(cursor, map.orientation);
        case KEY_RENDERORDER:
            return ReadTiledText(cursor, map.renderorder);
        case KEY_TILEDVERSION:
            return ReadTiledText(cursor, map.tiledversion);
        case KEY_TYPE:
            return ReadTiledText(cursor, map.type);
        case KEY_COMPRESSIONLEVEL: {
            int32_t level = 0;
            if (!ReadTiledInt(cursor, level)) return false;
            return level == -1 || level == 0 || FailTiled(TILED_REASON_COMPRESSION_LEVEL);
        }
        case KEY_EDITORSETTINGS:
            return SkipTiledObject(cursor);
        case KEY_HEIGHT:
            return ReadTiledInt(cursor, map.height);
        case KEY_WIDTH:
            return ReadTiledInt(cursor, map.width);
        case KEY_TILEHEIGHT:
            return ReadTiledInt(cursor, map.tileheight);
        case KEY_TILEWIDTH:
            return ReadTiledInt(cursor, map.tilewidth);
        case KEY_NEXTLAYERID:
            return ReadTiledInt(cursor, map.nextlayerid);
        case KEY_NEXTOBJECTID:
            return ReadTiledInt(cursor, map.nextobjectid);
        case KEY_INFINITE:
            return ReadTiledBool(cursor, map.infinite);
        case KEY_LAYERS:
            return ReadTiledLayerList(cursor, map.layers);
        case KEY_PROPERTIES:
            return ReadTiledProperties(cursor, map.properties, map.propertyCount);
        case KEY_TILESETS:
            return ReadTiledTilesetList(cursor, map.tilesets);
        case KEY_VERSION:
            return ReadTiledVersion(cursor, map.version);
        default:
            return FailTiled(TILED_REASON_UNKNOWN_KEY);
    }
}

template <typename Record>
Record* Reversed(Record* head) {
    Record* reversed = nullptr;
    while (head != nullptr) {
        Record* next = head->next;
        head->next = reversed;
        reversed = head;
        head = next;
    }
    return reversed;
}

// The whole file plus a terminating NUL; works for files whose size cannot be asked in advance too.
std::vector<char> ReadWholeFile(std::FILE* file) {
    std::vector<char> bytes;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        const long size = std::ftell(file);
        if (size > 0) bytes.reserve(static_cast<size_t>(size) + 1);
        std::rewind(file);
    }
    char chunk[65536];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.insert(bytes.end(), chunk, chunk + got);
    bytes.push_back('\0');
    return bytes;
}

}  // namespace

TiledReaderState& GetTiledReader() {
    static TiledReaderState reader{1, nullptr, 0, {}, {}};
    return reader;
}

void ResetTiledReader() {
    TiledReaderState& reader = GetTiledReader();
    reader.lineNumber = 1;
    reader.failureReason = nullptr;
    reader.siteNumber = 0;
    reader.fileName.clear();
    reader.tokenMessage[0] = '\0';
}

void SetTiledFileName(const char* path) {
    GetTiledReader().fileName = path == nullptr ? "" : path;
}

std::unique_ptr<TiledMap> LoadTiledMapFromMemory(const char* text, size_t length) {
    TiledReaderState& reader = GetTiledReader();
    reader.failureReason = nullptr;
    auto map = std::make_unique<TiledMap>();
    auto cursor = std::make_unique<TiledCursor>();
    StartTiledCursor(*cursor, text, length, &map->storage);
    TiledMap& record = *map;
    const bool ok = ReadTiledMembers(*cursor, [&] {
        TiledKeyId key = KEY_UNKNOWN;
        return ReadTiledKey(*cursor, TiledMapKeys(), key) && ReadMapValue(*cursor, key, record);
    });
    reader.lineNumber = cursor->line;
    if (!ok) {
        reader.siteNumber = TILED_SITE_PARSE;
        PrintTiledWarning(TILED_SITE_PARSE, reader.failureReason, reader.lineNumber);
        return nullptr;
    }
    map->layers = Reversed(map->layers);
    map->tilesets = Reversed(map->tilesets);
    return map;
}

std::unique_ptr<TiledMap> LoadTiledMapFromFile(const char* path) {
    SetTiledFileName(path);
    std::unique_ptr<TiledMap> map;
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        TiledReaderState& reader = GetTiledReader();
        reader.siteNumber = TILED_SITE_NO_FILE;
        PrintTiledWarning(TILED_SITE_NO_FILE, TILED_REASON_NO_FILE, reader.lineNumber);
        // The parse then runs on no text at all and reports that too: a missing map prints two lines.
        map = LoadTiledMapFromMemory(nullptr, 0);
    } else {
        const std::vector<char> text = ReadWholeFile(file);
        std::fclose(file);
        map = LoadTiledMapFromMemory(text.data(), text.size() - 1);
    }
    SetTiledFileName(nullptr);
    return map;
}

void FreeTiledMap(std::unique_ptr<TiledMap>& map) {
    map.reset();
}
