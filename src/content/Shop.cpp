#include "content/Shop.h"

#include "core/Log.h"
#include "core/Pictures.h"
#include "core/Screen.h"
#include "core/Settings.h"
#include "core/SoundEffects.h"
#include "core/Text.h"
#include "world/GameSession.h"

namespace {

// Laid out in reference-screen pixels.
const sf::Vector2f FRAME_AT = {960.0f, 450.0f};
constexpr float FRAME_SCALE = 1.8f;
const sf::Vector2f FIRST_GOOD_AT = {960.0f, 520.0f};
constexpr float GOOD_STEP = 390.0f;
constexpr float GOOD_SCALE = 2.3f;
constexpr float CURSOR_SCALE = 3.1f;

struct Good {
    int32_t itemId;
    int32_t price;
    const char* description;
};

const Good GOODS[SHOP_ENTRIES] = {
    {ITEM_MANA_POTION, 30,
     "A mana potion.\nUseful for those wanting\nto cast more spells.\nTastes like blueberries."},
    {ITEM_HP_POTION, 50, "A healing potion.\nPerfect to treat\nmost wounds.\nTastes like raspberries."},
};

void BuildPicture(sf::Texture& texture, sf::Sprite& sprite, const char* path, sf::Vector2f at, float scale) {
    texture.loadFromFile(path);
    sprite = sf::Sprite(texture);
    CentreOrigin(sprite);
    sprite.setPosition(at);
    sprite.setScale(scale, scale);
}

sf::Text WhiteText(const Shop& shop, unsigned size, sf::Vector2f at) {
    sf::Text text("", shop.font, size);
    text.setFillColor(sf::Color::White);
    text.setPosition(at);
    return text;
}

void ShowEntry(Shop& shop, int index) {
    const ShopEntry& entry = shop.entries[static_cast<size_t>(index)];
    shop.shownDescription = &entry.description;
    char price[40];
    FormatText(price, sizeof price, "Price : %d gold", entry.price);
    shop.priceText.setString(price);
}

void Buy(GameSession& session, const ShopEntry& entry) {
    // Gold is taken only for a potion that finds its place in the pouch.
    if (entry.locked == 0) session.Buy(entry.itemId, entry.price);
    // Played for a refused purchase too.
    PlaySoundEffect(SOUND_BUY_CONFIRM);
}

}  // namespace

void LoadShop(Shop& shop, const GameSession& session) {
    shop.font.loadFromFile(GAME_FONT);
    BuildPicture(shop.frameTexture, shop.frame, "Assets/Sprites/Shop/Hud/Full_Shop.png", FRAME_AT,
                 FRAME_SCALE);
    BuildPicture(shop.cursorTexture, shop.cursor, "Assets/Sprites/Shop/Hud/Cursor.png", FIRST_GOOD_AT,
                 CURSOR_SCALE);
    for (int i = 0; i < SHOP_ENTRIES; ++i) {
        ShopEntry& entry = shop.entries[static_cast<size_t>(i)];
        char picture[60];
        FormatText(picture, sizeof picture, "Assets/Sprites/Shop/Items/Item%d.png", i + 1);
        const sf::Vector2f at = {FIRST_GOOD_AT.x + GOOD_STEP * static_cast<float>(i), FIRST_GOOD_AT.y};
        BuildPicture(entry.texture, entry.sprite, picture, at, GOOD_SCALE);
        entry.price = GOODS[i].price;
        entry.itemId = GOODS[i].itemId;
        entry.locked = 0;
        entry.description = WhiteText(shop, 20, {355.0f, 340.0f});
        entry.description.setString(GOODS[i].description);
    }
    shop.priceText = WhiteText(shop, 25, {390.0f, 515.0f});
    shop.warningText = WhiteText(shop, 25, {355.0f, 590.0f});
    shop.warningText.setString("You don't have enough\n gold to buy that !");
    shop.goldText = WhiteText(shop, 30, {1360.0f, 215.0f});
    ShowEntry(shop, 0);
    shop.canAfford = 1;
    ShowShopGold(shop, session);
    shop.built = true;
    LogDebug("%d\n", session.Gold());
}

int SelectedShopEntry(const Shop& shop) {
    for (int i = 0; i < SHOP_ENTRIES; ++i) {
        if (shop.entries[static_cast<size_t>(i)].sprite.getPosition() == shop.cursor.getPosition()) return i;
    }
    return -1;
}

bool HandleShopKey(Shop& shop, GameSession& session, const sf::Event::KeyEvent& keyEvent) {
    const KeyBindings& keys = gSettings.keys;
    const int code = keyEvent.code;
    const int selected = SelectedShopEntry(shop);
    if (code == keys.enter && selected >= 0) Buy(session, shop.entries[static_cast<size_t>(selected)]);
    if (code == keys.escape) {
        LogDebug("im out\n");
        return true;
    }
    const sf::Vector2f at = shop.cursor.getPosition();
    if (code == keys.left) {
        if (at.x == shop.entries[0].sprite.getPosition().x) return false;
        shop.cursor.setPosition(at.x - GOOD_STEP, at.y);
    } else if (code == keys.right) {
        if (at.x == shop.entries[SHOP_ENTRIES - 1].sprite.getPosition().x) return false;
        shop.cursor.setPosition(at.x + GOOD_STEP, at.y);
    } else {
        return false;
    }
    const int moved = SelectedShopEntry(shop);
    if (moved >= 0) {
        ShowEntry(shop, moved);
        shop.canAfford = shop.entries[static_cast<size_t>(moved)].price <= session.Gold() ? 1 : 0;
    }
    PlaySoundEffect(SOUND_CHANGE_POSITION);
    return false;
}

void ShowShopGold(Shop& shop, const GameSession& session) {
    ShowNumber(shop.goldText, session.Gold());
}

void DrawShop(sf::RenderWindow& window, const Shop& shop) {
    if (!shop.built) return;
    ApplyReferenceView(window);
    window.draw(shop.frame);
    if (shop.shownDescription != nullptr) window.draw(*shop.shownDescription);
    window.draw(shop.priceText);
    window.draw(shop.goldText);
    if (shop.canAfford == 0) window.draw(shop.warningText);
    window.draw(shop.cursor);
    for (const ShopEntry& entry : shop.entries)
        window.draw(entry.sprite);
    ApplyMainView(window);
}

void ShopScreen::Key(const sf::Event::KeyEvent& key) {
    if (HandleShopKey(shop, session_, key)) context_.requests.Pop();
}
