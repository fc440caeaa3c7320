#pragma once
// Talking through a dialogue as a player does, for the targets whose input ends up on screen as text.
#include "content/Dialogue.h"

// ENTER on the owner's dialogue in use, each press after the page has typed itself out, until the talk
// closes; true when it closed within the presses given (a talk the player cannot leave is a fault).
bool TalkThrough(DialogueOwner owner, int presses);

// The page typed out, one update a character, as the frame loop would (at most a page's worth).
void TypeOutPage(TextReveal& reveal);

// The ENTER binding's key event.
sf::Event::KeyEvent EnterKey();
