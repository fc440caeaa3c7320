#include "battle/CommandMenus.h"

#include "battle/BattleData.h"
#include "battle/BattleFlow.h"
#include "battle/BattleLayout.h"
#include "core/Developer.h"
#include "core/Settings.h"
#include "core/SoundEffects.h"
#include "core/Text.h"

BattleMenus gBattleMenus;

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

PartyCombatant& Commanding() {
    return gBattle.party[gBattle.commandingMember];
}

Action& Chosen() {
    return Commanding().slots[CHOSEN_SLOT];
}

int ListEntry() {
    return gBattle.menuCursor + 2 * gBattle.menuColumn;
}

bool SlotHoldsSkill(int entry) {
    return Commanding().slots[static_cast<size_t>(entry)].id != SKILL_NONE;
}

void AskForTargets() {
    ShowInfo("Choose %d more \ntarget.", static_cast<int>(gBattle.targetsToChoose));
}

void ShowSkillHelp() {
    const Action& skill = Commanding().slots[static_cast<size_t>(ListEntry())];
    const char* description = SkillDescription(skill.id);
    SetInfoText(description != nullptr ? description : "");
    char cost[40];
    FormatText(cost, sizeof cost, "Mana Cost : %d", static_cast<int>(skill.manaCost));
    gBattleHud.manaCostText.setString(cost);
}

void ShowItemHelp() {
    const char* description = SkillDescription(gBattle.session->Pouch().slots[gBattle.menuCursor].itemId);
    SetInfoText(description != nullptr ? description : "");
}

void BackToCommands() {
    gBattle.menuCursor = 0;
    gBattle.menuColumn = 0;
    gBattle.phase = PHASE_COMMAND;
    PlaceMenuCursor(0, PHASE_COMMAND);
}

void PassCommand() {
    do {
        ++gBattle.commandingMember;
    } while (gBattle.commandingMember < gBattle.party.size() && Commanding().state == STATE_DEAD);
    gBattle.menuColumn = 0;
    gBattle.menuCursor = 0;
    if (gBattle.commandingMember < gBattle.party.size()) {
        CreateCommandMenu();
        BackToCommands();
        return;
    }
    gBattleMenus.commandMenu = false;
    gBattle.phase = PHASE_ACTIONS;
}

void PayMana(PartyCombatant& member, uint32_t cost) {
    member.mana = member.mana > static_cast<int32_t>(cost) ? member.mana - static_cast<int32_t>(cost) : 0;
}

void ChooseTargetsFor(const Action& action) {
    gBattle.menuCursor = 0;
    gBattle.targetsToChoose = action.targetCount;
    gBattle.menuColumn = action.targetsOpponents == 1 ? 1 : 0;
    AskForTargets();
    gBattle.phase = PHASE_TARGET;
}

// Mega Heal and Zone Attack take the whole side, the fallen included (their turn skips them).
void AimAtWholeSide(PartyCombatant& member) {
    Action& action = member.slots[CHOSEN_SLOT];
    const size_t side = action.targetsOpponents == 1 ? gBattle.enemies.size() : gBattle.party.size();
    for (size_t i = 0; i < action.targets.size(); ++i)
        action.targets[i] = i < side ? static_cast<uint32_t>(i) : static_cast<uint32_t>(side);
    PayMana(member, action.manaCost);
    DestroyListMenu();
    PassCommand();
}

BattleLeave CommandKey(int32_t key) {
    const KeyBindings& keys = gSettings.keys;
    if (key == keys.escape) return BattleLeave::TO_TITLE;
    if (key != keys.up && key != keys.down && key != keys.enter) return BattleLeave::STAY;
    PlaySoundEffect(SOUND_COMMAND_MOVE);
    if (key == keys.up) gBattle.menuCursor = gBattle.menuCursor == 0 ? 2 : gBattle.menuCursor - 1;
    if (key == keys.down) gBattle.menuCursor = gBattle.menuCursor == 2 ? 0 : gBattle.menuCursor + 1;
    if (key != keys.enter) {
        PlaceMenuCursor(gBattle.menuCursor, PHASE_COMMAND);
        return BattleLeave::STAY;
    }
    if (gBattle.menuCursor == 0) {
        Chosen() = MakeAction(SKILL_ATTACK);
        gBattle.menuColumn = 1;
        gBattle.menuCursor = 0;
        gBattle.targetsToChoose = Chosen().targetCount;
        gBattle.phase = PHASE_TARGET;
    } else if (gBattle.menuCursor == 1) {
        gBattle.phase = PHASE_SKILL_LIST;
        gBattle.menuColumn = 0;
        gBattle.menuCursor = 0;
        CreateSkillList(Commanding());
        ShowSkillHelp();
    } else if (!gBattle.session->PouchHasPotions()) {
        SetInfoText("You don't have any\nitems.");
    } else {
        gBattle.phase = PHASE_ITEM_LIST;
        gBattle.menuColumn = 0;
        gBattle.menuCursor = gBattle.session->Pouch().slots[0].count > 0 ? 0 : 1;
        CreateItemList();
        ShowItemHelp();
    }
    return BattleLeave::STAY;
}

void MoveInSkillGrid(int32_t key) {
    const KeyBindings& keys = gSettings.keys;
    const int row = gBattle.menuCursor, column = gBattle.menuColumn;
    if (key == keys.up) {
        if (row == 1 || SlotHoldsSkill(2 * column + 1)) gBattle.menuCursor = row == 1 ? 0 : 1;
    } else if (key == keys.down) {
        if (SlotHoldsSkill(2 * column + 1)) gBattle.menuCursor = row == 1 ? 0 : 1;
    } else if (key == keys.left) {
        if (column == 1 || SlotHoldsSkill(2 + row)) gBattle.menuColumn = column == 1 ? 0 : 1;
    } else {
        gBattle.menuColumn = column == 0 && SlotHoldsSkill(2 + row) ? 1 : 0;
    }
    PlaceMenuCursor(ListEntry(), PHASE_SKILL_LIST);
    ShowSkillHelp();
}

void SkillListKey(int32_t key) {
    const KeyBindings& keys = gSettings.keys;
    if (key == keys.escape) {
        DestroyListMenu();
        BackToCommands();
        return;
    }
    const bool move = key == keys.up || key == keys.down || key == keys.left || key == keys.right;
    if (!move && key != keys.enter) return;
    PlaySoundEffect(SOUND_LIST_MOVE);
    if (move) {
        MoveInSkillGrid(key);
        return;
    }
    PartyCombatant& member = Commanding();
    const Action& skill = member.slots[static_cast<size_t>(ListEntry())];
    if (skill.id == SKILL_NONE) return;
    if (member.mana < static_cast<int32_t>(skill.manaCost)) {
        SetInfoText("You don't have \nenough mana !");
        return;
    }
    Chosen() = MakeAction(skill.id);
    if (Chosen().hitsAll == 1) {
        gBattle.targetsToChoose = Chosen().targetCount;
        gBattle.menuColumn = 0;
        gBattle.menuCursor = 0;
        AimAtWholeSide(member);
        return;
    }
    ChooseTargetsFor(Chosen());
}

void ItemListKey(int32_t key) {
    const KeyBindings& keys = gSettings.keys;
    if (key == keys.escape) {
        gBattle.targetsToChoose = 0;
        DestroyListMenu();
        CreateCommandMenu();
        BackToCommands();
        return;
    }
    const bool twoListed = gBattle.session->Pouch().slots[0].count > 0 && gBattle.session->Pouch().slots[1].count > 0;
    if (key == keys.down && !twoListed) return;  // nothing to move to, not even a sound
    const bool move = key == keys.up || key == keys.down || key == keys.left || key == keys.right;
    if (!move && key != keys.enter) return;
    PlaySoundEffect(SOUND_LIST_MOVE);
    if (move) {
        if ((key == keys.up || key == keys.down) && twoListed)
            gBattle.menuCursor = gBattle.menuCursor == 0 ? 1 : 0;
        PlaceMenuCursor(gBattle.menuCursor, PHASE_ITEM_LIST);
        ShowItemHelp();
        return;
    }
    Chosen() = MakeAction(gBattle.session->Pouch().slots[gBattle.menuCursor].itemId);
    gBattle.menuCursor = 0;
    gBattle.targetsToChoose = 1;
    gBattle.menuColumn = 0;
    AskForTargets();
    gBattle.phase = PHASE_TARGET;
}

// Why the target under the cursor cannot take the chosen action, or nullptr when it can.
const char* Refusal(const Combatant& target) {
    if (gBattle.menuColumn == 1)
        return target.state == STATE_DEAD ? "You can't use %s\non this enemy; \nhe is dead." : nullptr;
    if (Chosen().id == SKILL_RESURRECTION)
        return target.state == STATE_DEAD ? nullptr : "You can't use %s \non this mate; \nhe is not dead.";
    return target.state == STATE_DEAD ? "You can't use %s \non this mate; \nhe is dead." : nullptr;
}

void AcceptTarget() {
    Action& action = Chosen();
    const uint32_t entry = action.targetCount - gBattle.targetsToChoose;
    if (entry < action.targets.size()) action.targets[entry] = gBattle.menuCursor;
    --gBattle.targetsToChoose;
    AskForTargets();
    if (action.id == SKILL_HP_POTION || action.id == SKILL_MANA_POTION) gBattle.session->ConsumePotion(action.id);
    if (gBattle.targetsToChoose > 0) return;
    PayMana(Commanding(), action.manaCost);
    PassCommand();
}

void TargetKey(int32_t key) {
    const KeyBindings& keys = gSettings.keys;
    if (key == keys.escape) {
        gBattle.targetsToChoose = 0;
        CreateCommandMenu();
        BackToCommands();
        return;
    }
    if (key != keys.up && key != keys.down && key != keys.enter) return;
    PlaySoundEffect(SOUND_LIST_MOVE);
    const std::vector<Combatant>& side = gBattle.menuColumn == 1 ? gBattle.enemies : gBattle.party;
    const uint16_t last = static_cast<uint16_t>(side.size() - 1);
    if (key == keys.up) gBattle.menuCursor = gBattle.menuCursor == 0 ? last : gBattle.menuCursor - 1;
    if (key == keys.down) gBattle.menuCursor = gBattle.menuCursor >= last ? 0 : gBattle.menuCursor + 1;
    if (key != keys.enter) return;
    const char* refusal = Refusal(side[gBattle.menuCursor]);
    if (refusal != nullptr) {
        ShowInfo(refusal, SkillName(Chosen().id));
        return;
    }
    AcceptTarget();
}

sf::Text CentredText(const char* label, unsigned size, sf::Vector2f at) {
    sf::Text text = BattleText(label, size);
    CentreOrigin(text);
    text.setPosition(at);
    return text;
}

sf::Text CellText(const std::string& label, int entry) {
    sf::Text text = BattleText(label, LIST_TEXT_SIZE);
    text.setPosition(LIST_CELLS[entry]);
    return text;
}

void BuildListBackground() {
    gBattleMenus.listBackground = sf::Sprite(gBattleHud.listTexture);
    const sf::Vector2u size = gBattleHud.listTexture.getSize();
    gBattleMenus.listBackground.setOrigin(0.0f, static_cast<float>(size.y));
    gBattleMenus.listBackground.setScale(BATTLE_SCALE, BATTLE_SCALE);
    gBattleMenus.listBackground.setPosition(10.0f, BATTLE_H - 10.0f);
    gBattleMenus.listMenu = true;
}

}  // namespace

BattleLeave HandleBattleKey(const sf::Event::KeyEvent& keyEvent) {
    const int32_t key = keyEvent.code;
    if (!gBattle.running) {
        if (key == gSettings.keys.enter) return BattleLeave::TO_MAP;
        if (key == gSettings.keys.escape) return BattleLeave::TO_TITLE;
        return BattleLeave::STAY;
    }
    if (key == KEY_WIN && DeveloperKeysOn()) {
        gBattle.deadEnemyCount = gBattle.enemyCount;
        return BattleLeave::STAY;
    }
    switch (gBattle.phase) {
        case PHASE_COMMAND:
            return CommandKey(key);
        case PHASE_SKILL_LIST:
            SkillListKey(key);
            break;
        case PHASE_ITEM_LIST:
            ItemListKey(key);
            break;
        case PHASE_TARGET:
            TargetKey(key);
            break;
        case PHASE_ACTIONS:
            if (key == KEY_SPACE) gBattle.actionDelay = 0.0f;
            break;
        case PHASE_VICTORY:
            break;
    }
    return BattleLeave::STAY;
}

void PlaceMenuCursor(int index, BattlePhase mode) {
    const sf::Text* text = nullptr;
    if (mode == PHASE_COMMAND) {
        text = &gBattleMenus.commandTexts[static_cast<size_t>(index)];
        if (index == 0) SetInfoText(SkillDescription(SKILL_ATTACK));
        if (index == 1) SetInfoText("Skill selection.");
        if (index == 2) SetInfoText("Item selection.");
    } else if (gBattleMenus.listTexts[static_cast<size_t>(index)]) {
        text = &*gBattleMenus.listTexts[static_cast<size_t>(index)];
    }
    if (text == nullptr) return;
    const sf::FloatRect bounds = text->getGlobalBounds();
    gBattleHud.dagger.setPosition(bounds.left - 5.0f, bounds.top + bounds.height / 2);
}

void CreateCommandMenu() {
    sf::Sprite& background = gBattleMenus.commandBackground;
    background = sf::Sprite(gBattleHud.actionsTexture);
    const sf::Vector2u size = gBattleHud.actionsTexture.getSize();
    background.setOrigin(static_cast<float>(size.x), static_cast<float>(size.y));
    background.setScale(BATTLE_SCALE, BATTLE_SCALE);
    background.setPosition(BATTLE_W - 10.0f, BATTLE_H - 10.0f);
    const sf::FloatRect box = background.getGlobalBounds();
    for (size_t i = 0; i < 3; ++i) {
        const sf::Vector2f at(box.left + box.width / 2 + 10.0f,
                              box.top + 50.0f + 100.0f * static_cast<float>(i));
        gBattleMenus.commandTexts[i] = CentredText(COMMANDS[i], COMMAND_TEXT_SIZE, at);
    }
    gBattleMenus.commandMenu = true;
}

void CreateSkillList(const Combatant& member) {
    BuildListBackground();
    gBattleMenus.itemList = false;
    for (int entry = 0; entry < 4; ++entry) {
        const char* name = SkillName(member.slots[static_cast<size_t>(entry)].id);
        gBattleMenus.listTexts[static_cast<size_t>(entry)].reset();
        if (name != nullptr) gBattleMenus.listTexts[static_cast<size_t>(entry)] = CellText(name, entry);
    }
    const sf::FloatRect box = gBattleMenus.listBackground.getGlobalBounds();
    gBattleMenus.listMember = BuildMemberBlock(member, {BATTLE_W - 400.0f, box.top + 30.0f});
    PlaceMenuCursor(0, PHASE_SKILL_LIST);
}

void CreateItemList() {
    BuildListBackground();
    gBattleMenus.itemList = true;
    gBattleMenus.listMember.reset();
    for (int entry = 0; entry < 4; ++entry) {
        gBattleMenus.listTexts[static_cast<size_t>(entry)].reset();
        if (entry >= 2) continue;
        const PouchSlot& slot = gBattle.session->Pouch().slots[entry];
        const char* name = SkillName(slot.itemId);
        if (slot.count == 0 || name == nullptr) continue;
        char label[120];
        FormatText(label, sizeof label, "%s x%hu", name, slot.count);
        gBattleMenus.listTexts[static_cast<size_t>(entry)] = CellText(label, entry);
    }
    PlaceMenuCursor(gBattle.menuCursor, PHASE_ITEM_LIST);
}

void DestroyListMenu() {
    gBattleMenus.listMenu = false;
    gBattleMenus.listTexts = {};
    gBattleMenus.listMember.reset();
}

void DestroyMenus() {
    gBattleMenus = BattleMenus{};
}

void DrawCommandMenu(sf::RenderWindow& window) {
    if (!gBattleMenus.commandMenu) return;
    window.draw(gBattleMenus.commandBackground);
    for (const sf::Text& text : gBattleMenus.commandTexts)
        window.draw(text);
}

void DrawListMenu(sf::RenderWindow& window) {
    if (!gBattleMenus.listMenu) return;
    window.draw(gBattleMenus.listBackground);
    for (const std::optional<sf::Text>& text : gBattleMenus.listTexts)
        if (text) window.draw(*text);
}
