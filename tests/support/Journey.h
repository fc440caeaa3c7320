#pragma once
// A scripted player on the real maps: walks the hero along paths found over the map's walls, doors and
// people, on the 8-pixel grid of the map checker, by holding the direction keys for exact frame times.

#include <functional>
#include <string>

#include "support/GameHarness.h"
#include "support/MapWalk.h"

// Walks until the hero's feet are within margin of target (map pixels); false when no way leads there.
bool WalkTo(GameHarness& game, const WalkRect& target, float margin);
// Walks into the door (or other trigger) of that name and on until the map has changed.
bool WalkThroughDoor(GameHarness& game, const std::string& door);
// Walks into the first reachable trigger of that name and leans into it until done() holds.
bool WalkIntoTrigger(GameHarness& game, const std::string& name, const std::function<bool()>& done);
// ENTER pressed with a moment between presses, until the condition holds (at most `limit` presses).
template <typename Done>
int PressEnterUntil(GameHarness& game, Done done, int limit = 40);

// The foot box of the hero where he stands, in map pixels.
WalkRect HeroFeet();

template <typename Done>
int PressEnterUntil(GameHarness& game, Done done, int limit) {
    int presses = 0;
    while (!done() && presses < limit) {
        game.PressKey(sf::Keyboard::Return);
        game.Step(1.0f / 60.0f, 30);
        ++presses;
    }
    return presses;
}
