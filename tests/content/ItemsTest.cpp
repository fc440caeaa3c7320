// Items lying on the map, picked up with ENTER into the twenty places, and the inventory screen that
// shows them.

#include <gtest/gtest.h>

#include "content/ContentScenes.h"
#include "content/InventoryScreen.h"
#include "content/Items.h"
#include "content/MapScene.h"
#include "core/Settings.h"
#include "core/SoundEffects.h"
#include "support/PlayedSounds.h"
#include "support/Scenes.h"

namespace {

using DefaultKeys::ENTER;

std::vector<std::string> LyingNames(GameHarness& game) {
    std::vector<std::string> names;
    for (const MapItem& item : game.Scene().mapItemList.items)
        names.push_back(item.name);
    return names;
}

TEST(Items, OneEnterBesideThreeItemsTakesOneAndAFullInventoryLeavesTheRestOnTheMap) {
    GameHarness game{UNSEEN};
    EnterMap(game, "HOUSE_ENTER_1", 2);
    const size_t lying = game.Scene().mapItemList.items.size();
    LayAtFeet(game, {"Rope", "Stick", "Straw"});
    game.Step(FRAME_DT);
    ResetSoundEffectPool();
    game.PressKey(ENTER);
    EXPECT_EQ(game.Session().Inventory(), std::vector<std::string>{"Rope"});
    EXPECT_EQ(LyingNames(game).size(), lying + 2);
    EXPECT_EQ(EffectsPlaying(SOUND_ITEM_PICKUP), 1u);
    EXPECT_EQ(game.Scene().prompt.sprite.getPosition(),
              sf::Vector2f(-1000, -1000));  // parked until the next step

    Carry(game, "Apple", INVENTORY_PLACES - 2);
    game.PressKey(ENTER);  // the twentieth place
    EXPECT_EQ(game.Session().Inventory().back(), "Stick");
    ResetSoundEffectPool();
    game.PressKey(ENTER);
    EXPECT_EQ(game.Session().Inventory().size(), size_t{INVENTORY_PLACES});
    EXPECT_EQ(LyingNames(game).back(), "Straw");
    EXPECT_TRUE(gSoundEffects.effects.empty());
}

TEST(Items, TheInventoryShowsTheGoldAndWhatIsCarriedAndOnlyItsKeyClosesIt) {
    GameHarness game{UNSEEN};
    EnterMap(game, "HOUSE_ENTER_1", 2);
    game.Session().EarnGold(117);
    Carry(game, {"Rope"});
    game.Press(gSettings.keys.inventory);
    ASSERT_EQ(game.Top(), SCREEN_INVENTORY);
    const Inventory& shown = game.Find<InventoryScreen>()->inventory;
    EXPECT_EQ(shown.goldText.getString(), "137");
    EXPECT_EQ(shown.shownNames, std::vector<std::string>{"Rope"});
    for (int32_t key : {gSettings.keys.escape, ENTER, gSettings.keys.up}) {
        game.Press(key);
        EXPECT_EQ(game.Top(), SCREEN_INVENTORY) << key;
    }
    EXPECT_EQ(game.Session().Inventory(), std::vector<std::string>{"Rope"});
    game.Press(gSettings.keys.inventory);
    EXPECT_EQ(game.Top(), SCREEN_ROAMING);
}

}  // namespace
