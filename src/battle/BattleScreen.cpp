#include "battle/BattleScreen.h"

#include "battle/BattleData.h"
#include "battle/BattleFlow.h"
#include "battle/BattleHud.h"
#include "battle/CombatantAnimation.h"
#include "battle/CommandMenus.h"
#include "battle/GameOver.h"
#include "battle/Victory.h"
#include "core/Screen.h"

void BattleScreen::Load() {
    ResetView(context_.window);
    StartBattle(session_, look_, battlePath_.c_str());
}

void BattleScreen::Unload(Leaving) {
    ReleaseBattle();
}

void BattleScreen::Key(const sf::Event::KeyEvent& key) {
    switch (HandleBattleKey(key)) {
        case BattleLeave::STAY:
            break;
        case BattleLeave::TO_MAP:
            context_.requests.Pop();
            break;
        case BattleLeave::TO_TITLE:
            // Fled: the map the battle interrupted goes unsaved, so the enemy waits there again.
            context_.requests.SetGameMode(MODE_MENU, Leaving::ABANDONING);
            break;
    }
}

void BattleScreen::Update(float dt) {
    if (over_) return;
    switch (UpdateBattle(dt)) {
        case BattleOutcome::GOING_ON:
            break;
        case BattleOutcome::WON:
            over_ = true;
            context_.requests.Push(std::make_unique<VictoryScreen>(context_));
            break;
        case BattleOutcome::LOST:
            over_ = true;
            context_.requests.Push(std::make_unique<GameOverScreen>(context_, session_.Slot()));
            break;
    }
}

void BattleScreen::UpdateBeneath(float dt) {
    AnimateEnemies(dt);
    AnimateParty(dt);
}

void BattleScreen::Draw(sf::RenderWindow& window) {
    DrawBattleScene(window);
}
