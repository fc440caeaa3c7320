#include "GeneratedTree.h"

#include <unistd.h>
#include <algorithm>

namespace fs = std::filesystem;

GeneratedTree::~GeneratedTree() {
    std::error_code ignored;
    if (owned && !root.empty()) fs::remove_all(root, ignored);
}

const GeneratedTree& Generated(int run) {
    static GeneratedTree trees[2];
    GeneratedTree& tree = trees[run];
    if (tree.root.empty() && run == 0) {
        tree.root = VELMORIA_BUILT_ASSETS;
        for (const auto& entry : fs::recursive_directory_iterator(tree.root)) {
            const std::string extension = entry.path().extension().string();
            if (extension == ".png" || extension == ".wav")
                tree.writer.written.push_back(fs::relative(entry.path(), tree.root).string());
        }
        std::sort(tree.writer.written.begin(), tree.writer.written.end());
    } else if (tree.root.empty()) {
        tree.owned = true;
        tree.root = fs::temp_directory_path() /
                    ("velmoria-assetgen-" + std::to_string(getpid()) + "-" + std::to_string(run));
        fs::remove_all(tree.root);
        tree.writer.root = tree.root.string();
        tree.writer.quiet = true;
        GenerateAllAssets(tree.writer);
        std::sort(tree.writer.written.begin(), tree.writer.written.end());
    }
    return tree;
}

std::vector<std::string> BuiltFiles(const std::string& extension) {
    std::vector<std::string> files;
    for (const std::string& file : Generated(0).writer.written)
        if (fs::path(file).extension() == extension) files.push_back(file);
    return files;
}
