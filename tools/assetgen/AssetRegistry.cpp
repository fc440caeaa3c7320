#include "AssetRegistry.h"

#include "AssetGroups.h"

#include <cstdio>
#include <filesystem>

namespace {

// Makes the folders of the file and reports the full path to write, or an empty string.
std::string PrepareOutput(AssetWriter& writer, const std::string& relativePath) {
    const std::filesystem::path full = std::filesystem::path(writer.root) / relativePath;
    std::error_code error;
    std::filesystem::create_directories(full.parent_path(), error);
    if (error) return {};
    return full.string();
}

bool Record(AssetWriter& writer, const std::string& relativePath, bool saved) {
    if (!saved) {
        ++writer.failures;
        std::fprintf(stderr, "assetgen: could not write %s\n", relativePath.c_str());
        return false;
    }
    writer.written.push_back(relativePath);
    if (!writer.quiet) std::printf("wrote %s\n", relativePath.c_str());
    return true;
}

}  // namespace

bool WritePicture(AssetWriter& writer, const std::string& relativePath, const PixelCanvas& picture) {
    const std::string path = PrepareOutput(writer, relativePath);
    return Record(writer, relativePath, !path.empty() && picture.image.saveToFile(path));
}

bool WritePixelArt(AssetWriter& writer, const std::string& relativePath, const PixelCanvas& art, int factor) {
    return WritePicture(writer, relativePath, factor == 1 ? art : Upscale(art, factor));
}

bool WriteSound(AssetWriter& writer, const std::string& relativePath, const StereoMix& mix,
                unsigned channels) {
    const std::string path = PrepareOutput(writer, relativePath);
    return Record(writer, relativePath, !path.empty() && SaveMix(mix, channels, path));
}

const std::vector<AssetGroup>& AssetGroups() {
    static const std::vector<AssetGroup> groups{
        {"studio logos", GenerateStudioLogos},
        {"title background", GenerateTitleBackground},
        {"menu buttons", GenerateMenuButtons},
        {"credits", GenerateCreditsArt},
        {"options", GenerateOptionsArt},
        {"pause menu", GeneratePauseMenuArt},
        {"battle HUD panels", GenerateBattleHudPanels},
        {"interface sounds", GenerateInterfaceSounds},
        {"title music", GenerateTitleMusic},
        {"map tile atlases", GenerateTileAtlases},
        {"hero sheets", GenerateHeroSheets},
        {"trees", GenerateTrees},
        {"map decor", GenerateMapDecor},
        {"world map", GenerateWorldMap},
        {"world sounds", GenerateWorldSounds},
        {"roaming music", GenerateRoamingMusic},
        {"save-slot buttons", GenerateSaveSlotButtons},
        {"NPC sheets", GenerateNpcSheets},
        {"portraits", GeneratePortraits},
        {"dialogue art", GenerateDialogueArt},
        {"item pictures", GenerateItemPictures},
        {"water sources", GenerateWaterSourceSheets},
        {"keepsakes", GenerateKeepsakePictures},
        {"inventory", GenerateInventoryArt},
        {"shop", GenerateShopArt},
        {"content sounds", GenerateContentSounds},
        {"battler sheets", GenerateBattlerSheets},
        {"battle portraits", GenerateBattlePortraits},
        {"battle HUD", GenerateBattleHudArt},
        {"battle effects", GenerateBattleEffects},
        {"battle backgrounds", GenerateBattleBackgrounds},
        {"victory and game over", GenerateBattleEndScreens},
        {"battle sounds", GenerateBattleSounds},
        {"battle music", GenerateBattleMusic},
        {"game-over music", GenerateGameOverMusic},
        {"puzzle pictures", GeneratePuzzleArt},
        {"puzzle sounds", GeneratePuzzleSounds},
        {"fishing", GenerateFishingArt},
        {"fish pictures", GenerateFishPictures},
        {"Fishdex", GenerateFishdexArt},
        {"fishing sounds", GenerateFishingSounds},
    };
    return groups;
}

int GenerateAllAssets(AssetWriter& writer) {
    const int before = writer.failures;
    for (const AssetGroup& group : AssetGroups())
        group.generate(writer);
    return writer.failures - before;
}
