#pragma once
// The stack of screens: the bottom one is the mode (the title, the roaming map, the logos), the others
// are pushed over it (a battle over the map, the victory over the battle, the pause menu over the map).
// Requests made during the frame are applied at its safe points, between events and after the update.

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "core/Screens.h"

class ScreenStack {
public:
    // Builds a mode's first screen; nullptr when it cannot be made (a save that cannot be continued).
    using ModeMaker = std::function<std::unique_ptr<Screen>(const ModeRequest& request)>;

    ScreenStack(sf::RenderWindow& window, ModeMaker makeMode);
    ~ScreenStack();
    ScreenStack(const ScreenStack&) = delete;
    ScreenStack& operator=(const ScreenStack&) = delete;

    ScreenContext Context() { return {window_, requests_}; }
    ScreenRequests& Requests() { return requests_; }

    // The top screen's key, unless the key was already held when that screen opened (a key held into a
    // screen repeats into it, but its presses belong to the screen it was pressed for).
    void Key(const sf::Event::KeyEvent& key);
    void KeyReleased(int32_t code);
    void Click(sf::Vector2f pointer, sf::Mouse::Button button);
    // The top screen hears that the player looked away (focus lost, pad pulled out).
    void FocusLost();
    void Update(float dt);
    void Draw(sf::RenderWindow& window);
    // Applies every request made so far, then the music of the new stack.
    void ApplyRequests();
    // Everything let go (the window closed), each screen told how.
    void Clear(Leaving how);

    bool Empty() const { return screens_.empty(); }
    Screen* Top() const { return screens_.empty() ? nullptr : screens_.back().screen.get(); }
    // The screens from the bottom up.
    std::vector<Screen*> Screens() const;
    GameMode Mode() const { return mode_; }

private:
    struct Entry {
        std::unique_ptr<Screen> screen;
        std::array<bool, 102> heldWhenOpened{};  // by key code
    };

    void Apply(ScreenChange& change);
    void PushScreen(std::unique_ptr<Screen> screen);
    void PopScreen(Leaving how);
    void ClearScreens(Leaving how);
    void FollowMusic();

    sf::RenderWindow& window_;
    ModeMaker makeMode_;
    ScreenRequests requests_;
    std::vector<Entry> screens_;
    GameMode mode_ = MODE_NONE;
    MusicWish playing_ = MusicWish::SILENCE;
};
