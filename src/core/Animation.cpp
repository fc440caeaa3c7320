#include "core/Animation.h"

#include <cmath>

namespace {

// A frame lasting hours (the game stopped in a debugger, say) would take billions of steps, and past
// float precision the subtraction below stops shrinking: fold such a time into one turn of the strip.
constexpr float ANIM_MAX_STEPS = 100000.0f;

void FoldHugeElapsed(SpriteSheetAnimation& animation, float frameDuration) {
    if (!(animation.elapsed > frameDuration * ANIM_MAX_STEPS)) return;
    if (animation.loop == 1 && animation.frameCount > 0) {
        const float cycle = frameDuration * static_cast<float>(animation.frameCount);
        animation.elapsed = std::fmod(animation.elapsed, cycle) + cycle;
    } else {
        animation.finished = 1;
        animation.frame = animation.frameCount - 1;
        animation.elapsed = std::fmod(animation.elapsed, frameDuration);
    }
}

}  // namespace

void AnimateSpriteSheet(SpriteSheetAnimation& animation, float dt) {
    animation.elapsed += dt;
    // At 0 frames per second the duration is infinite and the strip never advances.
    const float frameDuration = 1.0f / static_cast<float>(animation.framesPerSecond);
    FoldHugeElapsed(animation, frameDuration);
    while (animation.elapsed > frameDuration) {
        animation.frame += 1;
        animation.elapsed -= frameDuration;
        if (animation.frame >= animation.frameCount) {
            if (animation.loop == 1) {
                animation.frame = 0;
            } else {
                animation.finished = 1;
                animation.frame = animation.frameCount - 1;
            }
        }
    }
    if (animation.sprite == nullptr) return;
    sf::IntRect rect = animation.frameRect;
    rect.left = animation.frameRect.left + animation.frameRect.width * static_cast<int>(animation.frame);
    animation.sprite->setTextureRect(rect);
}

void RestartAnimation(SpriteSheetAnimation& animation) {
    animation.frame = 0;
    animation.elapsed = 0.0f;
    animation.finished = 0;
}
