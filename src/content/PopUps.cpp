#include "content/PopUps.h"

#include "core/Settings.h"

namespace {

constexpr const char* POPUP_INFOS[POPUP_COUNT] = {
    "Assets/Text/Dialogues/PopUp/Start/infos.txt",         "Assets/Text/Dialogues/PopUp/SaveSpriti/infos.txt",
    "Assets/Text/Dialogues/PopUp/HouseOnFire/infos.txt",   "Assets/Text/Dialogues/PopUp/SaveGroto/infos.txt",
    "Assets/Text/Dialogues/PopUp/EnemyOnBridge/infos.txt", "Assets/Text/Dialogues/PopUp/BossHere/infos.txt",
    "Assets/Text/Dialogues/PopUp/End/infos.txt",
};

}  // namespace

PopUpConversation::PopUpConversation(int32_t index) : index_(index) {
    LoadDialogue(POPUP_INFOS[index], dialogue_);
    if (dialogue_.partCount > 0) OpenDialoguePart(dialogue_.partPaths[0], dialogue_, 0);
    open_ = true;
}

void PopUpConversation::Key(const sf::Event::KeyEvent& key) {
    if (key.code != gSettings.keys.enter) return;
    if (dialogue_.currentPart < dialogue_.partCount) {
        AdvanceDialogue(key, dialogue_);
    } else {
        open_ = false;
    }
}

std::unique_ptr<PopUpConversation> OpenPopUp(int32_t index) {
    if (index < 0 || index >= POPUP_COUNT) return nullptr;
    return std::make_unique<PopUpConversation>(index);
}
