#pragma once
// What the file targets share: a working folder of their own (Assets/ and Saves/ are relative to it),
// the game's log and SFML's error stream silenced, and the input written where the game reads it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <string>

// A file of the game's own data the input may name, written beside it: path and text.
struct FuzzFile {
    const char* path;
    const char* text;
};

// Once per process: enters a fresh folder in memory where the system has one (/dev/shm), named after
// the target and the process, and writes the files into it.
void EnterFuzzFolder(const char* target, std::initializer_list<FuzzFile> files = {});

// The input as the whole of the file at path (relative to the folder), its folders made.
void WriteFuzzInput(const std::string& path, const uint8_t* data, size_t size);

// A broken promise of the game is a crash the fuzzer reports with its input.
inline void Check(bool holds) {
    if (!holds) std::abort();
}
