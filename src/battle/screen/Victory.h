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
    uint32_t moneyLeft = 0;      // the left-hand number of the count: what is still to move across
    int32_t shownGold = 0;       // the right-hand number
    float transferTimer = 0.0f;  // seconds until the next step of the count
};

// The reward goes into the session's gold at once (never past what a save holds); the screen only counts
// it across.
void ShowVictory(VictoryState& victory, GameSession& session, uint32_t moneyEarned);
void UpdateVictory(VictoryState& victory, float dt);
void DrawVictory(sf::RenderWindow& window, const VictoryState& victory);

// Over the won battle, whose fighters go on moving: ENTER goes back to the map the battle was fought on.
class VictoryScreen final : public Screen {
public:
    VictoryScreen(ScreenContext context, GameSession& session, uint32_t moneyEarned)
        : context_(context), session_(session), moneyEarned_(moneyEarned) {}
    ScreenKind Kind() const override { return SCREEN_VICTORY; }
    void Load() override { ShowVictory(victory, session_, moneyEarned_); }
    // LeaveVictory: the victory and the battle go.
    void Key(const sf::Event::KeyEvent& key) override;
    void Update(float dt) override { UpdateVictory(victory, dt); }
    void Draw(sf::RenderWindow& window) override { DrawVictory(window, victory); }
    bool CoversBelow() const override { return false; }
    bool WorldGoesOnBelow() const override { return true; }

    VictoryState victory;

private:
    ScreenContext context_;
    GameSession& session_;
    uint32_t moneyEarned_;
};
