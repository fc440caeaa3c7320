#include "frontend/CreditsScreen.h"

#include "core/Pictures.h"
#include "core/Screen.h"
#include "core/Settings.h"
#include "core/Text.h"

namespace {

constexpr const char* CREDITS_BACKGROUND =
    "Assets/Sprites/Menu/Cr\xE9"
    "dits/Cr\xE9"
    "dits.png";
constexpr const char* BACK_BUTTON = "Assets/Sprites/Menu/Button/Retour arri\xE8re.png";
constexpr float CREDIT_TEXT_SIZE = 25.0f;
const sf::Vector2f BACK_BUTTON_AT(150.0f, 900.0f);  // reference pixels

struct BlockPlace {
    const char* file;
    float x;  // the text's top-left corner, reference pixels
    float y;
};

constexpr BlockPlace BLOCK_PLACES[CREDIT_BLOCK_COUNT] = {
    {"Assets/Text/Credits/Programeurs.txt", 650.0f, 300.0f},
    {"Assets/Text/Credits/Graphistes.txt", 1000.0f, 300.0f},
    {"Assets/Text/Credits/Sounds.txt", 1000.0f, 650.0f},
    {"Assets/Text/Credits/Musics.txt", 650.0f, 650.0f},
};

// The sounds and musics blocks are drawn before the programmers and graphic artists.
constexpr int DRAW_ORDER[CREDIT_BLOCK_COUNT] = {2, 3, 0, 1};

void StartBlock(CreditsScreen& credits, int index) {
    CreditBlock& block = credits.blocks[static_cast<size_t>(index)];
    const BlockPlace& place = BLOCK_PLACES[index];
    const float s = gScreen.scale;
    block.font.loadFromFile(GAME_FONT);
    block.reveal.text = sf::Text("", block.font, static_cast<unsigned>(s * CREDIT_TEXT_SIZE));
    block.reveal.text.setPosition(place.x * s, place.y * s);
    block.reveal.text.setFillColor(sf::Color::Black);
    char path[100];
    FormatText(path, sizeof path, "%s", place.file);
    StartTextReveal(path, block.reveal);
}

}  // namespace

void LoadCreditsScreen(CreditsScreen& credits) {
    for (int index = 0; index < CREDIT_BLOCK_COUNT; ++index)
        StartBlock(credits, index);
    const float s = gScreen.scale;
    // The game area's own view is in place on the menus: no letterbox offset is added here.
    credits.backgroundTexture.loadFromFile(CREDITS_BACKGROUND);
    credits.background = sf::Sprite(credits.backgroundTexture);
    credits.background.setScale(s, s);
    credits.backTexture.loadFromFile(BACK_BUTTON);
    credits.back = sf::Sprite(credits.backTexture);
    CentreOrigin(credits.back);
    credits.back.setPosition(BACK_BUTTON_AT * s);
    credits.back.setScale(s, s);
    credits.built = true;
}

void UpdateCreditsScreen(CreditsScreen& credits, float dt) {
    if (!credits.built) return;
    for (CreditBlock& block : credits.blocks)
        UpdateTextReveal(dt, block.reveal);
}

void DrawCreditsScreen(sf::RenderWindow& window, const CreditsScreen& credits) {
    if (!credits.built) return;
    window.draw(credits.background);
    for (int index : DRAW_ORDER)
        window.draw(credits.blocks[static_cast<size_t>(index)].reveal.text);
    window.draw(credits.back);
}

bool CreditsBackButtonContains(const CreditsScreen& credits, sf::Vector2f point) {
    return credits.built && credits.back.getGlobalBounds().contains(point);
}

void CreditsMenuScreen::Key(const sf::Event::KeyEvent& key) {
    if (key.code == gSettings.keys.escape) context_.requests.SetGameMode(MODE_MENU);
}

void CreditsMenuScreen::Click(sf::Vector2f pointer, sf::Mouse::Button) {
    if (CreditsBackButtonContains(credits, pointer)) context_.requests.SetGameMode(MODE_MENU);
}
