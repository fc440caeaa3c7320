#pragma once
// Fishing at the three posts: a fish of the post bites and is reeled in against the line's strength,
// the rod pulled towards the side the fish swims; and the collection of nine fish, opened with F.

#include <SFML/Audio/Sound.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <array>
#include <cstdint>

#include "core/Animation.h"
#include "core/Screens.h"
#include "world/GameSession.h"
#include "world/Player.h"

inline constexpr int FISH_SIDE_CALM = 0;
inline constexpr int FISH_SIDE_RIGHT = 1;
inline constexpr int FISH_SIDE_LEFT = 2;

struct FishingState {
    bool loaded = false;
    int32_t post = 0;
    int32_t size = 0;  // 0 small, 1 medium, 2 large
    int32_t fishIndex = 0;
    int32_t fishValue = 0;  // gold for a fish caught again
    float fishDistance = 0.0f, fishDistanceMax = 0.0f;
    float lineStrength = 0.0f, lineStrengthMax = 0.0f;
    float reelSpeed = 10.0f;
    int16_t pull = 0;     // 0 none, 1 right, 2 left
    int32_t reeling = 0;  // 3 while ENTER is held: the hero's reeling rows
    int32_t fishSide = FISH_SIDE_CALM;
    float sideTimer = 0.0f;
    int32_t resultShown = 0;

    sf::Texture arrowLeft, arrowRight, fishTexture, resultTexture;
    sf::Sprite arrow, fish, resultBackground;
    std::array<SpriteSheetAnimation, 3> fishAnimations;
    sf::RectangleShape lineBar, fishBar;
    sf::SoundBuffer struggleBuffer, gotBuffer, strainBuffer;
    sf::Sound struggle, got, strain;
    sf::Font font;
    sf::Text message, hint;
};

struct FishCollection {
    int32_t row = 0;  // the cursor over the 3 x 3 fish
    int32_t column = 0;
    bool loaded = false;
    std::array<sf::Texture, 9> fishTextures;
    std::array<sf::Sprite, 9> fish;
    std::array<sf::Texture, 3> postTextures;
    sf::Texture backgroundTexture, cursorTexture;
    sf::Sprite background, post, cursor;
    sf::RectangleShape veil;
};

// post: 0, 1 or 2. The roaming trigger pass opens fishing when the hero stands at a post holding ENTER.
void LoadFishing(FishingState& fishing, PlayerCharacter& hero, int32_t post);
// A fish landed goes into the session's collection (a repeat into its gold).
void UpdateFishing(FishingState& fishing, PlayerCharacter& hero, GameSession& session, float dt);
// caught: the fish was landed; isNew: first of its kind. Shows the message and the way out.
void ShowFishingResult(FishingState& fishing, bool caught, bool isNew);
void DrawFishing(sf::RenderWindow& window, const FishingState& fishing);
// Leaving the fishing minigame: the hero stands again and its pictures and sounds go.
void CleanupFishing(FishingState& fishing, PlayerCharacter& hero);

// The collection, built anew each time F opens it, so it shows the catches so far.
void LoadFishCollection(FishCollection& collection, const GameSession& session);
// Rows and columns wrap around; the four tests run one after the other on the values already moved.
void MoveCollectionCursor(FishCollection& collection, int32_t code);
// Every frame it is open: the cursor on the chosen fish, the post of its row beside.
void UpdateFishCollection(FishCollection& collection);
void DrawFishCollection(sf::RenderWindow& window, const FishCollection& collection);

// Fishing at a post, over the map: ENTER held reels in, LEFT and RIGHT pull the rod; ESCAPE leaves at
// any moment, and after the result.
class FishingScreen final : public Screen {
public:
    FishingScreen(ScreenContext context, GameSession& session, PlayerCharacter& hero, int32_t post)
        : context_(context), session_(session), hero_(hero), post_(post) {}
    ScreenKind Kind() const override { return SCREEN_FISHING; }
    void Load() override { LoadFishing(fishing, hero_, post_); }
    void Unload(Leaving) override { CleanupFishing(fishing, hero_); }
    void Key(const sf::Event::KeyEvent& key) override;
    void Update(float dt) override { UpdateFishing(fishing, hero_, session_, dt); }
    void Draw(sf::RenderWindow& window) override { DrawFishing(window, fishing); }
    bool CoversBelow() const override { return false; }
    bool WorldGoesOnBelow() const override { return true; }

    FishingState fishing;

private:
    ScreenContext context_;
    GameSession& session_;
    PlayerCharacter& hero_;
    int32_t post_;
};

// The Fishdex over the map, opened with F: the directions move its cursor, ESCAPE closes it.
class FishCollectionScreen final : public Screen {
public:
    FishCollectionScreen(ScreenContext context, const GameSession& session)
        : context_(context), session_(session) {}
    ScreenKind Kind() const override { return SCREEN_FISH_COLLECTION; }
    void Load() override { LoadFishCollection(collection, session_); }
    void Key(const sf::Event::KeyEvent& key) override;
    void Update(float) override { UpdateFishCollection(collection); }
    void Draw(sf::RenderWindow& window) override { DrawFishCollection(window, collection); }
    bool CoversBelow() const override { return false; }
    bool WorldGoesOnBelow() const override { return true; }

    FishCollection collection;

private:
    ScreenContext context_;
    const GameSession& session_;
};
