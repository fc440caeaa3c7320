#pragma once
// Someone speaking to the hero, page by page: an NPC, a water source, a story pop-up. The dialogue screen
// shows the conversation's dialogue and hands it every key; the conversation decides what a key does
// (page on, close, and whatever the story makes of it) and what opens once it is over (the shop).

#include <SFML/Window/Event.hpp>

#include <functional>
#include <memory>

#include "content/Dialogue.h"
#include "content/Npcs.h"
#include "core/Screens.h"

class Conversation {
public:
    virtual ~Conversation() = default;
    virtual void Key(const sf::Event::KeyEvent& key) = 0;
    // The dialogue on screen; nullptr once the conversation is over.
    virtual Dialogue* Shown() = 0;
    // Asked once it is over: the screen it leads to (the merchant's last dialogue opens his shop).
    virtual std::unique_ptr<Screen> Then(ScreenContext /*context*/) { return nullptr; }
};

// An NPC's dialogues with the shared ENTER rule (HandleDialogueKey). `everyEnter` runs before each ENTER
// is applied (a companion joining, the purse handed over).
class NpcConversation : public Conversation {
public:
    explicit NpcConversation(Npc& npc, std::function<void()> everyEnter = {})
        : npc_(npc), everyEnter_(std::move(everyEnter)) {}
    void Key(const sf::Event::KeyEvent& key) override;
    Dialogue* Shown() override;

protected:
    Npc& npc_;

private:
    std::function<void()> everyEnter_;
};

// Opens the conversation with its first ENTER (the press that started it); nullptr when that press
// opened nothing (an NPC without dialogues).
std::unique_ptr<Conversation> Begin(std::unique_ptr<Conversation> conversation,
                                    const sf::Event::KeyEvent& key);
