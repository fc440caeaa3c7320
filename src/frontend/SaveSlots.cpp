#include "frontend/SaveSlots.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "content/SavedContent.h"
#include "content/StoryMaps.h"
#include "core/Log.h"
#include "core/Text.h"
#include "frontend/RoamingScreen.h"
#include "world/MapLoading.h"
#include "world/SaveFiles.h"
#include "world/SaveThumbnail.h"

namespace {

constexpr int32_t NEW_GAME_GOLD = 20;

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
    // A session of its own: nothing of an earlier game carries into the next.
    auto session = std::make_unique<GameSession>(slot);
    session->EarnGold(NEW_GAME_GOLD);
    LogDebug("setcurrentMap : %s\n", MAP_HOME);
    session->SetCurrentMap(MAP_HOME);
    session->SetPreviousMap(MAP_HOME);
    return std::make_unique<RoamingScreen>(context, std::move(session), GameStart::NEW_GAME);
}

std::unique_ptr<Screen> ContinueSave(ScreenContext context, int32_t slot, std::string& why) {
    auto session = std::make_unique<GameSession>(slot);
    if (!LoadSavedGame(*session)) {
        why = Refusal(slot, "its save is damaged and has no sound backup");
        return nullptr;
    }
    std::string reason;
    if (!MapCanBeEntered(session->CurrentMap(), reason)) {
        why = Refusal(slot, std::string("its map ") + session->CurrentMap() + " cannot be loaded: " + reason);
        return nullptr;
    }
    return std::make_unique<RoamingScreen>(context, std::move(session), GameStart::CONTINUED);
}

bool DeleteSaveSlot(int32_t slot) {
    FinishThumbnailWrites();  // no picture may land in the folder once it is gone
    const std::string folder = SaveFolderPath(slot);
    std::error_code error;
    std::filesystem::remove(folder, error);
    if (error == std::errc::directory_not_empty) {
        for (const char* file : {"save.txt", THUMBNAIL_FILE, "save.txt.bak", "save.txt.tmp",
                                 "save.txt.bak.tmp", THUMBNAIL_TEMPORARY_FILE}) {
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
