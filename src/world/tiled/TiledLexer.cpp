#include "world/tiled/TiledLexer.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/Log.h"

const char* const TILED_REASON_PAST_END =
    "Attempted to read passed input buffer (is this a valid JSON file?).";
const char* const TILED_REASON_STRING_TOO_LONG = "String exceeded max length of TILED_STRING_MAX.";
const char* const TILED_REASON_INVALID_INTEGER = "Invalid integer found during parse.";
const char* const TILED_REASON_INVALID_BOOLEAN = "Invalid boolean found during parse.";
const char* const TILED_REASON_EXPECTED_X = "Expected 'x' or 'X' while parsing a hex number.";
const char* const TILED_REASON_UNKNOWN_KEY = "Unknown identifier found.";
const char* const TILED_REASON_COMPRESSION_LEVEL = "Compression is not yet supported.";
const char* const TILED_REASON_COMPRESSION =
    "Compression is not yet supported. The expected tile format is CSV (uncompressed). Please see the docs "
    "if "
    "you are interested in compression.";
const char* const TILED_REASON_ENCODING =
    "Encoding is not yet supported. The expected tile format is CSV (uncompressed). Please see the docs if "
    "you "
    "are interested in compression.";
const char* const TILED_REASON_BASE64 =
    "The expected tile format is CSV (uncompressed). It looks like Base64 (uncompressed) was selected. "
    "Please "
    "see the docs if you are interested in compression.";
const char* const TILED_REASON_TEXT = "Text field of Tiled objects is not yet supported. Ignoring field.";
const char* const TILED_REASON_SOURCE =
    "You might have forgotten to embed your tileset -- Most fields of `TiledTileset` will be zero'd "
    "out (unset).";
const char* const TILED_REASON_TILEPROPERTIES = "`tileproperties` is deprecated. Attempting to skip.";
const char* const TILED_REASON_TILEPROPERTYTYPES = "`tilepropertytypes` is deprecated. Attempting to skip.";
const char* const TILED_REASON_NO_FILE = "Unable to find map file.";
const char* const TILED_REASON_TOO_DEEP = "Layers are nested too deeply (group layers in group layers).";

namespace {

char TranslateEscape(char escaped) {
    switch (escaped) {
        case 'f':
            return '\f';
        case 'n':
            return '\n';
        case 'r':
            return '\r';
        case 't':
            return '\t';
        case '0':
            return '\0';
        default:
            return escaped;  // quotes, backslash, and any other character stand for themselves
    }
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads a floating-point number at `from` the way the C library would (a leading '+' allowed); returns
// where it ends, or nullptr when there is no number.
const char* ScanDouble(const char* from, const char* end, double& value) {
    const char* start = from;
    if (start < end && *start == '+') {
        ++start;
        if (start < end && *start == '-') return nullptr;
    }
    const std::from_chars_result result = std::from_chars(start, end, value);
    if (result.ec == std::errc::invalid_argument) return nullptr;
    if (result.ec == std::errc::result_out_of_range) {
        // Rare: let the C library decide between infinity and zero, on a terminated copy.
        const std::string copy(start, result.ptr);
        value = std::strtod(copy.c_str(), nullptr);
    }
    return result.ptr;
}

float NarrowToFloat(double value) {
    if (value > FLT_MAX) return INFINITY;
    if (value < -FLT_MAX) return -INFINITY;
    return static_cast<float>(value);
}

int32_t IntegerPart(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483647.0) return INT32_MAX;
    if (value <= -2147483648.0) return INT32_MIN;
    return static_cast<int32_t>(value);
}

}  // namespace

void StartTiledCursor(TiledCursor& cursor, const char* text, size_t length, TiledStorage* storage) {
    cursor.in = text;
    cursor.end = text == nullptr ? text : text + length;
    cursor.line = 1;
    cursor.layerDepth = 0;
    cursor.storage = storage;
    cursor.scratch[0] = '\0';
    cursor.scratchLength = 0;
    cursor.tileIds.reserve(1024);
    cursor.properties.reserve(32);
    cursor.vertices.reserve(64);
    cursor.frames.reserve(32);
    cursor.scanFrom = nullptr;
    cursor.nextComma = nullptr;
    cursor.lastDot = nullptr;
}

bool FailTiled(const char* reason) {
    TiledReaderState& reader = GetTiledReader();
    if (reader.failureReason == nullptr) reader.failureReason = reason;
    return false;
}

bool FailUnexpectedToken(char found, char wanted) {
    char* message = GetTiledReader().tokenMessage;
    std::snprintf(message, sizeof GetTiledReader().tokenMessage,
                  "Found unexpected token '%c', expected '%c' (is this a valid JSON file?).", found, wanted);
    return FailTiled(message);
}

void PrintTiledWarning(int site, const char* reason, int line) {
    const std::string& fileName = GetTiledReader().fileName;
    LogDebug("WARNING (tiled_reader.h:%i): %s (%s:%i)\n", site, reason,
             fileName.empty() ? "MEMORY" : fileName.c_str(), line);
}

bool ReadTiledString(TiledCursor& cursor) {
    if (!ExpectTiled(cursor, '"')) return false;
    int length = 0;
    for (;;) {
        if (length == TILED_STRING_MAX) return FailTiled(TILED_REASON_STRING_TOO_LONG);
        if (cursor.in == cursor.end) return FailTiled(TILED_REASON_PAST_END);
        char c = *cursor.in++;
        if (c == '"') break;
        if (c == '\\') {
            if (cursor.in == cursor.end) return FailTiled(TILED_REASON_PAST_END);
            c = TranslateEscape(*cursor.in++);
        }
        cursor.scratch[length++] = c;
    }
    cursor.scratch[length] = '\0';
    cursor.scratchLength = length;
    return true;
}

bool ReadTiledText(TiledCursor& cursor, const char*& text) {
    if (!ReadTiledString(cursor)) return false;
    const size_t length = static_cast<size_t>(cursor.scratchLength);
    text = cursor.storage->Intern(cursor.scratch, length, HashTiledText(cursor.scratch, length));
    return true;
}

bool ReadTiledInt(TiledCursor& cursor, int32_t& value) {
    SkipTiledSpace(cursor);
    const char* p = cursor.in;
    const char* const end = cursor.end;
    bool negative = false;
    if (p < end && (*p == '-' || *p == '+')) negative = *p++ == '-';
    const char* const digits = p;
    uint64_t magnitude = 0;
    constexpr uint64_t LIMIT = uint64_t{1} << 63;  // beyond it the C library's conversion saturates
    while (p < end && IsDigit(*p)) {
        const uint64_t digit = static_cast<uint64_t>(*p++ - '0');
        magnitude = magnitude > (LIMIT - digit) / 10 ? LIMIT : magnitude * 10 + digit;
    }
    if (p == digits) return FailTiled(TILED_REASON_INVALID_INTEGER);
    if (p < end && *p == '.') {
        // Written as a float: keep its integer part.
        double number = 0.0;
        cursor.in = ScanDouble(cursor.in, end, number);
        value = IntegerPart(number);
        return true;
    }
    if (!negative && magnitude == LIMIT) magnitude = LIMIT - 1;
    const uint64_t bits = negative ? (~magnitude + 1) : magnitude;
    value = static_cast<int32_t>(static_cast<uint32_t>(bits));  // the low 32 bits, as tile ids keep flip bits
    cursor.in = p;
    return true;
}

bool ReadTiledFloat(TiledCursor& cursor, float& value) {
    SkipTiledSpace(cursor);
    double number = 0.0;
    const char* after = ScanDouble(cursor.in, cursor.end, number);
    if (after == nullptr) return FailTiled(TILED_REASON_INVALID_INTEGER);
    value = NarrowToFloat(number);
    cursor.in = after;
    return true;
}

bool ReadTiledVersion(TiledCursor& cursor, float& value) {
    TryTiled(cursor, '"');
    if (!ReadTiledFloat(cursor, value)) return false;
    TryTiled(cursor, '"');
    return true;
}

bool ReadTiledBool(TiledCursor& cursor, bool& value) {
    char first = 0;
    if (!PeekTiled(cursor, first)) return false;
    const bool isTrue = first == 't' || first == 'T';
    if (!isTrue && first != 'f' && first != 'F') return FailTiled(TILED_REASON_INVALID_BOOLEAN);
    const ptrdiff_t width = isTrue ? 4 : 5;
    if (cursor.end - cursor.in < width) return FailTiled(TILED_REASON_PAST_END);
    cursor.in += width;
    value = isTrue;
    return true;
}

bool ReadTiledColour(TiledCursor& cursor, uint32_t& value) {
    if (!ExpectTiled(cursor, '"')) return false;
    if (cursor.in == cursor.end) return FailTiled(TILED_REASON_PAST_END);
    if (*cursor.in == '#') {
        ++cursor.in;
    } else if (*cursor.in == '0') {
        if (cursor.end - cursor.in < 2) return FailTiled(TILED_REASON_PAST_END);
        if (cursor.in[1] != 'x' && cursor.in[1] != 'X') return FailTiled(TILED_REASON_EXPECTED_X);
        cursor.in += 2;
    }
    uint32_t colour = 0;
    int digits = 0;
    for (; cursor.in < cursor.end && HexDigit(*cursor.in) >= 0; ++cursor.in, ++digits) {
        colour = (colour << 4) | static_cast<uint32_t>(HexDigit(*cursor.in));
    }
    if (digits == 0) return FailTiled(TILED_REASON_INVALID_INTEGER);
    // RRGGBB is opaque; AARRGGBB keeps its alpha.
    value = digits < 7 ? colour | 0xFF000000u : colour;
    return ExpectTiled(cursor, '"');
}

namespace {

// Passes over a balanced run of `open` and `close`; brackets inside strings count too, and newlines do not.
bool SkipBalanced(TiledCursor& cursor, char open, char close) {
    if (!ExpectTiled(cursor, open)) return false;
    int depth = 1;
    while (depth > 0) {
        if (cursor.in == cursor.end) return FailTiled(TILED_REASON_PAST_END);
        const char c = *cursor.in++;
        depth += (c == open) - (c == close);
    }
    return true;
}

}  // namespace

bool SkipTiledObject(TiledCursor& cursor) {
    return SkipBalanced(cursor, '{', '}');
}

bool SkipTiledArray(TiledCursor& cursor) {
    return SkipBalanced(cursor, '[', ']');
}

bool SkipTiledToSeparator(TiledCursor& cursor) {
    while (cursor.in < cursor.end && *cursor.in != ',' && *cursor.in != '}')
        ++cursor.in;
    return cursor.in < cursor.end || FailTiled(TILED_REASON_PAST_END);
}

bool SkipTiledPastColon(TiledCursor& cursor) {
    for (;;) {
        if (cursor.in == cursor.end) return FailTiled(TILED_REASON_PAST_END);
        const char c = *cursor.in++;
        cursor.line += c == '\n';
        if (c == ':') return true;
    }
}

bool TiledDotBeforeComma(TiledCursor& cursor) {
    // Reuse the last scan while we are still before the comma it found: one pass over the text in all.
    const bool reuse =
        cursor.scanFrom != nullptr && cursor.in >= cursor.scanFrom && cursor.in <= cursor.nextComma;
    if (!reuse) {
        cursor.scanFrom = cursor.in;
        cursor.lastDot = nullptr;
        const char* p = cursor.in;
        for (; p < cursor.end && *p != ','; ++p) {
            if (*p == '.') cursor.lastDot = p;
        }
        cursor.nextComma = p;
    }
    return cursor.lastDot != nullptr && cursor.lastDot >= cursor.in;
}
