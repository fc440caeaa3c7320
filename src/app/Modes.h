#pragma once
// The first screen of each mode: the title (MODE_MENU), a slot's game continued from its save
// (MODE_GAME), the logos (MODE_SPLASH). The only place that builds screens for the app.

#include <memory>

#include "core/Screens.h"

std::unique_ptr<Screen> MakeModeScreen(ScreenContext context, const ModeRequest& request);
