// What a PC player brings beyond the keyboard: a gamepad, a window of any size, another window taking
// the focus.

#include <gtest/gtest.h>

#include <SFML/Audio/Listener.hpp>

#include <chrono>
#include <thread>

#include "app/PadKeys.h"
#include "core/Gamepad.h"
#include "core/Input.h"
#include "core/Settings.h"
#include "support/BattlePolicy.h"
#include "support/Battles.h"
#include "support/Files.h"
#include "support/FirstMorning.h"
#include "support/Journey.h"
#include "support/Scenes.h"

namespace {

constexpr float DPAD_RIGHT = 100.0f;

float HeroX(GameHarness& game) {
    return HeroFeet(game).x;
}

void Send(GameHarness& game, sf::Event::EventType type) {
    sf::Event event{};
    event.type = type;
    game.SendEvent(event);
}

// Frames at the pace of real time, so OpenAL's wave back-end records what a player would hear.
void PlayHalfARealSecond(GameHarness& game) {
    for (int frame = 0; frame < 30; ++frame) {
        game.Step(FRAME_DT);
        std::this_thread::sleep_for(std::chrono::milliseconds(16));
    }
}

}  // namespace

// A direction is one press, then repeats after 0.4 s every 0.15 s; a stick inside its dead zone is
// at rest; a button is one press however long it is held.
TEST(Gamepad, DirectionsRepeatLikeAHeldKeyAndTheStickRestsInItsDeadZone) {
    ScratchFolder folder;
    LoadSettings();
    ScriptPad(true);
    PadKeys pad;
    PlugPad({.buttons = 1u, .stickX = 20.0f, .stickY = -90.0f});
    std::vector<int> presses;
    for (const float dt : {0.0f, 0.39f, 0.02f, 0.1f, 0.05f, 0.15f}) {
        const PadFrame frame = pad.Poll(dt);
        presses.push_back(static_cast<int>(frame.presses.size()));
    }
    EXPECT_EQ(presses, (std::vector<int>{2, 0, 1, 0, 1, 1}));  // up and ENTER, then up repeating
    EXPECT_TRUE(IsKeyHeld(DefaultKeys::UP));
    EXPECT_FALSE(IsKeyHeld(DefaultKeys::RIGHT));
    PullPad();
    const PadFrame pulled = pad.Poll(FRAME_DT);
    EXPECT_TRUE(pulled.pulled);
    EXPECT_EQ(pulled.releases.size(), 2u);
    EXPECT_FALSE(IsKeyHeld(DefaultKeys::UP));
    ScriptPad(false);
}

TEST(Gamepad, TheFirstMorningAndABridgeBattleArePlayedWithThePadAlone) {
    GameHarness game({.drawEvery = 4, .padOnly = true});
    ASSERT_EQ(PlayFirstMorning(game, [](const std::string&) {}), "");
    EnterMap(game, "Bridge");
    ASSERT_EQ(WalkIntoEnemy(game, "Knight1"), "");
    EXPECT_EQ(FightItOut(game), BattleEnd::WON);
    EXPECT_EQ(game.Top(), SCREEN_VICTORY);
    EXPECT_EQ(game.KeysOffThePad(), 0);
}

TEST(Gamepad, APadPluggedInIsTakenAndOnePulledOutPausesTheGame) {
    GameHarness game;
    EnterMap(game, "GoblinVillage");
    const float before = HeroX(game);
    PlugPad({.dpadX = DPAD_RIGHT});  // plugged in mid-game, the d-pad already pushed
    game.Step(FRAME_DT, 30);
    EXPECT_GT(HeroX(game), before + 20.0f);
    PullPad();
    game.Step(FRAME_DT, 2);
    ASSERT_EQ(game.Top(), SCREEN_PAUSE);
    const float paused = HeroX(game);
    // A Sony pad: its cross confirms "Continue", its triangle opens the inventory.
    PlugPad({.vendorId = SONY_VENDOR_ID});
    game.Step(FRAME_DT);
    for (const uint32_t button : {0u, 2u}) {
        gPad.pad->buttons = 1u << button;
        game.Step(FRAME_DT, 2);
        gPad.pad->buttons = 0;
        game.Step(FRAME_DT, 2);
    }
    EXPECT_EQ(game.Top(), SCREEN_INVENTORY);
    EXPECT_EQ(HeroX(game), paused);
}

// Under OpenAL's wave back-end the half second before the focus is lost plays the village and the next
// is silent (the figures are measured from the file, outside the test).
TEST(Focus, LosingTheFocusMidWalkOpensThePauseMenuAndSilencesTheMixUntilItComesBack) {
    GameHarness game;
    EnterMap(game, "GoblinVillage");
    game.HoldKey(DefaultKeys::RIGHT);
    PlayHalfARealSecond(game);
    Send(game, sf::Event::LostFocus);
    EXPECT_EQ(game.Top(), SCREEN_PAUSE);
    EXPECT_EQ(sf::Listener::getGlobalVolume(), 0.0f);
    const float away = HeroX(game);
    PlayHalfARealSecond(game);
    EXPECT_EQ(HeroX(game), away);  // the world waits, the key still held
    game.HoldKey(DefaultKeys::RIGHT, false);
    Send(game, sf::Event::GainedFocus);
    EXPECT_EQ(sf::Listener::getGlobalVolume(), 100.0f);
    EXPECT_EQ(game.Top(), SCREEN_PAUSE);  // the player comes back to the menu, not to a walking hero
}

TEST(WindowMode, AWindowShowsTheSameSceneScaledAndKeepsItsBandsAtAnyShape) {
    GameHarness game;
    EnterMap(game, "GoblinVillage");
    const sf::Image fullScreen = game.Capture();
    game.PressKey(sf::Keyboard::F11);
    ASSERT_EQ(game.Window().getSize(), sf::Vector2u(1280, 720));
    EXPECT_NE(ReadWholeFile(SETTINGS_PATH).find("WINDOWED 1\n"), std::string::npos);
    EXPECT_LT(ShareOfDifferentPixels(ShrinkGameArea(fullScreen, 1280, 720), game.Capture()), 0.02);
    // Narrower than 16:9: bands above and below, the map between them, the pointer still on target.
    game.Window().setSize({1000, 1000});
    Send(game, sf::Event::Resized);
    const sf::Image square = game.Capture();
    ASSERT_EQ(square.getSize(), sf::Vector2u(1000, 1000));
    EXPECT_EQ(square.getPixel(500, 100), sf::Color::Black);
    EXPECT_NE(square.getPixel(500, 500), sf::Color::Black);
    // Alt+Enter goes back to the full screen, and the next start remembers it.
    sf::Event altEnter{};
    altEnter.type = sf::Event::KeyPressed;
    altEnter.key.code = sf::Keyboard::Enter;
    altEnter.key.alt = true;
    game.SendEvent(altEnter);
    EXPECT_EQ(game.Window().getSize(), sf::Vector2u(1920, 1080));
    EXPECT_EQ(ReadWholeFile(SETTINGS_PATH).find("WINDOWED"), std::string::npos);
}
