#pragma once
// How far the story has come, kept in the save between the twenty inventory places and the first map
// section, where the readers of the header's lines and of the sections by their header pass over it:
//
//   Story 1 1 1 1 1 1 0 0 0 0 1     the story flags, in StoryFlags order
//   Party 2                         how many of the roster fight
//   Fish 1 0 0 0 0 1 0 0 0          the fish caught, by fish index
//   Fences 1 1 0 0 0                the forest's fences pulled down
//   Pouch 12 1 14 0                 the battle pouch: each slot's potion kind and count
//
// A save written before these lines existed has none: its story starts over, as it always did.

#include <string>

#include "world/GameSession.h"

// The progress lines for the session, each ending in a line feed.
std::string ProgressLines(const GameSession& session);
// True when the line (without its feed) is one of them, well formed and in range.
bool IsProgressLine(const std::string& line);
// Takes the values of a well-formed progress line into the session; other lines change nothing.
void ReadProgressLine(const std::string& line, GameSession& session);
