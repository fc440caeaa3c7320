#include "content/PopUps.h"

#include "core/GameStates.h"
#include "core/Settings.h"

PopUps gPopUps;

namespace {

constexpr const char* POPUP_INFOS[POPUP_COUNT] = {
    "Assets/Text/Dialogues/PopUp/Start/infos.txt",         "Assets/Text/Dialogues/PopUp/SaveSpriti/infos.txt",
    "Assets/Text/Dialogues/PopUp/HouseOnFire/infos.txt",   "Assets/Text/Dialogues/PopUp/SaveGroto/infos.txt",
    "Assets/Text/Dialogues/PopUp/EnemyOnBridge/infos.txt", "Assets/Text/Dialogues/PopUp/BossHere/infos.txt",
    "Assets/Text/Dialogues/PopUp/End/infos.txt",
};

void ClosePopUp(PopUpDialogue& popUp) {
    popUp.dialogue = Dialogue{};
    popUp.dialogue.reveal.finished = 1;
    popUp.active = 0;
    gStates.roamingOverlay = OVERLAY_NONE;
}

}  // namespace

void OpenPopUp(int32_t index) {
    if (index < 0 || index >= POPUP_COUNT) return;
    PopUpDialogue& popUp = gPopUps.table[static_cast<size_t>(index)];
    popUp.dialogue = Dialogue{};
    LoadDialogue(POPUP_INFOS[index], popUp.dialogue);
    if (popUp.dialogue.partCount > 0) OpenDialoguePart(popUp.dialogue.partPaths[0], popUp.dialogue, 0);
    gStates.roamingOverlay = OVERLAY_DIALOGUE;
    popUp.active = 1;
}

void HandlePopUpKey(const sf::Event::KeyEvent& keyEvent) {
    if (keyEvent.code != gSettings.keys.enter) return;
    for (PopUpDialogue& popUp : gPopUps.table) {
        if (popUp.active != 1) continue;
        if (popUp.dialogue.currentPart < popUp.dialogue.partCount) {
            AdvanceDialogue(keyEvent, popUp.dialogue);
        } else {
            ClosePopUp(popUp);
        }
    }
}

void UpdatePopUps(float dt) {
    for (PopUpDialogue& popUp : gPopUps.table) {
        if (popUp.active == 1) UpdateTextReveal(dt, popUp.dialogue.reveal);
    }
}

void DrawPopUps(sf::RenderWindow& window) {
    for (const PopUpDialogue& popUp : gPopUps.table) {
        if (popUp.active == 1) DrawDialogue(window, popUp.dialogue);
    }
}

void ResetPopUps() {
    for (PopUpDialogue& popUp : gPopUps.table)
        popUp = PopUpDialogue{};
}
