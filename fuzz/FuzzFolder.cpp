#include "FuzzFolder.h"

#include <unistd.h>

#include <SFML/System/Err.hpp>
#include <SFML/Window/Context.hpp>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "core/Log.h"

void EnterFuzzFolder(const char* target, std::initializer_list<FuzzFile> files) {
    static bool entered = false;
    if (entered) return;
    entered = true;
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    const std::filesystem::path folder =
        base / ("velmoria-" + std::string(target) + "-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder / "Assets" / "Config");
    std::filesystem::current_path(folder);
    SetLogSink([](std::string_view) {});
    // One context for the whole run: without it SFML makes and drops its shared context with each
    // input's pictures, which is most of the time and, thousands of times over, upsets the X server.
    static sf::Context context;
    if (std::getenv("VELMORIA_FUZZ_VERBOSE") == nullptr)
        sf::err().rdbuf(nullptr);  // the pictures named are missing
    for (const FuzzFile& file : files)
        WriteFuzzInput(file.path, reinterpret_cast<const uint8_t*>(file.text), std::strlen(file.text));
}

void WriteFuzzInput(const std::string& path, const uint8_t* data, size_t size) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}
