#pragma once
// Record readers shared by the map, layer and tileset readers. Each returns false after recording the
// reason of a failure; nothing is printed here except the warnings that do not stop the parse.

#include <cstdint>
#include <span>

#include "world/tiled/TiledKeys.h"
#include "world/tiled/TiledLexer.h"

// Reads a key, the ':' after it, and finds it among `keys`; an unknown key fails the parse.
bool ReadTiledKey(TiledCursor& cursor, std::span<const TiledKey> keys, TiledKeyId& id);

// `{` members `}`, where `readMember` reads one key and its value; commas are optional.
template <typename ReadMember>
bool ReadTiledMembers(TiledCursor& cursor, ReadMember&& readMember) {
    if (!ExpectTiled(cursor, '{')) return false;
    for (;;) {
        char next = 0;
        if (!PeekTiled(cursor, next)) return false;
        if (next == '}') break;
        if (!readMember()) return false;
        TryTiled(cursor, ',');
    }
    return ExpectTiled(cursor, '}');
}

// `[` elements `]`, where `readElement` reads one element; commas are optional.
template <typename ReadElement>
bool ReadTiledElements(TiledCursor& cursor, ReadElement&& readElement) {
    if (!ExpectTiled(cursor, '[')) return false;
    for (;;) {
        char next = 0;
        if (!PeekTiled(cursor, next)) return false;
        if (next == ']') break;
        if (!readElement()) return false;
        TryTiled(cursor, ',');
    }
    return ExpectTiled(cursor, ']');
}
