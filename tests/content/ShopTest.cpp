// The shop: two potions for gold into the battle pouch, a cursor by position, the warning, the sounds;
// and the merchant whose third dialogue opens it.

#include <gtest/gtest.h>

#include "content/ContentFixture.h"
#include "content/Items.h"
#include "content/MapContent.h"
#include "content/Shop.h"
#include "core/GameStates.h"
#include "core/Settings.h"
#include "core/SoundEffects.h"
#include "frontend/RoamingScreen.h"
#include "support/Files.h"
#include "support/PlayedSounds.h"
#include "world/GameSession.h"

namespace {

using DefaultKeys::ENTER;

uint16_t PotionsOf(int32_t id) {
    for (const PouchSlot& slot : gSession.pouch.slots) {
        if (slot.itemId == id) return slot.count;
    }
    return 0;
}

struct ShopGame : YardGame {
    ShopGame() { gStates.roamingOverlay = OVERLAY_SHOP; }
};

TEST(Shop, WithFortyGoldTheManaPotionSellsAndTheHealingPotionIsRefusedWithTheSameSound) {
    ShopGame game;
    gSession.gold = 40;
    game.PressKey(ENTER);
    EXPECT_EQ(gSession.gold, 10);
    EXPECT_EQ(PotionsOf(ITEM_MANA_POTION), 1);
    EXPECT_EQ(EffectsPlaying(SOUND_BUY_CONFIRM), 1u);
    game.PressKey(gSettings.keys.right);
    EXPECT_EQ(SelectedShopEntry(), 1);
    EXPECT_EQ(gShop.priceText.getString(), "Price : 50 gold");
    EXPECT_EQ(gShop.canAfford, 0);
    EXPECT_EQ(EffectsPlaying(SOUND_CHANGE_POSITION), 1u);
    game.PressKey(ENTER);
    EXPECT_EQ(gSession.gold, 10);
    EXPECT_EQ(PotionsOf(ITEM_HP_POTION), 0);
    EXPECT_EQ(EffectsPlaying(SOUND_BUY_CONFIRM), 2u);
    game.Step(0.01f);
    EXPECT_EQ(gShop.goldText.getString(), "10");
}

TEST(Shop, TheCursorStopsAtBothEndsSilently) {
    ShopGame game;
    game.PressKey(gSettings.keys.left);
    EXPECT_EQ(SelectedShopEntry(), 0);
    game.PressKey(gSettings.keys.right);
    game.PressKey(gSettings.keys.right);
    EXPECT_EQ(SelectedShopEntry(), 1);
    EXPECT_EQ(EffectsPlaying(SOUND_CHANGE_POSITION), 1u);
    game.PressKey(gSettings.keys.left);
    EXPECT_EQ(gShop.shownDescription, &gShop.entries[0].description);
    EXPECT_EQ(gShop.entries[0].description.getString(),
              "A mana potion.\nUseful for those wanting\nto cast more spells.\nTastes like blueberries.");
}

TEST(Shop, AFreshShopShowsTheManaPotionAndNoWarningWhateverTheGold) {
    ShopGame game;
    gSession.gold = 0;
    EXPECT_EQ(SelectedShopEntry(), 0);
    EXPECT_EQ(gShop.priceText.getString(), "Price : 30 gold");
    EXPECT_EQ(gShop.canAfford, 1);
    game.Step(0.01f);
    const sf::Image shown = game.Capture();
    // The frame covers the map at the middle of the screen.
    EXPECT_NE(shown.getPixel(960, 300), SheetColour(0));
    game.PressKey(gSettings.keys.escape);
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_NONE);
}

// A battle closes up the slot of a potion kind it used up; a potion of that kind bought afterwards takes
// the empty slot: the gold is never taken for nothing.
TEST(Shop, ABoughtPotionWhoseKindHasNoSlotTakesAnEmptyOne) {
    ShopGame game;
    gSession.pouch.slots[0] = {ITEM_HP_POTION, 2};
    gSession.pouch.slots[1] = {ITEM_NONE, 0};
    gSession.gold = 100;
    game.PressKey(ENTER);  // the Mana potion
    EXPECT_EQ(gSession.gold, 70);
    EXPECT_EQ(gSession.pouch.slots[0].count, 2);
    EXPECT_EQ(gSession.pouch.slots[1].itemId, ITEM_MANA_POTION);
    EXPECT_EQ(gSession.pouch.slots[1].count, 1);
}

TEST(Shop, WithNoRoomInThePouchNothingIsSoldAndNoGoldTaken) {
    ShopGame game;
    gSession.pouch.slots[0] = {ITEM_HP_POTION, 3};
    gSession.pouch.slots[1] = {ITEM_MANA_POTION, UINT16_MAX};
    gSession.gold = 100;
    game.PressKey(ENTER);
    EXPECT_EQ(gSession.gold, 100);
    EXPECT_EQ(gSession.pouch.slots[1].count, UINT16_MAX);
}

// The merchant stands beside the hero in the village; his three dialogues are Hello, Again, Hello.
struct MerchantGame : YardGame {
    MerchantGame()
        : YardGame({Talker(300, 330, {"Hello", "Again", "Hello"}, NPC_MERCHANT)}, {}, "GoblinVillage") {
        WriteWholeFile("Assets/Text/Maps/GoblinVillage/FishingRod.txt", "pos 2000 600\nFishingRod\n");
        Step(0.01f);
    }
    Npc& Merchant() { return gMapContent.npcList.npcs.at(0); }
    // ENTER until his dialogue closes.
    void TalkThrough() {
        for (int press = 0; press < 10 && (press == 0 || Merchant().open == 1); ++press)
            PressKey(ENTER);
    }
};

TEST(Merchant, FirstTalkOpensTheRoadsThenThePurseBuysTheRodAndTheThirdDialogueEndsInTheShop) {
    MerchantGame game;
    MapItemList purse;
    AddMapItem(purse, "Burse", {0, 0});
    PickUpItem(purse, 0);
    game.PressKey(ENTER);  // the first talk only meets him, purse or not
    EXPECT_EQ(gSession.story.merchantMet, 1);
    EXPECT_EQ(gSession.story.worldMapOpen, 1);
    EXPECT_EQ(gSession.story.purseDelivered, 0);
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_DIALOGUE);
    EXPECT_EQ(game.Merchant().dialogues[0].reveal.text.getString(), "Good morning!");
    // The next press, his first dialogue still open, makes the exchange; his thanks start at their
    // first page instead of paging through a dialogue never opened.
    game.PressKey(ENTER);
    EXPECT_EQ(gSession.story.purseDelivered, 1);
    EXPECT_EQ(gSession.story.fishingUnlocked, 1);
    ASSERT_EQ(gSession.inventory.size(), 1u);
    EXPECT_EQ(gSession.inventory[0].name, "FishingRod");
    EXPECT_EQ(game.Merchant().currentDialogue, 1);
    EXPECT_EQ(game.Merchant().dialogues[1].reveal.text.getString(), "Back so soon?");
    game.TalkThrough();
    EXPECT_EQ(gSession.story.shopUnlocked, 0);  // closing his thanks does not open the shop yet
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_NONE);
    game.TalkThrough();
    EXPECT_EQ(gSession.story.shopUnlocked, 1);
    EXPECT_EQ(game.Merchant().currentDialogue, 2);
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_SHOP);
    game.PressKey(gSettings.keys.escape);
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_NONE);
    game.TalkThrough();  // every later talk ends in the shop again
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_SHOP);
}

}  // namespace
