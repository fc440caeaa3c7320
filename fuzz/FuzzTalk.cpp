#include "FuzzTalk.h"

#include "core/Settings.h"

namespace {

constexpr float ONE_CHARACTER = 0.05f;  // longer than a character's step: one character an update

}  // namespace

sf::Event::KeyEvent EnterKey() {
    sf::Event::KeyEvent key{};
    key.code = static_cast<sf::Keyboard::Key>(gSettings.keys.enter);
    return key;
}

void TypeOutPage(TextReveal& reveal) {
    for (int step = 0; step <= TEXT_PAGE_SIZE && reveal.revealing == 1; ++step)
        UpdateTextReveal(ONE_CHARACTER, reveal);
}

bool TalkThrough(DialogueOwner owner, int presses, const std::function<void(const TextReveal&)>& eachPage) {
    HandleDialogueKey(EnterKey(), owner);
    for (int press = 0; press < presses && *owner.open != 0; ++press) {
        TextReveal& reveal = (*owner.dialogues)[static_cast<size_t>(*owner.currentDialogue)].reveal;
        TypeOutPage(reveal);
        if (eachPage) eachPage(reveal);
        HandleDialogueKey(EnterKey(), owner);
    }
    return *owner.open == 0;
}
