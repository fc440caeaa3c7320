#include "content/InventoryScreen.h"

#include "content/Items.h"
#include "core/Pictures.h"
#include "core/Screen.h"
#include "core/Settings.h"
#include "core/Text.h"

namespace {

const sf::Vector2f GRID_BACKDROP_AT = {725.0f, 165.0f};
constexpr unsigned GOLD_TEXT_SIZE = 15;
const sf::Color GOLD_TEXT_COLOUR(231, 37, 222);

// Each item's picture, at its own size, centred on the cell of its place.
void PlaceItems(Inventory& inventory, const std::vector<std::string>& names) {
    inventory.shownNames = names;
    inventory.itemTextures.clear();
    inventory.items.clear();
    for (size_t place = 0; place < names.size(); ++place) {
        auto& texture = inventory.itemTextures.emplace_back(std::make_unique<sf::Texture>());
        texture->loadFromFile("Assets/Sprites/Items/" + names[place] + ".png");
        sf::Sprite& sprite = inventory.items.emplace_back(*texture);
        CentreOrigin(sprite);
        sprite.setPosition(InventoryCell(static_cast<int>(place)));
    }
}

}  // namespace

void BuildInventoryScreen(Inventory& inventory, const GameSession& session) {
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
    ShowInventory(inventory, session);
    inventory.built = true;
}

void ShowInventory(Inventory& inventory, const GameSession& session) {
    ShowNumber(inventory.goldText, session.Gold());
    if (inventory.shownNames != session.Inventory()) PlaceItems(inventory, session.Inventory());
}

void DrawInventory(sf::RenderWindow& window, const Inventory& inventory) {
    if (!inventory.built) return;
    ApplyReferenceView(window);
    window.draw(inventory.background);
    window.draw(inventory.goldText);
    window.draw(inventory.grid);
    for (const sf::Sprite& item : inventory.items)
        window.draw(item);
}

void InventoryScreen::Key(const sf::Event::KeyEvent& key) {
    if (key.code == gSettings.keys.inventory) context_.requests.Pop();
}
