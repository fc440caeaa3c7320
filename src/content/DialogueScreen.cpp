#include "content/DialogueScreen.h"

void DialogueScreen::Key(const sf::Event::KeyEvent& key) {
    if (over_) return;
    conversation_->Key(key);
    if (conversation_->Shown() != nullptr) return;
    over_ = true;
    // Closed first, so what follows (the shop, the story's next step) stands over the map.
    context_.requests.Pop();
    if (std::unique_ptr<Screen> next = conversation_->Then(context_)) context_.requests.Push(std::move(next));
    if (whenOver_) whenOver_();
}

void DialogueScreen::Update(float dt) {
    if (Dialogue* dialogue = conversation_->Shown()) UpdateTextReveal(dt, dialogue->reveal);
}

void DialogueScreen::Draw(sf::RenderWindow& window) {
    if (Dialogue* dialogue = conversation_->Shown()) DrawDialogue(window, *dialogue);
}
