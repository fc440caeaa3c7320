#pragma once
// Formatted reading and writing of the game's text files (settings, saves, maps, NPCs, items, dialogues).
//
// ReadFormatted follows the standard scanning rules: white space in the pattern skips any white space in
// the file (blank lines included), a literal that does not match stops the scan and stays unread, and
// fields that were not reached keep their old values. String conversions (%s, %c, %[) are bounded by
// the size of their destination array, which the target carries with it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>

struct ScanTarget {
    enum Kind { INT32, UINT32, INT16, UINT16, FLOAT32, FLOAT64, CHARS };
    Kind kind;
    void* address;
    size_t size;

    ScanTarget(int32_t* value) : kind(INT32), address(value), size(sizeof *value) {}
    ScanTarget(uint32_t* value) : kind(UINT32), address(value), size(sizeof *value) {}
    ScanTarget(int16_t* value) : kind(INT16), address(value), size(sizeof *value) {}
    ScanTarget(uint16_t* value) : kind(UINT16), address(value), size(sizeof *value) {}
    ScanTarget(float* value) : kind(FLOAT32), address(value), size(sizeof *value) {}
    ScanTarget(double* value) : kind(FLOAT64), address(value), size(sizeof *value) {}
    template <size_t N>
    ScanTarget(char (&chars)[N]) : kind(CHARS), address(chars), size(N) {}
    ScanTarget(std::span<char> chars) : kind(CHARS), address(chars.data()), size(chars.size()) {}
};

// Returns the number of fields assigned, or EOF when the file ended before the first conversion.
int ReadFormattedTargets(std::FILE* file, const char* format, std::span<const ScanTarget> targets);

template <typename... Targets>
int ReadFormatted(std::FILE* file, const char* format, Targets&&... targets) {
    const std::array<ScanTarget, sizeof...(Targets)> list{ScanTarget(targets)...};
    return ReadFormattedTargets(file, format, list);
}

// Writes like fprintf; returns the characters written or a negative value.
int WriteFormatted(std::FILE* file, const char* format, ...) __attribute__((format(printf, 2, 3)));
