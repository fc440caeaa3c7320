#pragma once
// A conversation over the map: the frame at the bottom of the screen, the speaker's portrait, the letters
// typing themselves. Every key is the conversation's; the map goes on living behind it. When the
// conversation is over the screen closes, and opens whatever the conversation leads to.

#include <functional>
#include <memory>

#include "content/Conversation.h"
#include "core/Screens.h"

class DialogueScreen final : public Screen {
public:
    // `whenOver` runs once the conversation is over, after the screen has asked to close.
    DialogueScreen(ScreenContext context, std::unique_ptr<Conversation> conversation,
                   std::function<void()> whenOver = {})
        : context_(context), conversation_(std::move(conversation)), whenOver_(std::move(whenOver)) {}
    ScreenKind Kind() const override { return SCREEN_DIALOGUE; }
    void Key(const sf::Event::KeyEvent& key) override;
    void Update(float dt) override;
    void Draw(sf::RenderWindow& window) override;
    bool CoversBelow() const override { return false; }
    bool WorldGoesOnBelow() const override { return true; }

    Conversation& Talk() { return *conversation_; }

private:
    ScreenContext context_;
    std::unique_ptr<Conversation> conversation_;
    std::function<void()> whenOver_;
    bool over_ = false;
};
