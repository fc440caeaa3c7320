#include "app/FrameLoop.h"

#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "app/WindowMode.h"
#include "core/Developer.h"
#include "core/Input.h"
#include "core/Mixer.h"
#include "core/Random.h"
#include "core/Screen.h"
#include "core/SoundEffects.h"

int RunGame(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--developer") == 0) EnableDeveloperKeys(true);
    if (!EnterAssetTree(argv != nullptr ? argv[0] : nullptr)) return 1;
    SeedRandom(static_cast<unsigned>(getpid()));
    GameContext context;
    InitGame(context);
    sf::RenderWindow& window = *context.window;
    while (window.isOpen()) {
        sf::Event event{};
        while (window.pollEvent(event))
            HandleWindowEvent(context, event);
        UpdateFrame(context);
        DrawFrame(context);
    }
    // Closing the window in the game writes no save: the context lets every screen go unsaved.
    return 0;
}

void HandleWindowEvent(GameContext& context, const sf::Event& event) {
    switch (event.type) {
        case sf::Event::Closed:
            context.window->close();
            break;
        case sf::Event::KeyPressed:
            if (IsWindowModeKey(event.key)) {
                context.stack->Requests().SwitchWindowMode();
            } else {
                HandleKeyPressed(context, event.key);
            }
            break;
        case sf::Event::KeyReleased:
            context.stack->KeyReleased(event.key.code);
            break;
        case sf::Event::MouseButtonPressed:
            HandleMouseButtonPressed(context, event.mouseButton);
            break;
        case sf::Event::LostFocus:
            LookAway(context);
            break;
        case sf::Event::GainedFocus:
            context.focused = true;
            MuteMix(false);
            break;
        case sf::Event::Resized:
            ApplyMainView(*context.window);
            break;
        default:
            break;
    }
    context.stack->ApplyRequests();
}

void HandleKeyPressed(GameContext& context, const sf::Event::KeyEvent& keyEvent) {
    context.stack->Key(keyEvent);
}

void HandleMouseButtonPressed(GameContext& context, const sf::Event::MouseButtonEvent& buttonEvent) {
    context.stack->Click(PointerPosition(*context.window), buttonEvent.button);
}

void UpdateFrame(GameContext& context) {
    const float dt = context.clock->restart().asSeconds();
    AdvanceFrame(context, dt);
}

void LookAway(GameContext& context) {
    context.focused = false;
    MuteMix(true);
    context.stack->FocusLost();
    context.stack->ApplyRequests();
}

void FeedPad(GameContext& context, float dt) {
    const PadFrame frame = context.pad.Poll(dt);
    for (const int32_t code : frame.releases)
        context.stack->KeyReleased(code);
    for (const sf::Event::KeyEvent& key : frame.presses) {
        context.stack->Key(key);
        context.stack->ApplyRequests();
    }
    if (frame.pulled) {
        context.stack->FocusLost();
        context.stack->ApplyRequests();
    }
}

void AdvanceFrame(GameContext& context, float frameTime) {
    const float dt = std::min(frameTime, MAX_FRAME_TIME);
    ReapSoundEffects();
    if (!context.focused) return;  // the world waits for the player to come back
    FeedPad(context, dt);
    context.stack->Update(dt);
    context.stack->ApplyRequests();
}

void RenderFrame(GameContext& context) {
    context.window->clear(sf::Color::Black);
    context.stack->Draw(*context.window);
}

void DrawFrame(GameContext& context) {
    RenderFrame(context);
    context.window->display();
}
