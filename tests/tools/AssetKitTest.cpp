// The drawing and sound toolkit every generator leans on, at the few points where a slip would spread
// through the whole tree: outlines, light from the top-left, whole-pixel enlarging, notes that die away,
// mixes that never reach full scale, and noise that repeats from its seed.

#include "assetgen/Mixer.h"
#include "assetgen/Palette.h"
#include "assetgen/PixelCanvas.h"
#include "assetgen/Rng.h"
#include "assetgen/Sequencer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

int CountColour(const PixelCanvas& canvas, sf::Color colour) {
    int count = 0;
    for (int i = 0; i < canvas.width * canvas.height; ++i)
        count += PixelAt(canvas, i % canvas.width, i / canvas.width) == colour ? 1 : 0;
    return count;
}

}  // namespace

TEST(AssetKit, OutlineRingsAShapeAndLeavesItsInside) {
    PixelCanvas canvas = MakeCanvas(5, 5);
    PutPixel(canvas, 2, 2, Pal(PAL_GRASS_MID));
    OutlineOpaque(canvas, Pal(PAL_OUTLINE));
    EXPECT_EQ(PixelAt(canvas, 2, 2), Pal(PAL_GRASS_MID));
    EXPECT_EQ(CountColour(canvas, Pal(PAL_OUTLINE)), 4);  // four sides, round pixel-art corners
    EXPECT_EQ(PixelAt(canvas, 1, 1).a, 0);
}

TEST(AssetKit, ShadingLightsTheTopLeftAndDarkensTheBottomRight) {
    PixelCanvas canvas = MakeCanvas(6, 6);
    FillRect(canvas, 1, 1, 4, 4, Pal(PAL_STONE_MID));
    ShadeFromTopLeft(canvas, RAMP_STONE);
    EXPECT_EQ(PixelAt(canvas, 1, 1), Pal(PAL_STONE_LIGHT));
    EXPECT_EQ(PixelAt(canvas, 4, 4), Pal(PAL_STONE_DARK));
    EXPECT_EQ(PixelAt(canvas, 2, 2), Pal(PAL_STONE_MID));
}

TEST(AssetKit, UpscaleCopiesEachPixelIntoAWholeBlock) {
    PixelCanvas canvas = MakeCanvas(2, 1, Pal(PAL_WATER_MID));
    PutPixel(canvas, 1, 0, Pal(PAL_GOLD_MID));
    const PixelCanvas big = Upscale(canvas, 4);
    ASSERT_EQ(big.width, 8);
    ASSERT_EQ(big.height, 4);
    EXPECT_EQ(CountColour(big, Pal(PAL_WATER_MID)), 16);
    EXPECT_EQ(PixelAt(big, 4, 0), Pal(PAL_GOLD_MID));
}

// A note still sounding when its slot ends clicks against the next, or at the seam of a loop.
TEST(AssetKit, NotesFadeToSilenceBeforeTheirSlotEnds) {
    Track track;
    track.notes = ParseTrack("A4 4, R 4");
    track.instrument.adsr = {0.005f, 0.05f, 0.7f, 0.05f};
    std::vector<float> voice(static_cast<std::size_t>(BeatsToSamples(2.0f, 120.0f)), 0.0f);
    RenderTrack(voice, track, 120.0f, 0.0f, false);
    EXPECT_EQ(voice.front(), 0.0f);
    EXPECT_EQ(voice.back(), 0.0f);
    float loudest = 0.0f;
    for (float sample : voice)
        loudest = std::max(loudest, std::fabs(sample));
    EXPECT_GT(loudest, 0.5f);
}

// Noise three times over full scale, limited and normalised, still rounds to 16 bits under -1 dBFS.
TEST(AssetKit, NormalisedMixesNeverReachFullScaleInSixteenBits) {
    Rng rng = MakeRng(7);
    StereoMix mix = MakeMix(20000);
    for (std::size_t i = 0; i < mix.left.size(); ++i) {
        mix.left[i] = (RandomUnit(rng) * 2.0f - 1.0f) * 3.0f;
        mix.right[i] = (RandomUnit(rng) * 2.0f - 1.0f) * 2.0f;
    }
    SoftLimit(mix);
    NormalisePeak(mix, -1.0f);
    int peak = 0;
    for (sf::Int16 sample : ToPcm(mix, 2))
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    EXPECT_LE(20.0 * std::log10(peak / 32768.0), -1.0);
    EXPECT_GT(20.0 * std::log10(peak / 32768.0), -1.2);
}

// The generator's every texture and tune hangs on its seeds: the same seed must give the same noise.
TEST(AssetKit, SameSeedGivesTheSameNoiseAndOtherSeedsOther) {
    Rng first = MakeRng(1234), second = MakeRng(1234), other = MakeRng(1235);
    int differing = 0;
    for (int i = 0; i < 100; ++i) {
        const std::uint32_t value = NextRandom(first);
        EXPECT_EQ(value, NextRandom(second));
        differing += value != NextRandom(other) ? 1 : 0;
    }
    EXPECT_GT(differing, 90);
    Rng ranged = MakeRng(99);
    for (int i = 0; i < 1000; ++i) {
        const int value = RandomRange(ranged, -3, 3);
        ASSERT_TRUE(value >= -3 && value <= 3) << value;
    }
}
