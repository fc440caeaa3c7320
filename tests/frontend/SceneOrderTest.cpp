#include <gtest/gtest.h>

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>

#include "content/MapContent.h"
#include "content/Reach.h"
#include "core/GameStates.h"
#include "core/Screen.h"
#include "frontend/RoamingScreen.h"
#include "world/MapLoading.h"
#include "world/Player.h"
#include "world/WorldFixture.h"

namespace {

sf::Texture Plain(sf::Color colour) {
    sf::Image image;
    image.create(64, 64, colour);
    sf::Texture texture;
    texture.loadFromImage(image);
    return texture;
}

// The hero becomes a plain blue square and the decor point a plain red one, both 64 x 64 and centred
// on their positions, so the picture tells which was drawn last.
struct DepthScene {
    sf::Texture blue = Plain(sf::Color::Blue);
    sf::Texture red = Plain(sf::Color::Red);
    DepthScene(float heroY, float pointY) {
        gPlayer.sprite.setTexture(blue, true);
        gPlayer.sprite.setPosition(300, heroY);
        UpdateFootBox();
        MapPoint& point = gMap.mapPoints.at(0);
        point.y = pointY;
        point.sprite->setTexture(red, true);
        point.sprite->setScale(1, 1);
        point.sprite->setOrigin(32, 32);
        point.sprite->setPosition(300, 300);
    }
};

TestMap OnePointMap(std::vector<TestLayer> extra = {}) {
    TestMap map;
    map.layers = {FilledLayer("Ground", 8, 6, 1), ObjectLayer("Point", {Point("ARBRE_1", 300, 300)})};
    for (TestLayer& layer : extra)
        map.layers.push_back(std::move(layer));
    return map;
}

sf::Color ColourAt(RoamingGame& game, sf::Vector2f world) {
    const sf::Image shot = game.Capture();
    const sf::Vector2i pixel = game.Window().mapCoordsToPixel(world, gMainView);
    return shot.getPixel(static_cast<unsigned>(pixel.x), static_cast<unsigned>(pixel.y));
}

TEST(SceneOrder, APointAtTheHerosFootLineIsBehindHimAndOneBelowItInFront) {
    RoamingGame game({{"Glade", OnePointMap()}}, "Glade");
    game.Step(0.001f);
    // Hero at y 300: his feet end at 332.
    const std::pair<float, sf::Color> cases[] = {{332.0f, sf::Color::Blue},
                                                 {331.0f, sf::Color::Blue},
                                                 {333.0f, sf::Color::Red},
                                                 {400.0f, sf::Color::Red}};
    for (const auto& [pointY, onTop] : cases) {
        DepthScene scene(300, pointY);
        EXPECT_EQ(ColourAt(game, {300, 300}), onTop) << "point at " << pointY;
    }
}

TEST(SceneOrder, RoofLayersCoverTheHeroAndHiddenLayersDrawNothing) {
    TestLayer roof = FilledLayer("Up", 8, 6, 0);
    roof.data[4 * 8 + 4] = 3;  // the cell over (256..320, 256..320)
    TestLayer hidden = FilledLayer("Batiment roof", 8, 6, 5);
    hidden.visible = false;
    RoamingGame game({{"Glade", OnePointMap({roof, hidden})}}, "Glade");
    game.Step(0.001f);
    DepthScene scene(300, 100);
    EXPECT_EQ(ColourAt(game, {290, 290}), SheetColour(2));   // under the roof
    EXPECT_EQ(ColourAt(game, {300, 325}), sf::Color::Blue);  // below it, the hero shows
    EXPECT_EQ(ColourAt(game, {100, 100}), SheetColour(0));   // the hidden layer is not drawn
}

TEST(SceneOrder, ThePromptShowsTheEnterKeyOverAFriendAndNeverOverAnEnemy) {
    RoamingGame game({{"Glade", OnePointMap()}}, "Glade");
    game.Step(0.001f);  // the first animation step cuts the hero's frame out of his sheet
    gPlayer.sprite.setPosition(300, 300);
    UpdateFootBox();  // feet 284..316 x 316..332
    const auto npcAt = [](int type, sf::FloatRect box) {
        Npc npc;
        npc.type = type;
        npc.box = box;
        return npc;
    };
    const Npc friendly = npcAt(NPC_TALK, {330, 300, 32, 16});
    EXPECT_EQ(InNpcReach(friendly), 1);  // 14 px away, within the 20 of a friend
    EXPECT_EQ(gPrompt.text.getString(), "Enter");
    EXPECT_EQ(gPrompt.sprite.getPosition(), sf::Vector2f(346, 300 - 48));
    const Npc distant = npcAt(NPC_TALK, {360, 300, 32, 16});
    EXPECT_EQ(InNpcReach(distant), 0);
    ParkInteractionPrompt();
    const Npc enemy = npcAt(NPC_BATTLE, {390, 300, 32, 16});
    EXPECT_EQ(InNpcReach(enemy), 1);  // 74 px away: enemies reach 80
    EXPECT_EQ(gPrompt.sprite.getPosition(), sf::Vector2f(-1000, -1000));
    MapItem rope;
    rope.bounds = {300, 345, 16, 16};
    EXPECT_EQ(InItemReach(rope), 1);
    EXPECT_EQ(gPrompt.sprite.getPosition(), sf::Vector2f(308, 345));
}

TEST(SceneOrder, TwoEnemiesInReachInOneFrameStartOneBattleAndTheSecondWaits) {
    TestMap glade = OnePointMap();
    glade.npcs = {Talker(80, 80), Enemy(350, 300, "Knight1"), Enemy(250, 300, "Dog1", "Dog")};
    RoamingGame game({{"Glade", glade}}, "Glade");
    gPlayer.sprite.setPosition(300, 300);
    game.Step(0.001f);
    EXPECT_EQ(gStates.gameScreen, SCREEN_BATTLE);
    ASSERT_EQ(gMapContent.npcList.npcs.size(), 2u);
    EXPECT_EQ(gMapContent.npcList.npcs[1].id, 2);  // the dog moved into the knight's place and waits
    EXPECT_EQ(gMapContent.npcList.npcs[1].battlePath, "Assets/Text/Levels/Dog1");
    EXPECT_EQ(gMainView.getSize(), sf::Vector2f(1920, 1080));
}

}  // namespace
