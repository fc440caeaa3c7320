#include "battle/screen/CombatantAnimation.h"

#include "battle/screen/BattleLayout.h"
#include "battle/screen/Combatants.h"
#include "core/Pictures.h"

namespace {

struct EffectSheet {
    const char* path = nullptr;
    sf::Vector2i frame;
    uint32_t frames = 0;
    uint32_t framesPerSecond = 0;
};

const EffectSheet EFFECT_SHEETS[EFFECT_KIND_COUNT] = {
    {"Assets/Sprites/Battle/Fx/Slash_1-Sheet.png", {64, 128}, 6, 8},
    {"Assets/Sprites/Battle/Fx/Heal-Sheet.png", {64, 64}, 11, 8},
    {"Assets/Sprites/Battle/Fx/Mana-Sheet.png", {64, 64}, 11, 8},
    {"Assets/Sprites/Battle/Fx/Magic-Sheet.png", {64, 128}, 15, 8},
    {"Assets/Sprites/Battle/Fx/Revive-Sheet.png", {64, 128}, 13, 8},
    {"Assets/Sprites/Battle/Fx/Target-Sheet.png", {64, 128}, 21, 16},
    {"Assets/Sprites/Battle/Fx/Paralysis-Sheet.png", {64, 128}, 10, 8},
};

constexpr uint8_t DEAD_ALPHA = 100;

AnimationSlot RestAnimation(const FighterView& view, const Fighter& fighter) {
    if (fighter.state == STATE_PARALYSED && view.animations[ANIM_PARALYSED].frameCount > 0)
        return ANIM_PARALYSED;
    return ANIM_IDLE;
}

void StepEffect(FighterView& view, float dt) {
    if (!view.effect) return;
    BattleEffect& effect = *view.effect;
    effect.animation.sprite = &effect.sprite;
    AnimateSpriteSheet(effect.animation, dt);
    if (effect.animation.finished == 1) view.effect.reset();
}

void StepAnimation(FighterView& view, const Fighter& fighter, float dt) {
    SpriteSheetAnimation& animation = view.animations[static_cast<size_t>(view.currentAnimation)];
    animation.sprite = &view.sprite;
    if (fighter.state == STATE_DEAD) {
        // The death animation stops on its last frame: the fallen stay down.
        if (animation.finished == 0) AnimateSpriteSheet(animation, dt);
        return;
    }
    AnimateSpriteSheet(animation, dt);
    if (animation.loop != 1 && animation.finished == 1) {
        RestartAnimation(animation);
        PlayAnimation(view, RestAnimation(view, fighter));
    }
}

}  // namespace

BattleSheetPictures DecodeBattleSheets() {
    BattleSheetPictures pictures;
    DecodeFighterSheets(pictures);
    for (int kind = 0; kind < EFFECT_KIND_COUNT; ++kind)
        pictures.effects[static_cast<size_t>(kind)].loadFromFile(EFFECT_SHEETS[kind].path);
    return pictures;
}

void MakeBattleSheets(BattleSheets& sheets, const BattleSheetPictures& pictures) {
    // A picture that could not be read leaves its texture empty, as it always has.
    const auto make = [](sf::Texture& texture, const sf::Image& picture) {
        if (picture.getSize().x > 0) texture.loadFromImage(picture);
    };
    for (size_t i = 0; i < ROSTER_SIZE; ++i)
        make(sheets.party[i], pictures.party[i]);
    for (size_t kind = 0; kind < ENEMY_KIND_COUNT; ++kind)
        make(sheets.enemies[kind], pictures.enemies[kind]);
    for (size_t kind = 0; kind < EFFECT_KIND_COUNT; ++kind)
        make(sheets.effects[kind], pictures.effects[kind]);
}

void KeepBattleBackground(BattleSheets& sheets, const std::string& background) {
    if (sheets.backgrounds.contains(background)) return;
    LoadPicture(sheets.backgrounds[background], BATTLE_BACKGROUND_FOLDER + background);
}

void PlayAnimation(FighterView& view, AnimationSlot slot) {
    SpriteSheetAnimation& animation = view.animations[static_cast<size_t>(slot)];
    if (animation.frameCount == 0) return;
    view.currentAnimation = slot;
    RestartAnimation(animation);
    view.sprite.setTextureRect(animation.frameRect);
}

BattleEffect CreateEffect(const BattleSheets& sheets, EffectKind kind, sf::Vector2f position, bool mirrored) {
    const EffectSheet& sheet = EFFECT_SHEETS[kind];
    BattleEffect effect;
    effect.sprite.setTexture(sheets.effects[static_cast<size_t>(kind)]);
    effect.sprite.setTextureRect({0, 0, sheet.frame.x, sheet.frame.y});
    effect.sprite.setScale(mirrored ? -BATTLE_SCALE : BATTLE_SCALE, BATTLE_SCALE);
    effect.sprite.setOrigin(static_cast<float>(sheet.frame.x) * 0.5f, static_cast<float>(sheet.frame.y));
    effect.sprite.setPosition(position);
    effect.animation.frameCount = sheet.frames;
    effect.animation.framesPerSecond = sheet.framesPerSecond;
    effect.animation.frameRect = {0, 0, sheet.frame.x, sheet.frame.y};
    effect.animation.loop = 0;
    return effect;
}

void StartEffect(const BattleSheets& sheets, FighterView& view, EffectKind kind, bool mirrored) {
    view.effect = CreateEffect(sheets, kind, view.sprite.getPosition(), mirrored);
}

void AnimateFighter(FighterView& view, const Fighter& fighter, float dt) {
    StepEffect(view, dt);
    StepAnimation(view, fighter, dt);
    const uint8_t alpha = fighter.state == STATE_DEAD ? DEAD_ALPHA : 255;
    view.sprite.setColor(sf::Color(255, 255, 255, alpha));
}

void AnimateEnemies(Battle& battle, float dt) {
    for (size_t i = 0; i < battle.enemies.size(); ++i)
        AnimateFighter(battle.enemies[i], battle.rules.enemies[i], dt);
}

void AnimateParty(Battle& battle, float dt) {
    for (size_t i = 0; i < battle.party.size(); ++i)
        AnimateFighter(battle.party[i], battle.rules.party[i], dt);
}
