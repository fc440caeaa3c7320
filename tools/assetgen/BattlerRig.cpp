// A battle frame is drawn in six flat layers (cape, far limbs, body, weapon, near arm, head), each shaded
// from the top-left and outlined on its own so a limb in front of the body keeps its dark line. The head
// comes last: a staff or an axe held up in front never hides a face. A falling body is turned before
// shading, so its light still comes from the top-left.

#include "BattlerParts.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

const float RIG_RADIANS = 3.14159265f / 180.0f;
const Ramp CAPE_RAMP{PAL_WOOD_DARK, PAL_CLOTH_DARK, PAL_CLOTH_MID};
const std::uint8_t SHADOW_ALPHA = 80;

struct Layers {
    PixelCanvas cape, back, body, weapon, front, head;
};

// The frame sits in the middle of a working canvas three frames wide and three high, so a falling body
// or a raised sword never runs off the paper before the frame is cut.
struct Work {
    int width = 0, height = 0;
    int originX = 0, originY = 0;  // where the frame's corner lies on the working canvas
};

struct Box {
    int left = 0, top = 0, right = -1, bottom = -1;
};

bool Helmeted(const CharacterLook& look) {
    return look.head == HEAD_HELMET || look.head == HEAD_HORNED;
}

LimbColours LegColours(const CharacterLook& look, bool near) {
    if (Helmeted(look)) {
        return near ? LimbColours{Pal(look.cloth.mid), Pal(look.cloth.dark)}
                    : LimbColours{Pal(look.cloth.dark), Pal(PAL_NIGHT)};
    }
    return near ? LimbColours{Pal(PAL_WOOD_MID), Pal(PAL_WOOD_DARK)}
                : LimbColours{Pal(PAL_WOOD_DARK), Pal(PAL_NIGHT)};
}

LimbColours ArmColours(const CharacterLook& look, bool near) {
    if (near) return {Pal(look.cloth.mid), Pal(Helmeted(look) ? look.cloth.dark : look.skin.mid)};
    return {Pal(look.cloth.dark), Pal(Helmeted(look) ? PAL_NIGHT : look.skin.dark)};
}

Layers DrawLayers(const BattlerBuild& build, const BattlerLook& look, const BattlerPose& pose,
                  const Skeleton& bones, const Work& work) {
    Layers layers;
    for (PixelCanvas* layer :
         {&layers.cape, &layers.back, &layers.body, &layers.weapon, &layers.front, &layers.head})
        *layer = MakeCanvas(work.width, work.height);
    DrawCape(layers.cape, build, look, bones, pose);
    DrawLeg(layers.back, build, bones.hip, bones.backKnee, bones.backAnkle, LegColours(look.body, false));
    DrawArm(layers.back, build, bones.armRoot, bones.backElbow, bones.backHand, ArmColours(look.body, false));
    if (look.shield) DrawShield(layers.back, build, bones.backHand);
    DrawLeg(layers.body, build, bones.hip, bones.frontKnee, bones.frontAnkle, LegColours(look.body, true));
    DrawTorso(layers.body, build, look, bones, pose);
    DrawSideHead(layers.head, build, look, bones.head, pose.eyesClosed);
    DrawWeapon(layers.weapon, build, look, bones.frontHand, pose.weapon);
    DrawArm(layers.front, build, bones.armRoot, bones.frontElbow, bones.frontHand,
            ArmColours(look.body, true));
    DrawPauldron(layers.front, build, look, bones.armRoot);
    return layers;
}

// Turns a layer about the pivot, pixel for pixel: positive degrees tip its top backwards (to the left).
PixelCanvas Rotate(const PixelCanvas& layer, RigPoint pivot, int degrees) {
    PixelCanvas turned = MakeCanvas(layer.width, layer.height);
    const float c = std::cos(static_cast<float>(degrees) * RIG_RADIANS);
    const float s = std::sin(static_cast<float>(degrees) * RIG_RADIANS);
    for (int y = 0; y < layer.height; ++y) {
        for (int x = 0; x < layer.width; ++x) {
            const float dx = static_cast<float>(x) + 0.5f - pivot.x,
                        dy = static_cast<float>(y) + 0.5f - pivot.y;
            const float sourceX = pivot.x + dx * c - dy * s, sourceY = pivot.y + dx * s + dy * c;
            const sf::Color colour =
                PixelAt(layer, static_cast<int>(std::floor(sourceX)), static_cast<int>(std::floor(sourceY)));
            if (colour.a > 0) PutPixel(turned, x, y, colour);
        }
    }
    return turned;
}

void Finish(PixelCanvas& layer, std::initializer_list<Ramp> ramps) {
    for (const Ramp& ramp : ramps)
        ShadeFromTopLeft(layer, ramp);
    OutlineOpaque(layer, Pal(PAL_OUTLINE));
}

PixelCanvas Compose(Layers& layers, const BattlerLook& look) {
    const Ramp cloth = look.body.cloth, skin = look.body.skin;
    Finish(layers.cape, {CAPE_RAMP});
    Finish(layers.back, {RAMP_CLOTH});
    Finish(layers.body, {cloth, skin, RAMP_WOOD, RAMP_CLOTH});
    Finish(layers.weapon, {RAMP_STONE, RAMP_WOOD, RAMP_GOLD, look.magic});
    Finish(layers.front, {cloth, skin});
    Finish(layers.head, {cloth, skin, RAMP_CLOTH, RAMP_PARCH});
    PixelCanvas figure = layers.cape;
    for (const PixelCanvas* layer : {&layers.back, &layers.body, &layers.weapon, &layers.front, &layers.head})
        Blit(figure, *layer, 0, 0);
    return figure;
}

// A hit lights the whole body white for a moment, inside its outline.
void Flash(PixelCanvas& figure) {
    const sf::Color outline = Pal(PAL_OUTLINE);
    for (int y = 0; y < figure.height; ++y) {
        for (int x = 0; x < figure.width; ++x) {
            const sf::Color colour = PixelAt(figure, x, y);
            if (colour.a > 0 && colour != outline) PutPixel(figure, x, y, Pal(PAL_WHITE));
        }
    }
}

Box OpaqueBox(const PixelCanvas& canvas) {
    Box box{canvas.width, canvas.height, -1, -1};
    for (int y = 0; y < canvas.height; ++y) {
        for (int x = 0; x < canvas.width; ++x) {
            if (PixelAt(canvas, x, y).a == 255) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
            }
        }
    }
    return box;
}

// How far a fallen body moves so that it rests on the ground and stays inside the frame; a body lying
// flat is centred on the spot it stood on.
PixelPoint Settle(const BattlerBuild& build, const Work& work, const Box& box, int tilt) {
    if (tilt == 0 || box.right < box.left) return {0, 0};
    int dx = 0;
    if (std::abs(tilt) >= 80) dx = build.rootX - ((box.left + box.right) / 2 - work.originX);
    dx = std::max(dx, work.originX - box.left);
    dx = std::min(dx, build.frameWidth - 1 - box.right + work.originX);
    return {dx, build.ground + 1 - (box.bottom - work.originY)};
}

// Solid effect pixels cover the body; translucent ones only tint the air around it.
void Overlay(PixelCanvas& frame, const PixelCanvas& light) {
    for (int y = 0; y < light.height; ++y) {
        for (int x = 0; x < light.width; ++x) {
            const sf::Color colour = PixelAt(light, x, y);
            if (colour.a == 255 || (colour.a > 0 && PixelAt(frame, x, y).a == 0))
                PutPixel(frame, x, y, colour);
        }
    }
}

RigPoint ToFrame(RigPoint point, const Work& work, PixelPoint shift) {
    return {point.x - static_cast<float>(work.originX - shift.x),
            point.y - static_cast<float>(work.originY - shift.y)};
}

}  // namespace

KeySpan LocateFrame(const std::vector<int>& weights, int frame, int frames) {
    const int keys = static_cast<int>(weights.size());
    if (keys <= 1 || frames <= 1) return {0, 0.0f};
    if (frames < keys)
        return {static_cast<int>(std::lround(static_cast<float>(frame * (keys - 1)) / (frames - 1))), 0.0f};
    int total = 0;
    for (int key = 0; key + 1 < keys; ++key)
        total += std::max(1, weights[key]);
    std::vector<int> at(weights.size());
    int elapsed = 0;
    for (int key = 0; key < keys; ++key) {
        const int ideal = static_cast<int>(std::lround(static_cast<float>(elapsed * (frames - 1)) / total));
        const int low = key == 0 ? 0 : at[key - 1] + 1;
        at[key] = std::clamp(ideal, low, frames - keys + key);
        if (key + 1 < keys) elapsed += std::max(1, weights[key]);
    }
    for (int key = keys - 1; key >= 0; --key) {
        if (frame < at[key]) continue;
        if (key == keys - 1) return {key, 0.0f};
        return {key, static_cast<float>(frame - at[key]) / static_cast<float>(at[key + 1] - at[key])};
    }
    return {0, 0.0f};
}

BattlerPose LerpPose(const BattlerPose& from, const BattlerPose& to, float fraction) {
    const auto mix = [fraction](int a, int b) {
        return static_cast<int>(std::lround(static_cast<float>(a) + static_cast<float>(b - a) * fraction));
    };
    const auto limb = [&mix](LimbAngles a, LimbAngles b) {
        return LimbAngles{mix(a.upper, b.upper), mix(a.lower, b.lower)};
    };
    BattlerPose pose = from;
    pose.hipX = mix(from.hipX, to.hipX);
    pose.lift = mix(from.lift, to.lift);
    pose.bob = mix(from.bob, to.bob);
    pose.lean = mix(from.lean, to.lean);
    pose.frontLeg = limb(from.frontLeg, to.frontLeg);
    pose.backLeg = limb(from.backLeg, to.backLeg);
    pose.frontArm = limb(from.frontArm, to.frontArm);
    pose.backArm = limb(from.backArm, to.backArm);
    pose.weapon = mix(from.weapon, to.weapon);
    pose.tilt = mix(from.tilt, to.tilt);
    pose.cape = mix(from.cape, to.cape);
    if (to.effect == from.effect) pose.power = mix(from.power, to.power);
    return pose;
}

BattlerPose SampleKeys(const std::vector<PoseKey>& keys, int frame, int frames) {
    std::vector<int> weights;
    weights.reserve(keys.size());
    for (const PoseKey& key : keys)
        weights.push_back(key.weight);
    const KeySpan span = LocateFrame(weights, frame, frames);
    if (span.key + 1 >= static_cast<int>(keys.size())) return keys.back().pose;
    return LerpPose(keys[span.key].pose, keys[span.key + 1].pose, span.fraction);
}

PixelCanvas DrawBattler(const BattlerBuild& build, const BattlerLook& look, const BattlerPose& pose) {
    const Work work{3 * build.frameWidth, 3 * build.frameHeight, build.frameWidth, build.frameHeight};
    const RigPoint root{static_cast<float>(work.originX + build.rootX) + 0.5f,
                        static_cast<float>(work.originY + build.ground)};
    const Skeleton bones = PoseSkeleton(build, pose, root);
    Layers layers = DrawLayers(build, look, pose, bones, work);
    if (pose.tilt != 0) {
        const RigPoint pivot{bones.hip.x, root.y + 1.0f};
        for (PixelCanvas* layer :
             {&layers.cape, &layers.back, &layers.body, &layers.weapon, &layers.front, &layers.head})
            *layer = Rotate(*layer, pivot, pose.tilt);
    }
    PixelCanvas figure = Compose(layers, look);
    if (pose.flash) Flash(figure);
    const Box box = OpaqueBox(figure);
    const PixelPoint shift = Settle(build, work, box, pose.tilt);

    EffectPlace place;
    place.focus = ToFrame(look.weapon == WEAPON_NONE ? bones.frontHand : bones.weaponTip, work, shift);
    place.armRoot = ToFrame(bones.armRoot, work, shift);
    place.strike = ToFrame({bones.weaponTip.x, root.y}, work, shift);
    place.left = box.left - work.originX + shift.x;
    place.right = box.right - work.originX + shift.x;
    place.top = box.top - work.originY + shift.y;
    place.bottom = box.bottom - work.originY + shift.y;
    place.ground = build.ground;

    PixelCanvas frame = MakeCanvas(build.frameWidth, build.frameHeight);
    const bool fallen = std::abs(pose.tilt) >= 45;
    const int shadowX = fallen ? (place.left + place.right) / 2 : Snap(ToFrame(bones.hip, work, shift)).x;
    const int shadowRadius = fallen ? (place.right - place.left) / 2
                                    : std::max(2, build.torsoWidth / 2 + build.footLength - pose.lift / 2);
    FillEllipse(frame, shadowX, build.ground, shadowRadius, std::max(1, build.footHeight / 2),
                Pal(PAL_OUTLINE, SHADOW_ALPHA));
    DrawEffectBehind(frame, look, pose, place, build.unit);
    Blit(frame, figure, shift.x - work.originX, shift.y - work.originY);
    PixelCanvas light = MakeCanvas(build.frameWidth, build.frameHeight);
    DrawEffectInFront(light, look, pose, place, build.unit);
    Overlay(frame, light);
    return frame;
}
