#include <gtest/gtest.h>

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>

#include "content/Reach.h"
#include "core/KeyNames.h"
#include "core/Screen.h"
#include "core/Settings.h"
#include "support/Scenes.h"

namespace {

sf::Texture Plain(sf::Color colour) {
    sf::Image image;
    image.create(64, 64, colour);
    sf::Texture texture;
    texture.loadFromImage(image);
    return texture;
}

// In the village (its clouds held back), the hero becomes a plain blue square and the first decor point a
// plain red one laid over him, so the picture tells which was drawn last.
TEST(SceneOrder, APointAtTheHerosFootLineIsBehindHimAndOneBelowItInFront) {
    GameHarness game;
    EnterMap(game, "GoblinVillage", 2);
    MapScene& scene = game.Scene();
    scene.map.look.clouds = false;
    const sf::Texture blue = Plain(sf::Color::Blue);
    const sf::Texture red = Plain(sf::Color::Red);
    sf::Sprite& hero = scene.hero.sprite;
    hero.setTexture(blue, true);
    UpdateFootBox(scene.hero);
    const float feet = scene.hero.footBox.top + scene.hero.footBox.height;
    MapPoint& point = scene.map.mapPoints.at(0);
    point.sprite->setTexture(red, true);
    point.sprite->setScale(hero.getScale());
    point.sprite->setOrigin(hero.getOrigin());
    point.sprite->setPosition(hero.getPosition());
    const sf::FloatRect square = hero.getGlobalBounds();
    const sf::Vector2f middle(square.left + square.width / 2, square.top + square.height / 2);
    const std::pair<float, sf::Color> cases[] = {{feet - 1, sf::Color::Blue},
                                                 {feet, sf::Color::Blue},
                                                 {feet + 1, sf::Color::Red},
                                                 {feet + 60, sf::Color::Red}};
    for (const auto& [pointY, onTop] : cases) {
        point.y = pointY;
        const sf::Image shot = game.Capture();
        const sf::Vector2i pixel = game.Window().mapCoordsToPixel(middle, gMainView);
        EXPECT_EQ(shot.getPixel(static_cast<unsigned>(pixel.x), static_cast<unsigned>(pixel.y)), onTop)
            << "point at " << pointY - feet << " below the feet";
    }
}

TEST(SceneOrder, ThePromptShowsTheEnterKeyOverAFriendAndNeverOverAnEnemy) {
    GameHarness game;
    EnterMap(game, "GoblinVillage", 2);
    gSettings.keys.enter = sf::Keyboard::E;
    MapScene& scene = game.Scene();
    const sf::FloatRect feet = scene.hero.footBox;
    Npc someone;
    someone.type = NPC_TALK;
    someone.box = {feet.left + feet.width + 14, feet.top, 32, 16};  // 14 pixels away: within a friend's 20
    ParkInteractionPrompt(scene.prompt);
    EXPECT_EQ(InNpcReach(scene, someone), 1);
    EXPECT_EQ(scene.prompt.text.getString(), KeyName(sf::Keyboard::E));
    EXPECT_FLOAT_EQ(scene.prompt.sprite.getPosition().x, someone.box.left + someone.box.width / 2);
    EXPECT_LT(scene.prompt.sprite.getPosition().y, someone.box.top);  // above the head
    someone.box.left += 30;
    EXPECT_EQ(InNpcReach(scene, someone), 0);
    ParkInteractionPrompt(scene.prompt);
    const sf::Vector2f parked = scene.prompt.sprite.getPosition();
    someone.type = NPC_BATTLE;  // 44 pixels away: in an enemy's reach of 80, and no prompt
    EXPECT_EQ(InNpcReach(scene, someone), 1);
    EXPECT_EQ(scene.prompt.sprite.getPosition(), parked);
}

}  // namespace
