#pragma once
// The environmental puzzles: the burning house (a full bucket for the flames, the rope at the hook to
// pull the wall down), the night forest (fences pulled down with the rope, fires put out with full
// buckets), the two water sources that fill the bucket, the decoy made of its four parts, and the
// forest's darkness lit around the hero. The pieces on the map are the scene's (content/PuzzleState.h);
// what lasts for the game (the fences down, the decoy made, the forest done) is the session's.

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>

#include "content/MapScene.h"
#include "content/StoryTurn.h"
#include "world/GameSession.h"

// Builds the puzzles of the scene's map.
void LoadPuzzles(MapScene& scene, const GameSession& session, DecorPictures& pictures);
void UpdatePuzzles(MapScene& scene, GameSession& session, float dt);
// The water sources' key handling, first of every roaming key press: ENTER beside one with an empty
// bucket starts its words, and the bucket is filled once they are read.
StoryTurn HandlePuzzleKey(MapScene& scene, GameSession& session, const sf::Event::KeyEvent& keyEvent);
// The house's wall, flames and hook and the forest's fences, fires and water, on the ground of the map.
void DrawPuzzleGround(sf::RenderWindow& window, const MapScene& scene, const GameSession& session);
// The rope, over the people.
void DrawPuzzleRope(sf::RenderWindow& window, const MapScene& scene);
// The forest's darkness, over everything on the map, and the hero's torchlight over it.
void DrawDarkness(sf::RenderWindow& window, const MapScene& scene);
// Lights the darkness image around (cx, cy): clear within 75 pixels, fading back to full night at 225;
// the rest of the image keeps what it had, so where the hero has walked stays lit. Returns the square it
// changed.
sf::IntRect LightDarknessAround(sf::Image& image, int cx, int cy);
// A bucket handed back by a fire or a water source, carried at once; with no room for it, it lies at the
// hero's feet.
void HandOverBucket(MapScene& scene, GameSession& session, const char* name);
