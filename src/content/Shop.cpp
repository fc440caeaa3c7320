#include "content/Shop.h"

#include "core/GameStates.h"
#include "core/Log.h"
#include "core/Pictures.h"
#include "core/Screen.h"
#include "core/Settings.h"
#include "core/SoundEffects.h"
#include "core/Text.h"
#include "world/GameSession.h"

Shop gShop;

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

sf::Text WhiteText(unsigned size, sf::Vector2f at) {
    sf::Text text("", gShop.font, size);
    text.setFillColor(sf::Color::White);
    text.setPosition(at);
    return text;
}

void ShowEntry(int index) {
    const ShopEntry& entry = gShop.entries[static_cast<size_t>(index)];
    gShop.shownDescription = &entry.description;
    char price[40];
    FormatText(price, sizeof price, "Price : %d gold", entry.price);
    gShop.priceText.setString(price);
}

void Buy(ShopEntry& entry) {
    // Gold is taken only for a potion that finds its place in the pouch.
    if (entry.price <= gSession.gold && entry.locked == 0 && AddToPouch(gSession.pouch, entry.itemId))
        gSession.gold -= entry.price;
    // Played for a refused purchase too.
    PlaySoundEffect(SOUND_BUY_CONFIRM);
}

}  // namespace

void LoadShop() {
    gShop.font.loadFromFile(GAME_FONT);
    BuildPicture(gShop.frameTexture, gShop.frame, "Assets/Sprites/Shop/Hud/Full_Shop.png", FRAME_AT,
                 FRAME_SCALE);
    BuildPicture(gShop.cursorTexture, gShop.cursor, "Assets/Sprites/Shop/Hud/Cursor.png", FIRST_GOOD_AT,
                 CURSOR_SCALE);
    for (int i = 0; i < SHOP_ENTRIES; ++i) {
        ShopEntry& entry = gShop.entries[static_cast<size_t>(i)];
        char picture[60];
        FormatText(picture, sizeof picture, "Assets/Sprites/Shop/Items/Item%d.png", i + 1);
        const sf::Vector2f at = {FIRST_GOOD_AT.x + GOOD_STEP * static_cast<float>(i), FIRST_GOOD_AT.y};
        BuildPicture(entry.texture, entry.sprite, picture, at, GOOD_SCALE);
        entry.price = GOODS[i].price;
        entry.itemId = GOODS[i].itemId;
        entry.locked = 0;
        entry.description = WhiteText(20, {355.0f, 340.0f});
        entry.description.setString(GOODS[i].description);
    }
    gShop.priceText = WhiteText(25, {390.0f, 515.0f});
    gShop.warningText = WhiteText(25, {355.0f, 590.0f});
    gShop.warningText.setString("You don't have enough\n gold to buy that !");
    gShop.goldText = WhiteText(30, {1360.0f, 215.0f});
    ShowEntry(0);
    gShop.canAfford = 1;
    ShowShopGold();
    gShop.built = true;
    LogDebug("%d\n", gSession.gold);
}

int SelectedShopEntry() {
    for (int i = 0; i < SHOP_ENTRIES; ++i) {
        if (gShop.entries[static_cast<size_t>(i)].sprite.getPosition() == gShop.cursor.getPosition())
            return i;
    }
    return -1;
}

void HandleShopKey(const sf::Event::KeyEvent& keyEvent) {
    const KeyBindings& keys = gSettings.keys;
    const int code = keyEvent.code;
    const int selected = SelectedShopEntry();
    if (code == keys.enter && selected >= 0) Buy(gShop.entries[static_cast<size_t>(selected)]);
    if (code == keys.escape) {
        LogDebug("im out\n");
        gStates.roamingOverlay = OVERLAY_NONE;
        return;
    }
    const sf::Vector2f at = gShop.cursor.getPosition();
    if (code == keys.left) {
        if (at.x == gShop.entries[0].sprite.getPosition().x) return;
        gShop.cursor.setPosition(at.x - GOOD_STEP, at.y);
    } else if (code == keys.right) {
        if (at.x == gShop.entries[SHOP_ENTRIES - 1].sprite.getPosition().x) return;
        gShop.cursor.setPosition(at.x + GOOD_STEP, at.y);
    } else {
        return;
    }
    const int moved = SelectedShopEntry();
    if (moved >= 0) {
        ShowEntry(moved);
        gShop.canAfford = gShop.entries[static_cast<size_t>(moved)].price <= gSession.gold ? 1 : 0;
    }
    PlaySoundEffect(SOUND_CHANGE_POSITION);
}

void ShowShopGold() {
    ShowNumber(gShop.goldText, gSession.gold);
}

void DrawShop(sf::RenderWindow& window) {
    if (!gShop.built) return;
    ApplyReferenceView(window);
    window.draw(gShop.frame);
    if (gShop.shownDescription != nullptr) window.draw(*gShop.shownDescription);
    window.draw(gShop.priceText);
    window.draw(gShop.goldText);
    if (gShop.canAfford == 0) window.draw(gShop.warningText);
    window.draw(gShop.cursor);
    for (const ShopEntry& entry : gShop.entries)
        window.draw(entry.sprite);
    ApplyMainView(window);
}

void UnloadShop() {
    gShop = Shop{};
}
