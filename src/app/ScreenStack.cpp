#include "app/ScreenStack.h"

#include "app/WindowMode.h"
#include "core/Input.h"
#include "core/Log.h"
#include "core/Music.h"
#include "core/Screen.h"

namespace {

constexpr int MOST_CHANGES_AT_ONCE = 16;  // a screen that keeps asking on load cannot hang the frame

const char* MusicPath(MusicWish wish) {
    switch (wish) {
        case MusicWish::TITLE:
            return "Assets/Musics/Title.wav";
        case MusicWish::ROAMING:
            return "Assets/Musics/Roaming.wav";
        case MusicWish::BATTLE:
            return "Assets/Musics/Battle.wav";
        case MusicWish::GAME_OVER:
            return "Assets/Musics/GameOver.wav";
        case MusicWish::INHERIT:
        case MusicWish::SILENCE:
            break;
    }
    return nullptr;
}

GameMode ModeOf(ScreenKind bottom) {
    switch (bottom) {
        case SCREEN_SPLASH:
            return MODE_SPLASH;
        case SCREEN_TITLE:
        case SCREEN_CREDITS:
        case SCREEN_OPTIONS:
        case SCREEN_SAVES:
            return MODE_MENU;
        case SCREEN_ROAMING:
        case SCREEN_WORLD_MAP:
        case SCREEN_BATTLE:
        case SCREEN_VICTORY:
        case SCREEN_PAUSE:
        case SCREEN_INVENTORY:
        case SCREEN_DIALOGUE:
        case SCREEN_SHOP:
        case SCREEN_FISHING:
        case SCREEN_FISH_COLLECTION:
            return MODE_GAME;
        case SCREEN_GAME_OVER:
            return MODE_GAME_OVER;
    }
    return MODE_NONE;
}

}  // namespace

ScreenStack::ScreenStack(sf::RenderWindow& window, ModeMaker makeMode)
    : window_(window), makeMode_(std::move(makeMode)) {}

ScreenStack::~ScreenStack() {
    ClearScreens(Leaving::ABANDONING);
}

std::vector<Screen*> ScreenStack::Screens() const {
    std::vector<Screen*> screens;
    for (const Entry& entry : screens_)
        screens.push_back(entry.screen.get());
    return screens;
}

void ScreenStack::Key(const sf::Event::KeyEvent& key) {
    if (screens_.empty()) return;
    Entry& top = screens_.back();
    const auto code = static_cast<size_t>(key.code);
    if (code < top.heldWhenOpened.size() && top.heldWhenOpened[code]) return;
    top.screen->Key(key);
}

void ScreenStack::KeyReleased(int32_t code) {
    if (code < 0 || code >= 102) return;
    for (Entry& entry : screens_)
        entry.heldWhenOpened[static_cast<size_t>(code)] = false;
}

void ScreenStack::FocusLost() {
    if (!screens_.empty()) screens_.back().screen->FocusLost();
}

void ScreenStack::Click(sf::Vector2f pointer, sf::Mouse::Button button) {
    if (!screens_.empty()) screens_.back().screen->Click(pointer, button);
}

void ScreenStack::Update(float dt) {
    if (screens_.empty()) return;
    // A key let go without its release reaching the game (the window lost it) no longer holds back.
    for (size_t code = 0; code < screens_.back().heldWhenOpened.size(); ++code) {
        bool& held = screens_.back().heldWhenOpened[code];
        held = held && IsKeyHeld(static_cast<int32_t>(code));
    }
    for (Entry& entry : screens_)
        entry.screen->TimePasses(dt);
    screens_.back().screen->Update(dt);
    for (size_t i = screens_.size() - 1; i > 0 && screens_[i].screen->WorldGoesOnBelow(); --i)
        screens_[i - 1].screen->UpdateBeneath(dt);
}

void ScreenStack::Draw(sf::RenderWindow& window) {
    size_t first = screens_.size();
    while (first > 0) {
        --first;
        if (screens_[first].screen->CoversBelow()) break;
    }
    // Each screen starts in the game area's own view, whatever the one below left set.
    for (size_t i = first; i < screens_.size(); ++i) {
        ApplyDefaultView(window);
        screens_[i].screen->Draw(window);
    }
}

void ScreenStack::ApplyRequests() {
    for (int round = 0; round < MOST_CHANGES_AT_ONCE && requests_.Pending(); ++round) {
        for (ScreenChange& change : requests_.Take())
            Apply(change);
    }
    mode_ = screens_.empty() ? MODE_NONE : ModeOf(screens_.front().screen->Kind());
    FollowMusic();
}

void ScreenStack::Clear(Leaving how) {
    ClearScreens(how);
    mode_ = MODE_NONE;
    if (playing_ != MusicWish::SILENCE) StopMusic();
    playing_ = MusicWish::SILENCE;
}

void ScreenStack::Apply(ScreenChange& change) {
    switch (change.type) {
        case ScreenChange::Type::PUSH:
            PushScreen(std::move(change.screen));
            break;
        case ScreenChange::Type::POP:
            PopScreen(Leaving::PLAYED_ON);
            if (!screens_.empty()) screens_.back().screen->Reveal();
            break;
        case ScreenChange::Type::REPLACE:
            PopScreen(Leaving::PLAYED_ON);
            PushScreen(std::move(change.screen));
            break;
        case ScreenChange::Type::MODE: {
            ClearScreens(change.mode.how);
            std::unique_ptr<Screen> first = makeMode_(change.mode);
            if (first) PushScreen(std::move(first));
            break;
        }
        case ScreenChange::Type::START_OVER:
            ClearScreens(change.mode.how);
            PushScreen(std::move(change.screen));
            break;
        case ScreenChange::Type::CLOSE_WINDOW:
            window_.close();
            break;
        case ScreenChange::Type::WINDOW_MODE:
            SwitchWindowMode(window_);
            break;
    }
}

void ScreenStack::PushScreen(std::unique_ptr<Screen> screen) {
    if (!screen) return;
    Entry& entry = screens_.emplace_back();
    entry.screen = std::move(screen);
    for (size_t code = 0; code < entry.heldWhenOpened.size(); ++code)
        entry.heldWhenOpened[code] = IsKeyHeld(static_cast<int32_t>(code));
    entry.screen->Load();
}

void ScreenStack::PopScreen(Leaving how) {
    if (screens_.empty()) return;
    // Unloaded while it is still on the stack, so what it saves sees the game as it was.
    screens_.back().screen->Unload(how);
    screens_.pop_back();
}

void ScreenStack::ClearScreens(Leaving how) {
    while (!screens_.empty())
        PopScreen(how);
}

// The top-most screen with a wish of its own decides; a track already playing goes on.
void ScreenStack::FollowMusic() {
    MusicWish wish = MusicWish::SILENCE;
    for (size_t i = screens_.size(); i-- > 0;) {
        const MusicWish own = screens_[i].screen->Music();
        if (own != MusicWish::INHERIT) {
            wish = own;
            break;
        }
    }
    if (wish == playing_) return;
    if (playing_ != MusicWish::SILENCE) StopMusic();
    playing_ = wish;
    if (const char* path = MusicPath(wish)) PlayMusic(path);
}
