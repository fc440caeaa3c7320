#include "app/Modes.h"

#include <string>

#include "core/Log.h"
#include "frontend/SaveSlots.h"
#include "frontend/Splash.h"
#include "frontend/TitleMenu.h"

std::unique_ptr<Screen> MakeModeScreen(ScreenContext context, const ModeRequest& request) {
    switch (request.mode) {
        case MODE_MENU:
            return std::make_unique<TitleScreen>(context);
        case MODE_SPLASH:
            return std::make_unique<SplashScreen>(context);
        case MODE_GAME: {
            // Trying again after a game over continues the slot exactly as the slot menu does; a save
            // that cannot be played any more leaves the player on the title.
            std::string why;
            std::unique_ptr<Screen> game = ContinueSave(context, request.slot, why);
            if (game) return game;
            LogDebug("%s\n", why.c_str());
            return std::make_unique<TitleScreen>(context);
        }
        case MODE_GAME_OVER:  // shown over the lost battle, never a mode of its own
        case MODE_NONE:
            break;
    }
    return nullptr;
}
