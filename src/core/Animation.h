#pragma once
// Frame stepping of sprite-sheet strips: every frame is the first frame's rectangle moved right.

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include <cstdint>

struct SpriteSheetAnimation {
    sf::Sprite* sprite = nullptr;  // stepped, not owned: several animations may take turns on one sprite
    uint32_t frame = 0;
    uint32_t frameCount = 0;
    uint32_t framesPerSecond = 0;
    sf::IntRect frameRect;
    float elapsed = 0.0f;
    int32_t finished = 0;
    int32_t loop = 0;  // 1 wraps around to frame 0; anything else stops on the last frame
};

// Advances by dt seconds (skipping frames after a long one) and aims the sprite at the current frame.
void AnimateSpriteSheet(SpriteSheetAnimation& animation, float dt);

// Back to the first frame, as owners do before playing an animation again.
void RestartAnimation(SpriteSheetAnimation& animation);
