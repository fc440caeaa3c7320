#include "core/Screens.h"

void ScreenRequests::Push(std::unique_ptr<Screen> screen) {
    changes_.push_back({ScreenChange::Type::PUSH, std::move(screen), {}});
}

void ScreenRequests::Pop() {
    changes_.push_back({ScreenChange::Type::POP, nullptr, {}});
}

void ScreenRequests::Replace(std::unique_ptr<Screen> screen) {
    changes_.push_back({ScreenChange::Type::REPLACE, std::move(screen), {}});
}

void ScreenRequests::SetGameMode(GameMode mode, Leaving how, int32_t slot) {
    changes_.push_back({ScreenChange::Type::MODE, nullptr, {mode, how, slot}});
}

void ScreenRequests::StartOver(std::unique_ptr<Screen> screen, Leaving how) {
    changes_.push_back({ScreenChange::Type::START_OVER, std::move(screen), {MODE_NONE, how, 0}});
}

void ScreenRequests::CloseWindow() {
    changes_.push_back({ScreenChange::Type::CLOSE_WINDOW, nullptr, {}});
}

void ScreenRequests::SwitchWindowMode() {
    changes_.push_back({ScreenChange::Type::WINDOW_MODE, nullptr, {}});
}

std::vector<ScreenChange> ScreenRequests::Take() {
    std::vector<ScreenChange> taken = std::move(changes_);
    changes_.clear();
    return taken;
}
