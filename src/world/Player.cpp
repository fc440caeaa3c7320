#include "world/Player.h"

#include <cmath>

#include "core/Input.h"
#include "core/Settings.h"
#include "core/SoundEffects.h"

namespace {

constexpr float PLAYER_SPEED = 250.0f;  // map pixels per second
constexpr uint32_t PLAYER_FPS = 8;

// Started only when silent, so a held key repeats the step without piling sounds up.
void Footstep(PlayerCharacter& hero, const MapLook& look) {
    sf::Sound& step = look.grass ? hero.grassStep : hero.stoneStep;
    if (step.getStatus() == sf::Sound::Stopped) step.play();
}

void Walk(PlayerCharacter& hero, const MapLook& look, int32_t row) {
    hero.row = row;
    Footstep(hero, look);
}

void LoadStepSound(sf::SoundBuffer& buffer, sf::Sound& sound, const char* path) {
    buffer.loadFromFile(path);
    sound.setBuffer(buffer);
    sound.setVolume(EffectsLevel());
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

void InitPlayer(PlayerCharacter& hero) {
    hero.daySheet.loadFromFile(PLAYER_DAY_SHEET);
    hero.sprite = sf::Sprite(hero.daySheet);
    const int frameWidth = static_cast<int>(hero.daySheet.getSize().x) / PLAYER_COLUMNS;
    const int frameHeight = static_cast<int>(hero.daySheet.getSize().y) / PLAYER_ROWS;
    for (int r = 0; r < PLAYER_ROWS; ++r) {
        SpriteSheetAnimation& animation = hero.animations[static_cast<size_t>(r)];
        animation = SpriteSheetAnimation{&hero.sprite,
                                         0,
                                         PLAYER_COLUMNS,
                                         PLAYER_FPS,
                                         {0, r * frameHeight, frameWidth, frameHeight},
                                         0.0f,
                                         0,
                                         1};
    }
    hero.sprite.setOrigin(static_cast<float>(frameWidth / 2), static_cast<float>(frameHeight / 2));
    hero.row = ROW_STAND_DOWN;
    hero.currentAnimation = &hero.animations[0];
    // One frame from the start: a picture taken before the first update shows him, not his whole sheet.
    hero.sprite.setTextureRect(hero.currentAnimation->frameRect);
    hero.speed = PLAYER_SPEED;
    LoadStepSound(hero.grassBuffer, hero.grassStep, SOUND_GRASS_STEP);
    LoadStepSound(hero.stoneBuffer, hero.stoneStep, SOUND_STONE_STEP);
    hero.built = true;
}

void SetPlayerSheet(PlayerCharacter& hero, const MapLook& look) {
    if (look.torch && hero.torchSheet.getSize().x == 0) hero.torchSheet.loadFromFile(PLAYER_TORCH_SHEET);
    // Both sheets share one layout: the frame shown stays the same.
    hero.sprite.setTexture(look.torch ? hero.torchSheet : hero.daySheet);
}

void MovePlayer(PlayerCharacter& hero, const MapLook& look, float dt) {
    const KeyBindings& keys = gSettings.keys;
    float dx = 0.0f;
    float dy = 0.0f;
    if (IsKeyHeld(keys.up)) {
        dy = -1.0f;
        Walk(hero, look, ROW_WALK_UP);
    }
    if (IsKeyHeld(keys.down)) {
        dy += 1.0f;
        Walk(hero, look, ROW_WALK_DOWN);
    }
    if (IsKeyHeld(keys.left)) {
        dx = -1.0f;
        Walk(hero, look, ROW_WALK_LEFT);
    }
    if (IsKeyHeld(keys.right)) {
        dx += 1.0f;
        Walk(hero, look, ROW_WALK_RIGHT);
    }
    if (dx != 0.0f || dy != 0.0f) {
        // Diagonals go as fast as straight lines.
        const float angle = std::atan2(dy, dx);
        hero.sprite.move(std::cos(angle) * hero.speed * dt, std::sin(angle) * hero.speed * dt);
    } else {
        hero.row = StandingRow(hero.row);
    }
    hero.currentAnimation = &hero.animations[static_cast<size_t>(hero.row)];
}

void UpdateFootBox(PlayerCharacter& hero) {
    hero.footBox = FootBoxOf(hero.sprite.getGlobalBounds());
}

namespace {

// Out along the axis of least overlap, so the feet end up touching the edge they came through.
// Returns 1 after a push.
int32_t PushOut(PlayerCharacter& hero, const sf::FloatRect& r) {
    const sf::FloatRect p = hero.footBox;
    sf::FloatRect i;
    if (!p.intersects(r, i)) return 0;
    const float centreX = p.left + p.width * 0.5f;
    if (i.top == p.top && i.width > i.height) {
        hero.sprite.setPosition(centreX, r.top + r.height - p.height);
    } else if (i.top == r.top && i.width > i.height) {
        hero.sprite.setPosition(centreX, r.top - 2.0f * p.height);
    } else if (i.left == p.left && i.height > i.width) {
        hero.sprite.setPosition(r.left + r.width + p.width * 0.5f, p.top - p.height);
    } else if (i.left == r.left && i.height > i.width) {
        hero.sprite.setPosition(r.left - p.width * 0.5f, p.top - p.height);
    } else {
        return 0;
    }
    UpdateFootBox(hero);
    return 1;
}

}  // namespace

void PushOutOfRect(PlayerCharacter& hero, const sf::FloatRect& rect) {
    PushOut(hero, rect);
}

int32_t PushOutOfTrigger(PlayerCharacter& hero, const MapTrigger& trigger) {
    return PushOut(hero, trigger.rect);
}

void ReleasePlayer(PlayerCharacter& hero) {
    hero.ReleaseSounds();
}
