// The drawing and sound toolkit the generators share: what a later generator relies on when it draws a
// map, a character or a HUD, or writes a tune.

#include "assetgen/Mixer.h"
#include "assetgen/PixelFont.h"
#include "assetgen/Rng.h"
#include "assetgen/Sequencer.h"
#include "assetgen/UiFrame.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

int CountColour(const PixelCanvas& canvas, sf::Color colour) {
    int count = 0;
    for (int y = 0; y < canvas.height; ++y)
        for (int x = 0; x < canvas.width; ++x)
            if (PixelAt(canvas, x, y) == colour) ++count;
    return count;
}

StereoMix LoudNoise(std::size_t samples) {
    Rng rng = MakeRng(7);
    StereoMix mix = MakeMix(samples);
    for (std::size_t i = 0; i < samples; ++i) {
        mix.left[i] = (RandomUnit(rng) * 2.0f - 1.0f) * 3.0f;
        mix.right[i] = (RandomUnit(rng) * 2.0f - 1.0f) * 2.0f;
    }
    return mix;
}

} // namespace

TEST(PixelCanvasKit, OutlineRingsAShapeAndLeavesItsInside) {
    PixelCanvas canvas = MakeCanvas(5, 5);
    PutPixel(canvas, 2, 2, Pal(PAL_GRASS_MID));
    OutlineOpaque(canvas, Pal(PAL_OUTLINE));
    EXPECT_EQ(PixelAt(canvas, 2, 2), Pal(PAL_GRASS_MID));
    EXPECT_EQ(CountColour(canvas, Pal(PAL_OUTLINE)), 4); // four sides, round pixel-art corners
    EXPECT_EQ(PixelAt(canvas, 1, 1).a, 0);
}

TEST(PixelCanvasKit, ShadingLightsTheTopLeftAndDarkensTheBottomRight) {
    PixelCanvas canvas = MakeCanvas(6, 6);
    FillRect(canvas, 1, 1, 4, 4, Pal(PAL_STONE_MID));
    ShadeFromTopLeft(canvas, RAMP_STONE);
    EXPECT_EQ(PixelAt(canvas, 1, 1), Pal(PAL_STONE_LIGHT));
    EXPECT_EQ(PixelAt(canvas, 4, 4), Pal(PAL_STONE_DARK));
    EXPECT_EQ(PixelAt(canvas, 2, 2), Pal(PAL_STONE_MID));
}

TEST(PixelCanvasKit, DitherLevelsRunFromFirstColourToSecond) {
    const struct {
        int level;
        int secondCount;
    } table[] = {{0, 0}, {8, 8}, {16, 16}};
    for (const auto& row : table) {
        PixelCanvas canvas = MakeCanvas(4, 4);
        DitherRect(canvas, 0, 0, 4, 4, Pal(PAL_SKY_DEEP), Pal(PAL_SKY_MID), row.level);
        EXPECT_EQ(CountColour(canvas, Pal(PAL_SKY_MID)), row.secondCount) << row.level;
    }
}

TEST(PixelCanvasKit, UpscaleCopiesEachPixelIntoAWholeBlock) {
    PixelCanvas canvas = MakeCanvas(2, 1, Pal(PAL_WATER_MID));
    PutPixel(canvas, 1, 0, Pal(PAL_GOLD_MID));
    const PixelCanvas big = Upscale(canvas, 4);
    ASSERT_EQ(big.width, 8);
    ASSERT_EQ(big.height, 4);
    EXPECT_EQ(PixelAt(big, 3, 3), Pal(PAL_WATER_MID));
    EXPECT_EQ(PixelAt(big, 4, 0), Pal(PAL_GOLD_MID));
}

TEST(PixelCanvasKit, PolygonFillCoversItsInteriorOnly) {
    PixelCanvas canvas = MakeCanvas(10, 10);
    FillPolygon(canvas, {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, Pal(PAL_WOOD_MID));
    EXPECT_EQ(CountColour(canvas, Pal(PAL_WOOD_MID)), 100);
    PixelCanvas triangle = MakeCanvas(10, 10);
    FillPolygon(triangle, {{0, 0}, {10, 10}, {0, 10}}, Pal(PAL_WOOD_MID));
    EXPECT_TRUE(IsOpaque(triangle, 1, 8));
    EXPECT_FALSE(IsOpaque(triangle, 8, 1));
}

TEST(PaletteKit, RampStepsStayInsideThePalette) {
    for (const sf::Color& colour : PaletteColours()) {
        EXPECT_TRUE(IsPaletteColour(DarkerInRamp(colour)));
        EXPECT_TRUE(IsPaletteColour(LighterInRamp(colour)));
    }
    EXPECT_EQ(DarkerInRamp(Pal(PAL_GRASS_MID)), Pal(PAL_GRASS_DARK));
    EXPECT_EQ(LighterInRamp(Pal(PAL_GOLD_MID, 100)), Pal(PAL_GOLD_LIGHT, 100));
}

TEST(PixelFontKit, EveryLetterDigitAndEAcuteHasAGlyph) {
    const std::string needed = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 .,!?:;'-+/()&_%*=\"\xE9";
    for (char character : needed) EXPECT_TRUE(HasGlyph(static_cast<unsigned char>(character))) << character;
    EXPECT_FALSE(HasGlyph('~'));
}

TEST(PixelFontKit, TextIsMeasuredAndDrawnAtItsScale) {
    EXPECT_EQ(TextWidth("Quit"), 5 + 1 + 5 + 1 + 3 + 1 + 4);
    EXPECT_EQ(TextWidth("Quit", 3), 3 * TextWidth("Quit"));
    EXPECT_EQ(TextWidth(""), 0);
    const PixelCanvas layer = RenderTextLayer("appuy\xE9", Pal(PAL_WHITE));
    EXPECT_EQ(layer.width, TextWidth("appuy\xE9") + 2);
    EXPECT_GT(CountColour(layer, Pal(PAL_WHITE)), 20);
}

TEST(PixelFontKit, UnknownCharactersShowAsQuestionMarks) {
    EXPECT_EQ(GlyphWidth('~'), GlyphWidth('?'));
    const PixelCanvas unknown = RenderTextLayer("~", Pal(PAL_WHITE));
    const PixelCanvas question = RenderTextLayer("?", Pal(PAL_WHITE));
    EXPECT_EQ(CountColour(unknown, Pal(PAL_WHITE)), CountColour(question, Pal(PAL_WHITE)));
}

TEST(UiFrameKit, PanelsOfAnySizeShareTheFrameCorners) {
    const PixelCanvas tile = MakeFrameTile(PANEL_NAVY, false);
    const struct {
        int width;
        int height;
    } sizes[] = {{12, 12}, {80, 19}, {320, 40}, {33, 57}};
    for (const auto& size : sizes) {
        const PixelCanvas panel = MakePanel(size.width, size.height);
        for (int y = 0; y < UI_BORDER; ++y)
            for (int x = 0; x < UI_BORDER; ++x) {
                EXPECT_EQ(PixelAt(panel, x, y), PixelAt(tile, x, y)) << size.width << "x" << size.height;
                EXPECT_EQ(PixelAt(panel, size.width - UI_BORDER + x, size.height - UI_BORDER + y),
                          PixelAt(tile, UI_TILE_SIZE - UI_BORDER + x, UI_TILE_SIZE - UI_BORDER + y));
            }
        EXPECT_EQ(PixelAt(panel, size.width / 2, 0), Pal(PAL_OUTLINE));
    }
}

TEST(UiFrameKit, HighlightedButtonHasAGoldRimAndTheSameSize) {
    const PixelCanvas normal = MakeButton(80, 19, "Play", BUTTON_NORMAL);
    const PixelCanvas lit = MakeButton(80, 19, "Play", BUTTON_HIGHLIGHTED);
    EXPECT_EQ(normal.width, lit.width);
    EXPECT_EQ(normal.height, lit.height);
    EXPECT_EQ(PixelAt(normal, 40, 2), Pal(PAL_WOOD_MID));
    EXPECT_EQ(PixelAt(lit, 40, 2), Pal(PAL_GOLD_MID));
    EXPECT_GT(CountColour(lit, Pal(PAL_GOLD_LIGHT)), CountColour(normal, Pal(PAL_GOLD_LIGHT)));
}

TEST(SequencerKit, WrittenTracksReadAsNotesAndLengths) {
    int errors = 0;
    const std::vector<SeqNote> notes = ParseTrack("C4 8, E4 8 | G4 4., R 8, F#5 16, Bb2 1, H4 4, C4 0", &errors);
    ASSERT_EQ(notes.size(), 6u);
    const int midi[] = {60, 64, 67, SEQ_REST, 78, 46};
    const float beats[] = {0.5f, 0.5f, 1.5f, 0.5f, 0.25f, 4.0f};
    for (std::size_t i = 0; i < notes.size(); ++i) {
        EXPECT_EQ(notes[i].midi, midi[i]) << i;
        EXPECT_FLOAT_EQ(notes[i].beats, beats[i]) << i;
    }
    EXPECT_EQ(errors, 2);
    EXPECT_NEAR(NoteFrequency(NoteNumber("A4")), 440.0, 1e-9);
    EXPECT_NEAR(NoteFrequency(NoteNumber("C4")), 261.6256, 1e-3);
}

TEST(SequencerKit, NotesFadeToSilenceBeforeTheirSlotEnds) {
    Track track;
    track.notes = ParseTrack("A4 4, R 4");
    track.instrument.adsr = {0.005f, 0.05f, 0.7f, 0.05f};
    std::vector<float> voice(static_cast<std::size_t>(BeatsToSamples(2.0f, 120.0f)), 0.0f);
    RenderTrack(voice, track, 120.0f, 0.0f, false);
    EXPECT_EQ(voice.front(), 0.0f);
    EXPECT_EQ(voice.back(), 0.0f);
    float loudest = 0.0f;
    for (float sample : voice) loudest = std::max(loudest, std::fabs(sample));
    EXPECT_GT(loudest, 0.5f);
}

TEST(SequencerKit, WrappedTailsContinueAtTheStartOfALoop) {
    Track track;
    track.notes = ParseTrack("R 2, A4 2");
    track.legato = 1.0f;
    track.instrument.adsr = {0.005f, 0.05f, 0.7f, 0.3f};
    std::vector<float> looped(static_cast<std::size_t>(BeatsToSamples(4.0f, 120.0f)), 0.0f);
    RenderTrack(looped, track, 120.0f, 0.0f, true);
    float startEnergy = 0.0f;
    for (std::size_t i = 0; i < 1000; ++i) startEnergy += std::fabs(looped[i]);
    EXPECT_GT(startEnergy, 1.0f);
}

TEST(MixerKit, NormalisedMixesNeverReachFullScaleInSixteenBits) {
    StereoMix mix = LoudNoise(20000);
    SoftLimit(mix);
    NormalisePeak(mix, -1.0f);
    int peak = 0;
    for (sf::Int16 sample : ToPcm(mix, 2)) peak = std::max(peak, std::abs(static_cast<int>(sample)));
    EXPECT_LE(20.0 * std::log10(peak / 32768.0), -1.0);
    EXPECT_GT(20.0 * std::log10(peak / 32768.0), -1.2);
}

TEST(MixerKit, FadesBringBothEndsToSilence) {
    StereoMix mix = LoudNoise(4410);
    FadeEnds(mix, 0.005f);
    EXPECT_EQ(mix.left.front(), 0.0f);
    EXPECT_EQ(mix.right.front(), 0.0f);
    EXPECT_LE(std::fabs(mix.left.back()), 0.02f);
}

TEST(MixerKit, PanningKeepsAVoiceLoudnessAndPlacesIt) {
    const std::vector<float> voice(8, 0.5f);
    StereoMix left = MakeMix(8), centre = MakeMix(8);
    AddVoice(left, voice, 1.0f, -1.0f);
    AddVoice(centre, voice, 1.0f, 0.0f);
    EXPECT_NEAR(left.right[0], 0.0f, 1e-6f);
    EXPECT_NEAR(centre.left[0], centre.right[0], 1e-6f);
    EXPECT_NEAR(left.left[0] * left.left[0], centre.left[0] * centre.left[0] + centre.right[0] * centre.right[0], 1e-4f);
}

TEST(RngKit, SameSeedSameSequence) {
    Rng first = MakeRng(1234), second = MakeRng(1234);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(NextRandom(first), NextRandom(second));
    Rng ranged = MakeRng(99);
    for (int i = 0; i < 1000; ++i) {
        const int value = RandomRange(ranged, -3, 3);
        EXPECT_GE(value, -3);
        EXPECT_LE(value, 3);
    }
}
