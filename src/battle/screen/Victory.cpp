#include "battle/screen/Victory.h"

#include "battle/screen/BattleLayout.h"
#include "core/Pictures.h"
#include "core/Screen.h"
#include "core/Settings.h"
#include "core/Text.h"

#include <algorithm>

namespace {

constexpr unsigned VICTORY_TEXT_SIZE = 50;
constexpr float FIRST_STEP_DELAY = 1.0f;
constexpr float STEP_DELAY = 0.005f;
constexpr uint32_t STEP = 3;

sf::Text CentredLine(const VictoryState& victory, const std::string& line, float y) {
    sf::Text text = SharpText(victory.font, line, VICTORY_TEXT_SIZE);
    CentreOrigin(text);
    text.setPosition(BATTLE_W / 2, y);
    return text;
}

void ShowTransfer(VictoryState& victory) {
    char line[60];
    FormatText(line, sizeof line, "%d -> %d", static_cast<int>(victory.moneyLeft), victory.shownGold);
    victory.transferText = CentredLine(victory, line, 2 * BATTLE_H / 6);
}

}  // namespace

void ShowVictory(VictoryState& victory, GameSession& session, uint32_t moneyEarned) {
    victory.shown = true;
    victory.shownGold = session.Gold();
    victory.moneyLeft = moneyEarned;
    LoadPicture(victory.texture, "Assets/Sprites/Battle/BattleHUD/VictoryBackground.png");
    victory.background = sf::Sprite(victory.texture);
    CentreOrigin(victory.background);
    victory.background.setScale(BATTLE_SCALE, BATTLE_SCALE);
    victory.background.setPosition(BATTLE_W / 2, 2 * BATTLE_H / 6);
    victory.font.loadFromFile(GAME_FONT);
    char money[60];
    FormatText(money, sizeof money, "Money Earned : %d", static_cast<int>(moneyEarned));
    victory.moneyText = CentredLine(victory, money, BATTLE_H / 6);
    ShowTransfer(victory);
    victory.pressEnterText = CentredLine(victory, "Press enter to continue.", 3 * BATTLE_H / 6);
    session.EarnGold(moneyEarned);
    victory.transferTimer = FIRST_STEP_DELAY;
}

void UpdateVictory(VictoryState& victory, float dt) {
    victory.transferTimer -= dt;
    if (victory.transferTimer > 0.0f) return;
    victory.transferTimer = STEP_DELAY;
    const uint32_t step = victory.moneyLeft < STEP ? victory.moneyLeft : STEP;
    victory.moneyLeft -= step;
    const int64_t shown = static_cast<int64_t>(victory.shownGold) + step;
    victory.shownGold = static_cast<int32_t>(std::min<int64_t>(shown, MOST_GOLD));
    ShowTransfer(victory);
}

void DrawVictory(sf::RenderWindow& window, const VictoryState& victory) {
    if (!victory.shown) return;
    ApplyReferenceView(window);
    window.draw(victory.background);
    window.draw(victory.transferText);
    window.draw(victory.moneyText);
    window.draw(victory.pressEnterText);
}

void VictoryScreen::Key(const sf::Event::KeyEvent& key) {
    if (key.code != gSettings.keys.enter) return;
    context_.requests.Pop();
    context_.requests.Pop();
}
