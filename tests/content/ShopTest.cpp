// The merchant's shop: two potions for gold into the battle pouch, a cursor that stops at both ends, a
// refusal that sounds like a sale; and the merchant whose words lead from the purse to the shop.

#include <gtest/gtest.h>

#include "content/ContentScenes.h"
#include "content/DialogueScreen.h"
#include "content/MapScene.h"
#include "content/Shop.h"
#include "core/Settings.h"
#include "core/SoundEffects.h"
#include "support/Journey.h"
#include "support/PlayedSounds.h"
#include "support/Scenes.h"

namespace {

using DefaultKeys::ENTER;

class Shopping : public testing::Test {
protected:
    Shopping() { EnterMap(game, "GoblinVillage", 2); }
    void OpenShop() {
        game.Requests().Push(std::make_unique<ShopScreen>(game.Context(), game.Session()));
        game.Apply();
        ResetSoundEffectPool();
    }
    const Shop& Stall() { return game.Find<ShopScreen>()->shop; }
    uint16_t Potions(int32_t id) {
        for (const PouchSlot& slot : game.Session().Pouch().slots)
            if (slot.itemId == id) return slot.count;
        return 0;
    }
    GameHarness game{UNSEEN};
};

TEST_F(Shopping, FortyGoldBuyAManaPotionButNoHealingPotionAndTheCursorStopsAtBothEnds) {
    game.Session().EarnGold(20);
    OpenShop();
    EXPECT_EQ(Stall().priceText.getString(), "Price : 30 gold");
    game.PressKey(gSettings.keys.left);  // already the first
    EXPECT_EQ(SelectedShopEntry(Stall()), 0);
    EXPECT_EQ(EffectsPlaying(SOUND_CHANGE_POSITION), 0u);
    game.PressKey(ENTER);
    EXPECT_EQ(game.Session().Gold(), 10);
    EXPECT_EQ(Potions(ITEM_MANA_POTION), 1);
    EXPECT_EQ(EffectsPlaying(SOUND_BUY_CONFIRM), 1u);

    game.PressKey(gSettings.keys.right);
    game.PressKey(gSettings.keys.right);  // already the last
    EXPECT_EQ(SelectedShopEntry(Stall()), 1);
    EXPECT_EQ(EffectsPlaying(SOUND_CHANGE_POSITION), 1u);
    EXPECT_EQ(Stall().priceText.getString(), "Price : 50 gold");
    EXPECT_EQ(Stall().canAfford, 0);  // the warning shows
    game.PressKey(ENTER);
    EXPECT_EQ(game.Session().Gold(), 10);
    EXPECT_EQ(Potions(ITEM_HP_POTION), 0);
    EXPECT_EQ(EffectsPlaying(SOUND_BUY_CONFIRM), 2u);  // refused with the same sound
    game.Step(FRAME_DT);
    EXPECT_EQ(Stall().goldText.getString(), "10");
    game.PressKey(gSettings.keys.escape);
    EXPECT_EQ(game.Top(), SCREEN_ROAMING);
}

TEST_F(Shopping, NoGoldIsTakenForAPotionThePouchHasNoRoomFor) {
    GameSession& session = game.Session();
    session.EarnGold(80);
    for (int potion = 0; potion < UINT16_MAX; ++potion)
        session.AddToPouch(ITEM_MANA_POTION);
    // A battle used up the healing potions and closed their slot up.
    session.AddToPouch(ITEM_HP_POTION);
    session.ConsumePotion(ITEM_HP_POTION);
    OpenShop();
    game.PressKey(ENTER);  // a mana potion: the slot holds all it can
    EXPECT_EQ(session.Gold(), 100);
    EXPECT_EQ(Potions(ITEM_MANA_POTION), UINT16_MAX);
    game.PressKey(gSettings.keys.right);
    game.PressKey(ENTER);  // a healing potion takes the empty slot
    EXPECT_EQ(session.Gold(), 50);
    EXPECT_EQ(Potions(ITEM_HP_POTION), 1);
}

std::string Page(GameHarness& game) {
    const Dialogue* shown = game.Find<DialogueScreen>()->Talk().Shown();
    return shown != nullptr ? shown->reveal.page : "";
}

TEST_F(Shopping, TheMerchantTakesThePurseOnlyOnceMetThanksFromTheStartAndOpensHisShopAtTheThirdTalk) {
    Carry(game, {"Burse"});
    const sf::FloatRect merchant = FirstNpcOfType(game, NPC_MERCHANT)->box;
    ASSERT_TRUE(WalkTo(game, {merchant.left + merchant.width + 8, merchant.top, 8, merchant.height}, 0));
    const StoryFlags& story = game.Session().Story();
    game.PressKey(ENTER);  // the first talk only meets him, purse or not
    ASSERT_EQ(game.Top(), SCREEN_DIALOGUE);
    EXPECT_EQ(story.merchantMet, 1);
    EXPECT_EQ(story.worldMapOpen, 1);
    EXPECT_EQ(story.purseDelivered, 0);
    // The next press, his first words still open, makes the exchange; his thanks start at their first
    // page instead of paging through words never opened.
    game.PressKey(ENTER);
    EXPECT_EQ(story.purseDelivered, 1);
    EXPECT_EQ(story.fishingUnlocked, 1);
    EXPECT_EQ(game.Session().Inventory(), std::vector<std::string>{"FishingRod"});
    EXPECT_EQ(Page(game).rfind("Here's your purse!", 0), 0u) << Page(game);
    game.PressEnterUntil([&] { return game.Top() == SCREEN_ROAMING; });
    EXPECT_EQ(story.shopUnlocked, 0);       // his thanks end on the map
    for (int talk = 0; talk < 2; ++talk) {  // and every talk after them in the shop
        game.PressEnterUntil([&] { return game.Top() != SCREEN_ROAMING && game.Top() != SCREEN_DIALOGUE; });
        EXPECT_EQ(game.Top(), SCREEN_SHOP) << talk;
        game.Press(gSettings.keys.escape);
    }
    EXPECT_EQ(story.shopUnlocked, 1);
}

}  // namespace
