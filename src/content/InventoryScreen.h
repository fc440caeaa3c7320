#pragma once
// The inventory over the map: the gold panel, the grid backdrop and the twenty places with what the
// hero carries. The INVENTORY key opens and closes it; every other key waits until it is closed.

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>

#include "core/Screens.h"

inline constexpr const char* INVENTORY_BACKGROUND = "Assets/Sprites/Items/Inventory/Inventory.png";
inline constexpr const char* INVENTORY_GRID = "Assets/Sprites/Items/Inventory/Grid.png";

// The inventory screen's own parts; the items it shows are the session's.
struct Inventory {
    sf::Texture backgroundTexture;
    sf::Sprite background;
    sf::Texture gridTexture;  // the backdrop behind the twenty places
    sf::Sprite grid;
    sf::Font font;
    sf::Text goldText;
    bool built = false;
};

void BuildInventoryScreen(Inventory& inventory);
void ShowInventoryGold(Inventory& inventory);
void DrawInventory(sf::RenderWindow& window, const Inventory& inventory);

class InventoryScreen final : public Screen {
public:
    explicit InventoryScreen(ScreenContext context) : context_(context) {}
    ScreenKind Kind() const override { return SCREEN_INVENTORY; }
    void Load() override { BuildInventoryScreen(inventory); }
    void Key(const sf::Event::KeyEvent& key) override;
    void Update(float) override { ShowInventoryGold(inventory); }
    void Draw(sf::RenderWindow& window) override { DrawInventory(window, inventory); }
    bool CoversBelow() const override { return false; }
    bool WorldGoesOnBelow() const override { return true; }

    Inventory inventory;

private:
    ScreenContext context_;
};
