#pragma once
// A scripted player on the real maps: walks the hero along paths found over the map's walls, doors and
// people, on the 8-pixel grid of the map checker, by holding the direction keys for exact frame times;
// walks up to people, items and enemies, talks and picks up as a player does.

#include <functional>
#include <string>

#include "content/Npcs.h"
#include "support/GameHarness.h"
#include "support/MapWalk.h"

// Walks until the hero's feet are within margin of target (map pixels); false when no way leads there.
bool WalkTo(GameHarness& game, const WalkRect& target, float margin);
// Walks into the door (or other trigger) of that name and on until the map has changed.
bool WalkThroughDoor(GameHarness& game, const std::string& door);
// Walks into the first reachable trigger of that name and leans into it until done() holds.
bool WalkIntoTrigger(GameHarness& game, const std::string& name, const std::function<bool()>& done);
// Below a box (or, when that is out of reach, to one side or above it), close enough to talk.
bool WalkBeside(GameHarness& game, const sf::FloatRect& box);

// The foot box of the hero where he stands, in map pixels.
WalkRect HeroFeet(GameHarness& game);

// The first person of that type on the map (NPC_TALK, NPC_BATTLE, NPC_MERCHANT, NPC_COMPANION).
Npc* FirstNpcOfType(GameHarness& game, int32_t type);
// Each returns what went wrong, or an empty text.
// Beside the first person of that type, then ENTER until done() holds.
std::string TalkUntil(GameHarness& game, int32_t type, const char* who, const std::function<bool()>& done);
// To the item of that name lying on the map, and ENTER.
std::string PickUp(GameHarness& game, const char* name);
// The way to the nearest enemy (of that battle file, when one is named: "Knight1"), then straight at it
// with the movement keys until its battle starts.
std::string WalkIntoEnemy(GameHarness& game, const std::string& battle = "");

// Whether the story's pop-up of that index (POPUP_START...) is on screen; -1: any pop-up.
bool PopUpShown(const GameHarness& game, int32_t index = -1);

// A failure message that says on which map it happened.
std::string Fail(GameHarness& game, const std::string& what);
