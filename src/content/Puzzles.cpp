#include "content/Puzzles.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "content/Reach.h"
#include "content/StoryMaps.h"
#include "core/Input.h"
#include "core/Pictures.h"
#include "core/Settings.h"
#include "core/SoundEffects.h"
#include "core/Text.h"

namespace {

constexpr float TILE = 64.0f;
constexpr float ZONE_SHRINK = 20.0f;
constexpr float PULL_LENGTH = 65.0f;
constexpr float PULLING_SPEED = 15.0f;
constexpr float WALKING_SPEED = 250.0f;
constexpr int FLAME_FRAMES = 6;
constexpr const char* SOUND_WATER_FILL = "Assets/Sounds/Puzzle/WaterFill.wav";
constexpr const char* SOUND_FIRE_OUT = "Assets/Sounds/Puzzle/FireExtinguish.wav";
constexpr int32_t KEY_CODE_E = 4;  // a fixed key: picks up the decoys lying about
constexpr uint8_t DARKNESS_ALPHA = 230;
constexpr int LIGHT_CLEAR = 75;
constexpr int LIGHT_EDGE = 225;
const sf::Vector2f FIRE_TILES[2] = {{29, 16}, {31, 16}};
const sf::Vector2f FENCE_TILES[FOREST_FENCES] = {
    {21.5f, 7}, {32.5f, 4}, {24.5f, 8}, {32.5f, 11}, {23.5f, 16}};
const char* const DECOY_PARTS[] = {"Straw", "Paint", "Pumpkin", "Stick"};

bool OnMap(const GameSession& session, const char* name) {
    return std::strcmp(session.CurrentMap(), name) == 0;
}

sf::Vector2f OnTile(float column, float row) {
    return {TILE * column, TILE * row};
}

void Place(sf::Sprite& sprite, sf::Texture& texture, const char* path, sf::Vector2f at) {
    LoadPicture(texture, path);
    sprite = sf::Sprite(texture);
    sprite.setPosition(at);
}

sf::FloatRect ZoneOf(const sf::Sprite& picture) {
    const sf::FloatRect bounds = picture.getGlobalBounds();
    return {bounds.left + ZONE_SHRINK, bounds.top + ZONE_SHRINK, bounds.width - 2 * ZONE_SHRINK,
            bounds.height - 2 * ZONE_SHRINK};
}

void BuildFlames(sf::Sprite& sprite, SpriteSheetAnimation& animation, sf::Texture& texture, sf::Vector2f at) {
    Place(sprite, texture, "Assets/Sprites/Setting/Flames.png", at);
    const sf::Vector2u size = texture.getSize();
    animation = SpriteSheetAnimation{};
    animation.frameCount = FLAME_FRAMES;
    animation.framesPerSecond = 6;
    animation.loop = 1;
    animation.frameRect = {0, 0, static_cast<int>(size.x) / FLAME_FRAMES, static_cast<int>(size.y)};
    sprite.setTextureRect(animation.frameRect);
}

// The rope and its strain, for the maps where something is pulled down.
void BuildRope(RopePull& pull) {
    pull.texture.loadFromFile("Assets/Sprites/Setting/Rope_Long.png");
    pull.rope = sf::Sprite(pull.texture);
    pull.rope.setOrigin(static_cast<float>(pull.texture.getSize().x) / 2, 5.0f);
    pull.strainBuffer.loadFromFile("Assets/Sounds/Fishing/RodStrain.wav");
    pull.strain.setBuffer(pull.strainBuffer);
    pull.strain.setVolume(EffectsLevel());
}

void BuildHouse(MapScene& scene) {
    PuzzleState& p = scene.puzzles;
    Place(p.brokenWall, p.wallTexture, "Assets/Sprites/Setting/BrokenWall.png", OnTile(10, 3));
    BuildFlames(p.flames, p.flamesAnimation, p.flamesTexture, OnTile(10, 4));
    Place(p.hook, p.hookTexture, "Assets/Sprites/Setting/Hook.png", {TILE * 10 + 30, TILE * 4 + 27});
    p.hook.setOrigin(1.0f, 8.0f);
    Place(p.hookZone, p.zoneTexture, "Assets/Sprites/Setting/Collision.png", OnTile(10, 5));
    p.hookZoneRect = ZoneOf(p.hookZone);
    p.bathtub.emplace();
    LoadNpc("Assets/Text/Maps/HOUSE_BURN_1/Bathub.txt", *p.bathtub);
    p.bathtubShown = 1;
    p.wallBroken = 0;
    p.houseFlames = 1;
    p.houseBuilt = true;
    BuildRope(scene.rope);
}

bool EnterHeld() {
    return IsKeyHeld(gSettings.keys.enter);
}

void BuildForest(MapScene& scene) {
    PuzzleState& p = scene.puzzles;
    for (size_t k = 0; k < 2; ++k) {
        BuildFlames(p.fires[k], p.fireAnimations[k], p.fireTexture, OnTile(FIRE_TILES[k].x, FIRE_TILES[k].y));
        Place(p.fireZones[k], p.fireZoneTexture, "Assets/Sprites/Setting/Collision.png",
              OnTile(FIRE_TILES[k].x, FIRE_TILES[k].y + 1));
        p.fireZoneRects[k] = ZoneOf(p.fireZones[k]);
    }
    for (size_t i = 0; i < p.fences.size(); ++i) {
        Place(p.fences[i], p.fenceTexture, "Assets/Sprites/Setting/Night_Fence.png",
              OnTile(FENCE_TILES[i].x, FENCE_TILES[i].y));
        CentreOrigin(p.fences[i]);
        const sf::FloatRect bounds = p.fences[i].getGlobalBounds();
        p.fenceRects[i] = {bounds.left, bounds.top, bounds.width, bounds.height / 2};
    }
    p.forestWater.emplace();
    LoadNpc("Assets/Text/Maps/ForestNight/Water.txt", *p.forestWater);
    // The fires burn again at every visit; the fences stay down.
    p.forestFireOut1 = 0;
    p.forestFireOut2 = 0;
    p.forestBuilt = true;
    BuildRope(scene.rope);
}

// The picture is lit as the hero walks, a copy of the game's darkness for each visit; it is sent to the
// texture and never read back from it (a read-back of the whole fog cost more than its decoding).
void BuildDarkness(PuzzleState& p, DecorPictures& pictures) {
    if (pictures.darkness.getSize().x == 0) pictures.darkness.loadFromFile("Assets/Sprites/Fog/Fog1.png");
    p.darknessImage = pictures.darkness;
    if (p.darknessImage.getSize().x > 0) p.darknessTexture.loadFromImage(p.darknessImage);
    p.darkness = sf::Sprite(p.darknessTexture);
    p.darkness.setColor(sf::Color(255, 255, 255, DARKNESS_ALPHA));
    p.darknessLitAt = {-1, -1};
    BuildTorchlight(p.torch);
    p.darknessBuilt = true;
}

int32_t& FireOut(PuzzleState& p, size_t k) {
    return k == 0 ? p.forestFireOut1 : p.forestFireOut2;
}

// The rope is tied to what is pulled down (the hook, a fence): the hero pulls it by walking away slowly.
void StartRopePull(MapScene& scene, const sf::Sprite& target, int32_t fence) {
    const sf::FloatRect bounds = target.getGlobalBounds();
    scene.rope.rope.setPosition(target.getPosition().x, target.getPosition().y - bounds.height / 4);
    scene.rope.fence = fence;
    scene.hero.speed = PULLING_SPEED;
    scene.rope.active = 1;
}

// A full bucket thrown on a fire comes back empty, ready to be filled again.
void PutOutFire(MapScene& scene, GameSession& session, size_t k) {
    if (!session.Holds("Bucket_Full") || FireOut(scene.puzzles, k) == 1) return;
    FireOut(scene.puzzles, k) = 1;
    session.Drop("Bucket_Full");
    HandOverBucket(scene, session, "Bucket_Empty");
    PlaySoundEffect(SOUND_FIRE_OUT);
}

void PullFences(MapScene& scene, const GameSession& session) {
    PuzzleState& p = scene.puzzles;
    if (!session.Holds("Rope") || scene.rope.active == 1) return;
    for (size_t i = 0; i < p.fences.size(); ++i) {
        const int fence = static_cast<int>(i);
        if (!session.FenceDown(fence) && InZone(scene, p.fenceRects[i]) && EnterHeld()) {
            StartRopePull(scene, p.fences[i], fence);
            return;
        }
    }
}

void UpdateForest(MapScene& scene, GameSession& session, float dt) {
    PuzzleState& p = scene.puzzles;
    if (p.forestWater) UpdateNpc(dt, *p.forestWater);
    for (size_t k = 0; k < 2; ++k) {
        p.fireAnimations[k].sprite = &p.fires[k];
        AnimateSpriteSheet(p.fireAnimations[k], dt);
        if (FireOut(p, k) == 0 && InZone(scene, p.fireZoneRects[k]) && EnterHeld())
            PutOutFire(scene, session, k);
    }
    PullFences(scene, session);
    bool allDown = p.forestFireOut1 == 1 && p.forestFireOut2 == 1;
    for (size_t i = 0; i < p.fences.size(); ++i) {
        if (session.FenceDown(static_cast<int>(i))) continue;
        PushOutOfRect(scene.hero, p.fenceRects[i]);
        allDown = false;
    }
    if (allDown) session.ClearForest();
}

// The decoy: its four parts, once all are carried, make it at once; E then gathers the decoys lying about.
void UpdateDecoy(MapScene& scene, GameSession& session) {
    const bool allParts = std::all_of(std::begin(DECOY_PARTS), std::end(DECOY_PARTS),
                                      [&](const char* part) { return session.Holds(part); });
    if (allParts && !session.Puzzles().decoyBuilt) {
        for (const char* part : DECOY_PARTS)
            session.Drop(part);
        session.BuildDecoy();
        // The parts are not lost for nothing: the decoy made of them is carried.
        session.Carry("Decoy");
    }
    if (!session.Puzzles().decoyBuilt || !IsKeyHeld(KEY_CODE_E)) return;
    std::vector<MapItem>& items = scene.mapItemList.items;
    for (size_t i = items.size(); i-- > 0;)
        if (items[i].name.find("Decoy") != std::string::npos) PickUpItem(session, scene.mapItemList, i);
}

bool ForestRuns(const MapScene& scene, const GameSession& session) {
    return !session.Puzzles().forestCleared && scene.puzzles.forestBuilt && OnMap(session, MAP_FOREST);
}

bool HouseRuns(const MapScene& scene, const GameSession& session) {
    return scene.puzzles.houseBuilt && OnMap(session, MAP_BURNING_HOUSE);
}

void UpdateDarkness(MapScene& scene, float dt) {
    PuzzleState& p = scene.puzzles;
    UpdateTorchlight(p.torch, scene.hero.sprite.getPosition(), dt);
    const sf::Vector2i at(scene.hero.sprite.getPosition());
    if (at == p.darknessLitAt) return;  // lighting the same place again changes nothing
    p.darknessLitAt = at;
    const sf::IntRect lit = LightDarknessAround(p.darknessImage, at.x, at.y);
    if (lit.width <= 0 || lit.height <= 0) return;
    // Only the square that changed goes to the texture.
    sf::Image square;
    square.create(static_cast<unsigned>(lit.width), static_cast<unsigned>(lit.height));
    square.copy(p.darknessImage, 0, 0, lit);
    p.darknessTexture.update(square, static_cast<unsigned>(lit.left), static_cast<unsigned>(lit.top));
}

// In the hook zone with ENTER held: the full bucket puts the flames out, then the rope goes to the hook.
void UseHook(MapScene& scene, const GameSession& session) {
    PuzzleState& p = scene.puzzles;
    for (const std::string& item : session.Inventory()) {
        if (item == "Bucket_Full") {
            p.houseFlames = 0;
        } else if (item == "Rope" && p.houseFlames == 0 && p.wallBroken == 0 && scene.rope.active == 0) {
            StartRopePull(scene, p.hook, -1);
            if (scene.rope.strain.getStatus() != sf::Sound::Playing) scene.rope.strain.play();
        }
    }
}

void UpdateHouse(MapScene& scene, const GameSession& session, float dt) {
    PuzzleState& p = scene.puzzles;
    if (p.bathtub) UpdateNpc(dt, *p.bathtub);
    p.flamesAnimation.sprite = &p.flames;
    AnimateSpriteSheet(p.flamesAnimation, dt);
    if (InZone(scene, p.hookZoneRect) && EnterHeld()) UseHook(scene, session);
}

// The rope points from its knot to the hero; far enough away, the pull is done.
void UpdateRopePull(MapScene& scene, GameSession& session) {
    RopePull& pull = scene.rope;
    const sf::Vector2f v = scene.hero.sprite.getPosition() - pull.rope.getPosition();
    const float length = std::hypot(v.x, v.y);
    if (length > 0.0f) {
        // The angle from straight up, turning clockwise.
        float angle = std::acos(std::clamp(-v.y / length, -1.0f, 1.0f)) * 180.0f / 3.14159265f;
        if (v.x < 0.0f) angle = 360.0f - angle;
        pull.rope.setRotation(angle - 180.0f);
    }
    if (length <= PULL_LENGTH) return;
    pull.active = 0;
    if (pull.fence >= 0) {
        session.PullFenceDown(pull.fence);
    } else {
        scene.puzzles.wallBroken = 1;
    }
    pull.fence = -1;
    scene.hero.speed = WALKING_SPEED;
    pull.strain.stop();
}

// Talking to a water source with an empty bucket fills it when the source's words are done.
StoryTurn TalkToWater(MapScene& scene, GameSession& session, Npc& source,
                      const sf::Event::KeyEvent& keyEvent) {
    if (keyEvent.code != gSettings.keys.enter || InNpcReach(scene, source) != 1 ||
        !session.Holds("Bucket_Empty"))
        return {};
    StoryTurn turn;
    turn.conversation = Begin(std::make_unique<NpcConversation>(source), keyEvent);
    turn.whenOver = [&scene, &session] {
        if (!session.Drop("Bucket_Empty")) return;
        HandOverBucket(scene, session, "Bucket_Full");
        PlaySoundEffect(SOUND_WATER_FILL);
    };
    return turn;
}

}  // namespace

void HandOverBucket(MapScene& scene, GameSession& session, const char* name) {
    if (session.Carry(name)) {
        PlaySoundEffect(SOUND_ITEM_PICKUP);
        return;
    }
    AddMapItem(scene.mapItemList, name, scene.hero.sprite.getPosition());
}

void LoadPuzzles(MapScene& scene, const GameSession& session, DecorPictures& pictures) {
    if (OnMap(session, MAP_BURNING_HOUSE)) BuildHouse(scene);
    if (!session.Puzzles().forestCleared && OnMap(session, MAP_FOREST)) BuildForest(scene);
    if (scene.map.look.darkness) BuildDarkness(scene.puzzles, pictures);
}

void UpdatePuzzles(MapScene& scene, GameSession& session, float dt) {
    if (HouseRuns(scene, session)) UpdateHouse(scene, session, dt);
    UpdateDecoy(scene, session);
    if (ForestRuns(scene, session)) UpdateForest(scene, session, dt);
    if (scene.rope.active == 1) UpdateRopePull(scene, session);
    if (scene.puzzles.darknessBuilt) UpdateDarkness(scene, dt);
}

StoryTurn HandlePuzzleKey(MapScene& scene, GameSession& session, const sf::Event::KeyEvent& keyEvent) {
    PuzzleState& p = scene.puzzles;
    if (HouseRuns(scene, session) && p.bathtub) return TalkToWater(scene, session, *p.bathtub, keyEvent);
    if (ForestRuns(scene, session) && p.forestWater)
        return TalkToWater(scene, session, *p.forestWater, keyEvent);
    return {};
}

void DrawPuzzleGround(sf::RenderWindow& window, const MapScene& scene, const GameSession& session) {
    const PuzzleState& p = scene.puzzles;
    if (ForestRuns(scene, session)) {
        for (size_t i = 0; i < p.fences.size(); ++i)
            if (!session.FenceDown(static_cast<int>(i))) window.draw(p.fences[i]);
        if (p.forestFireOut1 == 0) window.draw(p.fires[0]);
        if (p.forestFireOut2 == 0) window.draw(p.fires[1]);
        if (p.forestWater) DrawNpc(window, *p.forestWater);
    }
    if (!HouseRuns(scene, session)) return;
    if (p.wallBroken == 1) window.draw(p.brokenWall);
    if (p.houseFlames == 1) window.draw(p.flames);
    if (p.wallBroken == 0) window.draw(p.hook);
    if (p.bathtubShown == 1 && p.bathtub) DrawNpc(window, *p.bathtub);
}

void DrawPuzzleRope(sf::RenderWindow& window, const MapScene& scene) {
    if (scene.rope.active == 1) window.draw(scene.rope.rope);
}

void DrawDarkness(sf::RenderWindow& window, const MapScene& scene) {
    if (!scene.puzzles.darknessBuilt) return;
    window.draw(scene.puzzles.darkness);
    DrawTorchlight(window, scene.puzzles.torch);
}

sf::IntRect LightDarknessAround(sf::Image& image, int cx, int cy) {
    const sf::Vector2u size = image.getSize();
    const int left = std::max(cx - LIGHT_EDGE, 0), top = std::max(cy - LIGHT_EDGE, 0);
    const int right = std::min(cx + LIGHT_EDGE, static_cast<int>(size.x));
    const int bottom = std::min(cy + LIGHT_EDGE, static_cast<int>(size.y));
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const float d = std::hypot(static_cast<float>(x - cx), static_cast<float>(y - cy));
            uint8_t alpha = 255;
            if (d < LIGHT_CLEAR) {
                alpha = 0;
            } else if (d < LIGHT_EDGE) {
                alpha = static_cast<uint8_t>((d - LIGHT_CLEAR) * 255.0f / (LIGHT_EDGE - LIGHT_CLEAR));
            }
            // The night keeps its own colour; only how much of it covers the map changes.
            sf::Color night = image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y));
            night.a = alpha;
            image.setPixel(static_cast<unsigned>(x), static_cast<unsigned>(y), night);
        }
    }
    return {left, top, std::max(right - left, 0), std::max(bottom - top, 0)};
}
