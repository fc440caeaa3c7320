#pragma once
// Files read and written whole: the saves and the settings. A file is replaced atomically, so a crash or
// a full disk at any moment leaves the old text or the new one, never a mix.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

bool ReadTextFile(const std::string& path, std::string& text);
// Writes a temporary file, flushes it to disk, keeps the old file as <path>.bak (unless keepBackup is
// false), renames the new one over it and flushes the folder.
bool WriteFileAtomically(const std::string& path, const std::string& text, bool keepBackup = true);

// A whole decimal number (an optional minus sign, then digits, nothing else) that fits in [low, high];
// nothing for anything else, a number too long for any integer included. Never throws.
std::optional<int32_t> ParseWholeNumber(std::string_view text, int32_t low, int32_t high);
