#pragma once
// Bounded formatting into caller-owned buffers (paths, labels, numbers), and the map-name test.

#include <cstddef>

// Formats into buffer (bufferSize bytes), never past it. Returns the characters written, or -1 when
// the text does not fit or the format fails; the buffer then holds an empty string.
int FormatText(char* buffer, size_t bufferSize, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

// True when haystack contains needle (both NUL-terminated).
bool Contains(const char* haystack, const char* needle);
