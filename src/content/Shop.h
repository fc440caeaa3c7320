#pragma once
// The merchant's shop: two potions side by side, a cursor between them, a description, the price, the
// hero's gold and a warning when it is short. What is bought goes into the battle pouch.

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/Event.hpp>

#include <array>
#include <cstdint>

#include "core/Screens.h"
#include "world/GameSession.h"

inline constexpr int SHOP_ENTRIES = 2;
inline constexpr const char* SOUND_BUY_CONFIRM = "Assets/Sounds/Shop/BuyConfirm.wav";
inline constexpr const char* SOUND_CHANGE_POSITION = "Assets/Sounds/Interface/ChangePos.wav";

struct ShopEntry {
    int32_t price = 0;
    int32_t locked = 0;
    sf::Text description;
    int32_t itemId = 0;
    sf::Texture texture;
    sf::Sprite sprite;
};

struct Shop {
    std::array<ShopEntry, SHOP_ENTRIES> entries;
    sf::Font font;
    sf::Texture frameTexture;
    sf::Sprite frame;
    sf::Texture cursorTexture;
    sf::Sprite cursor;  // where it stands is what is selected
    sf::Text priceText;
    sf::Text warningText;
    sf::Text goldText;
    const sf::Text* shownDescription = nullptr;
    int32_t canAfford = 1;
    bool built = false;
};

void LoadShop(Shop& shop, const GameSession& session);
// LEFT and RIGHT move the cursor, ENTER buys; true when the key is ESCAPE (the shop closes).
bool HandleShopKey(Shop& shop, GameSession& session, const sf::Event::KeyEvent& keyEvent);
void ShowShopGold(Shop& shop, const GameSession& session);
void DrawShop(sf::RenderWindow& window, const Shop& shop);
// The entry under the cursor, or -1.
int SelectedShopEntry(const Shop& shop);

// The merchant's shop over the map, opened when his last dialogue ends.
class ShopScreen final : public Screen {
public:
    ShopScreen(ScreenContext context, GameSession& session) : context_(context), session_(session) {}
    ScreenKind Kind() const override { return SCREEN_SHOP; }
    void Load() override { LoadShop(shop, session_); }
    void Key(const sf::Event::KeyEvent& key) override;
    void Update(float) override { ShowShopGold(shop, session_); }
    void Draw(sf::RenderWindow& window) override { DrawShop(window, shop); }
    bool CoversBelow() const override { return false; }
    bool WorldGoesOnBelow() const override { return true; }

    Shop shop;

private:
    ScreenContext context_;
    GameSession& session_;
};
