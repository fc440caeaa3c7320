#include "frontend/SaveSlots.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "content/PopUps.h"
#include "content/SavedContent.h"
#include "core/GameStates.h"
#include "core/Log.h"
#include "core/StateMachine.h"
#include "core/Text.h"
#include "frontend/SaveSlotMenu.h"
#include "world/GameSession.h"
#include "world/MapLoading.h"
#include "world/SaveFiles.h"
#include "world/SaveThumbnail.h"

namespace {

constexpr int32_t NEW_GAME_GOLD = 20;
constexpr const char* NEW_GAME_MAP = "HOUSE_ENTER_1";

// Nothing of an earlier game carries into the next: a fresh session and no pop-up left open.
void BeginFreshGame() {
    StartGameSession();
    ResetPopUps();
}

void RefuseSlot(int32_t slot, const std::string& reason) {
    char line[300];
    FormatText(line, sizeof line, "Save %d cannot be continued: %s.", slot + 1, reason.c_str());
    LogDebug("%s\n", line);
    ShowSlotMessage(line);
}

}  // namespace

void StartNewSave(sf::RenderWindow& window, int32_t slot) {
    const std::string folder = SaveFolderPath(slot);
    if (!CreateSaveFolder(folder)) LogDebug("Impossible de creer le dossier : %s\n", folder.c_str());
    BeginFreshGame();
    gSession.gold = NEW_GAME_GOLD;
    gSession.saveSlot = slot;
    LogDebug("setcurrentMap : %s\n", NEW_GAME_MAP);
    SetCurrentMapName(NEW_GAME_MAP);
    SetPreviousMapName(NEW_GAME_MAP);
    OpenPopUp(POPUP_START);  // already typing when the bedroom first shows
    SetMenuScreen(window, MENU_MAIN);
    SetGameMode(MODE_GAME, window);
    // The slot's thumbnail: the game area as the new game first shows it.
    if (!WriteSlotThumbnail(window)) LogDebug("fail to save image\n");
    gSaveSlots.hasSave[slot] = 1;
}

void ContinueSave(sf::RenderWindow& window, int32_t slot) {
    BeginFreshGame();
    gSession.saveSlot = slot;
    // A save that cannot be played leaves the player on the menu, told why, with the save untouched.
    if (!LoadSavedGame()) {
        RefuseSlot(slot, "its save is damaged and has no sound backup");
        return;
    }
    std::string reason;
    if (!MapCanBeEntered(gSession.currentMapName, reason)) {
        RefuseSlot(slot, std::string("its map ") + gSession.currentMapName + " cannot be loaded: " + reason);
        return;
    }
    gStates.roamingOverlay = OVERLAY_NONE;
    SetMenuScreen(window, MENU_MAIN);
    SetGameMode(MODE_GAME, window);
}

void DeleteSaveSlot(int32_t slot) {
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
        return;
    }
    gSaveSlots.hasSave[slot] = 0;
}
