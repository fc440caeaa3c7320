#include "content/Reach.h"

#include "core/KeyNames.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "world/Player.h"

InteractionPrompt gPrompt;

namespace {

constexpr float PROMPT_PARKED = -1000.0f;
constexpr float REACH_ENEMY = 80.0f;
constexpr float REACH_FRIEND = 20.0f;
constexpr unsigned PROMPT_TEXT_SIZE = 15;  // map pixels, like the bubble it is written on

sf::FloatRect Grown(const sf::FloatRect& rect, float margin) {
    return {rect.left - margin, rect.top - margin, rect.width + 2.0f * margin, rect.height + 2.0f * margin};
}

// The key bound to ENTER, written on the bubble, the bubble's foot at (x, y).
void ShowPrompt(float x, float y) {
    InteractionPrompt& prompt = gPrompt;
    prompt.text.setString(KeyName(gSettings.keys.enter));
    prompt.sprite.setPosition(x, y);
    prompt.text.setPosition(x, prompt.sprite.getGlobalBounds().top + 2.0f);
    prompt.text.setOrigin(prompt.text.getLocalBounds().width * 0.5f, 0.0f);
}

}  // namespace

int32_t InNpcReach(const Npc& npc) {
    const bool enemy = npc.type == NPC_BATTLE;
    const float margin = enemy ? REACH_ENEMY : REACH_FRIEND;
    if (!Grown(npc.box, margin).intersects(gPlayer.footBox)) return 0;
    if (!enemy) ShowPrompt(npc.box.left + npc.box.width * 0.5f, npc.box.top - npc.box.height * 3.0f);
    return 1;
}

int32_t InItemReach(const MapItem& item) {
    if (!Grown(item.bounds, REACH_FRIEND).intersects(gPlayer.footBox)) return 0;
    ShowPrompt(item.bounds.left + item.bounds.width * 0.5f, item.bounds.top);
    return 1;
}

void BuildInteractionPrompt() {
    InteractionPrompt& prompt = gPrompt;
    prompt.texture.loadFromFile(PROMPT_PICTURE);
    prompt.sprite = sf::Sprite(prompt.texture);
    const sf::Vector2u size = prompt.texture.getSize();
    prompt.sprite.setOrigin(static_cast<float>(size.x) * 0.5f, static_cast<float>(size.y));
    prompt.sprite.setScale(1.0f / 3.0f, 1.0f / 3.0f);
    prompt.font.loadFromFile(GAME_FONT);
    prompt.text = sf::Text("", prompt.font, PROMPT_TEXT_SIZE);
    prompt.text.setFillColor(sf::Color::Black);
    prompt.built = true;
}

void DrawInteractionPrompt(sf::RenderWindow& window) {
    window.draw(gPrompt.sprite);
    window.draw(gPrompt.text);
}

void ParkInteractionPrompt() {
    gPrompt.sprite.setPosition(PROMPT_PARKED, PROMPT_PARKED);
    gPrompt.text.setPosition(PROMPT_PARKED, PROMPT_PARKED);
}

void ReleaseInteractionPrompt() {
    gPrompt = InteractionPrompt{};
}
