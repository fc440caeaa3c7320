#pragma once
// The generated asset trees the tests look at: run 0 is the tree the build generated (the one the game
// ships), run 1 a fresh generation into a temporary folder, made at most once per test program, which
// proves that generation gives the same bytes.

#include "assetgen/AssetRegistry.h"

#include <filesystem>
#include <string>
#include <vector>

struct GeneratedTree {
    std::filesystem::path root;
    AssetWriter writer;  // for the built tree, written lists its pictures and sounds
    bool owned = false;  // a temporary folder of the test's own, removed at the end
    ~GeneratedTree();
};

const GeneratedTree& Generated(int run);

// The built tree's files whose names end so (".png", ".wav"), relative to its root, in sorted order.
std::vector<std::string> BuiltFiles(const std::string& extension);
