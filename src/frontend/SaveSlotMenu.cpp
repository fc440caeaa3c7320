#include "frontend/SaveSlotMenu.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "content/PopUps.h"
#include "core/GameState.h"
#include "core/Log.h"
#include "core/Modes.h"
#include "core/Text.h"
#include "world/SaveFiles.h"
#include "world/WorldState.h"

SaveSlotMenu gSaveSlots;

namespace {

constexpr int32_t NEW_GAME_GOLD = 20;
constexpr const char* NEW_GAME_MAP = "HOUSE_ENTER_1";

bool CreateFolder(const char* path) {
    std::error_code error;
    return std::filesystem::create_directory(path, error);
}

}  // namespace

void LoadSaveSlotMenu(sf::RenderWindow& window) {
    if (!CreateFolder("Saves")) LogDebug("Impossible de creer le dossier : %s\n", "Saves");
    bool anySave = false;
    for (int32_t slot = 0; slot < SAVE_SLOT_COUNT; ++slot) {
        const std::string path = SaveFolderPath(slot);
        if (std::filesystem::exists(path)) {
            gSaveSlots.hasSave[slot] = 1;
            anySave = true;
        } else {
            LogDebug("Le repertoire %s n'existe pas!! :(\n", path.c_str());
        }
    }
    if (!anySave) {
        StartNewSave(window, 0);
        return;
    }
    BuildSaveSlotScreen();
}

void StartNewSave(sf::RenderWindow& window, int32_t slot) {
    const std::string folder = SaveFolderPath(slot);
    if (!CreateFolder(folder.c_str())) LogDebug("Impossible de creer le dossier : %s\n", folder.c_str());
    gWorld.gold = NEW_GAME_GOLD;
    gWorld.saveSlot = slot;
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
    gWorld.saveSlot = slot;
    // A save that cannot be read leaves the player on the menu instead of in a broken game.
    if (!LoadSavedGame()) return;
    gStates.roamingOverlay = OVERLAY_NONE;
    SetMenuScreen(window, MENU_MAIN);
    SetGameMode(MODE_GAME, window);
}

void DeleteSaveSlot(int32_t slot) {
    const std::string folder = SaveFolderPath(slot);
    std::error_code error;
    std::filesystem::remove(folder, error);
    if (error == std::errc::directory_not_empty) {
        for (const char* file :
             {"save.txt", "capture.png", "save.txt.bak", "save.txt.tmp", "save.txt.bak.tmp"}) {
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
