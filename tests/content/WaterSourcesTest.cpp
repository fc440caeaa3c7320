// The water sources (the burning house's bathtub, the forest's lake) as a player meets them with an empty
// bucket: the pages of the source's words one by one, each ENTER the next, then, like every dialogue, one
// ENTER that leaves the last page up and the one that closes it with the bucket full and its sound.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "content/ContentScenes.h"
#include "content/DialogueScreen.h"
#include "content/MapScene.h"
#include "support/Journey.h"
#include "support/PlayedSounds.h"
#include "support/Scenes.h"

namespace {

constexpr const char* SOUND_WATER_FILL = "Assets/Sounds/Puzzle/WaterFill.wav";

// What the player sees after a press: the words in the box, or the bucket carried.
std::string Seen(GameHarness& game) {
    if (DialogueScreen* box = game.Find<DialogueScreen>()) {
        if (const Dialogue* shown = box->Talk().Shown()) return shown->reveal.text.getString();
    }
    if (game.Session().Holds("Bucket_Full")) return "a full bucket";
    return "";
}

struct Source {
    const char* map;
    std::optional<Npc> PuzzleState::*water;
    std::vector<const char*> pages;  // a few words of each page, in order
};

TEST(WaterSources, EveryEnterShowsTheNextPageAndTheLastFillsTheBucketWithItsSound) {
    const Source sources[] = {
        {"HOUSE_BURN_1", &PuzzleState::bathtub, {"still full of water", "puts out the flames"}},
        {"ForestNight", &PuzzleState::forestWater, {"cold and clear", "puts out one fire"}},
    };
    for (const Source& source : sources) {
        SCOPED_TRACE(source.map);
        GameHarness game{UNSEEN};
        EnterMap(game, source.map);
        Carry(game, {"Bucket_Empty"});
        const std::optional<Npc>& water = game.Scene().puzzles.*source.water;
        ASSERT_TRUE(water.has_value());
        ASSERT_TRUE(WalkBeside(game, water->box));
        std::string before = Seen(game);
        for (const char* page : source.pages) {
            game.PressKey(DefaultKeys::ENTER);
            game.Step(FRAME_DT, 150);  // long enough for the page to type itself out
            const std::string seen = Seen(game);
            EXPECT_NE(seen, before) << "an ENTER showed nothing new";
            EXPECT_NE(seen.find(page), std::string::npos) << "seen: " << seen;
            EXPECT_FALSE(game.Session().Holds("Bucket_Full")) << "filled before the words were read";
            before = seen;
        }
        game.PressKey(DefaultKeys::ENTER);
        EXPECT_EQ(Seen(game), before);  // past the last page, still shown
        game.PressKey(DefaultKeys::ENTER);
        EXPECT_EQ(Seen(game), "a full bucket");
        EXPECT_FALSE(game.Session().Holds("Bucket_Empty"));
        EXPECT_EQ(EffectsPlaying(SOUND_WATER_FILL), 1u);
        EXPECT_FALSE(game.Shows(SCREEN_DIALOGUE));
    }
}

}  // namespace
