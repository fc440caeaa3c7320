#pragma once
// What the battle shows around the fighters: the party panel with portraits and bars, the information
// box, the dagger cursor, the speed timeline and the floating numbers.

#include <SFML/Graphics/RenderWindow.hpp>

#include <string>

#include "battle/screen/BattleState.h"

void CreateBattleHud(Battle& battle);
void CreatePartyHud(Battle& battle);
// A text of the battle font that stays sharp on large desktops (drawn finer, then scaled to size).
sf::Text BattleText(const BattleHud& hud, const std::string& text, unsigned size);
void SetInfoText(Battle& battle, const std::string& text);
// The information box's text formatted like printf; a text past 99 characters is cut there.
void ShowInfo(Battle& battle, const char* format, ...) __attribute__((format(printf, 2, 3)));
// The fault that kept a battle from starting, with the way back.
void ShowBattleFault(Battle& battle);

MemberBlock BuildMemberBlock(const BattleHud& hud, const Fighter& member, sf::Vector2f portraitAt);
void RefreshMemberBlock(MemberBlock& block, const Fighter& member);
// The width in texture pixels of a bar showing value out of maximum.
int BarWidth(int32_t value, int32_t maximum);

// One tile per timeline slot, with its highlight (transparent until the target cursor lights it).
void BuildTimelineSprites(Battle& battle);
// The target under the cursor: the dagger beside it and its timeline tile lit.
void MarkTarget(Battle& battle);
void ClearTimelineHighlights(Battle& battle);
// The bars follow the fighters; the commanding member's frame blinks, the fallen's is darkened.
void UpdatePartyBars(Battle& battle, float dt);
void AddFloatingNumber(Battle& battle, int32_t change, sf::Vector2f position);
void ClearFloatingNumbers(Battle& battle);

void DrawFighter(sf::RenderWindow& window, const FighterView& view);
void DrawMemberBlock(sf::RenderWindow& window, const MemberBlock& block);
void DrawInfoBox(sf::RenderWindow& window, const Battle& battle);
void DrawTimeline(sf::RenderWindow& window, const Battle& battle);
