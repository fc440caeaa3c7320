#pragma once
// The victory screen drawn over the won battle: the reward counted into the gold, and the way back to
// the map.

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <cstdint>

#include "core/Screens.h"
#include "world/GameSession.h"

struct VictoryState {
    bool shown = false;
    sf::Texture texture;
    sf::Sprite background;
    sf::Font font;
    sf::Text moneyText, transferText, pressEnterText;
    int32_t shownGold = 0;       // the right-hand number of the count
    float transferTimer = 0.0f;  // seconds until the next step of the count
};

extern VictoryState gVictory;

// The reward goes into the session's gold at once (never past what a save holds); the screen only counts
// it across.
void ShowVictory(GameSession& session);
void UpdateVictory(float dt);
void DrawVictory(sf::RenderWindow& window);
void ReleaseVictory();

// Over the won battle, whose fighters go on moving: ENTER goes back to the map the battle was fought on.
class VictoryScreen final : public Screen {
public:
    explicit VictoryScreen(ScreenContext context) : context_(context) {}
    ScreenKind Kind() const override { return SCREEN_VICTORY; }
    void Load() override;
    void Unload(Leaving) override { ReleaseVictory(); }
    // LeaveVictory: the victory and the battle go.
    void Key(const sf::Event::KeyEvent& key) override;
    void Update(float dt) override { UpdateVictory(dt); }
    void Draw(sf::RenderWindow& window) override { DrawVictory(window); }
    bool CoversBelow() const override { return false; }
    bool WorldGoesOnBelow() const override { return true; }

private:
    ScreenContext context_;
};
