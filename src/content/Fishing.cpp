#include "content/Fishing.h"

#include "core/Input.h"
#include "core/Log.h"
#include "core/Pictures.h"
#include "core/Random.h"
#include "core/Screen.h"
#include "core/Settings.h"
#include "core/SoundEffects.h"
#include "core/Text.h"

namespace {

constexpr int PLAYER_FISHING_ROW = 8;  // rows 8 to 10 hold the rod, 11 to 13 reel it in
constexpr float BAR_LENGTH = 175.0f;
constexpr float BAR_THICKNESS = 10.0f;
constexpr float SWIM_AWAY_SPEED = 5.0f;
constexpr float SIDE_CHANGE_TIME = 2.0f;
constexpr unsigned RESULT_TEXT_SIZE = 45;
// The fish grid sits right of the Fishdex page's centre, over the page's own frames.
constexpr float GRID_FROM_PAGE_CENTRE = REFERENCE_WIDTH / 2 - 3 * REFERENCE_WIDTH / 7;
const sf::Color COLLECTION_VEIL(0, 0, 0, 160);

struct Fish {
    const char* name;  // as the message says it
    const char* picture;
    int32_t repeatGold;
};

const Fish FISH[FISH_KINDS] = {
    {"a crucian carp", "Crucian_Carp.png", 3},
    {"a bass", "Bass.png", 5},
    {"an arowana", "Arowana.png", 5},
    {"a carp", "Carp.png", 5},
    {"a koi carp", "Koi_Carp.png", 15},
    {"a golden carp", "Golden_Carp.png", 50},
    {"a goldfish", "Goldfish.png", 2},
    {"a catfish", "Catfish.png", 13},
    {"a gar", "Gar.png", 45},
};

void ShowPlayerRow(PlayerCharacter& hero, int row) {
    hero.row = row;
    hero.currentAnimation = &hero.animations[static_cast<size_t>(row)];
}

void LoadSound(sf::SoundBuffer& buffer, sf::Sound& sound, const char* path) {
    buffer.loadFromFile(path);
    sound.setBuffer(buffer);
    sound.setVolume(EffectsLevel());
}

void Start(sf::Sound& sound) {
    if (sound.getStatus() != sf::Sound::Playing) sound.play();
}

void Stop(sf::Sound& sound) {
    if (sound.getStatus() == sf::Sound::Playing) sound.stop();
}

sf::RectangleShape Bar(sf::Color colour, sf::Vector2f at) {
    sf::RectangleShape bar({BAR_THICKNESS, BAR_LENGTH});
    bar.setFillColor(colour);
    bar.setPosition(at);
    return bar;
}

void BiteOfThePost(FishingState& f) {
    const int r = RandomValue() % 6;
    f.size = r < 3 ? 0 : (r < 5 ? 1 : 2);
    f.fishDistance = f.fishDistanceMax = 50.0f + 25.0f * static_cast<float>(f.size);
    f.fishIndex = f.size + 3 * f.post;
    f.fishValue = FISH[f.fishIndex].repeatGold;
}

void BuildFishSprite(FishingState& f, sf::Vector2f at) {
    LoadPicture(f.fishTexture, "Assets/Sprites/Fishing/FishSpritesheet.png");
    f.fish = sf::Sprite(f.fishTexture, {0, 0, 64, 64});
    f.fish.setScale(2.0f, 2.0f);
    f.fish.setPosition(at);
    for (int side = 0; side < 3; ++side) {
        SpriteSheetAnimation& animation = f.fishAnimations[static_cast<size_t>(side)];
        animation = SpriteSheetAnimation{};
        animation.frameCount = 7;
        animation.framesPerSecond = 10;
        animation.loop = 1;
        animation.frameRect = {0, 64 * side, 64, 64};
    }
}

// ENTER held reels the fish in and tires the line, more so pulling against a struggling fish; let go,
// the fish swims off and the line rests, unless the rod pulls against it.
void Reel(FishingState& f, float dt) {
    const bool against = f.pull != f.fishSide && f.fishSide != FISH_SIDE_CALM;
    if (IsKeyHeld(gSettings.keys.enter)) {
        f.reeling = 3;
        f.lineStrength -= f.reelSpeed * dt;
        f.fishDistance -= f.reelSpeed * dt;
        if (against) f.lineStrength -= f.reelSpeed * dt;
        Start(f.strain);
    } else {
        f.reeling = 0;
        f.fishDistance += SWIM_AWAY_SPEED * dt;
        if (!against) f.lineStrength += f.reelSpeed * dt;
        Stop(f.strain);
    }
}

void FollowTheFish(FishingState& f, float dt) {
    if (f.fishSide == FISH_SIDE_CALM) {
        f.arrow.setColor(sf::Color(255, 255, 255, 0));
    } else {
        f.arrow.setTexture(f.fishSide == FISH_SIDE_RIGHT ? f.arrowRight : f.arrowLeft);
        f.arrow.setColor(sf::Color::White);
    }
    f.sideTimer += dt;
    SpriteSheetAnimation& animation = f.fishAnimations[static_cast<size_t>(f.fishSide)];
    animation.sprite = &f.fish;
    AnimateSpriteSheet(animation, dt);
    if (f.sideTimer > SIDE_CHANGE_TIME) {
        f.sideTimer = 0.0f;
        f.fishSide = RandomValue() % 3;
        RestartAnimation(f.fishAnimations[static_cast<size_t>(f.fishSide)]);
    }
}

// Landed or lost. A fish landed in the frame the line gives out is landed: it is in the collection, and
// the message says so.
void Settle(FishingState& f, PlayerCharacter& hero, GameSession& session) {
    if (f.fishDistance > f.fishDistanceMax) {
        f.fishDistance = f.fishDistanceMax;
    } else if (f.fishDistance <= 0.0f) {
        f.resultShown = 1;
        ShowPlayerRow(hero, 0);
        ShowFishingResult(f, true, session.CatchFish(f.fishIndex, f.fishValue));
        return;
    }
    if (f.lineStrength > f.lineStrengthMax) {
        f.lineStrength = f.lineStrengthMax;
    } else if (f.lineStrength <= 0.0f) {
        LogDebug("perdu...");
        f.resultShown = 1;
        ShowPlayerRow(hero, 0);
        ShowFishingResult(f, false, false);
    }
}

void Sounds(FishingState& f) {
    if (f.fishSide != FISH_SIDE_CALM) Start(f.struggle);
    if (f.fishDistance <= 0.0f || f.fishSide == FISH_SIDE_CALM) Stop(f.struggle);
    if (f.fishDistance <= 0.0f) {
        Stop(f.strain);
        Start(f.got);
    }
}

std::string ResultMessage(const FishingState& f, bool caught, bool isNew) {
    if (!caught) return "Oh no... The fish is gone.";
    if (!isNew) return "Yay ! You got a fish !\nBut you already got this one.\nIt is converted into money.\n";
    return std::string("Yay ! You got a new fish !\nIt is ") + FISH[f.fishIndex].name + ".";
}

constexpr int32_t FISH_ROWS = 3;

}  // namespace

void LoadFishing(FishingState& f, PlayerCharacter& hero, int32_t post) {
    f = FishingState();
    f.post = post;
    LogDebug("LoadFishing\n");
    ShowPlayerRow(hero, PLAYER_FISHING_ROW);
    const sf::FloatRect frame = hero.sprite.getLocalBounds();
    const float w = frame.width, h = frame.height;
    LoadPicture(f.arrowLeft, "Assets/Sprites/Fishing/FlecheLeft.png");
    LoadPicture(f.arrowRight, "Assets/Sprites/Fishing/FlecheRight.png");
    f.arrow = sf::Sprite(f.arrowLeft);
    f.arrow.setColor(sf::Color(255, 255, 255, 0));
    f.arrow.setPosition(14.8f * w, 7.0f * h);
    f.arrow.setScale(2.0f, 2.0f);
    f.lineStrength = f.lineStrengthMax = 100.0f;
    f.lineBar = Bar(sf::Color::Blue, {14.5f * w, 8.0f * h});
    BuildFishSprite(f, {14.7f * w, 10.0f * h});
    BiteOfThePost(f);
    f.fishBar = Bar(sf::Color::Red, {14.5f * w, 10.5f * h});
    LoadSound(f.struggleBuffer, f.struggle, "Assets/Sounds/Fishing/FishStruggle.wav");
    LoadSound(f.gotBuffer, f.got, "Assets/Sounds/Fishing/FishGot.wav");
    LoadSound(f.strainBuffer, f.strain, "Assets/Sounds/Fishing/RodStrain.wav");
    f.loaded = true;
}

void UpdateFishing(FishingState& f, PlayerCharacter& hero, GameSession& session, float dt) {
    if (!f.loaded || f.resultShown == 1) return;
    const KeyBindings& keys = gSettings.keys;
    f.pull = static_cast<int16_t>(IsKeyHeld(keys.left) ? 2 : (IsKeyHeld(keys.right) ? 1 : 0));
    Reel(f, dt);
    ShowPlayerRow(hero, PLAYER_FISHING_ROW + f.pull + f.reeling);
    FollowTheFish(f, dt);
    Settle(f, hero, session);
    f.fishBar.setSize({BAR_LENGTH * f.fishDistance / f.fishDistanceMax, BAR_THICKNESS});
    f.lineBar.setSize({BAR_LENGTH * f.lineStrength / f.lineStrengthMax, BAR_THICKNESS});
    Sounds(f);
}

void ShowFishingResult(FishingState& f, bool caught, bool isNew) {
    LoadPicture(f.resultTexture, "Assets/Sprites/Fishing/VictoryBackground.png");
    f.resultBackground = sf::Sprite(f.resultTexture);
    f.resultBackground.setScale(2.0f, 2.0f);
    CentreOrigin(f.resultBackground);
    f.resultBackground.setPosition(REFERENCE_WIDTH / 2, REFERENCE_HEIGHT / 2);
    const sf::FloatRect box = f.resultBackground.getGlobalBounds();
    f.font.loadFromFile(GAME_FONT);
    f.message = SharpText(f.font, ResultMessage(f, caught, isNew), RESULT_TEXT_SIZE);
    f.message.setPosition(box.left + 75.0f, box.top + 75.0f);
    f.hint = SharpText(f.font, "Press escape to continue.", RESULT_TEXT_SIZE);
    f.hint.setPosition(box.left + 75.0f, box.top + 300.0f);
}

void DrawFishing(sf::RenderWindow& window, const FishingState& f) {
    if (!f.loaded) return;
    ApplyReferenceView(window);
    if (f.resultShown == 0) {
        window.draw(f.lineBar);
        window.draw(f.fishBar);
        window.draw(f.arrow);
        window.draw(f.fish);
    } else {
        window.draw(f.resultBackground);
        window.draw(f.message);
        window.draw(f.hint);
    }
    ApplyMainView(window);
}

void CleanupFishing(FishingState& f, PlayerCharacter& hero) {
    if (hero.built) hero.currentAnimation = &hero.animations[ROW_STAND_DOWN];
    hero.row = ROW_STAND_DOWN;
    f.struggle.stop();
    f.got.stop();
    f.strain.stop();
    f = FishingState();
    LogDebug("CleanupFishing\n");
}

void LoadFishCollection(FishCollection& c, const GameSession& session) {
    const std::string folder = "Assets/Sprites/Fishing/Fishdex/";
    // The page is drawn centred in the game area, the fish grid on its right-hand half, over a veil that
    // dims the map around it.
    const float pageX = REFERENCE_WIDTH / 2.0f, gridX = pageX + GRID_FROM_PAGE_CENTRE;
    c.veil.setSize({REFERENCE_WIDTH, REFERENCE_HEIGHT});
    c.veil.setFillColor(COLLECTION_VEIL);
    for (size_t i = 0; i < c.fish.size(); ++i) {
        LoadPicture(c.fishTextures[i], folder + FISH[i].picture);
        c.fish[i] = sf::Sprite(c.fishTextures[i]);
        CentreOrigin(c.fish[i]);
        const float column = static_cast<float>(i % 3), row = static_cast<float>(i / 3);
        c.fish[i].setPosition(gridX - 250 + 250 * column, REFERENCE_HEIGHT / 2 - 250 + 250 * row);
        c.fish[i].setColor(session.FishCaught(static_cast<int>(i)) ? sf::Color::White : sf::Color::Black);
    }
    LoadPicture(c.backgroundTexture, folder + "Fishdex_Background.png");
    c.background = sf::Sprite(c.backgroundTexture);
    CentreOrigin(c.background);
    c.background.setPosition(pageX, c.background.getLocalBounds().height / 2);
    LoadPicture(c.cursorTexture, folder + "Fishdex_Cursor.png");
    c.cursor = sf::Sprite(c.cursorTexture);
    CentreOrigin(c.cursor);
    c.row = c.column = 0;
    for (size_t post = 0; post < c.postTextures.size(); ++post)
        LoadPicture(c.postTextures[post], folder + "FishingPost_" + std::to_string(post + 1) + ".png");
    c.post = sf::Sprite(c.postTextures[0]);
    c.post.setOrigin(c.background.getOrigin());
    c.post.setPosition(c.background.getPosition());
    c.loaded = true;
    UpdateFishCollection(c);
}

void MoveCollectionCursor(FishCollection& c, int32_t code) {
    const KeyBindings& keys = gSettings.keys;
    if (code == keys.up) c.row = c.row == 0 ? FISH_ROWS - 1 : c.row - 1;
    if (code == keys.down) c.row = c.row < FISH_ROWS - 1 ? c.row + 1 : 0;
    if (code == keys.left) c.column = c.column == 0 ? FISH_ROWS - 1 : c.column - 1;
    if (code == keys.right) c.column = c.column < FISH_ROWS - 1 ? c.column + 1 : 0;
}

void UpdateFishCollection(FishCollection& c) {
    if (!c.loaded) return;
    c.cursor.setPosition(
        c.fish[static_cast<size_t>(c.row) * 3 + static_cast<size_t>(c.column)].getPosition());
    c.post.setTexture(c.postTextures[static_cast<size_t>(c.row)]);
}

void DrawFishCollection(sf::RenderWindow& window, const FishCollection& c) {
    if (!c.loaded) return;
    ApplyReferenceView(window);
    window.draw(c.veil);
    window.draw(c.background);
    window.draw(c.post);
    for (const sf::Sprite& fish : c.fish)
        window.draw(fish);
    window.draw(c.cursor);
    ApplyMainView(window);
}

void FishingScreen::Key(const sf::Event::KeyEvent& key) {
    if (key.code == gSettings.keys.escape) context_.requests.Pop();
}

void FishCollectionScreen::Key(const sf::Event::KeyEvent& key) {
    MoveCollectionCursor(collection, key.code);
    if (key.code == gSettings.keys.escape) context_.requests.Pop();
}
