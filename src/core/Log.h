#pragma once
// The debug trace: every message of the game goes through LogDebug to standard output.
// Tests swap the sink to read the trace back byte for byte.

#include <functional>
#include <string>
#include <string_view>

using LogSink = std::function<void(std::string_view text)>;

// Formats like printf and hands the text to the sink; adds no line feed of its own.
void LogDebug(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Replaces the sink; an empty function restores standard output.
void SetLogSink(LogSink sink);

// A sink that appends to a string, for tests and tools that want the trace as text.
struct LogCapture {
    std::string text;
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;
};
