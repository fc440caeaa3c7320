#pragma once
// The fighters' battle sheets: which picture each fighter is cut from, the size of its frames and the
// rows it plays, and the picture a battle builds for each fighter.

#include <SFML/System/Vector2.hpp>

#include "battle/screen/BattleState.h"

void DecodeFighterSheets(BattleSheetPictures& pictures);
// The fighter's picture: its sheet, its rows, on its first idle frame (its place comes from the layout).
FighterView MakeFighterView(const Fighter& fighter, const BattleSheets& sheets);
// The size of one frame of the fighter's sheet, in sheet pixels.
sf::Vector2i FrameSize(const Fighter& fighter);
