#include "battle/screen/BattleScreen.h"

#include "battle/screen/BattleHud.h"
#include "battle/screen/BattleLayout.h"
#include "battle/screen/CombatantAnimation.h"
#include "battle/screen/CommandMenus.h"
#include "battle/screen/GameOver.h"
#include "battle/screen/Victory.h"
#include "core/Log.h"
#include "core/Pictures.h"
#include "core/Screen.h"
#include "core/SoundEffects.h"

namespace {

#define FRIENDLY "Assets/Sounds/Battle/Friendly/"

const char* const SKILL_SOUNDS[SKILL_COUNT] = {
    FRIENDLY "NormalAttack.wav",
    FRIENDLY "DoubleAttack.wav",
    FRIENDLY "NormalAttack.wav",
    FRIENDLY "Heal.wav",
    FRIENDLY "MegaHeal.wav",
    FRIENDLY "ReviveSpell.wav",
    FRIENDLY "DoubleAttack.wav",
    FRIENDLY "MagicSingleAttack.wav",
    FRIENDLY "MagicDoubleAttack.wav",
    FRIENDLY "ParalysisAttack.wav",
    FRIENDLY "InfoSkill.wav",
    FRIENDLY "TransfertSkill.wav",
    FRIENDLY "PotionConsume.wav",
    FRIENDLY "PotionConsume.wav",
    nullptr,
};

// An enemy's plain attack sounds like the enemy; everything else like the skill.
const char* StruckSound(int32_t skill, int32_t user) {
    if (skill == SKILL_ATTACK && user == ENEMY_DOG) return "Assets/Sounds/Battle/Enemy/DogAttack.wav";
    if (skill == SKILL_ATTACK && user == ENEMY_KNIGHT) return "Assets/Sounds/Battle/Enemy/Slash.wav";
    return skill >= 0 && skill < SKILL_COUNT ? SKILL_SOUNDS[skill] : nullptr;
}

#undef FRIENDLY

AnimationSlot ActingAnimation(const Fighter& fighter, int32_t skill) {
    if (!fighter.enemy) return MakeAction(skill).melee == 1 ? ANIM_MELEE : ANIM_CAST;
    if (IsBoss(fighter)) {
        if (skill == SKILL_RUSH) return ANIM_BOSS_RUSH;
        if (skill == SKILL_ZONE_ATTACK) return ANIM_BOSS_ZONE;
        if (skill == SKILL_HEAL) return ANIM_BOSS_HEAL;
    }
    return ANIM_MELEE;
}

void SendEveryoneHome(Battle& battle) {
    for (FighterView& view : battle.enemies)
        view.sprite.setPosition(view.home);
    for (FighterView& view : battle.party)
        view.sprite.setPosition(view.home);
}

// The game's copy when it keeps one, else the battle's own.
void LoadBackground(Battle& battle, const MapLook& look) {
    const auto kept = battle.sheets->backgrounds.find(look.battleBackground);
    if (kept != battle.sheets->backgrounds.end()) {
        battle.background = sf::Sprite(kept->second);
    } else {
        LoadPicture(battle.backgroundTexture, BATTLE_BACKGROUND_FOLDER + look.battleBackground);
        battle.background = sf::Sprite(battle.backgroundTexture);
    }
    battle.background.setPosition(0.0f, 0.0f);
}

// The dagger and the timeline follow the choice being made.
void UpdateTimelineHighlight(Battle& battle) {
    ClearTimelineHighlights(battle);
    switch (battle.phase) {
        case PHASE_SKILL_LIST:
        case PHASE_ITEM_LIST:
            PlaceMenuCursor(battle, battle.menuCursor + 2 * battle.menuColumn, battle.phase);
            break;
        case PHASE_TARGET:
            MarkTarget(battle);
            break;
        case PHASE_COMMAND:
        case PHASE_ACTIONS:
        case PHASE_VICTORY:
            break;
    }
}

void DrawPhase(sf::RenderWindow& window, const Battle& battle) {
    switch (battle.phase) {
        case PHASE_COMMAND:
            DrawCommandMenu(window, battle);
            window.draw(battle.hud.dagger);
            DrawInfoBox(window, battle);
            break;
        case PHASE_SKILL_LIST:
            DrawListMenu(window, battle);
            if (battle.menus.listMember) DrawMemberBlock(window, *battle.menus.listMember);
            window.draw(battle.hud.dagger);
            DrawInfoBox(window, battle);
            window.draw(battle.hud.manaCostText);
            break;
        case PHASE_TARGET:
            window.draw(battle.hud.dagger);
            DrawCommandMenu(window, battle);
            DrawInfoBox(window, battle);
            break;
        case PHASE_ACTIONS:
            for (const sf::Text& number : battle.hud.floatingNumbers)
                window.draw(number);
            DrawInfoBox(window, battle);
            break;
        case PHASE_ITEM_LIST:
            DrawListMenu(window, battle);
            window.draw(battle.hud.dagger);
            DrawInfoBox(window, battle);
            break;
        case PHASE_VICTORY:
            DrawInfoBox(window, battle);
            break;
    }
}

}  // namespace

void BattleScreen::Load() {
    ResetView(context_.window);
    battle.started = true;
    battle.sheets = &sheets_;
    battle.groundDrop = look_.battleGroundDrop;
    std::string fault;
    const std::optional<BattleFile> file = ReadBattleFile(battlePath_, fault);
    LoadBackground(battle, look_);
    CreateBattleHud(battle);
    if (!file) {
        // Nothing to fight: the screen says why and the confirm key leads back to the map.
        LogDebug("Battle %s.txt cannot be fought: %s\n", battlePath_.c_str(), fault.c_str());
        battle.fault = fault;
        ShowBattleFault(battle);
        return;
    }
    StartRules(battle.rules, session_, *file);
    CreateCombatantSprites(battle);
    battle.running = true;
    Show(TakeEvents(battle.rules));
    CreatePartyHud(battle);
    OpenCommandMenu(battle);
}

void BattleScreen::Key(const sf::Event::KeyEvent& key) {
    switch (HandleBattleKey(battle, key)) {
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
    if (!battle.running || over_) return;
    AdvanceBattle(battle.rules, dt);
    Show(TakeEvents(battle.rules));
    switch (Stage(battle.rules)) {
        case BattleStage::LOST:
            // The battle stays under the game-over screen as it ended: the last blow's bars and fading.
            over_ = true;
            UpdatePartyBars(battle, 0.0f);
            UpdateBeneath(0.0f);
            context_.requests.Push(std::make_unique<GameOverScreen>(context_, session_.Slot()));
            return;
        case BattleStage::WON:
            over_ = true;
            battle.phase = PHASE_VICTORY;
            context_.requests.Push(
                std::make_unique<VictoryScreen>(context_, session_, battle.rules.moneyEarned));
            return;
        case BattleStage::COMMANDS:
        case BattleStage::ACTIONS:
            break;
    }
    UpdateTimelineHighlight(battle);
    UpdatePartyBars(battle, dt);
    UpdateBeneath(dt);
}

void BattleScreen::UpdateBeneath(float dt) {
    AnimateEnemies(battle, dt);
    AnimateParty(battle, dt);
}

void BattleScreen::Show(const std::vector<BattleEvent>& events) {
    for (const BattleEvent& event : events)
        Show(event);
}

void BattleScreen::Show(const BattleEvent& event) {
    const bool fighterEvent =
        event.type != BattleEventType::MESSAGE && event.type != BattleEventType::TIMELINE &&
        event.type != BattleEventType::COMMANDS && event.type != BattleEventType::TURN_BEGINS &&
        event.type != BattleEventType::HOME;
    FighterView* view = fighterEvent ? &ViewOf(battle, event.enemy, event.index) : nullptr;
    const Fighter* fighter = fighterEvent ? &FighterOf(battle, event.enemy, event.index) : nullptr;
    switch (event.type) {
        case BattleEventType::MESSAGE:
            SetInfoText(battle, event.text);
            break;
        case BattleEventType::TIMELINE:
            BuildTimelineSprites(battle);
            break;
        case BattleEventType::COMMANDS:
            OpenCommandMenu(battle);
            break;
        case BattleEventType::TURN_BEGINS:
            ClearFloatingNumbers(battle);
            break;
        case BattleEventType::HOME:
            SendEveryoneHome(battle);
            break;
        case BattleEventType::ACTS:
            view->sprite.move(event.enemy ? -STEP_FORWARD : STEP_FORWARD, 0.0f);
            PlayAnimation(*view, ActingAnimation(*fighter, event.skill));
            break;
        case BattleEventType::STRUCK:
            StartEffect(sheets_, *view, MakeAction(event.skill).effectKind, !event.enemy);
            if (const char* sound = StruckSound(event.skill, event.user)) PlaySoundEffect(sound);
            break;
        case BattleEventType::PARALYSED:
            if (!IsBoss(*fighter)) PlayAnimation(*view, ANIM_PARALYSED);
            break;
        case BattleEventType::LOSES_TURN:
            if (!IsBoss(*fighter)) PlayAnimation(*view, ANIM_IDLE);
            break;
        case BattleEventType::REVIVED:
            break;
        case BattleEventType::FALLS:
            if (event.animated) PlayAnimation(*view, ANIM_DEATH);
            break;
        case BattleEventType::CHANGE_SHOWN:
            AddFloatingNumber(battle, event.amount, view->sprite.getPosition());
            if (fighter->state != STATE_DEAD && event.amount < 0) PlayAnimation(*view, ANIM_HURT);
            break;
    }
}

void BattleScreen::Draw(sf::RenderWindow& window) {
    if (!battle.started) return;
    ApplyReferenceView(window);
    window.draw(battle.background);
    if (!battle.running) {
        DrawInfoBox(window, battle);
        return;
    }
    for (const FighterView& enemy : battle.enemies)
        DrawFighter(window, enemy);
    for (const FighterView& member : battle.party)
        DrawFighter(window, member);
    window.draw(battle.hud.panel);
    for (const MemberBlock& block : battle.hud.members)
        DrawMemberBlock(window, block);
    DrawPhase(window, battle);
    DrawTimeline(window, battle);
}
