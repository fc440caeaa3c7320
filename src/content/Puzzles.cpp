#include "content/Puzzles.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "content/MapContent.h"
#include "content/Reach.h"
#include "core/Input.h"
#include "core/Pictures.h"
#include "core/Settings.h"
#include "core/SoundEffects.h"
#include "core/Text.h"
#include "world/GameSession.h"
#include "world/Player.h"

PuzzleState gPuzzles;
RopePull gRopePull;

namespace {

constexpr float TILE = 64.0f;
constexpr float ZONE_SHRINK = 20.0f;
constexpr float PULL_LENGTH = 65.0f;
constexpr float PULLING_SPEED = 15.0f;
constexpr float WALKING_SPEED = 250.0f;
constexpr int FLAME_FRAMES = 6;
const sf::Vector2f BUCKET_DROP = {2000.0f, 1750.0f};
constexpr const char* SOUND_WATER_FILL = "Assets/Sounds/Puzzle/WaterFill.wav";
constexpr const char* SOUND_FIRE_OUT = "Assets/Sounds/Puzzle/FireExtinguish.wav";
constexpr int32_t KEY_CODE_E = 4;  // a fixed key: picks up the decoys lying about
constexpr uint8_t DARKNESS_ALPHA = 230;
constexpr int LIGHT_CLEAR = 75;
constexpr int LIGHT_EDGE = 225;
const sf::Vector2f FIRE_TILES[2] = {{29, 16}, {31, 16}};
const sf::Vector2f FENCE_TILES[5] = {{21.5f, 7}, {32.5f, 4}, {24.5f, 8}, {32.5f, 11}, {23.5f, 16}};

bool OnMap(const char* name) {
    return std::strcmp(gSession.currentMapName, name) == 0;
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

bool InZone(const sf::FloatRect& zone) {
    MapItem probe;
    probe.bounds = zone;
    return InItemReach(probe) == 1;
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
void BuildRope() {
    gRopePull.texture.loadFromFile("Assets/Sprites/Setting/Rope_Long.png");
    gRopePull.rope = sf::Sprite(gRopePull.texture);
    gRopePull.rope.setOrigin(static_cast<float>(gRopePull.texture.getSize().x) / 2, 5.0f);
    gRopePull.strainBuffer.loadFromFile("Assets/Sounds/Fishing/RodStrain.wav");
    gRopePull.strain.setBuffer(gRopePull.strainBuffer);
    gRopePull.strain.setVolume(EffectsVolume());
}

// A bucket handed back by a fire or a water source: it lands at a spot off the map and is picked up at
// once, so a full inventory leaves it lying there.
void HandOver(MapItemList& items, const char* name) {
    AddMapItem(items, name, BUCKET_DROP);
    PickUpItem(items, items.items.size() - 1);
}

void BuildHouse() {
    PuzzleState& p = gPuzzles;
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
    BuildRope();
}

bool EnterHeld() {
    return IsKeyHeld(gSettings.keys.enter);
}

void BuildForest() {
    PuzzleState& p = gPuzzles;
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
    BuildRope();
}

void BuildDarkness() {
    PuzzleState& p = gPuzzles;
    LoadPicture(p.darknessTexture, "Assets/Sprites/Fog/Fog1.png");
    p.darknessImage = p.darknessTexture.copyToImage();
    p.darkness = sf::Sprite(p.darknessTexture);
    p.darkness.setColor(sf::Color(255, 255, 255, DARKNESS_ALPHA));
    p.darknessLitAt = {-1, -1};
    p.darknessBuilt = true;
}

int32_t& FireOut(size_t k) {
    return k == 0 ? gPuzzles.forestFireOut1 : gPuzzles.forestFireOut2;
}

// A full bucket thrown on a fire comes back empty, ready to be filled again.
void PutOutFire(size_t k) {
    for (const MapItem& item : gSession.inventory) {
        if (item.name != "Bucket_Full" || FireOut(k) == 1) continue;
        FireOut(k) = 1;
        RemoveInventoryItem("Bucket_Full");
        HandOver(gMapContent.mapItemList, "Bucket_Empty");
        PlaySoundEffect(SOUND_FIRE_OUT);
        return;
    }
}

void PullFences() {
    PuzzleState& p = gPuzzles;
    if (!InventoryHolds("Rope") || gRopePull.active == 1) return;
    for (size_t i = 0; i < p.fences.size(); ++i) {
        if (gSession.fenceDone[i] == 0 && InZone(p.fenceRects[i]) && EnterHeld()) {
            StartRopePull(p.fences[i], gSession.fenceDone[i]);
            return;
        }
    }
}

void UpdateForest(float dt) {
    PuzzleState& p = gPuzzles;
    if (p.forestWater) UpdateNpc(dt, *p.forestWater);
    for (size_t k = 0; k < 2; ++k) {
        p.fireAnimations[k].sprite = &p.fires[k];
        AnimateSpriteSheet(p.fireAnimations[k], dt);
        if (FireOut(k) == 0 && InZone(p.fireZoneRects[k]) && EnterHeld()) PutOutFire(k);
    }
    PullFences();
    bool allDown = p.forestFireOut1 == 1 && p.forestFireOut2 == 1;
    for (size_t i = 0; i < p.fences.size(); ++i) {
        if (gSession.fenceDone[i] == 1) continue;
        PushOutOfRect(p.fenceRects[i]);
        allDown = false;
    }
    if (allDown) p.forestArmed = 0;
}

// The decoy: its four parts, once all are carried, make it at once.
void UpdateDecoy(MapItemList& mapItems) {
    PuzzleState& p = gPuzzles;
    for (const MapItem& item : gSession.inventory) {
        if (item.name == "Stick") p.hasStick = 1;
        if (item.name == "Pumpkin") p.hasPumpkin = 1;
        if (item.name == "Paint") p.hasPaint = 1;
        if (item.name == "Straw") p.hasStraw = 1;
    }
    if (p.hasStick == 1 && p.hasPumpkin == 1 && p.hasPaint == 1 && p.hasStraw == 1 && p.decoyBuilt == 0) {
        for (const char* part : {"Straw", "Paint", "Pumpkin", "Stick"})
            RemoveInventoryItem(part);
        p.decoyBuilt = 1;
        // The parts are not lost for nothing: the decoy made of them is carried.
        LoadItemFile("Assets/Text/Items/Decoy.txt", mapItems);
        PickUpEveryItemNamed(mapItems, "Decoy");
    }
    if (p.decoyBuilt != 1 || !IsKeyHeld(KEY_CODE_E)) return;
    for (int round = 0; round < 10; ++round) {
        for (size_t i = mapItems.items.size(); i-- > 0;)
            if (mapItems.items[i].name.find("Decoy") != std::string::npos) PickUpItem(mapItems, i);
    }
}

bool ForestRuns() {
    return gPuzzles.forestArmed == 1 && gPuzzles.forestBuilt && OnMap("ForestNight");
}

void UpdateDarkness() {
    PuzzleState& p = gPuzzles;
    const sf::Vector2i at(gPlayer.sprite.getPosition());
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
void UseHook() {
    PuzzleState& p = gPuzzles;
    for (const MapItem& item : gSession.inventory) {
        if (item.name == "Bucket_Full") {
            p.houseFlames = 0;
        } else if (item.name == "Rope" && p.houseFlames == 0 && p.wallBroken == 0 && gRopePull.active == 0) {
            StartRopePull(p.hook, p.wallBroken);
            if (gRopePull.strain.getStatus() != sf::Sound::Playing) gRopePull.strain.play();
        }
    }
}

void UpdateHouse(float dt) {
    PuzzleState& p = gPuzzles;
    if (p.bathtub) UpdateNpc(dt, *p.bathtub);
    p.flamesAnimation.sprite = &p.flames;
    AnimateSpriteSheet(p.flamesAnimation, dt);
    if (InZone(p.hookZoneRect) && EnterHeld()) UseHook();
}

// The rope points from its knot to the hero; far enough away, the pull is done.
void UpdateRopePull() {
    RopePull& pull = gRopePull;
    const sf::Vector2f v = gPlayer.sprite.getPosition() - pull.rope.getPosition();
    const float length = std::hypot(v.x, v.y);
    if (length > 0.0f) {
        // The angle from straight up, turning clockwise.
        float angle = std::acos(std::clamp(-v.y / length, -1.0f, 1.0f)) * 180.0f / 3.14159265f;
        if (v.x < 0.0f) angle = 360.0f - angle;
        pull.rope.setRotation(angle - 180.0f);
    }
    if (length > PULL_LENGTH) {
        pull.active = 0;
        if (pull.target != nullptr) *pull.target = 1;
        pull.target = nullptr;
        gPlayer.speed = WALKING_SPEED;
        pull.strain.stop();
    }
}

// Talking to a water source with an empty bucket fills it when the source's words are done.
StoryTurn TalkToWater(Npc& source, const sf::Event::KeyEvent& keyEvent, MapItemList& mapItems) {
    if (keyEvent.code != gSettings.keys.enter || InNpcReach(source) != 1 || !InventoryHolds("Bucket_Empty"))
        return {};
    StoryTurn turn;
    turn.conversation = Begin(std::make_unique<NpcConversation>(source), keyEvent);
    turn.whenOver = [&mapItems] {
        if (!InventoryHolds("Bucket_Empty")) return;
        RemoveInventoryItem("Bucket_Empty");
        HandOver(mapItems, "Bucket_Full");
        PlaySoundEffect(SOUND_WATER_FILL);
    };
    return turn;
}

bool HouseRuns() {
    return gPuzzles.houseArmed == 1 && gPuzzles.houseBuilt && OnMap("HOUSE_BURN_1");
}

}  // namespace

void ArmPuzzles() {
    gPuzzles.houseArmed = 1;
    gPuzzles.decoyArmed = 1;
    gPuzzles.forestArmed = 1;
}

void LoadPuzzles() {
    ReleasePuzzles();  // the last map's pieces
    if (gPuzzles.houseArmed == 1 && OnMap("HOUSE_BURN_1")) BuildHouse();
    if (gPuzzles.forestArmed == 1 && OnMap("ForestNight")) BuildForest();
    if (Contains(gSession.currentMapName, "Forest")) BuildDarkness();
}

void UpdatePuzzles(float dt) {
    if (HouseRuns()) UpdateHouse(dt);
    if (gPuzzles.decoyArmed == 1) UpdateDecoy(gMapContent.mapItemList);
    if (ForestRuns()) UpdateForest(dt);
    if (gRopePull.active == 1) UpdateRopePull();
    if (gPuzzles.darknessBuilt) UpdateDarkness();
}

StoryTurn HandlePuzzleKey(const sf::Event::KeyEvent& keyEvent, MapItemList& mapItems) {
    if (HouseRuns() && gPuzzles.bathtub) return TalkToWater(*gPuzzles.bathtub, keyEvent, mapItems);
    if (ForestRuns() && gPuzzles.forestWater) return TalkToWater(*gPuzzles.forestWater, keyEvent, mapItems);
    return {};
}

void StartRopePull(const sf::Sprite& target, int32_t& targetFlag) {
    const sf::FloatRect bounds = target.getGlobalBounds();
    gRopePull.rope.setPosition(target.getPosition().x, target.getPosition().y - bounds.height / 4);
    gRopePull.target = &targetFlag;
    gPlayer.speed = PULLING_SPEED;
    gRopePull.active = 1;
}

void DrawPuzzleGround(sf::RenderWindow& window) {
    const PuzzleState& p = gPuzzles;
    if (ForestRuns()) {
        for (size_t i = 0; i < p.fences.size(); ++i)
            if (gSession.fenceDone[i] == 0) window.draw(p.fences[i]);
        if (p.forestFireOut1 == 0) window.draw(p.fires[0]);
        if (p.forestFireOut2 == 0) window.draw(p.fires[1]);
        if (p.forestWater) DrawNpc(window, *p.forestWater);
    }
    if (!HouseRuns()) return;
    if (p.wallBroken == 1) window.draw(p.brokenWall);
    if (p.houseFlames == 1) window.draw(p.flames);
    if (p.wallBroken == 0) window.draw(p.hook);
    if (p.bathtubShown == 1 && p.bathtub) DrawNpc(window, *p.bathtub);
}

void DrawPuzzleRope(sf::RenderWindow& window) {
    if (gRopePull.active == 1) window.draw(gRopePull.rope);
}

void DrawDarkness(sf::RenderWindow& window) {
    if (gPuzzles.darknessBuilt && OnMap("ForestNight")) window.draw(gPuzzles.darkness);
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

void ReleasePuzzles() {
    if (gRopePull.active == 1) gPlayer.speed = WALKING_SPEED;  // a pull cut short by a map change
    gRopePull.strain.stop();
    gRopePull.strain.resetBuffer();
    gRopePull.active = 0;
    gRopePull.target = nullptr;
    gPuzzles.houseBuilt = false;
    gPuzzles.bathtub.reset();
    gPuzzles.forestBuilt = false;
    gPuzzles.forestWater.reset();
    gPuzzles.darknessBuilt = false;
    gPuzzles.darknessTexture = sf::Texture();
    gPuzzles.darknessImage = sf::Image();
}
