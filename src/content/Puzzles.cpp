#include "content/Puzzles.h"

#include <cmath>
#include <cstring>

#include "content/Reach.h"
#include "core/GameStates.h"
#include "core/Input.h"
#include "core/Pictures.h"
#include "core/Settings.h"
#include "core/SoundEffects.h"
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
}

bool EnterHeld() {
    return IsKeyHeld(gSettings.keys.enter);
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
void FillAt(Npc& source, const sf::Event::KeyEvent& keyEvent, MapItemList& mapItems) {
    if (InNpcReach(source) != 1 || gSession.inventory.empty()) return;
    // Each empty bucket gives the source a key; the first one filled ends the loop.
    for (const MapItem& item : gSession.inventory) {
        if (item.name != "Bucket_Empty") continue;
        if (keyEvent.code == gSettings.keys.enter) HandleDialogueKey(keyEvent, OwnerOf(source));
        if (source.open == 1) {
            gStates.roamingOverlay = OVERLAY_DIALOGUE;
            continue;
        }
        if (gStates.roamingOverlay != OVERLAY_DIALOGUE) continue;
        gStates.roamingOverlay = OVERLAY_NONE;
        RemoveInventoryItem("Bucket_Empty");
        AddMapItem(mapItems, "Bucket_Full", BUCKET_DROP);
        PickUpItem(mapItems, mapItems.items.size() - 1);  // a full inventory leaves it lying
        PlaySoundEffect(SOUND_WATER_FILL);
        return;
    }
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
    gRopePull.texture.loadFromFile("Assets/Sprites/Setting/Rope_Long.png");
    gRopePull.rope = sf::Sprite(gRopePull.texture);
    gRopePull.rope.setOrigin(static_cast<float>(gRopePull.texture.getSize().x) / 2, 5.0f);
    gRopePull.active = 0;
    gRopePull.target = nullptr;
    gPuzzles.houseBuilt = false;
    gPuzzles.bathtub.reset();
    if (gPuzzles.houseArmed == 1 && OnMap("HOUSE_BURN_1")) BuildHouse();
    gRopePull.strainBuffer.loadFromFile("Assets/Sounds/Fishing/RodStrain.wav");
    gRopePull.strain.setBuffer(gRopePull.strainBuffer);
    gRopePull.strain.setVolume(EffectsVolume());
}

void UpdatePuzzles(float dt) {
    if (HouseRuns()) UpdateHouse(dt);
    if (gRopePull.active == 1) UpdateRopePull();
}

void HandlePuzzleKey(const sf::Event::KeyEvent& keyEvent, MapItemList& mapItems) {
    if (HouseRuns() && gPuzzles.bathtub) FillAt(*gPuzzles.bathtub, keyEvent, mapItems);
}

void StartRopePull(const sf::Sprite& target, int32_t& targetFlag) {
    const sf::FloatRect bounds = target.getGlobalBounds();
    gRopePull.rope.setPosition(target.getPosition().x, target.getPosition().y - bounds.height / 4);
    gRopePull.target = &targetFlag;
    gPlayer.speed = PULLING_SPEED;
    gRopePull.active = 1;
}

void DrawPuzzleGround(sf::RenderWindow& window) {
    if (!HouseRuns()) return;
    const PuzzleState& p = gPuzzles;
    if (p.wallBroken == 1) window.draw(p.brokenWall);
    if (p.houseFlames == 1) window.draw(p.flames);
    if (p.wallBroken == 0) window.draw(p.hook);
    if (p.bathtubShown == 1 && p.bathtub) DrawNpc(window, *p.bathtub);
}

void DrawPuzzleRope(sf::RenderWindow& window) {
    if (gRopePull.active == 1) window.draw(gRopePull.rope);
}

void ReleasePuzzles() {
    if (gRopePull.active == 1) gPlayer.speed = WALKING_SPEED;  // a pull cut short by a map change
    gRopePull.strain.stop();
    gRopePull.strain.resetBuffer();
    gRopePull.active = 0;
    gRopePull.target = nullptr;
    gPuzzles.houseBuilt = false;
    gPuzzles.bathtub.reset();
    gPuzzles.forestWater.reset();
}
