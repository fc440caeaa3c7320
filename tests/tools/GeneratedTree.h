#pragma once
// One generated asset tree shared by every test of the generated files: generation is the slow part, so
// each of the two runs (the second proves determinism) happens once per test program.

#include "assetgen/AssetRegistry.h"

#include <SFML/Config.hpp>

#include <filesystem>
#include <vector>

struct GeneratedTree {
    std::filesystem::path root;
    AssetWriter writer;
    ~GeneratedTree();
};

const GeneratedTree& Generated(int run);

struct SoundFacts {
    std::vector<sf::Int16> samples;
    unsigned channels = 0;
    unsigned sampleRate = 0;
    double seconds = 0.0;
};

SoundFacts ReadSound(const std::filesystem::path& path);
double PeakDbfs(const std::vector<sf::Int16>& samples);
