#pragma once
// Every asset group of the game in one list, so the generator, the tests and the review script all make
// the same files. A group writes its files through an AssetWriter, which creates folders, keeps the list
// of what was written and prints one line per file.

#include "Mixer.h"
#include "PixelCanvas.h"

#include <string>
#include <vector>

struct AssetWriter {
    std::string root;                  // the Assets folder
    std::vector<std::string> written;  // relative paths, in the order written
    int failures = 0;
    bool quiet = false;  // tests generate without printing
};

// Relative paths use forward slashes; é in a name is the single byte 0xE9, as the game opens it.
bool WritePicture(AssetWriter& writer, const std::string& relativePath, const PixelCanvas& picture);
// A low-resolution canvas enlarged by a whole factor before saving.
bool WritePixelArt(AssetWriter& writer, const std::string& relativePath, const PixelCanvas& art, int factor);
bool WriteSound(AssetWriter& writer, const std::string& relativePath, const StereoMix& mix,
                unsigned channels);

struct AssetGroup {
    const char* name;
    void (*generate)(AssetWriter& writer);
};

const std::vector<AssetGroup>& AssetGroups();

// Runs every group into root; returns the number of files that could not be written.
int GenerateAllAssets(AssetWriter& writer);
