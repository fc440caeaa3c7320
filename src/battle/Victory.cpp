#include "battle/Victory.h"

#include <limits>

#include "battle/BattleLayout.h"
#include "battle/BattleState.h"
#include "core/Pictures.h"
#include "core/Screen.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "world/GameSession.h"

VictoryState gVictory;

namespace {

constexpr unsigned VICTORY_TEXT_SIZE = 50;
constexpr float FIRST_STEP_DELAY = 1.0f;
constexpr float STEP_DELAY = 0.005f;
constexpr uint32_t STEP = 3;

sf::Text CentredLine(const std::string& line, float y) {
    sf::Text text = SharpText(gVictory.font, line, VICTORY_TEXT_SIZE);
    CentreOrigin(text);
    text.setPosition(BATTLE_W / 2, y);
    return text;
}

void ShowTransfer() {
    char line[60];
    FormatText(line, sizeof line, "%d -> %d", static_cast<int>(gBattle.moneyEarned), gVictory.shownGold);
    gVictory.transferText = CentredLine(line, 2 * BATTLE_H / 6);
}

}  // namespace

void ShowVictory(GameSession& session) {
    gVictory.shown = true;
    gVictory.shownGold = session.Gold();
    LoadPicture(gVictory.texture, "Assets/Sprites/Battle/BattleHUD/VictoryBackground.png");
    gVictory.background = sf::Sprite(gVictory.texture);
    CentreOrigin(gVictory.background);
    gVictory.background.setScale(BATTLE_SCALE, BATTLE_SCALE);
    gVictory.background.setPosition(BATTLE_W / 2, 2 * BATTLE_H / 6);
    gVictory.font.loadFromFile(GAME_FONT);
    char money[60];
    FormatText(money, sizeof money, "Money Earned : %d", static_cast<int>(gBattle.moneyEarned));
    gVictory.moneyText = CentredLine(money, BATTLE_H / 6);
    ShowTransfer();
    gVictory.pressEnterText = CentredLine("Press enter to continue.", 3 * BATTLE_H / 6);
    session.EarnGold(gBattle.moneyEarned);
    gVictory.transferTimer = FIRST_STEP_DELAY;
}

void UpdateVictory(float dt) {
    gVictory.transferTimer -= dt;
    if (gVictory.transferTimer > 0.0f) return;
    gVictory.transferTimer = STEP_DELAY;
    const uint32_t step = gBattle.moneyEarned < STEP ? gBattle.moneyEarned : STEP;
    gBattle.moneyEarned -= step;
    const int64_t shown = static_cast<int64_t>(gVictory.shownGold) + step;
    gVictory.shownGold = static_cast<int32_t>(std::min<int64_t>(shown, std::numeric_limits<int32_t>::max()));
    ShowTransfer();
}

void DrawVictory(sf::RenderWindow& window) {
    if (!gVictory.shown) return;
    ApplyReferenceView(window);
    window.draw(gVictory.background);
    window.draw(gVictory.transferText);
    window.draw(gVictory.moneyText);
    window.draw(gVictory.pressEnterText);
}

void VictoryScreen::Load() {
    ShowVictory(*gBattle.session);
}

void VictoryScreen::Key(const sf::Event::KeyEvent& key) {
    if (key.code != gSettings.keys.enter) return;
    context_.requests.Pop();
    context_.requests.Pop();
}

void ReleaseVictory() {
    gVictory = VictoryState{};
}
