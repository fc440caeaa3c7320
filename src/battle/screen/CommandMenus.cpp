#include "battle/screen/CommandMenus.h"

#include "battle/screen/BattleHud.h"
#include "battle/screen/BattleLayout.h"
#include "core/Developer.h"
#include "core/Pictures.h"
#include "core/Settings.h"
#include "core/SoundEffects.h"
#include "core/Text.h"

namespace {

// Fixed keys, whatever the bindings say: Space hurries the turns, W wins at once (a developer's key).
constexpr int32_t KEY_SPACE = sf::Keyboard::Space;
constexpr int32_t KEY_WIN = sf::Keyboard::W;

constexpr unsigned COMMAND_TEXT_SIZE = 50;
constexpr unsigned LIST_TEXT_SIZE = 40;
const char* const COMMANDS[3] = {"Attack", "Skill", "Items"};

const sf::Vector2f LIST_CELLS[4] = {{110.0f, 2 * BATTLE_H / 3 + 50},
                                    {110.0f, 2 * BATTLE_H / 3 + 200},
                                    {710.0f, 2 * BATTLE_H / 3 + 50},
                                    {710.0f, 2 * BATTLE_H / 3 + 200}};

const Fighter& Commanding(const Battle& battle) {
    return battle.rules.party[battle.rules.commandingMember];
}

const ItemPouch& Pouch(const Battle& battle) {
    return battle.rules.session->Pouch();
}

int ListEntry(const Battle& battle) {
    return battle.menuCursor + 2 * battle.menuColumn;
}

bool SlotHoldsSkill(const Battle& battle, int entry) {
    return Commanding(battle).slots[static_cast<size_t>(entry)].id != SKILL_NONE;
}

void AskForTargets(Battle& battle) {
    ShowInfo(battle, "Choose %d more \ntarget.", static_cast<int>(battle.targetsToChoose));
}

void ShowSkillHelp(Battle& battle) {
    const Action& skill = Commanding(battle).slots[static_cast<size_t>(ListEntry(battle))];
    const char* description = SkillDescription(skill.id);
    SetInfoText(battle, description != nullptr ? description : "");
    char cost[40];
    FormatText(cost, sizeof cost, "Mana Cost : %d", static_cast<int>(skill.manaCost));
    battle.hud.manaCostText.setString(cost);
}

void ShowItemHelp(Battle& battle) {
    const char* description = SkillDescription(Pouch(battle).slots[battle.menuCursor].itemId);
    SetInfoText(battle, description != nullptr ? description : "");
}

void BackToCommands(Battle& battle) {
    battle.menuCursor = 0;
    battle.menuColumn = 0;
    battle.phase = PHASE_COMMAND;
    battle.choosing = SKILL_NONE;
    battle.chosenTargets.clear();
    PlaceMenuCursor(battle, 0, PHASE_COMMAND);
}

// The choice is whole: the rules take it, and the next member chooses, or the turns begin.
void Command(Battle& battle) {
    if (!ChooseCommand(battle.rules, battle.choosing, battle.chosenTargets)) return;
    battle.targetsToChoose = 0;
    DestroyListMenu(battle);
    if (Stage(battle.rules) == BattleStage::COMMANDS) {
        OpenCommandMenu(battle);
        return;
    }
    battle.menus.commandMenu = false;
    battle.phase = PHASE_ACTIONS;
}

void ChooseTargetsFor(Battle& battle, SkillId skill) {
    const Action action = MakeAction(skill);
    battle.choosing = skill;
    battle.chosenTargets.clear();
    battle.menuCursor = 0;
    battle.targetsToChoose = action.targetCount;
    battle.menuColumn = action.targetsOpponents == 1 ? 1 : 0;
    battle.phase = PHASE_TARGET;
}

sf::Text CellText(const Battle& battle, const std::string& label, int entry) {
    sf::Text text = BattleText(battle.hud, label, LIST_TEXT_SIZE);
    text.setPosition(LIST_CELLS[entry]);
    return text;
}

void BuildListBackground(Battle& battle) {
    BattleMenus& menus = battle.menus;
    menus.listBackground = sf::Sprite(battle.hud.listTexture);
    const sf::Vector2u size = battle.hud.listTexture.getSize();
    menus.listBackground.setOrigin(0.0f, static_cast<float>(size.y));
    menus.listBackground.setScale(BATTLE_SCALE, BATTLE_SCALE);
    menus.listBackground.setPosition(10.0f, BATTLE_H - 10.0f);
    menus.listMenu = true;
}

void CreateSkillList(Battle& battle, const Fighter& member) {
    BuildListBackground(battle);
    battle.menus.itemList = false;
    for (int entry = 0; entry < 4; ++entry) {
        const char* name = SkillName(member.slots[static_cast<size_t>(entry)].id);
        battle.menus.listTexts[static_cast<size_t>(entry)].reset();
        if (name != nullptr)
            battle.menus.listTexts[static_cast<size_t>(entry)] = CellText(battle, name, entry);
    }
    const sf::FloatRect box = battle.menus.listBackground.getGlobalBounds();
    battle.menus.listMember = BuildMemberBlock(battle.hud, member, {BATTLE_W - 400.0f, box.top + 30.0f});
    PlaceMenuCursor(battle, 0, PHASE_SKILL_LIST);
}

void CreateItemList(Battle& battle) {
    BuildListBackground(battle);
    battle.menus.itemList = true;
    battle.menus.listMember.reset();
    for (int entry = 0; entry < 4; ++entry) {
        battle.menus.listTexts[static_cast<size_t>(entry)].reset();
        if (entry >= 2) continue;
        const PouchSlot& slot = Pouch(battle).slots[entry];
        const char* name = SkillName(slot.itemId);
        if (slot.count == 0 || name == nullptr) continue;
        char label[120];
        FormatText(label, sizeof label, "%s x%hu", name, slot.count);
        battle.menus.listTexts[static_cast<size_t>(entry)] = CellText(battle, label, entry);
    }
    PlaceMenuCursor(battle, battle.menuCursor, PHASE_ITEM_LIST);
}

BattleLeave CommandKey(Battle& battle, int32_t key) {
    const KeyBindings& keys = gSettings.keys;
    if (key == keys.escape) return BattleLeave::TO_TITLE;
    if (key != keys.up && key != keys.down && key != keys.enter) return BattleLeave::STAY;
    PlaySoundEffect(SOUND_COMMAND_MOVE);
    if (key == keys.up) battle.menuCursor = battle.menuCursor == 0 ? 2 : battle.menuCursor - 1;
    if (key == keys.down) battle.menuCursor = battle.menuCursor == 2 ? 0 : battle.menuCursor + 1;
    if (key != keys.enter) {
        PlaceMenuCursor(battle, battle.menuCursor, PHASE_COMMAND);
        return BattleLeave::STAY;
    }
    if (battle.menuCursor == 0) {
        ChooseTargetsFor(battle, SKILL_ATTACK);
    } else if (battle.menuCursor == 1) {
        battle.phase = PHASE_SKILL_LIST;
        battle.menuColumn = 0;
        battle.menuCursor = 0;
        CreateSkillList(battle, Commanding(battle));
        ShowSkillHelp(battle);
    } else if (!battle.rules.session->PouchHasPotions()) {
        SetInfoText(battle, "You don't have any\nitems.");
    } else {
        battle.phase = PHASE_ITEM_LIST;
        battle.menuColumn = 0;
        battle.menuCursor = Pouch(battle).slots[0].count > 0 ? 0 : 1;
        CreateItemList(battle);
        ShowItemHelp(battle);
    }
    return BattleLeave::STAY;
}

void MoveInSkillGrid(Battle& battle, int32_t key) {
    const KeyBindings& keys = gSettings.keys;
    const int row = battle.menuCursor, column = battle.menuColumn;
    if (key == keys.up) {
        if (row == 1 || SlotHoldsSkill(battle, 2 * column + 1)) battle.menuCursor = row == 1 ? 0 : 1;
    } else if (key == keys.down) {
        if (SlotHoldsSkill(battle, 2 * column + 1)) battle.menuCursor = row == 1 ? 0 : 1;
    } else if (key == keys.left) {
        if (column == 1 || SlotHoldsSkill(battle, 2 + row)) battle.menuColumn = column == 1 ? 0 : 1;
    } else {
        battle.menuColumn = column == 0 && SlotHoldsSkill(battle, 2 + row) ? 1 : 0;
    }
    PlaceMenuCursor(battle, ListEntry(battle), PHASE_SKILL_LIST);
    ShowSkillHelp(battle);
}

void SkillListKey(Battle& battle, int32_t key) {
    const KeyBindings& keys = gSettings.keys;
    if (key == keys.escape) {
        DestroyListMenu(battle);
        BackToCommands(battle);
        return;
    }
    const bool move = key == keys.up || key == keys.down || key == keys.left || key == keys.right;
    if (!move && key != keys.enter) return;
    PlaySoundEffect(SOUND_LIST_MOVE);
    if (move) {
        MoveInSkillGrid(battle, key);
        return;
    }
    const Action& skill = Commanding(battle).slots[static_cast<size_t>(ListEntry(battle))];
    if (skill.id == SKILL_NONE) return;
    if (Commanding(battle).mana < static_cast<int32_t>(skill.manaCost)) {
        SetInfoText(battle, "You don't have \nenough mana !");
        return;
    }
    if (skill.hitsAll == 1) {
        battle.choosing = skill.id;
        battle.chosenTargets.clear();
        Command(battle);  // the whole side, no target to choose
        return;
    }
    ChooseTargetsFor(battle, skill.id);
    AskForTargets(battle);
}

void ItemListKey(Battle& battle, int32_t key) {
    const KeyBindings& keys = gSettings.keys;
    if (key == keys.escape) {
        battle.targetsToChoose = 0;
        DestroyListMenu(battle);
        CreateCommandMenu(battle);
        BackToCommands(battle);
        return;
    }
    const bool twoListed = Pouch(battle).slots[0].count > 0 && Pouch(battle).slots[1].count > 0;
    if (key == keys.down && !twoListed) return;  // nothing to move to, not even a sound
    const bool move = key == keys.up || key == keys.down || key == keys.left || key == keys.right;
    if (!move && key != keys.enter) return;
    PlaySoundEffect(SOUND_LIST_MOVE);
    if (move) {
        if ((key == keys.up || key == keys.down) && twoListed)
            battle.menuCursor = battle.menuCursor == 0 ? 1 : 0;
        PlaceMenuCursor(battle, battle.menuCursor, PHASE_ITEM_LIST);
        ShowItemHelp(battle);
        return;
    }
    ChooseTargetsFor(battle, static_cast<SkillId>(Pouch(battle).slots[battle.menuCursor].itemId));
    AskForTargets(battle);
}

void TargetKey(Battle& battle, int32_t key) {
    const KeyBindings& keys = gSettings.keys;
    if (key == keys.escape) {
        battle.targetsToChoose = 0;
        CreateCommandMenu(battle);
        BackToCommands(battle);
        return;
    }
    if (key != keys.up && key != keys.down && key != keys.enter) return;
    PlaySoundEffect(SOUND_LIST_MOVE);
    const std::vector<Fighter>& side = battle.menuColumn == 1 ? battle.rules.enemies : battle.rules.party;
    const uint16_t last = static_cast<uint16_t>(side.size() - 1);
    if (key == keys.up) battle.menuCursor = battle.menuCursor == 0 ? last : battle.menuCursor - 1;
    if (key == keys.down) battle.menuCursor = battle.menuCursor >= last ? 0 : battle.menuCursor + 1;
    if (key != keys.enter) return;
    if (const char* refusal = TargetRefusal(battle.rules, battle.choosing, battle.menuCursor)) {
        ShowInfo(battle, refusal, SkillName(battle.choosing));
        return;
    }
    battle.chosenTargets.push_back(battle.menuCursor);
    --battle.targetsToChoose;
    AskForTargets(battle);
    if (battle.targetsToChoose == 0) Command(battle);
}

sf::Text CentredText(const Battle& battle, const char* label, unsigned size, sf::Vector2f at) {
    sf::Text text = BattleText(battle.hud, label, size);
    CentreOrigin(text);
    text.setPosition(at);
    return text;
}

}  // namespace

BattleLeave HandleBattleKey(Battle& battle, const sf::Event::KeyEvent& keyEvent) {
    const int32_t key = keyEvent.code;
    if (!battle.running) {
        if (key == gSettings.keys.enter) return BattleLeave::TO_MAP;
        if (key == gSettings.keys.escape) return BattleLeave::TO_TITLE;
        return BattleLeave::STAY;
    }
    if (key == KEY_WIN && DeveloperKeysOn()) {
        WinAtOnce(battle.rules);
        return BattleLeave::STAY;
    }
    switch (battle.phase) {
        case PHASE_COMMAND:
            return CommandKey(battle, key);
        case PHASE_SKILL_LIST:
            SkillListKey(battle, key);
            break;
        case PHASE_ITEM_LIST:
            ItemListKey(battle, key);
            break;
        case PHASE_TARGET:
            TargetKey(battle, key);
            break;
        case PHASE_ACTIONS:
            if (key == KEY_SPACE) HurryTurn(battle.rules);
            break;
        case PHASE_VICTORY:
            break;
    }
    return BattleLeave::STAY;
}

void PlaceMenuCursor(Battle& battle, int index, BattlePhase mode) {
    const sf::Text* text = nullptr;
    if (mode == PHASE_COMMAND) {
        text = &battle.menus.commandTexts[static_cast<size_t>(index)];
        if (index == 0) SetInfoText(battle, SkillDescription(SKILL_ATTACK));
        if (index == 1) SetInfoText(battle, "Skill selection.");
        if (index == 2) SetInfoText(battle, "Item selection.");
    } else if (battle.menus.listTexts[static_cast<size_t>(index)]) {
        text = &*battle.menus.listTexts[static_cast<size_t>(index)];
    }
    if (text == nullptr) return;
    const sf::FloatRect bounds = text->getGlobalBounds();
    battle.hud.dagger.setPosition(bounds.left - 5.0f, bounds.top + bounds.height / 2);
}

void OpenCommandMenu(Battle& battle) {
    CreateCommandMenu(battle);
    BackToCommands(battle);
}

void CreateCommandMenu(Battle& battle) {
    sf::Sprite& background = battle.menus.commandBackground;
    background = sf::Sprite(battle.hud.actionsTexture);
    const sf::Vector2u size = battle.hud.actionsTexture.getSize();
    background.setOrigin(static_cast<float>(size.x), static_cast<float>(size.y));
    background.setScale(BATTLE_SCALE, BATTLE_SCALE);
    background.setPosition(BATTLE_W - 10.0f, BATTLE_H - 10.0f);
    const sf::FloatRect box = background.getGlobalBounds();
    for (size_t i = 0; i < 3; ++i) {
        const sf::Vector2f at(box.left + box.width / 2 + 10.0f,
                              box.top + 50.0f + 100.0f * static_cast<float>(i));
        battle.menus.commandTexts[i] = CentredText(battle, COMMANDS[i], COMMAND_TEXT_SIZE, at);
    }
    battle.menus.commandMenu = true;
}

void DestroyListMenu(Battle& battle) {
    battle.menus.listMenu = false;
    battle.menus.listTexts = {};
    battle.menus.listMember.reset();
}

void DrawCommandMenu(sf::RenderWindow& window, const Battle& battle) {
    if (!battle.menus.commandMenu) return;
    window.draw(battle.menus.commandBackground);
    for (const sf::Text& text : battle.menus.commandTexts)
        window.draw(text);
}

void DrawListMenu(sf::RenderWindow& window, const Battle& battle) {
    if (!battle.menus.listMenu) return;
    window.draw(battle.menus.listBackground);
    for (const std::optional<sf::Text>& text : battle.menus.listTexts)
        if (text) window.draw(*text);
}
