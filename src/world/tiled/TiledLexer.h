#pragma once
// The reader's lexing steps over a bounded text: white space, expected and optional characters,
// strings, numbers, booleans, colours, and skipping of ignored objects and arrays.
//
// Every step returns false after recording a failure reason; callers unwind by returning false too.
// No step reads at or past `end`, whatever byte (NUL or not) lies there.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "world/tiled/TiledMap.h"

constexpr int TILED_STRING_MAX = 1024;  // at most 1023 characters fit, and the terminator
constexpr int TILED_MAX_LAYER_DEPTH = 64;

constexpr int TILED_SITE_PARSE = 2985;
constexpr int TILED_SITE_NO_FILE = 1404;
constexpr int TILED_SITE_TEXT = 2062;
constexpr int TILED_SITE_SOURCE = 2577;
constexpr int TILED_SITE_TILEPROPERTIES = 2551;
constexpr int TILED_SITE_TILEPROPERTYTYPES = 2556;

extern const char* const TILED_REASON_PAST_END;
extern const char* const TILED_REASON_STRING_TOO_LONG;
extern const char* const TILED_REASON_INVALID_INTEGER;
extern const char* const TILED_REASON_INVALID_BOOLEAN;
extern const char* const TILED_REASON_EXPECTED_X;
extern const char* const TILED_REASON_UNKNOWN_KEY;
extern const char* const TILED_REASON_COMPRESSION_LEVEL;
extern const char* const TILED_REASON_COMPRESSION;
extern const char* const TILED_REASON_ENCODING;
extern const char* const TILED_REASON_BASE64;
extern const char* const TILED_REASON_TEXT;
extern const char* const TILED_REASON_SOURCE;
extern const char* const TILED_REASON_TILEPROPERTIES;
extern const char* const TILED_REASON_TILEPROPERTYTYPES;
extern const char* const TILED_REASON_NO_FILE;
extern const char* const TILED_REASON_TOO_DEEP;

// Where the reader is in one text, and the scratch space it reuses while it builds one map.
struct TiledCursor {
    const char* in = nullptr;
    const char* end = nullptr;
    int line = 0;
    int layerDepth = 0;
    TiledStorage* storage = nullptr;
    char scratch[TILED_STRING_MAX + 1] = {};  // the last string read, NUL-terminated
    int scratchLength = 0;
    // Growable arrays are filled here, then copied to the map at their final size.
    std::vector<int32_t> tileIds;
    std::vector<TiledProperty> properties;
    std::vector<float> vertices;
    std::vector<TiledFrame> frames;
    // Look-ahead memo for property numbers: the next ',' at or after `scanFrom`, and the last '.' before it.
    const char* scanFrom = nullptr;
    const char* nextComma = nullptr;
    const char* lastDot = nullptr;
};

void StartTiledCursor(TiledCursor& cursor, const char* text, size_t length, TiledStorage* storage);

// Records the reason of the failure (the first one wins) and returns false.
bool FailTiled(const char* reason);
// Prints one warning line in the reader's format with the current file name.
void PrintTiledWarning(int site, const char* reason, int line);

inline bool IsTiledSpace(char c) {
    return c == ' ' || c == '\n' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

inline void SkipTiledSpace(TiledCursor& cursor) {
    while (cursor.in < cursor.end && IsTiledSpace(*cursor.in)) {
        cursor.line += *cursor.in == '\n';
        ++cursor.in;
        // Tiled indents every line deeply: pass runs of spaces eight at a time.
        while (cursor.end - cursor.in >= 8 && std::memcmp(cursor.in, "        ", 8) == 0)
            cursor.in += 8;
    }
}

// Skips white space and tells whether a character follows; fails at the end of the text.
inline bool PeekTiled(TiledCursor& cursor, char& next) {
    SkipTiledSpace(cursor);
    if (cursor.in == cursor.end) return FailTiled(TILED_REASON_PAST_END);
    next = *cursor.in;
    return true;
}

inline void TryTiled(TiledCursor& cursor, char wanted) {
    SkipTiledSpace(cursor);
    if (cursor.in < cursor.end && *cursor.in == wanted) ++cursor.in;
}

bool FailUnexpectedToken(char found, char wanted);

inline bool ExpectTiled(TiledCursor& cursor, char wanted) {
    SkipTiledSpace(cursor);
    if (cursor.in == cursor.end) return FailTiled(TILED_REASON_PAST_END);
    const char found = *cursor.in++;
    return found == wanted || FailUnexpectedToken(found, wanted);
}

// A string into the scratch buffer.
bool ReadTiledString(TiledCursor& cursor);
// A string interned in the map's table.
bool ReadTiledText(TiledCursor& cursor, const char*& text);
bool ReadTiledInt(TiledCursor& cursor, int32_t& value);
bool ReadTiledFloat(TiledCursor& cursor, float& value);
// A float that may stand between double quotes (map and tileset versions).
bool ReadTiledVersion(TiledCursor& cursor, float& value);
bool ReadTiledBool(TiledCursor& cursor, bool& value);
bool ReadTiledColour(TiledCursor& cursor, uint32_t& value);
bool SkipTiledObject(TiledCursor& cursor);
bool SkipTiledArray(TiledCursor& cursor);
// Passes over characters up to (not including) the next ',' or '}'.
bool SkipTiledToSeparator(TiledCursor& cursor);
// Passes over characters up to and including the next ':', counting lines.
bool SkipTiledPastColon(TiledCursor& cursor);
// Whether a '.' comes before the next ',' (or the end of the text).
bool TiledDotBeforeComma(TiledCursor& cursor);
