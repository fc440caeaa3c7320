// assetgen <Assets folder>: writes every generated picture and sound of the game into the folder.

#include "AssetRegistry.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <Assets folder>\n", argv[0]);
        return 2;
    }
    AssetWriter writer;
    writer.root = argv[1];
    const int failures = GenerateAllAssets(writer);
    std::printf("assetgen: %zu files written, %d failed\n", writer.written.size(), failures);
    return failures == 0 ? 0 : 1;
}
