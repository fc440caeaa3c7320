#include "core/FormattedFile.h"

#include <cctype>
#include <cstdarg>
#include <cstdlib>
#include <cstring>

#include "core/Log.h"

namespace {

constexpr int SCAN_TOKEN_MAX = 127;  // longest number token kept; further digits stay in the file

// Reads through the file with the one character of push-back the standard scanner has.
class ScanInput {
public:
    explicit ScanInput(std::FILE* file) : file_(file) {}
    int Get() {
        const int c = std::fgetc(file_);
        if (c != EOF) ++consumed_;
        return c;
    }
    void Unget(int c) {
        if (c == EOF) return;
        std::ungetc(c, file_);
        --consumed_;
    }
    void SkipSpace() {
        int c = Get();
        while (c != EOF && std::isspace(c))
            c = Get();
        Unget(c);
    }
    long Consumed() const { return consumed_; }

private:
    std::FILE* file_;
    long consumed_ = 0;
};

enum class FieldResult { STORED, MATCH_FAILURE, INPUT_FAILURE };

struct Conversion {
    bool suppress = false;
    int width = 0;  // 0: none given
    char letter = 0;
    const char* setBegin = nullptr;  // for %[ : the characters between the brackets
    const char* setEnd = nullptr;
    bool setNegated = false;
};

bool InScanSet(const Conversion& conv, int c) {
    bool found = false;
    for (const char* p = conv.setBegin; p < conv.setEnd; ++p) {
        if (p + 2 < conv.setEnd && p[1] == '-' && p != conv.setBegin) {
            if (c >= static_cast<unsigned char>(p[0]) && c <= static_cast<unsigned char>(p[2])) found = true;
            p += 2;
        } else if (static_cast<unsigned char>(*p) == c) {
            found = true;
        }
    }
    return found != conv.setNegated;
}

// Parses "%*12[^\n]" and the like; returns the pattern position after the conversion letter.
const char* ParseConversion(const char* p, Conversion& conv) {
    if (*p == '*') {
        conv.suppress = true;
        ++p;
    }
    while (std::isdigit(static_cast<unsigned char>(*p)))
        conv.width = conv.width * 10 + (*p++ - '0');
    while (std::strchr("hlLjztq", *p) != nullptr && *p != '\0')
        ++p;
    conv.letter = *p;
    if (*p == '\0') return p;
    ++p;
    if (conv.letter == '[') {
        if (*p == '^') {
            conv.setNegated = true;
            ++p;
        }
        conv.setBegin = p;
        if (*p == ']') ++p;  // a leading ] belongs to the set
        while (*p != '\0' && *p != ']')
            ++p;
        conv.setEnd = p;
        if (*p == ']') ++p;
    }
    return p;
}

bool IsIntegerLetter(char letter) {
    return std::strchr("diuxXo", letter) != nullptr;
}
bool IsFloatLetter(char letter) {
    return std::strchr("feEgGaA", letter) != nullptr;
}

// Collects the characters of a number; returns how many digits it held.
int ReadNumberToken(ScanInput& in, const Conversion& conv, char* token) {
    const int limit = conv.width > 0 && conv.width < SCAN_TOKEN_MAX ? conv.width : SCAN_TOKEN_MAX;
    const bool hex = conv.letter == 'x' || conv.letter == 'X';
    const bool isFloat = IsFloatLetter(conv.letter);
    int length = 0;
    int digits = 0;
    bool seenPoint = false;
    bool seenExponent = false;
    int c = in.Get();
    if ((c == '+' || c == '-') && length < limit) {
        token[length++] = static_cast<char>(c);
        c = in.Get();
    }
    while (c != EOF && length < limit) {
        const bool digit = hex ? std::isxdigit(c) : std::isdigit(c);
        if (digit) {
            ++digits;
        } else if (isFloat && c == '.' && !seenPoint && !seenExponent) {
            seenPoint = true;
        } else if (isFloat && (c == 'e' || c == 'E') && digits > 0 && !seenExponent) {
            seenExponent = true;
        } else if (isFloat && length > 0 && (c == '+' || c == '-') &&
                   (token[length - 1] == 'e' || token[length - 1] == 'E')) {
            // sign of the exponent
        } else {
            break;
        }
        token[length++] = static_cast<char>(c);
        c = in.Get();
    }
    in.Unget(c);
    token[length] = '\0';
    return digits;
}

void StoreInteger(const ScanTarget& target, long long value) {
    switch (target.kind) {
        case ScanTarget::INT32:
            *static_cast<int32_t*>(target.address) = static_cast<int32_t>(value);
            break;
        case ScanTarget::UINT32:
            *static_cast<uint32_t*>(target.address) = static_cast<uint32_t>(value);
            break;
        case ScanTarget::INT16:
            *static_cast<int16_t*>(target.address) = static_cast<int16_t>(value);
            break;
        case ScanTarget::UINT16:
            *static_cast<uint16_t*>(target.address) = static_cast<uint16_t>(value);
            break;
        default:
            break;
    }
}

void StoreFloat(const ScanTarget& target, double value) {
    if (target.kind == ScanTarget::FLOAT32) *static_cast<float*>(target.address) = static_cast<float>(value);
    if (target.kind == ScanTarget::FLOAT64) *static_cast<double*>(target.address) = value;
}

FieldResult ScanNumber(ScanInput& in, const Conversion& conv, const ScanTarget* target) {
    char token[SCAN_TOKEN_MAX + 1];
    const int c = in.Get();
    if (c == EOF) return FieldResult::INPUT_FAILURE;
    in.Unget(c);
    if (ReadNumberToken(in, conv, token) == 0) return FieldResult::MATCH_FAILURE;
    if (target == nullptr) return FieldResult::STORED;
    if (IsFloatLetter(conv.letter)) {
        StoreFloat(*target, std::strtod(token, nullptr));
    } else {
        const int base = conv.letter == 'x' || conv.letter == 'X' ? 16 : conv.letter == 'o' ? 8 : 10;
        StoreInteger(*target, std::strtoll(token, nullptr, base));
    }
    return FieldResult::STORED;
}

// %s, %c and %[ : characters into a bounded array.
FieldResult ScanCharacters(ScanInput& in, const Conversion& conv, const ScanTarget* target) {
    char* out = target != nullptr ? static_cast<char*>(target->address) : nullptr;
    const bool terminated = conv.letter != 'c';
    size_t room = target != nullptr ? target->size - (terminated ? 1 : 0) : static_cast<size_t>(-1);
    size_t limit = conv.width > 0 ? static_cast<size_t>(conv.width) : (conv.letter == 'c' ? 1 : room);
    if (limit > room) limit = room;
    size_t count = 0;
    int c = in.Get();
    if (c == EOF) return FieldResult::INPUT_FAILURE;
    while (c != EOF && count < limit) {
        if (conv.letter == 's' && std::isspace(c)) break;
        if (conv.letter == '[' && !InScanSet(conv, c)) break;
        if (out != nullptr) out[count] = static_cast<char>(c);
        ++count;
        c = in.Get();
    }
    in.Unget(c);
    if (count == 0) return FieldResult::MATCH_FAILURE;
    if (conv.letter == 'c' && count < limit) return FieldResult::INPUT_FAILURE;
    if (out != nullptr && terminated) out[count] = '\0';
    return FieldResult::STORED;
}

bool TargetFits(const Conversion& conv, const ScanTarget& target) {
    if (IsIntegerLetter(conv.letter) || conv.letter == 'n') {
        return target.kind != ScanTarget::FLOAT32 && target.kind != ScanTarget::FLOAT64 &&
               target.kind != ScanTarget::CHARS;
    }
    if (IsFloatLetter(conv.letter))
        return target.kind == ScanTarget::FLOAT32 || target.kind == ScanTarget::FLOAT64;
    return target.kind == ScanTarget::CHARS && target.size > 0;
}

}  // namespace

int ReadFormattedTargets(std::FILE* file, const char* format, std::span<const ScanTarget> targets) {
    if (file == nullptr) return EOF;
    ScanInput in(file);
    int assigned = 0;
    bool anyCompleted = false;
    size_t nextTarget = 0;
    const auto stop = [&](bool inputFailure) { return inputFailure && !anyCompleted ? EOF : assigned; };

    for (const char* p = format; *p != '\0';) {
        if (std::isspace(static_cast<unsigned char>(*p))) {
            while (std::isspace(static_cast<unsigned char>(*p)))
                ++p;
            in.SkipSpace();
            continue;
        }
        if (*p != '%' || p[1] == '%') {
            if (*p == '%') {
                ++p;
                in.SkipSpace();
            }
            const int c = in.Get();
            if (c == EOF) return stop(true);
            if (c != static_cast<unsigned char>(*p)) {
                in.Unget(c);
                return assigned;
            }
            ++p;
            continue;
        }
        Conversion conv;
        p = ParseConversion(p + 1, conv);
        const ScanTarget* target = nullptr;
        if (!conv.suppress) {
            if (nextTarget >= targets.size() || !TargetFits(conv, targets[nextTarget])) {
                LogDebug("ReadFormatted: pattern \"%s\" does not fit its fields\n", format);
                return assigned;
            }
            target = &targets[nextTarget++];
        }
        if (conv.letter == 'n') {
            if (target != nullptr) StoreInteger(*target, in.Consumed());
            continue;
        }
        if (conv.letter != 'c' && conv.letter != '[') in.SkipSpace();
        FieldResult result = FieldResult::MATCH_FAILURE;
        if (IsIntegerLetter(conv.letter) || IsFloatLetter(conv.letter)) {
            result = ScanNumber(in, conv, target);
        } else if (conv.letter == 's' || conv.letter == 'c' || conv.letter == '[') {
            result = ScanCharacters(in, conv, target);
        }
        if (result != FieldResult::STORED) return stop(result == FieldResult::INPUT_FAILURE);
        anyCompleted = true;
        if (target != nullptr) ++assigned;
    }
    return assigned;
}

int WriteFormatted(std::FILE* file, const char* format, ...) {
    if (file == nullptr) return -1;
    va_list args;
    va_start(args, format);
    const int written = std::vfprintf(file, format, args);
    va_end(args);
    return written;
}
