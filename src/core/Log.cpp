#include "core/Log.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace {

// Flushed at once, so the trace is whole even when the game is stopped abruptly.
void WriteToStandardOutput(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

LogSink& CurrentSink() {
    static LogSink sink = WriteToStandardOutput;
    return sink;
}

}  // namespace

void LogDebug(const char* format, ...) {
    char small[512];
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);
    if (length < 0) {
        va_end(again);
        return;
    }
    if (static_cast<size_t>(length) < sizeof small) {
        CurrentSink()(std::string_view(small, static_cast<size_t>(length)));
    } else {
        // Long messages (a whole save section, say) still come out whole.
        std::vector<char> large(static_cast<size_t>(length) + 1);
        std::vsnprintf(large.data(), large.size(), format, again);
        CurrentSink()(std::string_view(large.data(), static_cast<size_t>(length)));
    }
    va_end(again);
}

void SetLogSink(LogSink sink) {
    CurrentSink() = sink ? std::move(sink) : LogSink(WriteToStandardOutput);
}

LogCapture::LogCapture() {
    SetLogSink([this](std::string_view text) { this->text.append(text); });
}

LogCapture::~LogCapture() {
    SetLogSink({});
}
