#include "content/Reach.h"

#include "core/KeyNames.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "world/Player.h"

namespace {

constexpr float PROMPT_PARKED = -1000.0f;
constexpr float REACH_ENEMY = 80.0f;
constexpr float REACH_FRIEND = 20.0f;
constexpr unsigned PROMPT_TEXT_SIZE = 15;  // map pixels, like the bubble it is written on

sf::FloatRect Grown(const sf::FloatRect& rect, float margin) {
    return {rect.left - margin, rect.top - margin, rect.width + 2.0f * margin, rect.height + 2.0f * margin};
}

// The key bound to ENTER, written on the bubble, the bubble's foot at (x, y).
void ShowPrompt(InteractionPrompt& prompt, float x, float y) {
    prompt.text.setString(KeyName(gSettings.keys.enter));
    prompt.sprite.setPosition(x, y);
    prompt.text.setPosition(x, prompt.sprite.getGlobalBounds().top + 2.0f);
    prompt.text.setOrigin(prompt.text.getLocalBounds().width * 0.5f, 0.0f);
}

}  // namespace

int32_t InNpcReach(MapScene& scene, const Npc& npc) {
    const bool enemy = npc.type == NPC_BATTLE;
    const float margin = enemy ? REACH_ENEMY : REACH_FRIEND;
    if (!Grown(npc.box, margin).intersects(scene.hero.footBox)) return 0;
    if (!enemy)
        ShowPrompt(scene.prompt, npc.box.left + npc.box.width * 0.5f, npc.box.top - npc.box.height * 3.0f);
    return 1;
}

int32_t InItemReach(MapScene& scene, const MapItem& item) {
    return InZone(scene, item.bounds) ? 1 : 0;
}

bool InZone(MapScene& scene, const sf::FloatRect& zone) {
    if (!Grown(zone, REACH_FRIEND).intersects(scene.hero.footBox)) return false;
    ShowPrompt(scene.prompt, zone.left + zone.width * 0.5f, zone.top);
    return true;
}

void BuildInteractionPrompt(InteractionPrompt& prompt) {
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

void DrawInteractionPrompt(sf::RenderWindow& window, const InteractionPrompt& prompt) {
    window.draw(prompt.sprite);
    window.draw(prompt.text);
}

void ParkInteractionPrompt(InteractionPrompt& prompt) {
    prompt.sprite.setPosition(PROMPT_PARKED, PROMPT_PARKED);
    prompt.text.setPosition(PROMPT_PARKED, PROMPT_PARKED);
}
