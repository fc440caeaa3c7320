#pragma once
// Small file helpers for tests.

#include <filesystem>
#include <string>

std::string ReadWholeFile(const std::filesystem::path& path);
void WriteWholeFile(const std::filesystem::path& path, const std::string& text);
// Writes a WAV file of a plain tone lasting the given seconds (for sound-pool tests).
void WriteToneFile(const std::filesystem::path& path, float seconds);
