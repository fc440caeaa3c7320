#include "support/BattleScenes.h"

#include <filesystem>
#include <fstream>

#include "battle/BattleData.h"
#include "battle/BattleState.h"
#include "core/GameStates.h"
#include "core/Screen.h"
#include "core/StateMachine.h"
#include "support/Scenes.h"
#include "world/GameSession.h"

namespace {

constexpr int32_t KEY_UP = sf::Keyboard::Z;
constexpr int32_t KEY_DOWN = sf::Keyboard::S;
constexpr int32_t KEY_RIGHT = sf::Keyboard::D;
constexpr int32_t KEY_ENTER = sf::Keyboard::Return;

void MoveCommandCursorTo(GameHarness& game, unsigned entry) {
    while (gBattle.menuCursor != entry)
        game.PressKey(KEY_DOWN);
}

}  // namespace

void BeginBattle(GameHarness& game, const char* map, const std::string& level, uint32_t partySize) {
    EnterMap(game, map, 2);
    gSession.partySize = partySize;
    ResetView(game.Window());
    SetGameScreen(SCREEN_BATTLE);
    StartBattle(level.c_str());
    game.Step(BATTLE_DT);
}

std::string WriteLevel(const std::string& name, const std::string& text) {
    std::filesystem::create_directories("Levels");
    std::ofstream("Levels/" + name + ".txt", std::ios::binary) << text;
    return "Levels/" + name;
}

std::string Level(const char* name) {
    return std::string("Assets/Text/Levels/") + name;
}

void PickTarget(GameHarness& game, unsigned index) {
    for (unsigned i = 0; i < index; ++i)
        game.PressKey(KEY_DOWN);
    game.PressKey(KEY_ENTER);
}

void ChooseAttack(GameHarness& game, unsigned target) {
    MoveCommandCursorTo(game, 0);
    game.PressKey(KEY_ENTER);
    PickTarget(game, target);
}

void ChooseSkill(GameHarness& game, unsigned entry, std::initializer_list<unsigned> targets) {
    MoveCommandCursorTo(game, 1);
    game.PressKey(KEY_ENTER);
    if (entry >= 2) game.PressKey(KEY_RIGHT);
    if (entry % 2 == 1) game.PressKey(KEY_DOWN);
    game.PressKey(KEY_ENTER);
    for (unsigned target : targets) {
        const unsigned from = gBattle.menuCursor;
        const size_t side = gBattle.menuColumn == 1 ? gBattle.enemies.size() : gBattle.party.size();
        for (unsigned moved = from; moved != target; moved = static_cast<unsigned>((moved + 1) % side))
            game.PressKey(KEY_DOWN);
        game.PressKey(KEY_ENTER);
    }
}

void ChoosePotion(GameHarness& game, unsigned pouchSlot, unsigned member) {
    MoveCommandCursorTo(game, 2);
    game.PressKey(KEY_ENTER);
    if (gBattle.menuCursor != pouchSlot) game.PressKey(KEY_UP);
    game.PressKey(KEY_ENTER);
    PickTarget(game, member);
}

bool WaitingForCommands() {
    return gStates.gameMode == MODE_GAME && gStates.gameScreen == SCREEN_BATTLE && gBattle.running &&
           gBattle.phase == PHASE_COMMAND && gBattle.currentTurn == 0;
}

void PlayOutRound(GameHarness& game) {
    for (int frame = 0; frame < 4000; ++frame) {
        if (gStates.gameMode != MODE_GAME || gStates.gameScreen != SCREEN_BATTLE) return;
        if (gBattle.phase == PHASE_VICTORY) return;
        if (gBattle.phase == PHASE_ACTIONS) game.PressKey(sf::Keyboard::Space);
        game.Step(BATTLE_DT);
        if (WaitingForCommands()) return;
    }
}
