#pragma once
// What the file targets share: a working folder of their own (Assets/ and Saves/ are relative to it),
// the game's log and SFML's error stream silenced, and the input written where the game reads it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

// Once per process: enters a fresh folder in memory where the system has one (/dev/shm), named after
// the target and the process.
void EnterFuzzFolder(const char* target);

// The input as the whole of the file at path (relative to the folder), its folders made.
void WriteFuzzInput(const std::string& path, const uint8_t* data, size_t size);

// A text file the game's own data would hold, beside the input (a dialogue it names, a map's list).
void WriteFuzzFile(const std::string& path, const std::string& text);

// A broken promise of the game is a crash the fuzzer reports with its input.
inline void Check(bool holds) {
    if (!holds) std::abort();
}
