#pragma once
// The inventory over the map: the gold panel, the grid backdrop and the twenty places with what the
// hero carries. The INVENTORY key opens and closes it; every other key waits until it is closed.

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <memory>
#include <string>
#include <vector>

#include "core/Screens.h"
#include "world/GameSession.h"

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
    // The carried items' pictures, place by place, and the names they show.
    std::vector<std::string> shownNames;
    std::vector<std::unique_ptr<sf::Texture>> itemTextures;
    std::vector<sf::Sprite> items;
    bool built = false;
};

void BuildInventoryScreen(Inventory& inventory, const GameSession& session);
// The gold and the twenty places as the session holds them now.
void ShowInventory(Inventory& inventory, const GameSession& session);
void DrawInventory(sf::RenderWindow& window, const Inventory& inventory);

class InventoryScreen final : public Screen {
public:
    InventoryScreen(ScreenContext context, const GameSession& session)
        : context_(context), session_(session) {}
    ScreenKind Kind() const override { return SCREEN_INVENTORY; }
    void Load() override { BuildInventoryScreen(inventory, session_); }
    void Key(const sf::Event::KeyEvent& key) override;
    void Update(float) override { ShowInventory(inventory, session_); }
    void Draw(sf::RenderWindow& window) override { DrawInventory(window, inventory); }
    bool CoversBelow() const override { return false; }
    bool WorldGoesOnBelow() const override { return true; }

    Inventory inventory;

private:
    ScreenContext context_;
    const GameSession& session_;
};
