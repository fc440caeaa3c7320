#include "world/MapDecor.h"

#include <cstring>

#include "core/Random.h"
#include "core/Screen.h"
#include "world/MapLoading.h"

namespace {

enum DecorKind { DECOR_TREE, DECOR_TALL_TREE, DECOR_FIRE, DECOR_BUBBLES, DECOR_MARKER };

struct DecorRule {
    const char* name;  // matched whole; nullptr matches every other name
    DecorKind kind;
    const char* texture;
    bool burnable;
};

constexpr DecorRule DECOR_RULES[] = {
    {"ARBRE_1", DECOR_TREE, "Assets/Sprites/MapAnimations/TREE_1", true},
    {"ARBRE_2", DECOR_TREE, "Assets/Sprites/MapAnimations/TREE_2", true},
    {"ARBRE_3", DECOR_TREE, "Assets/Sprites/MapAnimations/TREE_3", true},
    {"ARBRE_4", DECOR_TALL_TREE, "Assets/Sprites/MapAnimations/TREE_4", true},
    {"FIRE", DECOR_FIRE, "Assets/Sprites/MapAnimations/Flamme sol-Sheet", false},
    {"BULLES", DECOR_BUBBLES, "Assets/Sprites/Fishing/Bulles_Spritesheet", false},
    {nullptr, DECOR_MARKER, "Assets/Sprites/Setting/Collision", false},
};

const DecorRule& RuleFor(const char* name) {
    for (const DecorRule& rule : DECOR_RULES) {
        if (rule.name == nullptr || std::strcmp(rule.name, name) == 0) return rule;
    }
    return DECOR_RULES[std::size(DECOR_RULES) - 1];
}

const sf::Texture* CachedPicture(DecorPictures& pictures, const std::string& path) {
    for (size_t i = 0; i < pictures.paths.size(); ++i) {
        if (pictures.paths[i] == path) return pictures.textures[i].get();
    }
    auto texture = std::make_unique<sf::Texture>();
    texture->loadFromFile(path);
    pictures.paths.push_back(path);
    pictures.textures.push_back(std::move(texture));
    return pictures.textures.back().get();
}

// Each kind's texture is shared by its points; the map lists the kinds it uses.
const sf::Texture* DecorTexture(MapState& map, DecorPictures& pictures, const DecorRule& rule) {
    std::string path = rule.texture;
    if (rule.burnable && map.look.burntTrees) path += "_BURN";
    path += ".png";
    for (size_t i = 0; i < map.animationTexturePaths.size(); ++i) {
        if (map.animationTexturePaths[i] == path) return map.animationTextures[i];
    }
    map.animationTexturePaths.push_back(path);
    map.animationTextures.push_back(CachedPicture(pictures, path));
    return map.animationTextures.back();
}

void SetAnimation(MapPoint& point, uint32_t frames, uint32_t fps, sf::IntRect rect, uint32_t startFrame) {
    SpriteSheetAnimation& animation = point.animation;
    animation.sprite = point.sprite.get();
    animation.frame = startFrame;
    animation.frameCount = frames;
    animation.framesPerSecond = fps;
    animation.frameRect = rect;
    animation.elapsed = 0.0f;
    animation.finished = 0;
    animation.loop = 1;
}

// A start frame of -1 wraps to the largest frame number and becomes 0 at the first advance.
uint32_t RandomStartFrame(int frames) {
    return static_cast<uint32_t>(RandomValue() % frames - 1);
}

void BuildPointDecor(MapState& map, DecorPictures& pictures, MapPoint& point) {
    const DecorRule& rule = RuleFor(point.name);
    point.texture = DecorTexture(map, pictures, rule);
    point.sprite = std::make_unique<sf::Sprite>(*point.texture);
    sf::Sprite& sprite = *point.sprite;
    const int w = static_cast<int>(point.texture->getSize().x);
    const int h = static_cast<int>(point.texture->getSize().y);
    switch (rule.kind) {
        case DECOR_TREE:
        case DECOR_TALL_TREE: {
            sprite.setScale(0.25f, 0.25f);
            sprite.setTextureRect({0, 0, w / 10, h});
            const float originY = rule.kind == DECOR_TREE ? static_cast<float>(2 * h / 3 + 10)
                                                          : 2.0f * static_cast<float>(h) / 3.5f + 10.0f;
            sprite.setOrigin(static_cast<float>(w / 10 / 2), originY);
            sprite.setPosition(point.x, point.y);
            SetAnimation(point, 10, 3, {0, 0, w / 10, h}, RandomStartFrame(10));
            break;
        }
        case DECOR_FIRE:
            sprite.setTextureRect({0, 0, w / 3, h});
            sprite.setOrigin(static_cast<float>(w / 3 / 2), 2.0f * static_cast<float>(h) / 3.5f + 10.0f);
            sprite.setPosition(point.x, point.y);
            SetAnimation(point, 3, 2, {0, 0, w / 3, h}, RandomStartFrame(3));
            break;
        case DECOR_BUBBLES:
            sprite.setPosition(point.x, point.y);
            SetAnimation(point, 6, 3, {0, 0, w / 7, h}, 0);
            break;
        case DECOR_MARKER:
            sprite.setPosition(point.x, point.y);
            SetAnimation(point, 1, 1, {0, 0, w / 6, h / 8}, 0);
            break;
    }
}

}  // namespace

void BuildMapDecor(MapState& map, DecorPictures& pictures) {
    for (MapPoint& point : map.mapPoints)
        BuildPointDecor(map, pictures, point);
    SortMapPoints(map);
}

// A bubble sort on y that keeps points of equal y in their reader order: this is the drawing order of
// the depth pass.
void SortMapPoints(MapState& map) {
    std::vector<MapPoint>& points = map.mapPoints;
    for (size_t pass = 0; pass + 1 < points.size(); ++pass) {
        bool swapped = false;
        for (size_t i = 0; i + 1 < points.size() - pass; ++i) {
            if (points[i].y > points[i + 1].y) {
                std::swap(points[i], points[i + 1]);
                swapped = true;
            }
        }
        if (!swapped) break;
    }
}
