#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "core/SoundEffects.h"
#include "support/Files.h"
#include "support/GameHarness.h"

namespace {

class SoundEffectPoolTest : public testing::Test {
protected:
    void SetUp() override {
        ResetSoundEffectPool();
        SetEffectsVolume(100.0f);
        WriteToneFile("short.wav", 0.05f);
        WriteToneFile("long.wav", 0.6f);
        WriteToneFile("longer.wav", 0.9f);
    }
    void TearDown() override { ResetSoundEffectPool(); }

    // Reaps once per simulated frame until the pool shrinks to count (or a generous deadline passes).
    static void ReapUntil(size_t count) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (gSoundEffects.effects.size() > count && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            ReapSoundEffects();
        }
    }
    static std::vector<const sf::SoundBuffer*> Buffers() {
        std::vector<const sf::SoundBuffer*> buffers;
        for (const auto& effect : gSoundEffects.effects)
            buffers.push_back(effect->sound.getBuffer());
        return buffers;
    }

    ScratchFolder folder;
};

TEST_F(SoundEffectPoolTest, EffectsStartedTogetherAreBothReapedWhicheverEndsFirst) {
    for (const char* order : {"short-first", "long-first"}) {
        SCOPED_TRACE(order);
        const bool shortFirst = std::string(order) == "short-first";
        PlaySoundEffect(shortFirst ? "short.wav" : "long.wav");
        PlaySoundEffect(shortFirst ? "long.wav" : "short.wav");
        ASSERT_EQ(gSoundEffects.effects.size(), 2u);
        for (const auto& effect : gSoundEffects.effects)
            EXPECT_EQ(effect->sound.getStatus(), sf::Sound::Playing);
        ReapUntil(1);
        ASSERT_EQ(gSoundEffects.effects.size(), 1u);
        EXPECT_GT(gSoundEffects.effects[0]->buffer.getDuration().asSeconds(), 0.5f);  // the long one is left
        ReapUntil(0);
        EXPECT_TRUE(gSoundEffects.effects.empty());
    }
}

TEST_F(SoundEffectPoolTest, SurvivorsKeepTheirStartOrder) {
    PlaySoundEffect("long.wav");
    PlaySoundEffect("short.wav");
    PlaySoundEffect("longer.wav");
    const auto before = Buffers();
    ReapUntil(2);
    const auto after = Buffers();
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(after[0], before[0]);
    EXPECT_EQ(after[1], before[2]);
}

TEST_F(SoundEffectPoolTest, SilentVolumesStillStartAndReapEffects) {
    SetEffectsVolume(0.0f);
    PlaySoundEffect("short.wav");
    ASSERT_EQ(gSoundEffects.effects.size(), 1u);
    EXPECT_EQ(gSoundEffects.effects[0]->sound.getVolume(), 0.0f);
    EXPECT_EQ(gSoundEffects.effects[0]->sound.getStatus(), sf::Sound::Playing);
    ReapUntil(0);
    EXPECT_TRUE(gSoundEffects.effects.empty());
}

TEST_F(SoundEffectPoolTest, AMissingFilePlaysNothingAndLeavesThePoolAsItWas) {
    PlaySoundEffect("long.wav");
    PlaySoundEffect("Assets/Sounds/NoSuchSound.wav");
    EXPECT_EQ(gSoundEffects.effects.size(), 1u);
}

}  // namespace
