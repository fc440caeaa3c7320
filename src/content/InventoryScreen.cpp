#include "content/InventoryScreen.h"

#include "core/Screen.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "world/GameSession.h"

namespace {

const sf::Vector2f GRID_BACKDROP_AT = {725.0f, 165.0f};
constexpr unsigned GOLD_TEXT_SIZE = 15;
const sf::Color GOLD_TEXT_COLOUR(231, 37, 222);

}  // namespace

void BuildInventoryScreen(Inventory& inventory) {
    inventory.backgroundTexture.loadFromFile(INVENTORY_BACKGROUND);
    inventory.background = sf::Sprite(inventory.backgroundTexture);
    inventory.background.setPosition(REFERENCE_WIDTH / 20.0f, REFERENCE_HEIGHT / 1.5f);
    inventory.gridTexture.loadFromFile(INVENTORY_GRID);
    inventory.grid = sf::Sprite(inventory.gridTexture);
    inventory.grid.setPosition(GRID_BACKDROP_AT);
    inventory.font.loadFromFile(GAME_FONT);
    inventory.goldText = sf::Text("", inventory.font, GOLD_TEXT_SIZE);
    inventory.goldText.setFillColor(GOLD_TEXT_COLOUR);
    inventory.goldText.setPosition(REFERENCE_WIDTH / 12.0f, REFERENCE_HEIGHT / 1.1f);
    ShowInventoryGold(inventory);
    inventory.built = true;
}

void ShowInventoryGold(Inventory& inventory) {
    ShowNumber(inventory.goldText, gSession.gold);
}

void DrawInventory(sf::RenderWindow& window, const Inventory& inventory) {
    if (!inventory.built) return;
    ApplyReferenceView(window);
    window.draw(inventory.background);
    window.draw(inventory.goldText);
    window.draw(inventory.grid);
    for (const MapItem& item : gSession.inventory)
        window.draw(item.sprite);
}

void InventoryScreen::Key(const sf::Event::KeyEvent& key) {
    if (key.code == gSettings.keys.inventory) context_.requests.Pop();
}
