#include "content/Puzzles.h"

PuzzleState gPuzzles;

// The water sources arrive with the puzzles themselves; until then a key press finds none.
void HandlePuzzleKey(const sf::Event::KeyEvent&, MapItemList&) {}
