#include "battle/BattleHud.h"

#include <cstdarg>
#include <cstdio>

#include "battle/BattleLayout.h"
#include "battle/BattleState.h"
#include "battle/CommandMenus.h"
#include "core/Pictures.h"
#include "core/Text.h"

BattleHud gBattleHud;

namespace {

#define HUD "Assets/Sprites/Battle/BattleHUD/"

const char* const PORTRAITS[ROSTER_SIZE] = {HUD "PellPortrait.png", HUD "SpiritPortrait.png",
                                            HUD "Mate1Portrait.png", HUD "Mate3Portrait.png"};
const char* const TIMELINE_TILES[TIMELINE_COLOURS] = {
    HUD "TimelineCyan.png", HUD "TimelineGreen.png",  HUD "TimelinePurple.png", HUD "TimelineBlue.png",
    HUD "TimelineRed.png",  HUD "TimelineOrange.png", HUD "TimelineYellow.png"};

constexpr unsigned INFO_TEXT_SIZE = 25;
constexpr unsigned BAR_TEXT_SIZE = 16;
constexpr unsigned FLOATING_TEXT_SIZE = 16;
constexpr float BAR_LENGTH = 80.0f * BATTLE_SCALE;  // a full bar on screen
constexpr float BAR_HEIGHT = 9.0f * BATTLE_SCALE;
constexpr float PORTRAIT_GAP = 150.0f;
constexpr float BLINK_SPEED = 200.0f;
constexpr float BLINK_MAX = 200.0f;

sf::Sprite ScaledSprite(const sf::Texture& texture) {
    sf::Sprite sprite(texture);
    sprite.setScale(BATTLE_SCALE, BATTLE_SCALE);
    return sprite;
}

void LoadHudTextures() {
    BattleHud& hud = gBattleHud;
    hud.font.loadFromFile(GAME_FONT);
    LoadPicture(hud.infoTexture, "Assets/Sprites/battle/BattleHUD/InfoBackground.png");
    LoadPicture(hud.panelTexture, HUD "HPBackground.png");
    LoadPicture(hud.daggerTexture, HUD "DaggerCursor.png");
    LoadPicture(hud.lifeBarTexture, HUD "LifeBar.png");
    LoadPicture(hud.manaBarTexture, HUD "ManaBar.png");
    LoadPicture(hud.actionsTexture, HUD "ActionsBackground.png");
    LoadPicture(hud.listTexture, HUD "SkillBackground.png");
    LoadPicture(hud.highlightTexture, HUD "TimelineSurbrillance.png");
    for (size_t i = 0; i < ROSTER_SIZE; ++i)
        LoadPicture(hud.portraitTextures[i], PORTRAITS[i]);
    for (size_t i = 0; i < TIMELINE_COLOURS; ++i)
        LoadPicture(hud.timelineTextures[i], TIMELINE_TILES[i]);
}

#undef HUD

sf::RectangleShape Trough(sf::Vector2f at) {
    sf::RectangleShape trough({BAR_LENGTH, BAR_HEIGHT});
    trough.setPosition(at);
    trough.setFillColor(sf::Color(20, 16, 28));
    trough.setOutlineColor(sf::Color(8, 6, 12));
    trough.setOutlineThickness(2.0f);
    return trough;
}

void CentreBarText(sf::Text& text, const sf::Vector2f& barAt, const char* format, int32_t value,
                   int32_t maximum) {
    char label[40];
    FormatText(label, sizeof label, format, value, maximum);
    text.setString(label);
    text.setOrigin(text.getLocalBounds().width / 2, 0.0f);
    text.setPosition(barAt.x + BAR_LENGTH / 2, barAt.y - 1.0f);
}

void StepBlink(float dt) {
    if (gBattle.blinkRising) {
        gBattle.blinkAlpha += BLINK_SPEED * dt;
        if (gBattle.blinkAlpha > BLINK_MAX) {
            gBattle.blinkAlpha = BLINK_MAX;
            gBattle.blinkRising = false;
        }
    } else {
        gBattle.blinkAlpha -= BLINK_SPEED * dt;
        if (gBattle.blinkAlpha < 0.0f) {
            gBattle.blinkAlpha = 0.0f;
            gBattle.blinkRising = true;
        }
    }
}

sf::Color FrameColour(const Combatant& member, size_t index) {
    if (member.state == STATE_DEAD) return sf::Color(0, 0, 0, 150);
    if (index == gBattle.commandingMember)
        return sf::Color(255, 255, 255, static_cast<sf::Uint8>(gBattle.blinkAlpha));
    return sf::Color(255, 255, 255, 0);
}

void ClearHighlights() {
    for (sf::Sprite& highlight : gBattleHud.timelineHighlights)
        highlight.setColor(sf::Color(255, 255, 255, 0));
}

void MarkTarget() {
    const std::vector<Combatant>& side = gBattle.menuColumn == 1 ? gBattle.enemies : gBattle.party;
    if (gBattle.menuCursor >= side.size()) return;
    const Combatant& target = side[gBattle.menuCursor];
    const sf::FloatRect bounds = target.sprite.getGlobalBounds();
    const float x = IsBoss(target) ? bounds.left + bounds.width * 2 / 3 : bounds.left;
    gBattleHud.dagger.setPosition(x, bounds.top + bounds.height / 2);
    const size_t slot = target.timelinePosition - 1;
    if (slot < gBattleHud.timelineHighlights.size()) {
        const sf::Color lit(255, 255, 255, static_cast<sf::Uint8>(gBattle.blinkAlpha));
        gBattleHud.timelineHighlights[slot].setColor(lit);
    }
}

void DrawMemberBlock(sf::RenderWindow& window, const MemberBlock& block) {
    window.draw(block.portrait);
    window.draw(block.hpTrough);
    window.draw(block.hpBar);
    window.draw(block.hpText);
    window.draw(block.manaTrough);
    window.draw(block.manaBar);
    window.draw(block.manaText);
    window.draw(block.frame);
}

void DrawFighter(sf::RenderWindow& window, const Combatant& combatant) {
    window.draw(combatant.sprite);
    if (combatant.effectActive == 1 && combatant.effect) window.draw(combatant.effect->sprite);
}

void DrawInfoBox(sf::RenderWindow& window) {
    window.draw(gBattleHud.infoBox);
    window.draw(gBattleHud.infoText);
}

void DrawPhase(sf::RenderWindow& window) {
    switch (gBattle.phase) {
        case PHASE_COMMAND:
            DrawCommandMenu(window);
            window.draw(gBattleHud.dagger);
            DrawInfoBox(window);
            break;
        case PHASE_SKILL_LIST:
            DrawListMenu(window);
            if (gBattleMenus.listMember) DrawMemberBlock(window, *gBattleMenus.listMember);
            window.draw(gBattleHud.dagger);
            DrawInfoBox(window);
            window.draw(gBattleHud.manaCostText);
            break;
        case PHASE_TARGET:
            window.draw(gBattleHud.dagger);
            DrawCommandMenu(window);
            DrawInfoBox(window);
            break;
        case PHASE_ACTIONS:
            for (const sf::Text& number : gBattleHud.floatingNumbers)
                window.draw(number);
            DrawInfoBox(window);
            break;
        case PHASE_ITEM_LIST:
            DrawListMenu(window);
            window.draw(gBattleHud.dagger);
            DrawInfoBox(window);
            break;
        case PHASE_VICTORY:
            DrawInfoBox(window);
            break;
    }
}

}  // namespace

sf::Text BattleText(const std::string& string, unsigned size) {
    return SharpText(gBattleHud.font, string, size);
}

void CreateBattleHud() {
    BattleHud& hud = gBattleHud;
    LoadHudTextures();
    hud.infoBox = ScaledSprite(hud.infoTexture);
    hud.infoBox.setOrigin(static_cast<float>(hud.infoTexture.getSize().x), 0.0f);
    hud.infoBox.setPosition(1437.0f, BATTLE_H - 346.0f);
    const sf::FloatRect box = hud.infoBox.getGlobalBounds();
    hud.infoText = BattleText(" ", INFO_TEXT_SIZE);
    hud.infoText.setPosition(box.left + 20.0f, box.top + 10.0f);
    hud.manaCostText = BattleText("", INFO_TEXT_SIZE);
    hud.manaCostText.setPosition(box.left + 20.0f, box.top + 200.0f);
    hud.dagger = ScaledSprite(hud.daggerTexture);
    const sf::Vector2u dagger = hud.daggerTexture.getSize();
    hud.dagger.setOrigin(static_cast<float>(dagger.x), static_cast<float>(dagger.y) / 2);
    hud.floatingNumbers.clear();
    hud.built = true;
}

MemberBlock BuildMemberBlock(const Combatant& member, sf::Vector2f portraitAt) {
    MemberBlock block;
    block.portrait = ScaledSprite(gBattleHud.portraitTextures[static_cast<size_t>(member.id)]);
    block.portrait.setPosition(portraitAt);
    block.frame.setSize({PORTRAIT_FRAME_WIDTH, PORTRAIT_FRAME_HEIGHT});
    block.frame.setPosition(portraitAt);
    block.frame.setFillColor(sf::Color(255, 255, 255, 0));
    const sf::Vector2f hpAt(portraitAt.x + 54.0f, portraitAt.y + 236.0f);
    const sf::Vector2f manaAt(portraitAt.x + 54.0f, portraitAt.y + 266.0f);
    block.hpTrough = Trough(hpAt);
    block.manaTrough = Trough(manaAt);
    block.hpBar = ScaledSprite(gBattleHud.lifeBarTexture);
    block.hpBar.setPosition(hpAt);
    block.manaBar = ScaledSprite(gBattleHud.manaBarTexture);
    block.manaBar.setPosition(manaAt);
    block.hpText = BattleText("", BAR_TEXT_SIZE);
    block.manaText = BattleText("", BAR_TEXT_SIZE);
    RefreshMemberBlock(block, member);
    return block;
}

int BarWidth(int32_t value, int32_t maximum) {
    if (maximum <= 0 || value <= 0) return 0;
    const int64_t scaled = static_cast<int64_t>(value) * 160 / maximum;
    return static_cast<int>(scaled / 2);
}

void RefreshMemberBlock(MemberBlock& block, const Combatant& member) {
    block.hpBar.setTextureRect({0, 0, BarWidth(member.hp, member.maxHp), 9});
    block.manaBar.setTextureRect({0, 0, BarWidth(member.mana, member.maxMana), 9});
    CentreBarText(block.hpText, block.hpTrough.getPosition(), "%d/%d", member.hp, member.maxHp);
    CentreBarText(block.manaText, block.manaTrough.getPosition(), "%d/%d", member.mana, member.maxMana);
}

void CreatePartyHud() {
    BattleHud& hud = gBattleHud;
    hud.panel = ScaledSprite(hud.panelTexture);
    hud.panel.setOrigin(0.0f, static_cast<float>(hud.panelTexture.getSize().y));
    hud.panel.setPosition(10.0f, BATTLE_H - 10.0f);
    const sf::FloatRect panel = hud.panel.getGlobalBounds();
    sf::Vector2f at(panel.left + 60.0f, panel.top + 30.0f);
    hud.members.clear();
    for (const PartyCombatant& member : gBattle.party) {
        hud.members.push_back(BuildMemberBlock(member, at));
        at.x = hud.members.back().portrait.getGlobalBounds().left +
               hud.members.back().portrait.getGlobalBounds().width + PORTRAIT_GAP;
    }
}

void DestroyBattleHud() {
    gBattleHud = BattleHud{};
}

void SetInfoText(const char* text) {
    gBattleHud.infoText.setString(sf::String::fromUtf8(text, text + std::char_traits<char>::length(text)));
}

void ShowInfo(const char* format, ...) {
    char text[100];
    va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    SetInfoText(length >= 0 && static_cast<size_t>(length) < sizeof text ? text : "");
}

void ShowBattleFault() {
    std::string text = "This fight cannot\nbegin: its battle\nfile is broken.\n\nConfirm to go back.";
    SetInfoText(text.c_str());
}

void BuildTimelineSprites() {
    BattleHud& hud = gBattleHud;
    hud.timelineTiles.clear();
    hud.timelineHighlights.clear();
    const float count = static_cast<float>(gBattle.timeline.size());
    for (size_t k = 0; k < gBattle.timeline.size(); ++k) {
        const uint32_t code = gBattle.timeline[k] < TIMELINE_COLOURS ? gBattle.timeline[k] : 0;
        const sf::Vector2f at(60.0f * static_cast<float>(k) + 2 * BATTLE_W / 5 - 30.0f * count, 10.0f);
        hud.timelineTiles.push_back(ScaledSprite(hud.timelineTextures[code]));
        hud.timelineTiles.back().setPosition(at);
        hud.timelineHighlights.push_back(ScaledSprite(hud.highlightTexture));
        hud.timelineHighlights.back().setPosition(at);
        hud.timelineHighlights.back().setColor(sf::Color(255, 255, 255, 0));
    }
}

void UpdateTimelineHighlight() {
    ClearHighlights();
    switch (gBattle.phase) {
        case PHASE_SKILL_LIST:
        case PHASE_ITEM_LIST:
            PlaceMenuCursor(gBattle.menuCursor + 2 * gBattle.menuColumn, gBattle.phase);
            break;
        case PHASE_TARGET:
            MarkTarget();
            break;
        default:
            break;
    }
}

void UpdatePartyBars(float dt) {
    StepBlink(dt);
    for (size_t i = 0; i < gBattleHud.members.size() && i < gBattle.party.size(); ++i) {
        MemberBlock& block = gBattleHud.members[i];
        RefreshMemberBlock(block, gBattle.party[i]);
        block.frame.setFillColor(FrameColour(gBattle.party[i], i));
    }
    if (gBattleMenus.listMember && gBattle.commandingMember < gBattle.party.size())
        RefreshMemberBlock(*gBattleMenus.listMember, gBattle.party[gBattle.commandingMember]);
}

void AddFloatingNumber(int32_t change, sf::Vector2f position) {
    char label[20];
    FormatText(label, sizeof label, "%d", change < 0 ? -change : change);
    sf::Text number = BattleText(label, FLOATING_TEXT_SIZE);
    number.setFillColor(change < 0 ? sf::Color::Red : sf::Color::Green);
    number.setPosition(position);
    gBattleHud.floatingNumbers.push_back(number);
}

void ClearFloatingNumbers() {
    gBattleHud.floatingNumbers.clear();
}

void DrawBattleScene(sf::RenderWindow& window) {
    if (!gBattle.started) return;
    ApplyReferenceView(window);
    window.draw(gBattle.background);
    if (!gBattle.running) {
        DrawInfoBox(window);
        return;
    }
    for (const EnemyCombatant& enemy : gBattle.enemies)
        DrawFighter(window, enemy);
    for (const PartyCombatant& member : gBattle.party)
        DrawFighter(window, member);
    window.draw(gBattleHud.panel);
    for (const MemberBlock& block : gBattleHud.members)
        DrawMemberBlock(window, block);
    DrawPhase(window);
    for (size_t k = gBattleHud.timelineTiles.size(); k-- > 0;) {
        window.draw(gBattleHud.timelineTiles[k]);
        window.draw(gBattleHud.timelineHighlights[k]);
    }
}
