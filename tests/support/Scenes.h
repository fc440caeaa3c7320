#pragma once
// Places in the real game a test or a screenshot wants to look at, reached the short way.

#include <initializer_list>

#include "support/GameHarness.h"
#include "support/Saves.h"
#include "world/GameSession.h"

// A game on the map's own spawn point (a new save in slot 0, 20 gold), after `frames` idle frames.
void EnterMap(GameHarness& game, const char* map, int frames = 90);
// The world map opened from that map, the cursor moved `steps` places to the right and left to settle.
void OpenWorldMapFrom(GameHarness& game, const char* map, int steps);

// Exit to menu, as the pause menu does it: the game saved, the title shown.
void ExitToMenu(GameHarness& game);

// Spriti, then Groto, join the session's party until it has `size` members (at most three).
void GrowParty(GameSession& session, uint32_t size);

// The hero carries these, in this order, as if he had picked them up (a full inventory leaves the rest).
void Carry(GameHarness& game, std::initializer_list<const char*> names);
void Carry(GameHarness& game, const char* name, int count);

// The save-slot menu with slot 0 in use (a save in the bedroom, with its thumbnail) and two new slots.
void OpenSaveSlots(GameHarness& game);
// Play with no save yet: the new game opens on the Start pop-up, which types itself out.
void StartNewGame(GameHarness& game);

// The game area of a capture (the letterbox bands cut off), shrunk to width x height by averaging the
// pixels each target pixel covers, so pictures taken at two desktop sizes can be laid over each other.
// An empty picture when the capture does not hold the whole game area.
sf::Image ShrinkGameArea(const sf::Image& capture, unsigned width, unsigned height);

// Share of pixels of `shot` that differ from `reference` (same size) by more than smoothing explains:
// a pixel counts when one of its channels lies outside the range of the reference's 3 x 3 neighbourhood
// around it, give or take `slack`. Blends of two neighbouring colours, as left by scaling, do not count.
// Pictures of different sizes (or empty ones) differ everywhere: 1.
double ShareOfDifferentPixels(const sf::Image& reference, const sf::Image& shot, int slack = 12);
