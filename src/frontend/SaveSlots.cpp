#include "frontend/SaveSlots.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "content/SavedContent.h"
#include "core/Log.h"
#include "core/Text.h"
#include "frontend/RoamingScreen.h"
#include "world/GameSession.h"
#include "world/MapLoading.h"
#include "world/SaveFiles.h"
#include "world/SaveThumbnail.h"

namespace {

constexpr int32_t NEW_GAME_GOLD = 20;
constexpr const char* NEW_GAME_MAP = "HOUSE_ENTER_1";

std::string Refusal(int32_t slot, const std::string& reason) {
    char line[300];
    FormatText(line, sizeof line, "Save %d cannot be continued: %s.", slot + 1, reason.c_str());
    LogDebug("%s\n", line);
    return line;
}

}  // namespace

std::unique_ptr<Screen> StartNewSave(ScreenContext context, int32_t slot) {
    const std::string folder = SaveFolderPath(slot);
    if (!CreateSaveFolder(folder)) LogDebug("Impossible de creer le dossier : %s\n", folder.c_str());
    // Nothing of an earlier game carries into the next.
    StartGameSession();
    gSession.gold = NEW_GAME_GOLD;
    gSession.saveSlot = slot;
    LogDebug("setcurrentMap : %s\n", NEW_GAME_MAP);
    SetCurrentMapName(NEW_GAME_MAP);
    SetPreviousMapName(NEW_GAME_MAP);
    return std::make_unique<RoamingScreen>(context, GameStart::NEW_GAME);
}

std::unique_ptr<Screen> ContinueSave(ScreenContext context, int32_t slot, std::string& why) {
    StartGameSession();
    gSession.saveSlot = slot;
    if (!LoadSavedGame()) {
        why = Refusal(slot, "its save is damaged and has no sound backup");
        return nullptr;
    }
    std::string reason;
    if (!MapCanBeEntered(gSession.currentMapName, reason)) {
        why = Refusal(slot, std::string("its map ") + gSession.currentMapName + " cannot be loaded: " + reason);
        return nullptr;
    }
    return std::make_unique<RoamingScreen>(context, GameStart::CONTINUED);
}

bool DeleteSaveSlot(int32_t slot) {
    FinishThumbnailWrites();  // no picture may land in the folder once it is gone
    const std::string folder = SaveFolderPath(slot);
    std::error_code error;
    std::filesystem::remove(folder, error);
    if (error == std::errc::directory_not_empty) {
        for (const char* file : {"save.txt", THUMBNAIL_FILE, "save.txt.bak", "save.txt.tmp", "save.txt.bak.tmp",
                                 THUMBNAIL_TEMPORARY_FILE}) {
            std::filesystem::remove(folder + "/" + file, error);
        }
        std::filesystem::remove(folder, error);
    }
    if (error || std::filesystem::exists(folder)) {
        std::fprintf(stderr,
                     "Erreur inconnue rencontr\xC3\xA9"
                     "e lors de la suppression du dossier\n");
        return false;
    }
    return true;
}
