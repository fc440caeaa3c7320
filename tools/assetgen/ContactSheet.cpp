// contactsheet <Assets folder> <out.png>: every PNG under the folder, sorted by path, shrunk into a grid
// of labelled cells on a checkerboard, so the whole look of the game can be judged in one picture.

#include "assetgen/PixelFont.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

const int SHEET_COLUMNS = 4;
const int SHEET_CELL_WIDTH = 360;
const int SHEET_CELL_HEIGHT = 210;
const int SHEET_LABEL_HEIGHT = 14;
const int SHEET_MARGIN = 10;
const int SHEET_CHECKER = 8;
const sf::Color SHEET_BACKGROUND(28, 28, 34);

struct SheetEntry {
    std::string relativePath;
    sf::Image image;
};

std::vector<SheetEntry> CollectPictures(const std::filesystem::path& root) {
    std::vector<SheetEntry> entries;
    for (const auto& item : std::filesystem::recursive_directory_iterator(root)) {
        if (!item.is_regular_file() || item.path().extension() != ".png") continue;
        SheetEntry entry;
        entry.relativePath = std::filesystem::relative(item.path(), root).generic_string();
        if (entry.image.loadFromFile(item.path().string())) entries.push_back(std::move(entry));
    }
    std::sort(entries.begin(), entries.end(),
              [](const SheetEntry& a, const SheetEntry& b) { return a.relativePath < b.relativePath; });
    return entries;
}

void DrawChecker(PixelCanvas& sheet, int x, int y, int width, int height) {
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const bool dark = ((column / SHEET_CHECKER) + (row / SHEET_CHECKER)) % 2 == 0;
            PutPixel(sheet, x + column, y + row, dark ? sf::Color(96, 96, 104) : sf::Color(140, 140, 148));
        }
    }
}

// Small pictures grow by a whole factor so pixels stay square; large ones shrink to fit.
void DrawFitted(PixelCanvas& sheet, const sf::Image& image, int cellX, int cellY) {
    const int width = static_cast<int>(image.getSize().x), height = static_cast<int>(image.getSize().y);
    if (width == 0 || height == 0) return;
    double scale = std::min(static_cast<double>(SHEET_CELL_WIDTH) / width,
                            static_cast<double>(SHEET_CELL_HEIGHT) / height);
    if (scale >= 1.0) scale = static_cast<int>(scale);
    const int shownWidth = std::max(1, static_cast<int>(width * scale)),
              shownHeight = std::max(1, static_cast<int>(height * scale));
    const int x = cellX + (SHEET_CELL_WIDTH - shownWidth) / 2,
              y = cellY + (SHEET_CELL_HEIGHT - shownHeight) / 2;
    DrawChecker(sheet, x, y, shownWidth, shownHeight);
    for (int row = 0; row < shownHeight; ++row) {
        for (int column = 0; column < shownWidth; ++column) {
            const sf::Color colour =
                image.getPixel(static_cast<unsigned>(column / scale), static_cast<unsigned>(row / scale));
            if (colour.a > 0) PutPixel(sheet, x + column, y + row, colour);
        }
    }
}

// Long paths keep their end, which names the file.
std::string FitLabel(const std::string& path) {
    std::string label = path;
    while (label.size() > 4 && TextWidth(label) > SHEET_CELL_WIDTH)
        label = "..." + label.substr(4);
    return label;
}

void DrawEntry(PixelCanvas& sheet, const SheetEntry& entry, int index) {
    const int cellX = SHEET_MARGIN + (index % SHEET_COLUMNS) * (SHEET_CELL_WIDTH + SHEET_MARGIN);
    const int cellY =
        SHEET_MARGIN + (index / SHEET_COLUMNS) * (SHEET_CELL_HEIGHT + SHEET_LABEL_HEIGHT + SHEET_MARGIN);
    DrawFitted(sheet, entry.image, cellX, cellY);
    TextStyle style;
    style.fill = sf::Color(236, 232, 220);
    DrawText(sheet, cellX, cellY + SHEET_CELL_HEIGHT + 3, FitLabel(entry.relativePath), style);
    const std::string size =
        std::to_string(entry.image.getSize().x) + "x" + std::to_string(entry.image.getSize().y);
    style.fill = sf::Color(150, 150, 160);
    DrawText(sheet, cellX + SHEET_CELL_WIDTH - TextWidth(size), cellY - 0, size, style);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <Assets folder> <out.png>\n", argv[0]);
        return 2;
    }
    std::error_code error;
    if (!std::filesystem::is_directory(argv[1], error)) {
        std::fprintf(stderr, "contactsheet: %s is not a folder\n", argv[1]);
        return 1;
    }
    const std::vector<SheetEntry> entries = CollectPictures(argv[1]);
    const int rows = std::max(1, static_cast<int>((entries.size() + SHEET_COLUMNS - 1) / SHEET_COLUMNS));
    PixelCanvas sheet = MakeCanvas(
        SHEET_MARGIN + SHEET_COLUMNS * (SHEET_CELL_WIDTH + SHEET_MARGIN),
        SHEET_MARGIN + rows * (SHEET_CELL_HEIGHT + SHEET_LABEL_HEIGHT + SHEET_MARGIN), SHEET_BACKGROUND);
    for (std::size_t i = 0; i < entries.size(); ++i)
        DrawEntry(sheet, entries[i], static_cast<int>(i));
    if (!sheet.image.saveToFile(argv[2])) {
        std::fprintf(stderr, "contactsheet: could not write %s\n", argv[2]);
        return 1;
    }
    std::printf("contactsheet: %zu pictures -> %s\n", entries.size(), argv[2]);
    return 0;
}
