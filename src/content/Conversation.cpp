#include "content/Conversation.h"

#include "core/Settings.h"

void NpcConversation::Key(const sf::Event::KeyEvent& key) {
    if (key.code == gSettings.keys.enter && everyEnter_) everyEnter_();
    HandleDialogueKey(key, OwnerOf(npc_));
}

Dialogue* NpcConversation::Shown() {
    const size_t inUse = static_cast<size_t>(npc_.currentDialogue);
    return npc_.open == 1 && inUse < npc_.dialogues.size() ? &npc_.dialogues[inUse] : nullptr;
}

std::unique_ptr<Conversation> Begin(std::unique_ptr<Conversation> conversation,
                                    const sf::Event::KeyEvent& key) {
    conversation->Key(key);
    if (conversation->Shown() == nullptr) return nullptr;
    return conversation;
}
