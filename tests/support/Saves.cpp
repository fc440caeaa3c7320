#include "support/Saves.h"

#include "support/Files.h"

std::string SaveText(int slot) {
    return ReadWholeFile("Saves/Save" + std::to_string(slot) + "/save.txt");
}

std::string SavedSection(const std::string& map, int slot) {
    const std::string save = SaveText(slot);
    const size_t start = save.find("\nMap : " + map + "\n");
    if (start == std::string::npos) return "";
    const size_t end = save.find("\nMap : ", start + 1);
    return save.substr(start + 1, end == std::string::npos ? std::string::npos : end - start - 1);
}

void OpenTitleMenu(GameHarness& game) {
    game.Press(DefaultKeys::ENTER);
}

void ChoosePlay(GameHarness& game) {
    OpenTitleMenu(game);
    game.Press(DefaultKeys::ENTER);
}

std::string ContinueFirstSlot(GameHarness& game) {
    ChoosePlay(game);
    if (game.Top() != SCREEN_SAVES) return "Play did not open the save-slot menu";
    game.Press(DefaultKeys::ENTER, 30);
    return game.Mode() == MODE_GAME ? "" : "the slot was not continued";
}
