#include "world/tiled/TiledParse.h"

bool ReadTiledKey(TiledCursor& cursor, std::span<const TiledKey> keys, TiledKeyId& id) {
    if (!ReadTiledString(cursor) || !ExpectTiled(cursor, ':')) return false;
    const size_t length = static_cast<size_t>(cursor.scratchLength);
    id = FindTiledKey(keys, HashTiledText(cursor.scratch, length), cursor.scratch, length);
    return id != KEY_UNKNOWN || FailTiled(TILED_REASON_UNKNOWN_KEY);
}
