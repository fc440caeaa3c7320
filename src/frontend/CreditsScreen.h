#pragma once
// The credits: four blocks of text typing themselves out over a picture, and a back button.

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Vector2.hpp>

#include <array>

#include "content/Dialogue.h"
#include "core/Screens.h"

inline constexpr int CREDIT_BLOCK_COUNT = 4;

// One block: its own font and the typewriter reading its file.
struct CreditBlock {
    sf::Font font;
    TextReveal reveal;
};

struct CreditsScreen {
    std::array<CreditBlock, CREDIT_BLOCK_COUNT> blocks;  // programmers, graphic artists, sounds, musics
    sf::Texture backgroundTexture;
    sf::Sprite background;
    sf::Texture backTexture;
    sf::Sprite back;
    bool built = false;
};

// Every visit starts the four blocks from the beginning of their files.
void LoadCreditsScreen(CreditsScreen& credits);
void UpdateCreditsScreen(CreditsScreen& credits, float dt);
void DrawCreditsScreen(sf::RenderWindow& window, const CreditsScreen& credits);
// True when the point (game-area pixels) lies on the back button.
bool CreditsBackButtonContains(const CreditsScreen& credits, sf::Vector2f point);

// The credits in the title's place; ESCAPE or the back button (any mouse button) return to the title.
class CreditsMenuScreen final : public Screen {
public:
    explicit CreditsMenuScreen(ScreenContext context) : context_(context) {}
    ScreenKind Kind() const override { return SCREEN_CREDITS; }
    void Load() override { LoadCreditsScreen(credits); }
    void Key(const sf::Event::KeyEvent& key) override;
    void Click(sf::Vector2f pointer, sf::Mouse::Button button) override;
    void Update(float dt) override { UpdateCreditsScreen(credits, dt); }
    void Draw(sf::RenderWindow& window) override { DrawCreditsScreen(window, credits); }
    MusicWish Music() const override { return MusicWish::TITLE; }

    CreditsScreen credits;

private:
    ScreenContext context_;
};
