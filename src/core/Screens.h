#pragma once
// One screen of the game (the title, the map, a battle, the pause menu over the map...) and what a
// screen may ask of the stack the app keeps them on. A screen never changes the stack itself: it asks,
// and the app applies the request at the frame's next safe point (after the event being handled, after
// the update), so no handler goes on running inside a screen that has just been replaced.
//
// Keys and clicks go to the top screen alone. What it covers is drawn, unless it says it covers
// everything below, and is not updated, unless it says the world below goes on (then the screen below
// gets UpdateBeneath, its ambient life only: animations, clouds, typing).

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Mouse.hpp>

#include <cstdint>
#include <memory>
#include <vector>

#include "core/GameStates.h"

enum class ScreenKind : int32_t {
    SCREEN_SPLASH,
    SCREEN_TITLE,
    SCREEN_CREDITS,
    SCREEN_OPTIONS,
    SCREEN_SAVES,
    SCREEN_ROAMING,
    SCREEN_WORLD_MAP,
    SCREEN_BATTLE,
    SCREEN_VICTORY,
    SCREEN_GAME_OVER,
    SCREEN_PAUSE,
    SCREEN_INVENTORY,
    SCREEN_DIALOGUE,
    SCREEN_SHOP,
    SCREEN_FISHING,
    SCREEN_FISH_COLLECTION,
};
using enum ScreenKind;

// How a screen is let go: popped in the normal course of play, with the game saved on the way out (Exit
// to menu), or given up without a save (the window closed, a battle fled or lost).
enum class Leaving : int32_t { PLAYED_ON, SAVING, ABANDONING };

// The music a screen wants: a track, silence, or whatever the screen below it plays.
enum class MusicWish : int32_t { INHERIT, SILENCE, TITLE, ROAMING, BATTLE, GAME_OVER };

class Screen {
public:
    virtual ~Screen() = default;
    virtual ScreenKind Kind() const = 0;
    // Once on the stack (after the frame that asked for it), and when it leaves the stack.
    virtual void Load() {}
    virtual void Unload(Leaving /*how*/) {}
    // The screen above it was popped: it is on top again.
    virtual void Reveal() {}
    virtual void Key(const sf::Event::KeyEvent& /*key*/) {}
    // The pointer in game-area pixels at the moment of the press.
    virtual void Click(sf::Vector2f /*pointer*/, sf::Mouse::Button /*button*/) {}
    virtual void Update(float /*dt*/) {}
    // The player looked away: the window lost the focus, or the pad was pulled out. A screen where
    // time runs under the player's hands pauses.
    virtual void FocusLost() {}
    virtual void UpdateBeneath(float /*dt*/) {}
    // Every screen on the stack, each frame the game runs (not while the window is out of focus): the
    // game below the battle, the pause menu and the rest counts its time played.
    virtual void TimePasses(float /*dt*/) {}
    virtual void Draw(sf::RenderWindow& /*window*/) {}
    virtual bool CoversBelow() const { return true; }
    virtual bool WorldGoesOnBelow() const { return false; }
    virtual MusicWish Music() const { return MusicWish::INHERIT; }
};

// Whatever lies behind the game's modes that only the app can build: the title, a game continued from
// its save, the splash. The stack is emptied (each screen unloaded with `how`) and the mode's first
// screen loaded.
struct ModeRequest {
    GameMode mode = MODE_NONE;
    Leaving how = Leaving::ABANDONING;
    int32_t slot = 0;  // MODE_GAME: the save slot continued
};

struct ScreenChange {
    enum class Type { PUSH, POP, REPLACE, MODE, START_OVER, CLOSE_WINDOW, WINDOW_MODE } type = Type::POP;
    std::unique_ptr<Screen> screen;  // PUSH, REPLACE and START_OVER
    ModeRequest mode;                // MODE; START_OVER keeps its `how`
};

// The requests of one frame, in the order they were made.
class ScreenRequests {
public:
    void Push(std::unique_ptr<Screen> screen);
    void Pop();
    // The top screen leaves and another takes its place.
    void Replace(std::unique_ptr<Screen> screen);
    // SetGameMode: MODE_MENU the title, MODE_GAME the slot's save continued, MODE_SPLASH the logos.
    void SetGameMode(GameMode mode, Leaving how = Leaving::ABANDONING, int32_t slot = 0);
    // A new game or any other stack the screen builds itself: everything below goes, `screen` is left.
    void StartOver(std::unique_ptr<Screen> screen, Leaving how);
    void CloseWindow();
    // Full screen to a window or back (the choice is kept in the settings).
    void SwitchWindowMode();

    bool Pending() const { return !changes_.empty(); }
    std::vector<ScreenChange> Take();

private:
    std::vector<ScreenChange> changes_;
};

// What every screen is handed when it is made: the window it draws in and where it sends its requests.
struct ScreenContext {
    sf::RenderWindow& window;
    ScreenRequests& requests;
};
