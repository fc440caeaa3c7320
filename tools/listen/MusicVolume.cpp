// Plays the title music through the real game and moves the options screen's music bar: 20, 10, 5, then 0,
// holding each level for two seconds of real time. Prints each level and when it began (seconds since
// the start); scripts/listen-music-volume.sh runs it with OpenAL's wave back-end and measures each span.

#include <SFML/System/Clock.hpp>
#include <SFML/System/Sleep.hpp>

#include <cstdio>

#include "core/Settings.h"
#include "frontend/OptionsScreen.h"
#include "support/GameHarness.h"

namespace {

constexpr float HOLD_SECONDS = 2.0f;

void Press(GameHarness& game, sf::Keyboard::Key key, int times) {
    for (int i = 0; i < times; ++i)
        game.PressKey(key);
}

void Hold(GameHarness& game, const sf::Clock& clock, float level) {
    std::printf("%.1f %.3f\n", static_cast<double>(level),
                static_cast<double>(clock.getElapsedTime().asSeconds()));
    std::fflush(stdout);
    sf::Clock held;
    while (held.getElapsedTime().asSeconds() < HOLD_SECONDS) {
        game.Step(1.0f / 60.0f);
        sf::sleep(sf::milliseconds(15));
    }
}

}  // namespace

int main() {
    const sf::Clock clock;
    GameHarness game;
    game.PressKey(sf::Keyboard::Return);  // past the logos: the title music starts
    game.HoldKey(sf::Keyboard::S);
    game.PressKey(sf::Keyboard::S);
    game.HoldKey(sf::Keyboard::S, false);
    game.PressKey(sf::Keyboard::Return);  // Options
    Press(game, sf::Keyboard::D, 1);      // the volume column
    Press(game, sf::Keyboard::S, 1);      // the music bar
    Press(game, sf::Keyboard::Return, 1);
    Press(game, sf::Keyboard::D, 20);
    Hold(game, clock, gSettings.volumeMusic);
    Press(game, sf::Keyboard::Q, 20);
    Hold(game, clock, gSettings.volumeMusic);
    Press(game, sf::Keyboard::Q, 10);
    Hold(game, clock, gSettings.volumeMusic);
    Press(game, sf::Keyboard::Q, 10);
    Hold(game, clock, gSettings.volumeMusic);
    return 0;
}
