#include "support/FirstMorning.h"
#include "content/MapScene.h"

#include "content/Items.h"
#include "content/PopUps.h"
#include "core/Settings.h"
#include "support/Journey.h"
#include "support/Saves.h"
#include "world/GameSession.h"

namespace {

constexpr float FRAME = FRAME_DT;

const MapItem* LyingItem(GameHarness& game, const std::string& name) {
    for (const MapItem& item : game.Scene().mapItemList.items) {
        if (item.name == name) return &item;
    }
    return nullptr;
}

WalkRect AsWalkRect(const sf::FloatRect& r) {
    return {r.left, r.top, r.width, r.height};
}

}  // namespace

std::string PlayFirstMorning(GameHarness& game, const Checkpoint& reached) {
    ChoosePlay(game);
    if (game.Mode() != MODE_GAME) return "Play did not start a new game";
    game.Step(0.021f, 40);
    reached("01-start-popup-typing");
    game.Press(gSettings.keys.enter, 2);
    reached("02-start-popup-first-page");
    game.PressEnterUntil([&] { return !PopUpShown(game, POPUP_START); });
    if (PopUpShown(game, POPUP_START) || game.Top() != SCREEN_ROAMING)
        return "the Start pop-up did not close";
    reached("03-bedroom");

    if (!WalkThroughDoor(game, "GoblinVillage")) return "no way out of the house to the village";
    game.Step(FRAME, 30);
    reached("04-village");

    const Npc* merchant = FirstNpcOfType(game, NPC_MERCHANT);
    if (merchant == nullptr) return "no merchant in the village";
    // Beside him, on the side away from his stall, face to face.
    const sf::FloatRect box = merchant->box;
    if (!WalkTo(game, {box.left + box.width + 8, box.top, 8, box.height}, 0)) return "no way to the merchant";
    game.Press(gSettings.keys.enter, 10);
    if (game.Top() != SCREEN_DIALOGUE) return "the merchant did not speak";
    reached("05-merchant-talks");
    game.PressEnterUntil([&] { return game.Top() == SCREEN_ROAMING; });
    if (game.Top() != SCREEN_ROAMING) return "the merchant's dialogue did not close";

    const MapItem* rope = LyingItem(game, "Rope");
    if (rope == nullptr) return "no rope lying in the village";
    if (!WalkTo(game, AsWalkRect(rope->bounds), 18)) return "no way to the rope";
    reached("06-beside-the-rope");
    game.Press(gSettings.keys.enter, 10);
    if (!game.Session().Holds("Rope")) return "the rope was not picked up";
    reached("07-rope-taken");
    game.Press(gSettings.keys.inventory, 2);
    reached("08-inventory");
    game.PressKey(gSettings.keys.inventory);

    if (!WalkThroughDoor(game, "HOUSE_ENTER_1")) return "no way back home";
    game.Step(FRAME, 30);
    reached("09-home-again");
    return "";
}

std::string ContinueFirstMorning(GameHarness& game, const Checkpoint& reached) {
    ChoosePlay(game);
    if (game.Top() != SCREEN_SAVES) return "Play did not open the save-slot menu";
    game.Step(FRAME, 2);
    reached("10-save-slots");
    game.PressKey(gSettings.keys.enter);
    if (game.Mode() != MODE_GAME) return "the slot was not continued";
    game.Step(FRAME, 30);
    reached("11-continued");
    game.Press(gSettings.keys.inventory, 2);
    reached("12-continued-inventory");
    return "";
}
