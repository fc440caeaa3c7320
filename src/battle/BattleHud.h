#pragma once
// What the battle shows around the fighters: the party panel with portraits and bars, the information
// box, the dagger cursor, the speed timeline, the floating numbers, and the order everything is drawn in.

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "battle/Combatants.h"

inline constexpr int TIMELINE_COLOURS = 7;
inline constexpr float PORTRAIT_FRAME_WIDTH = 215.0f;
inline constexpr float PORTRAIT_FRAME_HEIGHT = 232.0f;

// A member's portrait, frame, life and mana bars and their "hp/max" texts.
struct MemberBlock {
    sf::Sprite portrait;
    sf::RectangleShape frame;
    sf::RectangleShape hpTrough, manaTrough;
    sf::Sprite hpBar, manaBar;
    sf::Text hpText, manaText;
};

struct BattleHud {
    bool built = false;
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

extern BattleHud gBattleHud;

void CreateBattleHud();
void CreatePartyHud();
void DestroyBattleHud();
// A text of the battle font that stays sharp on large desktops (drawn finer, then scaled to size).
sf::Text BattleText(const std::string& text, unsigned size);
void SetInfoText(const char* text);
// The information box's text formatted like printf (at most 99 characters).
void ShowInfo(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The fault that kept a battle from starting, with the way back.
void ShowBattleFault();

MemberBlock BuildMemberBlock(const Combatant& member, sf::Vector2f portraitAt);
void RefreshMemberBlock(MemberBlock& block, const Combatant& member);
// The width in texture pixels of a bar showing value out of maximum.
int BarWidth(int32_t value, int32_t maximum);

// One tile per timeline slot, with its highlight (transparent until the target cursor lights it).
void BuildTimelineSprites();
void UpdateTimelineHighlight();
void UpdatePartyBars(float dt);
void AddFloatingNumber(int32_t change, sf::Vector2f position);
void ClearFloatingNumbers();

void DrawBattleScene(sf::RenderWindow& window);
