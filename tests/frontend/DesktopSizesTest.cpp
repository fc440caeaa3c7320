// The same scene on every desktop: the game area of a larger desktop, shrunk to 1920 x 1080, shows what
// the 1920 x 1080 desktop shows, and the letterboxed desktops show it between black bands.

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <string>
#include <vector>

#include "content/InventoryScreen.h"
#include "content/MapScene.h"
#include "content/Shop.h"
#include "support/Battles.h"
#include "support/Scenes.h"

namespace {

struct Scene {
    const char* name;
    std::function<void(GameHarness&)> reach;
};

template <typename Overlay>
void OpenOverlay(GameHarness& game) {
    EnterMap(game, "GoblinVillage");
    game.Requests().Push(std::make_unique<Overlay>(game.Context(), game.Session()));
    game.Apply();
    game.Step(1.0f / 144.0f, 2);
}

const Scene SCENES[] = {
    {"bedroom", [](GameHarness& g) { EnterMap(g, "HOUSE_ENTER_1"); }},
    {"village and its people", [](GameHarness& g) { EnterMap(g, "GoblinVillage"); }},
    {"burning village", [](GameHarness& g) { EnterMap(g, "GoblinVillageBurn"); }},
    {"world map", [](GameHarness& g) { OpenWorldMapFrom(g, "GoblinVillage", 1); }},
    {"title menu", [](GameHarness& g) { OpenTitleMenu(g); }},
    {"save slots", [](GameHarness& g) { OpenSaveSlots(g); }},
    {"start pop-up", [](GameHarness& g) { StartNewGame(g); }},
    {"shop", OpenOverlay<ShopScreen>},
    {"inventory", OpenOverlay<InventoryScreen>},
    {"battle",
     [](GameHarness& g) {
         BeginBattle(g, "GoblinVillageBurn", Level("Patrol"), 3);
         g.Step(BATTLE_DT, 30);
     }},
};

using Desktop = std::pair<unsigned, unsigned>;
const Desktop DESKTOPS[] = {{2560u, 1440u}, {3840u, 2160u}, {1920u, 1200u}, {2560u, 1080u}};

sf::Image SceneAt(const Scene& scene, unsigned width, unsigned height) {
    GameHarness game({width, height});
    scene.reach(game);
    return ShrinkGameArea(game.Capture(), 1920, 1080);
}

// One test per scene: the reference drawn once, then every desktop laid over it.
class DesktopSizes : public testing::TestWithParam<size_t> {};

TEST_P(DesktopSizes, EveryDesktopShowsTheSceneOfTheReferenceDesktop) {
    const Scene& scene = SCENES[GetParam()];
    const sf::Image reference = SceneAt(scene, 1920, 1080);
    ASSERT_EQ(reference.getSize(), sf::Vector2u(1920, 1080));
    for (const auto& [width, height] : DESKTOPS) {
        const sf::Image shot = SceneAt(scene, width, height);
        ASSERT_EQ(shot.getSize(), sf::Vector2u(1920, 1080))
            << width << "x" << height << ": no whole game area";
        const double share = ShareOfDifferentPixels(reference, shot);
        EXPECT_LT(share, 0.02) << scene.name << " at " << width << "x" << height;
        std::printf("%s at %ux%u: %.4f%% of pixels differ\n", scene.name, width, height, share * 100);
    }
}

std::string SceneName(const testing::TestParamInfo<size_t>& info) {
    std::string name;
    for (const char c : std::string(SCENES[info.param].name))
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

// Half a second of walking right in the village: as far, in map pixels, and to the same frame of the
// walk, whatever the desktop.
TEST(DesktopWalk, TheHeroWalksAsFarAndAsFastOnEveryDesktop) {
    std::vector<std::pair<sf::Vector2f, uint32_t>> walks;
    for (auto [width, height] : {std::pair{1920u, 1080u}, {1366u, 768u}, {3840u, 2160u}}) {
        GameHarness game({width, height});
        EnterMap(game, "GoblinVillage", 2);
        const PlayerCharacter& hero = game.Scene().hero;
        const sf::Vector2f start = hero.sprite.getPosition();
        game.HoldKey(sf::Keyboard::D);
        game.Step(1.0f / 60.0f, 30);
        walks.push_back({hero.sprite.getPosition() - start, hero.currentAnimation->frame});
    }
    EXPECT_NEAR(walks[0].first.x, 125.0f, 0.5f);  // 250 map pixels a second
    for (size_t i = 1; i < walks.size(); ++i) {
        EXPECT_EQ(walks[i].first, walks[0].first) << i;
        EXPECT_EQ(walks[i].second, walks[0].second) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Scenes, DesktopSizes, testing::Range<size_t>(0, std::size(SCENES)), SceneName);

}  // namespace
