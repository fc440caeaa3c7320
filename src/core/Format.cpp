#include "core/Format.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

int FormatText(char* buffer, size_t bufferSize, const char* format, ...) {
    if (buffer == nullptr || bufferSize == 0) return -1;
    va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(buffer, bufferSize, format, args);
    va_end(args);
    if (length < 0 || static_cast<size_t>(length) >= bufferSize) {
        buffer[0] = '\0';
        return -1;
    }
    return length;
}

bool Contains(const char* haystack, const char* needle) {
    return std::strstr(haystack, needle) != nullptr;
}
