#pragma once
// The battle as its screen keeps it: the rules (battle/BattleRules.h) and everything drawn around them,
// the fighters' pictures with their animations and effects, the HUD, the command menus and the state of
// the choice being made. Built when the battle screen opens and let go, as a whole, when it closes.

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "battle/BattleRules.h"
#include "core/Animation.h"

inline constexpr int TIMELINE_COLOURS = 7;
inline constexpr float PORTRAIT_FRAME_WIDTH = 215.0f;
inline constexpr float PORTRAIT_FRAME_HEIGHT = 232.0f;

// Animation rows. A party member uses 0 to 6 (5 is never played), an enemy 0 to 7; an animation with
// no frames is one the fighter does not have.
enum AnimationSlot : int32_t {
    ANIM_IDLE = 0,
    ANIM_MELEE = 1,  // an enemy's attack
    ANIM_HURT = 2,
    ANIM_DEATH = 3,
    ANIM_PARALYSED = 4,
    ANIM_BOSS_RUSH = 5,
    ANIM_CAST = 6,
    ANIM_BOSS_ZONE = 6,
    ANIM_BOSS_HEAL = 7,
};
inline constexpr int ANIMATION_SLOTS = 8;

// The sheets a game's battles are drawn from, loaded once when the game begins.
struct BattleSheets {
    std::array<sf::Texture, ROSTER_SIZE> party;
    std::array<sf::Texture, ENEMY_KIND_COUNT> enemies;
    std::array<sf::Texture, EFFECT_KIND_COUNT> effects;
    // The battle backgrounds (a picture of the whole screen each) of the maps fought on so far, by file
    // name: a second battle on a map does not decode its background again.
    std::map<std::string, sf::Texture> backgrounds;
};

// The same sheets decoded but not yet textures: decoding needs no OpenGL, so a worker can do it.
struct BattleSheetPictures {
    std::array<sf::Image, ROSTER_SIZE> party;
    std::array<sf::Image, ENEMY_KIND_COUNT> enemies;
    std::array<sf::Image, EFFECT_KIND_COUNT> effects;
};

// An effect sheet playing on a fighter.
struct BattleEffect {
    sf::Sprite sprite;
    SpriteSheetAnimation animation;
};

// The picture of one fighter: its sprite, its rows, its place at rest and the effect playing on it.
struct FighterView {
    sf::Sprite sprite;
    sf::Vector2f home;
    std::array<SpriteSheetAnimation, ANIMATION_SLOTS> animations{};
    int32_t currentAnimation = ANIM_IDLE;
    std::optional<BattleEffect> effect;
};

// A member's portrait, frame, life and mana bars and their "hp/max" texts.
struct MemberBlock {
    sf::Sprite portrait;
    sf::RectangleShape frame;
    sf::RectangleShape hpTrough, manaTrough;
    sf::Sprite hpBar, manaBar;
    sf::Text hpText, manaText;
};

struct BattleHud {
    sf::Font font;
    sf::Texture infoTexture, panelTexture, daggerTexture, lifeBarTexture, manaBarTexture;
    sf::Texture actionsTexture, listTexture, highlightTexture;
    std::array<sf::Texture, ROSTER_SIZE> portraitTextures;
    std::array<sf::Texture, TIMELINE_COLOURS> timelineTextures;
    sf::Sprite infoBox, panel, dagger;
    sf::Text infoText, manaCostText;
    std::vector<MemberBlock> members;  // the party panel, one block per member present
    std::vector<sf::Sprite> timelineTiles, timelineHighlights;
    std::vector<sf::Text> floatingNumbers;
};

struct BattleMenus {
    bool commandMenu = false;
    sf::Sprite commandBackground;
    std::array<sf::Text, 3> commandTexts;  // "Attack", "Skill", "Items"
    bool listMenu = false;
    bool itemList = false;  // the list shows the pouch instead of the member's skills
    sf::Sprite listBackground;
    std::array<std::optional<sf::Text>, 4> listTexts;  // cell (column j, row r) is entry 2j + r
    std::optional<MemberBlock> listMember;             // the skill list's portrait and bars
};

enum BattlePhase : int32_t {
    PHASE_COMMAND = 0,
    PHASE_SKILL_LIST = 1,
    PHASE_TARGET = 2,
    PHASE_ACTIONS = 3,
    PHASE_ITEM_LIST = 4,
    PHASE_VICTORY = 5,
};

struct Battle {
    BattleRules rules;
    const BattleSheets* sheets = nullptr;
    bool started = false;              // the screen is set up
    bool running = false;              // the fighters are built and rounds are played
    std::string fault;                 // why the battle file could not be used; the screen says so
    int32_t groundDrop = 0;            // how much lower everybody stands on this map
    std::vector<FighterView> enemies;  // one per rules' enemy, same order
    std::vector<FighterView> party;
    sf::Texture backgroundTexture;
    sf::Sprite background;

    BattlePhase phase = PHASE_COMMAND;
    uint16_t menuCursor = 0;
    uint16_t menuColumn = 0;  // list column; in target selection 0 the party, 1 the enemies
    uint32_t targetsToChoose = 0;
    SkillId choosing = SKILL_NONE;        // the skill or potion whose targets are being chosen
    std::vector<uint32_t> chosenTargets;  // the ones chosen so far

    float blinkAlpha = 0.0f;  // 0 to 200, shared by the timeline highlight and the portrait frame
    bool blinkRising = true;

    BattleHud hud;
    BattleMenus menus;
};

// The picture of a fighter of the rules.
inline FighterView& ViewOf(Battle& battle, bool enemy, uint32_t index) {
    return enemy ? battle.enemies[index] : battle.party[index];
}
inline const Fighter& FighterOf(const Battle& battle, bool enemy, uint32_t index) {
    return enemy ? battle.rules.enemies[index] : battle.rules.party[index];
}
