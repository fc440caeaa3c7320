#include "world/Player.h"

#include <cmath>

#include "core/Input.h"
#include "core/Settings.h"
#include "world/GameSession.h"
#include "world/MapNames.h"

PlayerCharacter gPlayer;

namespace {

constexpr float PLAYER_SPEED = 250.0f;  // map pixels per second
constexpr uint32_t PLAYER_FPS = 8;

// Started only when silent, so a held key repeats the step without piling sounds up.
void Footstep() {
    sf::Sound& step = MapHasGrass(gSession.currentMapName) ? gPlayer.grassStep : gPlayer.stoneStep;
    if (step.getStatus() == sf::Sound::Stopped) step.play();
}

void Walk(int32_t row) {
    gPlayer.row = row;
    Footstep();
}

void LoadStepSound(sf::SoundBuffer& buffer, sf::Sound& sound, const char* path) {
    buffer.loadFromFile(path);
    sound.setBuffer(buffer);
    sound.setVolume(EffectsVolume());
}

int32_t StandingRow(int32_t row) {
    switch (row) {
        case ROW_WALK_UP:
            return ROW_STAND_UP;
        case ROW_WALK_DOWN:
            return ROW_STAND_DOWN;
        case ROW_WALK_LEFT:
            return ROW_STAND_LEFT;
        case ROW_WALK_RIGHT:
            return ROW_STAND_RIGHT;
        default:
            return row;
    }
}

}  // namespace

sf::FloatRect FootBoxOf(const sf::FloatRect& b) {
    return {b.left + 0.25f * b.width, b.top + 0.75f * b.height, 0.5f * b.width, 0.25f * b.height};
}

void InitPlayer() {
    gPlayer.daySheet.loadFromFile(PLAYER_DAY_SHEET);
    gPlayer.sprite = sf::Sprite(gPlayer.daySheet);
    const int frameWidth = static_cast<int>(gPlayer.daySheet.getSize().x) / PLAYER_COLUMNS;
    const int frameHeight = static_cast<int>(gPlayer.daySheet.getSize().y) / PLAYER_ROWS;
    for (int r = 0; r < PLAYER_ROWS; ++r) {
        SpriteSheetAnimation& animation = gPlayer.animations[static_cast<size_t>(r)];
        animation = SpriteSheetAnimation{&gPlayer.sprite,
                                         0,
                                         PLAYER_COLUMNS,
                                         PLAYER_FPS,
                                         {0, r * frameHeight, frameWidth, frameHeight},
                                         0.0f,
                                         0,
                                         1};
    }
    gPlayer.sprite.setOrigin(static_cast<float>(frameWidth / 2), static_cast<float>(frameHeight / 2));
    gPlayer.row = ROW_STAND_DOWN;
    gPlayer.currentAnimation = &gPlayer.animations[0];
    // One frame from the start: a picture taken before the first update shows him, not his whole sheet.
    gPlayer.sprite.setTextureRect(gPlayer.currentAnimation->frameRect);
    gPlayer.speed = PLAYER_SPEED;
    LoadStepSound(gPlayer.grassBuffer, gPlayer.grassStep, SOUND_GRASS_STEP);
    LoadStepSound(gPlayer.stoneBuffer, gPlayer.stoneStep, SOUND_STONE_STEP);
    gPlayer.built = true;
}

void SetPlayerSheet() {
    const bool torch = MapNeedsTorch(gSession.currentMapName);
    if (torch && gPlayer.torchSheet.getSize().x == 0) gPlayer.torchSheet.loadFromFile(PLAYER_TORCH_SHEET);
    // Both sheets share one layout: the frame shown stays the same.
    gPlayer.sprite.setTexture(torch ? gPlayer.torchSheet : gPlayer.daySheet);
}

void MovePlayer(float dt) {
    const KeyBindings& keys = gSettings.keys;
    float dx = 0.0f;
    float dy = 0.0f;
    if (IsKeyHeld(keys.up)) {
        dy = -1.0f;
        Walk(ROW_WALK_UP);
    }
    if (IsKeyHeld(keys.down)) {
        dy += 1.0f;
        Walk(ROW_WALK_DOWN);
    }
    if (IsKeyHeld(keys.left)) {
        dx = -1.0f;
        Walk(ROW_WALK_LEFT);
    }
    if (IsKeyHeld(keys.right)) {
        dx += 1.0f;
        Walk(ROW_WALK_RIGHT);
    }
    if (dx != 0.0f || dy != 0.0f) {
        // Diagonals go as fast as straight lines.
        const float angle = std::atan2(dy, dx);
        gPlayer.sprite.move(std::cos(angle) * gPlayer.speed * dt, std::sin(angle) * gPlayer.speed * dt);
    } else {
        gPlayer.row = StandingRow(gPlayer.row);
    }
    gPlayer.currentAnimation = &gPlayer.animations[static_cast<size_t>(gPlayer.row)];
}

void UpdateFootBox() {
    gPlayer.footBox = FootBoxOf(gPlayer.sprite.getGlobalBounds());
}

namespace {

// Out along the axis of least overlap, so the feet end up touching the edge they came through.
// Returns 1 after a push.
int32_t PushOut(const sf::FloatRect& r) {
    const sf::FloatRect p = gPlayer.footBox;
    sf::FloatRect i;
    if (!p.intersects(r, i)) return 0;
    const float centreX = p.left + p.width * 0.5f;
    if (i.top == p.top && i.width > i.height) {
        gPlayer.sprite.setPosition(centreX, r.top + r.height - p.height);
    } else if (i.top == r.top && i.width > i.height) {
        gPlayer.sprite.setPosition(centreX, r.top - 2.0f * p.height);
    } else if (i.left == p.left && i.height > i.width) {
        gPlayer.sprite.setPosition(r.left + r.width + p.width * 0.5f, p.top - p.height);
    } else if (i.left == r.left && i.height > i.width) {
        gPlayer.sprite.setPosition(r.left - p.width * 0.5f, p.top - p.height);
    } else {
        return 0;
    }
    UpdateFootBox();
    return 1;
}

}  // namespace

void PushOutOfRect(const sf::FloatRect& rect) {
    PushOut(rect);
}

int32_t PushOutOfTrigger(const MapTrigger& trigger) {
    return PushOut(trigger.rect);
}

void ReleasePlayer() {
    gPlayer.grassStep.stop();
    gPlayer.stoneStep.stop();
    gPlayer = PlayerCharacter{};
}
