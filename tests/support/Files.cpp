#include "support/Files.h"

#include <SFML/Audio/SoundBuffer.hpp>

#include <cmath>
#include <fstream>
#include <sstream>
#include <vector>

std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteWholeFile(const std::filesystem::path& path, const std::string& text) {
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

void WriteToneFile(const std::filesystem::path& path, float seconds) {
    constexpr unsigned RATE = 22050;
    std::vector<sf::Int16> samples(static_cast<size_t>(seconds * RATE));
    for (size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<sf::Int16>(3000.0 * std::sin(static_cast<double>(i) * 0.1));
    }
    sf::SoundBuffer buffer;
    buffer.loadFromSamples(samples.data(), samples.size(), 1, RATE);
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
    buffer.saveToFile(path.string());
}
