#include "battle/CombatantAnimation.h"

#include "battle/BattleLayout.h"
#include "battle/BattleState.h"
#include "core/Pictures.h"

BattleEffectSheets gBattleEffects;

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

AnimationSlot RestAnimation(const Combatant& combatant) {
    if (combatant.state == STATE_PARALYSED && combatant.animations[ANIM_PARALYSED].frameCount > 0)
        return ANIM_PARALYSED;
    return ANIM_IDLE;
}

void StepEffect(Combatant& combatant, float dt) {
    if (combatant.effectActive == 0 || !combatant.effect) return;
    BattleEffect& effect = *combatant.effect;
    effect.animation.sprite = &effect.sprite;
    AnimateSpriteSheet(effect.animation, dt);
    if (effect.animation.finished == 1) {
        combatant.effect.reset();
        combatant.effectActive = 0;
    }
}

void StepAnimation(Combatant& combatant, float dt) {
    SpriteSheetAnimation& animation = combatant.animations[static_cast<size_t>(combatant.currentAnimation)];
    animation.sprite = &combatant.sprite;
    if (combatant.state == STATE_DEAD) {
        // The death animation stops on its last frame: the fallen stay down.
        if (animation.finished == 0) AnimateSpriteSheet(animation, dt);
        return;
    }
    AnimateSpriteSheet(animation, dt);
    if (animation.loop != 1 && animation.finished == 1) {
        RestartAnimation(animation);
        PlayAnimation(combatant, RestAnimation(combatant));
    }
}

}  // namespace

void LoadBattleEffects() {
    for (int kind = 0; kind < EFFECT_KIND_COUNT; ++kind)
        LoadPicture(gBattleEffects.textures[static_cast<size_t>(kind)], EFFECT_SHEETS[kind].path);
}

void ReleaseBattleEffects() {
    gBattleEffects = BattleEffectSheets{};
}

void PlayAnimation(Combatant& combatant, AnimationSlot slot) {
    SpriteSheetAnimation& animation = combatant.animations[static_cast<size_t>(slot)];
    if (animation.frameCount == 0) return;
    combatant.currentAnimation = slot;
    RestartAnimation(animation);
    combatant.sprite.setTextureRect(animation.frameRect);
}

BattleEffect CreateEffect(EffectKind kind, sf::Vector2f position, bool mirrored) {
    const EffectSheet& sheet = EFFECT_SHEETS[kind];
    BattleEffect effect;
    effect.sprite.setTexture(gBattleEffects.textures[static_cast<size_t>(kind)]);
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

void StartEffect(Combatant& combatant, EffectKind kind, bool mirrored) {
    combatant.effect = CreateEffect(kind, combatant.sprite.getPosition(), mirrored);
    combatant.effectActive = 1;
}

void AnimateCombatant(Combatant& combatant, float dt) {
    StepEffect(combatant, dt);
    StepAnimation(combatant, dt);
    const uint8_t alpha = combatant.state == STATE_DEAD ? DEAD_ALPHA : 255;
    combatant.sprite.setColor(sf::Color(255, 255, 255, alpha));
}

void AnimateEnemies(float dt) {
    for (EnemyCombatant& enemy : gBattle.enemies)
        AnimateCombatant(enemy, dt);
}

void AnimateParty(float dt) {
    for (PartyCombatant& member : gBattle.party)
        AnimateCombatant(member, dt);
}
