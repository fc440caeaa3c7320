#pragma once
// Talking through a dialogue as a player does, for the targets whose input ends up on screen as text.
#include <functional>

#include "FuzzFolder.h"
#include "content/Dialogue.h"

// The dialogue "Fuzz" an input may name: two parts, the first of two pages.
inline constexpr FuzzFile FUZZ_PART_1{"Assets/Text/Dialogues/Fuzz/Part1.txt",
                                      "Good morning.;\nA second page."};
inline constexpr FuzzFile FUZZ_PART_2{"Assets/Text/Dialogues/Fuzz/Part2.txt", "Farewell."};

// ENTER on the owner's dialogue in use, each press after the page has typed itself out, until the talk
// closes; true when it closed within the presses given (a talk the player cannot leave is a fault).
// eachPage looks at every page once it has typed itself out.
bool TalkThrough(DialogueOwner owner, int presses,
                 const std::function<void(const TextReveal&)>& eachPage = {});

// The page typed out, one update a character, as the frame loop would (at most a page's worth).
void TypeOutPage(TextReveal& reveal);

// The ENTER binding's key event.
sf::Event::KeyEvent EnterKey();
