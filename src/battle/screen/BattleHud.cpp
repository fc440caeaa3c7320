#include "battle/screen/BattleHud.h"

#include <cstdarg>
#include <cstdio>

#include "battle/screen/BattleLayout.h"
#include "core/Pictures.h"
#include "core/Text.h"

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

void LoadHudTextures(BattleHud& hud) {
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

void StepBlink(Battle& battle, float dt) {
    if (battle.blinkRising) {
        battle.blinkAlpha += BLINK_SPEED * dt;
        if (battle.blinkAlpha > BLINK_MAX) {
            battle.blinkAlpha = BLINK_MAX;
            battle.blinkRising = false;
        }
    } else {
        battle.blinkAlpha -= BLINK_SPEED * dt;
        if (battle.blinkAlpha < 0.0f) {
            battle.blinkAlpha = 0.0f;
            battle.blinkRising = true;
        }
    }
}

sf::Color FrameColour(const Battle& battle, const Fighter& member, size_t index) {
    if (member.state == STATE_DEAD) return sf::Color(0, 0, 0, 150);
    if (index == battle.rules.commandingMember)
        return sf::Color(255, 255, 255, static_cast<sf::Uint8>(battle.blinkAlpha));
    return sf::Color(255, 255, 255, 0);
}

}  // namespace

void ClearTimelineHighlights(Battle& battle) {
    for (sf::Sprite& highlight : battle.hud.timelineHighlights)
        highlight.setColor(sf::Color(255, 255, 255, 0));
}

void MarkTarget(Battle& battle) {
    const bool enemies = battle.menuColumn == 1;
    const std::vector<Fighter>& side = enemies ? battle.rules.enemies : battle.rules.party;
    if (battle.menuCursor >= side.size()) return;
    const Fighter& target = side[battle.menuCursor];
    const sf::FloatRect bounds = ViewOf(battle, enemies, battle.menuCursor).sprite.getGlobalBounds();
    const float x = IsBoss(target) ? bounds.left + bounds.width * 2 / 3 : bounds.left;
    battle.hud.dagger.setPosition(x, bounds.top + bounds.height / 2);
    const size_t slot = target.timelinePosition - 1;
    if (slot < battle.hud.timelineHighlights.size()) {
        const sf::Color lit(255, 255, 255, static_cast<sf::Uint8>(battle.blinkAlpha));
        battle.hud.timelineHighlights[slot].setColor(lit);
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

void DrawFighter(sf::RenderWindow& window, const FighterView& view) {
    window.draw(view.sprite);
    if (view.effect) window.draw(view.effect->sprite);
}

void DrawInfoBox(sf::RenderWindow& window, const Battle& battle) {
    window.draw(battle.hud.infoBox);
    window.draw(battle.hud.infoText);
}

void DrawTimeline(sf::RenderWindow& window, const Battle& battle) {
    for (size_t k = battle.hud.timelineTiles.size(); k-- > 0;) {
        window.draw(battle.hud.timelineTiles[k]);
        window.draw(battle.hud.timelineHighlights[k]);
    }
}

sf::Text BattleText(const BattleHud& hud, const std::string& string, unsigned size) {
    return SharpText(hud.font, string, size);
}

void CreateBattleHud(Battle& battle) {
    BattleHud& hud = battle.hud;
    LoadHudTextures(hud);
    hud.infoBox = ScaledSprite(hud.infoTexture);
    hud.infoBox.setOrigin(static_cast<float>(hud.infoTexture.getSize().x), 0.0f);
    hud.infoBox.setPosition(1437.0f, BATTLE_H - 346.0f);
    const sf::FloatRect box = hud.infoBox.getGlobalBounds();
    hud.infoText = BattleText(hud, " ", INFO_TEXT_SIZE);
    hud.infoText.setPosition(box.left + 20.0f, box.top + 10.0f);
    hud.manaCostText = BattleText(hud, "", INFO_TEXT_SIZE);
    hud.manaCostText.setPosition(box.left + 20.0f, box.top + 200.0f);
    hud.dagger = ScaledSprite(hud.daggerTexture);
    const sf::Vector2u dagger = hud.daggerTexture.getSize();
    hud.dagger.setOrigin(static_cast<float>(dagger.x), static_cast<float>(dagger.y) / 2);
    hud.floatingNumbers.clear();
}

MemberBlock BuildMemberBlock(const BattleHud& hud, const Fighter& member, sf::Vector2f portraitAt) {
    MemberBlock block;
    block.portrait = ScaledSprite(hud.portraitTextures[static_cast<size_t>(member.id)]);
    block.portrait.setPosition(portraitAt);
    block.frame.setSize({PORTRAIT_FRAME_WIDTH, PORTRAIT_FRAME_HEIGHT});
    block.frame.setPosition(portraitAt);
    block.frame.setFillColor(sf::Color(255, 255, 255, 0));
    const sf::Vector2f hpAt(portraitAt.x + 54.0f, portraitAt.y + 236.0f);
    const sf::Vector2f manaAt(portraitAt.x + 54.0f, portraitAt.y + 266.0f);
    block.hpTrough = Trough(hpAt);
    block.manaTrough = Trough(manaAt);
    block.hpBar = ScaledSprite(hud.lifeBarTexture);
    block.hpBar.setPosition(hpAt);
    block.manaBar = ScaledSprite(hud.manaBarTexture);
    block.manaBar.setPosition(manaAt);
    block.hpText = BattleText(hud, "", BAR_TEXT_SIZE);
    block.manaText = BattleText(hud, "", BAR_TEXT_SIZE);
    RefreshMemberBlock(block, member);
    return block;
}

int BarWidth(int32_t value, int32_t maximum) {
    if (maximum <= 0 || value <= 0) return 0;
    const int64_t scaled = static_cast<int64_t>(value) * 160 / maximum;
    return static_cast<int>(scaled / 2);
}

void RefreshMemberBlock(MemberBlock& block, const Fighter& member) {
    block.hpBar.setTextureRect({0, 0, BarWidth(member.hp, member.maxHp), 9});
    block.manaBar.setTextureRect({0, 0, BarWidth(member.mana, member.maxMana), 9});
    CentreBarText(block.hpText, block.hpTrough.getPosition(), "%d/%d", member.hp, member.maxHp);
    CentreBarText(block.manaText, block.manaTrough.getPosition(), "%d/%d", member.mana, member.maxMana);
}

void CreatePartyHud(Battle& battle) {
    BattleHud& hud = battle.hud;
    hud.panel = ScaledSprite(hud.panelTexture);
    hud.panel.setOrigin(0.0f, static_cast<float>(hud.panelTexture.getSize().y));
    hud.panel.setPosition(10.0f, BATTLE_H - 10.0f);
    const sf::FloatRect panel = hud.panel.getGlobalBounds();
    sf::Vector2f at(panel.left + 60.0f, panel.top + 30.0f);
    hud.members.clear();
    for (const Fighter& member : battle.rules.party) {
        hud.members.push_back(BuildMemberBlock(hud, member, at));
        at.x = hud.members.back().portrait.getGlobalBounds().left +
               hud.members.back().portrait.getGlobalBounds().width + PORTRAIT_GAP;
    }
}

void SetInfoText(Battle& battle, const std::string& text) {
    battle.hud.infoText.setString(sf::String::fromUtf8(text.begin(), text.end()));
}

void ShowInfo(Battle& battle, const char* format, ...) {
    char text[100];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);  // a text too long is cut, never lost
    va_end(args);
    SetInfoText(battle, text);
}

void ShowBattleFault(Battle& battle) {
    SetInfoText(battle, "This fight cannot\nbegin: its battle\nfile is broken.\n\nConfirm to go back.");
}

void BuildTimelineSprites(Battle& battle) {
    BattleHud& hud = battle.hud;
    hud.timelineTiles.clear();
    hud.timelineHighlights.clear();
    const std::vector<uint32_t>& timeline = battle.rules.timeline;
    const float count = static_cast<float>(timeline.size());
    for (size_t k = 0; k < timeline.size(); ++k) {
        const uint32_t code = timeline[k] < TIMELINE_COLOURS ? timeline[k] : 0;
        const sf::Vector2f at(60.0f * static_cast<float>(k) + 2 * BATTLE_W / 5 - 30.0f * count, 10.0f);
        hud.timelineTiles.push_back(ScaledSprite(hud.timelineTextures[code]));
        hud.timelineTiles.back().setPosition(at);
        hud.timelineHighlights.push_back(ScaledSprite(hud.highlightTexture));
        hud.timelineHighlights.back().setPosition(at);
        hud.timelineHighlights.back().setColor(sf::Color(255, 255, 255, 0));
    }
}

void UpdatePartyBars(Battle& battle, float dt) {
    StepBlink(battle, dt);
    for (size_t i = 0; i < battle.hud.members.size() && i < battle.rules.party.size(); ++i) {
        MemberBlock& block = battle.hud.members[i];
        RefreshMemberBlock(block, battle.rules.party[i]);
        block.frame.setFillColor(FrameColour(battle, battle.rules.party[i], i));
    }
    if (battle.menus.listMember && battle.rules.commandingMember < battle.rules.party.size())
        RefreshMemberBlock(*battle.menus.listMember, battle.rules.party[battle.rules.commandingMember]);
}

void AddFloatingNumber(Battle& battle, int32_t change, sf::Vector2f position) {
    char label[20];
    FormatText(label, sizeof label, "%d", change < 0 ? -change : change);
    sf::Text number = BattleText(battle.hud, label, FLOATING_TEXT_SIZE);
    number.setFillColor(change < 0 ? sf::Color::Red : sf::Color::Green);
    number.setPosition(position);
    battle.hud.floatingNumbers.push_back(number);
}

void ClearFloatingNumbers(Battle& battle) {
    battle.hud.floatingNumbers.clear();
}
