#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "core/Animation.h"

namespace {

SpriteSheetAnimation Strip(sf::Sprite& sprite, uint32_t frames, uint32_t fps, int32_t loop) {
    SpriteSheetAnimation animation;
    animation.sprite = &sprite;
    animation.frameCount = frames;
    animation.framesPerSecond = fps;
    animation.frameRect = {0, 32, 16, 32};
    animation.loop = loop;
    return animation;
}

TEST(AnimateSpriteSheet, AimsTheSpriteAtTheCurrentFrameOfTheStrip) {
    sf::Sprite sprite;
    SpriteSheetAnimation animation = Strip(sprite, 4, 10, 1);
    AnimateSpriteSheet(animation, 0.05f);
    EXPECT_EQ(animation.frame, 0u);
    EXPECT_EQ(sprite.getTextureRect(), sf::IntRect(0, 32, 16, 32));  // set even when the frame stays
    AnimateSpriteSheet(animation, 0.06f);
    EXPECT_EQ(animation.frame, 1u);
    EXPECT_EQ(sprite.getTextureRect(), sf::IntRect(16, 32, 16, 32));
}

TEST(AnimateSpriteSheet, ALongFrameSkipsFramesAndWrapsALoop) {
    sf::Sprite sprite;
    SpriteSheetAnimation animation = Strip(sprite, 4, 10, 1);
    AnimateSpriteSheet(animation, 0.95f);  // nine frame durations and a half
    EXPECT_EQ(animation.frame, 1u);        // 9 steps on a 4-frame loop
    EXPECT_NEAR(animation.elapsed, 0.05f, 1e-4f);
    EXPECT_EQ(animation.finished, 0);
    EXPECT_EQ(sprite.getTextureRect().left, 16);
}

TEST(AnimateSpriteSheet, ALongFrameStopsANonLoopingStripOnItsLastFrame) {
    sf::Sprite sprite;
    SpriteSheetAnimation animation = Strip(sprite, 4, 10, 0);
    AnimateSpriteSheet(animation, 2.55f);
    EXPECT_EQ(animation.frame, 3u);
    EXPECT_EQ(animation.finished, 1);
    EXPECT_NEAR(animation.elapsed, 0.05f, 1e-3f);
    EXPECT_EQ(sprite.getTextureRect().left, 48);
    AnimateSpriteSheet(animation, 1.0f);  // stays there until its owner restarts it
    EXPECT_EQ(animation.frame, 3u);
    RestartAnimation(animation);
    AnimateSpriteSheet(animation, 0.0f);
    EXPECT_EQ(animation.frame, 0u);
    EXPECT_EQ(animation.finished, 0);
}

TEST(AnimateSpriteSheet, ZeroFramesPerSecondNeverAdvances) {
    sf::Sprite sprite;
    SpriteSheetAnimation animation = Strip(sprite, 4, 0, 1);
    for (int i = 0; i < 10; ++i)
        AnimateSpriteSheet(animation, 100.0f);
    EXPECT_EQ(animation.frame, 0u);
    EXPECT_EQ(sprite.getTextureRect().left, 0);
}

TEST(AnimateSpriteSheet, AStartFrameOfMinusOneShowsTheCellLeftOfTheStripThenFrameZero) {
    sf::Sprite sprite;
    SpriteSheetAnimation animation = Strip(sprite, 10, 3, 1);
    animation.frame = std::numeric_limits<uint32_t>::max();
    AnimateSpriteSheet(animation, 0.0f);
    EXPECT_EQ(sprite.getTextureRect().left, -16);
    AnimateSpriteSheet(animation, 0.34f);
    EXPECT_EQ(animation.frame, 0u);
    EXPECT_EQ(sprite.getTextureRect().left, 0);
}

TEST(AnimateSpriteSheet, AnHoursLongFrameDoesNotHangTheGame) {
    sf::Sprite sprite;
    SpriteSheetAnimation looping = Strip(sprite, 7, 8, 1);
    AnimateSpriteSheet(looping, 1.0e9f);
    EXPECT_LT(looping.frame, 7u);
    SpriteSheetAnimation once = Strip(sprite, 7, 144, 0);
    AnimateSpriteSheet(once, 1.0e12f);
    EXPECT_EQ(once.frame, 6u);
    EXPECT_EQ(once.finished, 1);
}

}  // namespace
