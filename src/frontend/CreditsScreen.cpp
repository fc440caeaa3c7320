#include "frontend/CreditsScreen.h"

#include "core/Pictures.h"
#include "core/Screen.h"
#include "core/Text.h"

CreditsScreen gCredits;

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

void StartBlock(int index) {
    CreditBlock& block = gCredits.blocks[static_cast<size_t>(index)];
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

void LoadCreditsScreen() {
    UnloadCreditsScreen();
    for (int index = 0; index < CREDIT_BLOCK_COUNT; ++index)
        StartBlock(index);
    const float s = gScreen.scale;
    // The game area's own view is in place on the menus: no letterbox offset is added here.
    gCredits.backgroundTexture.loadFromFile(CREDITS_BACKGROUND);
    gCredits.background = sf::Sprite(gCredits.backgroundTexture);
    gCredits.background.setScale(s, s);
    gCredits.backTexture.loadFromFile(BACK_BUTTON);
    gCredits.back = sf::Sprite(gCredits.backTexture);
    CentreOrigin(gCredits.back);
    gCredits.back.setPosition(BACK_BUTTON_AT * s);
    gCredits.back.setScale(s, s);
    gCredits.built = true;
}

void UpdateCreditsScreen(float dt) {
    if (!gCredits.built) return;
    for (CreditBlock& block : gCredits.blocks)
        UpdateTextReveal(dt, block.reveal);
}

void DrawCreditsScreen(sf::RenderWindow& window) {
    if (!gCredits.built) return;
    window.draw(gCredits.background);
    for (int index : DRAW_ORDER)
        window.draw(gCredits.blocks[static_cast<size_t>(index)].reveal.text);
    window.draw(gCredits.back);
}

void UnloadCreditsScreen() {
    gCredits = CreditsScreen{};
}

bool CreditsBackButtonContains(sf::Vector2f point) {
    return gCredits.built && gCredits.back.getGlobalBounds().contains(point);
}
