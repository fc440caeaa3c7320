// The hound's body is an oval on four legs with the roaming dog's colours: brown fur, lighter muzzle,
// dark ears and the red collar. Its moves are keys like the people's, with their own few joints.

#include "BattleHound.h"

#include "BattlerParts.h"

#include <cmath>

namespace {

const Ramp HOUND_FUR{PAL_WOOD_DARK, PAL_WOOD_MID, PAL_WOOD_LIGHT};
const int HOUND_GROUND = 30;
const int HOUND_ROOT = 14;  // the body sits a little back, leaving room for the bite
const int HOUND_LEG = 4;

struct HoundPose {
    int x = 0;       // forward
    int lift = 0;    // off the ground
    int crouch = 0;  // body lowered
    int head = 0;    // head lowered (negative: raised)
    int stride = 1;  // front paws forward, hind paws back
    int tail = -130;
    bool mouth = false;
    bool earsBack = false;
    bool lying = false;
    bool eyesClosed = false;
    bool flash = false;
    bool bite = false;
    int sparks = 0;
};

struct HoundKey {
    HoundPose pose;
    int weight = 1;
};

HoundPose Lerp(const HoundPose& from, const HoundPose& to, float fraction) {
    const auto mix = [fraction](int a, int b) {
        return static_cast<int>(std::lround(static_cast<float>(a) + static_cast<float>(b - a) * fraction));
    };
    HoundPose pose = from;
    pose.x = mix(from.x, to.x);
    pose.lift = mix(from.lift, to.lift);
    pose.crouch = mix(from.crouch, to.crouch);
    pose.head = mix(from.head, to.head);
    pose.stride = mix(from.stride, to.stride);
    pose.tail = mix(from.tail, to.tail);
    return pose;
}

HoundPose Sample(const std::vector<HoundKey>& keys, int frame, int frames) {
    std::vector<int> weights;
    weights.reserve(keys.size());
    for (const HoundKey& key : keys)
        weights.push_back(key.weight);
    const KeySpan span = LocateFrame(weights, frame, frames);
    if (span.key + 1 >= static_cast<int>(keys.size())) return keys.back().pose;
    return Lerp(keys[span.key].pose, keys[span.key + 1].pose, span.fraction);
}

void DrawLegs(PixelCanvas& layer, const HoundPose& pose, RigPoint body, bool near) {
    const sf::Color fur = Pal(near ? HOUND_FUR.mid : HOUND_FUR.dark);
    const float attach[2] = {near ? 4.0f : 2.0f, near ? -3.0f : -5.0f};
    for (int pair = 0; pair < 2; ++pair) {
        const RigPoint top{body.x + attach[pair], body.y + 1.0f};
        const float reach = static_cast<float>(pair == 0 ? pose.stride : -pose.stride);
        RigPoint paw{top.x + reach, static_cast<float>(HOUND_GROUND) - 1.0f};
        if (pose.lift > 0) paw = {top.x + reach * 1.5f, top.y + static_cast<float>(HOUND_LEG) - 1.0f};
        if (pose.lying) paw = {top.x + (pair == 0 ? 4.0f : 3.0f), top.y + 2.0f};
        StampLine(layer, top, paw, 2, fur);
    }
}

void DrawHead(PixelCanvas& layer, const HoundPose& pose, RigPoint body) {
    const PixelPoint h = Snap({body.x + 7.0f, body.y - 4.0f + static_cast<float>(pose.head)});
    const PixelPoint c = pose.lying ? PixelPoint{h.x + 1, HOUND_GROUND - 3} : h;
    const sf::Color fur = Pal(HOUND_FUR.mid), muzzle = Pal(HOUND_FUR.light);
    FillRect(layer, c.x - 4, Snap(body).y - 3, 3, 4, fur);  // the neck
    FillEllipse(layer, c.x, c.y, 3, 3, fur);
    FillRect(layer, c.x + 1, c.y - (pose.mouth ? 1 : 0), 4, 2, muzzle);
    if (pose.mouth) {
        FillRect(layer, c.x + 1, c.y + 2, 3, 1, muzzle);
        FillRect(layer, c.x + 1, c.y + 1, 4, 1, Pal(PAL_OUTLINE));
        PutPixel(layer, c.x + 2, c.y + 1, Pal(PAL_CLOTH_LIGHT));  // the tongue
        PutPixel(layer, c.x + 4, c.y + 1, Pal(PAL_WHITE));
    }
    PutPixel(layer, c.x + 5, c.y - (pose.mouth ? 1 : 0), Pal(PAL_OUTLINE));
    if (pose.eyesClosed) {
        FillRect(layer, c.x, c.y - 1, 2, 1, Pal(PAL_OUTLINE));
    } else {
        PutPixel(layer, c.x + 1, c.y - 1, Pal(PAL_OUTLINE));
    }
    const sf::Color ear = Pal(HOUND_FUR.dark);
    if (pose.earsBack || pose.lying) {
        FillPolygon(layer, {{c.x - 1, c.y - 3}, {c.x - 5, c.y - 3}, {c.x - 1, c.y}}, ear);
    } else {
        FillPolygon(layer, {{c.x - 2, c.y - 2}, {c.x, c.y - 6}, {c.x + 1, c.y - 1}}, ear);
    }
    FillRect(layer, c.x - 3, c.y + 1, 2, 3, Pal(PAL_CLOTH_MID));  // the red collar
}

PixelCanvas DrawHoundLayers(const HoundPose& pose) {
    const RigPoint body{static_cast<float>(HOUND_ROOT + pose.x),
                        pose.lying
                            ? static_cast<float>(HOUND_GROUND - 3)
                            : static_cast<float>(HOUND_GROUND - HOUND_LEG - 3 - pose.lift + pose.crouch)};
    PixelCanvas back = MakeCanvas(HOUND_FRAME, HOUND_FRAME), front = MakeCanvas(HOUND_FRAME, HOUND_FRAME);
    DrawLegs(back, pose, body, false);
    const RigPoint rump{body.x - 5.0f, body.y - 1.0f};
    StampLine(back, rump, Along(rump, pose.lying ? -95 : pose.tail, 5.0f), 2, Pal(HOUND_FUR.mid));
    DrawLegs(front, pose, body, true);
    FillEllipse(front, Snap(body).x, Snap(body).y, 6, pose.lying ? 2 : 3, Pal(HOUND_FUR.mid));
    DrawHead(front, pose, body);
    PixelCanvas figure = MakeCanvas(HOUND_FRAME, HOUND_FRAME);
    for (PixelCanvas* layer : {&back, &front}) {
        ShadeFromTopLeft(*layer, HOUND_FUR);
        OutlineOpaque(*layer, Pal(PAL_OUTLINE));
        Blit(figure, *layer, 0, 0);
    }
    return figure;
}

// Two white crescents snapping shut in front of the muzzle.
void DrawBite(PixelCanvas& frame, const HoundPose& pose) {
    const int x = HOUND_ROOT + pose.x + 12, y = HOUND_GROUND - HOUND_LEG - 7 - pose.lift + pose.head;
    DrawLine(frame, x, y - 3, x + 2, y - 1, Pal(PAL_WHITE));
    DrawLine(frame, x, y + 3, x + 2, y + 1, Pal(PAL_WHITE));
    PutPixel(frame, x + 3, y, Pal(PAL_SKY_LIGHT));
}

PixelCanvas DrawHound(const HoundPose& pose) {
    PixelCanvas figure = DrawHoundLayers(pose);
    if (pose.flash) {
        for (int y = 0; y < HOUND_FRAME; ++y) {
            for (int x = 0; x < HOUND_FRAME; ++x) {
                if (PixelAt(figure, x, y).a > 0 && PixelAt(figure, x, y) != Pal(PAL_OUTLINE))
                    PutPixel(figure, x, y, Pal(PAL_WHITE));
            }
        }
    }
    PixelCanvas frame = MakeCanvas(HOUND_FRAME, HOUND_FRAME);
    FillEllipse(frame, HOUND_ROOT + pose.x + 1, HOUND_GROUND, pose.lift > 0 ? 6 : 9, 1, Pal(PAL_OUTLINE, 80));
    Blit(frame, figure, 0, 0);
    if (pose.bite) DrawBite(frame, pose);
    if (pose.sparks > 0) {
        BattlerPose sparks;
        sparks.effect = EFFECT_SPARKS;
        sparks.power = pose.sparks;
        EffectPlace place;
        place.left = HOUND_ROOT - 7;
        place.right = HOUND_ROOT + 11;
        place.top = HOUND_GROUND - 16;
        place.bottom = HOUND_GROUND;
        DrawEffectInFront(frame, BattlerLook{}, sparks, place, 1.0f);
    }
    return frame;
}

template <typename Edit>
HoundPose Edited(HoundPose pose, Edit edit) {
    edit(pose);
    return pose;
}

std::vector<HoundKey> AttackKeys(const HoundPose& ready) {
    const HoundPose set = Edited(ready, [](HoundPose& p) {
        p.x = -2;
        p.crouch = 2;
        p.head = 1;
        p.earsBack = true;
        p.tail = -100;
    });
    const HoundPose leap = Edited(ready, [](HoundPose& p) {
        p.x = 2;
        p.lift = 4;
        p.stride = 3;
        p.head = -1;
        p.mouth = true;
        p.tail = -95;
    });
    const HoundPose bite = Edited(leap, [](HoundPose& p) {
        p.x = 4;
        p.lift = 1;
        p.head = 0;
        p.bite = true;
    });
    const HoundPose land = Edited(ready, [](HoundPose& p) {
        p.x = 3;
        p.stride = 2;
    });
    return {{set, 2},  {leap, 1}, {bite, 2}, {land, 1}, {Edited(ready, [](HoundPose& p) { p.x = 1; }), 2},
            {ready, 1}};
}

std::vector<HoundKey> HurtKeys(const HoundPose& ready) {
    const HoundPose yelp = Edited(ready, [](HoundPose& p) {
        p.x = -2;
        p.head = -2;
        p.stride = -1;
        p.earsBack = true;
        p.mouth = true;
        p.eyesClosed = true;
        p.tail = -60;
    });
    const HoundPose flash = Edited(yelp, [](HoundPose& p) { p.flash = true; });
    return {{flash, 1}, {yelp, 1}, {flash, 1}, {yelp, 2}, {Lerp(yelp, ready, 0.5f), 1}, {ready, 1}};
}

std::vector<HoundKey> DeathKeys(const HoundPose& ready) {
    const HoundPose stagger = Edited(ready, [](HoundPose& p) {
        p.x = -2;
        p.head = 2;
        p.crouch = 1;
        p.stride = -1;
        p.eyesClosed = true;
        p.earsBack = true;
        p.tail = -60;
    });
    const HoundPose sag = Edited(stagger, [](HoundPose& p) {
        p.crouch = 3;
        p.head = 4;
        p.stride = 2;
    });
    const HoundPose lying = Edited(sag, [](HoundPose& p) {
        p.x = 0;
        p.lying = true;
        p.mouth = true;
    });
    return {{stagger, 2}, {sag, 2}, {lying, 1}, {lying, 1}, {lying, 1}};
}

HoundPose ReadyPose() {
    HoundPose pose;
    pose.head = 1;  // head low, growling at the party
    return pose;
}

}  // namespace

PixelCanvas DrawHoundFrame(HoundMove move, int frame, int frames) {
    const HoundPose ready = ReadyPose();
    switch (move) {
        case HOUND_IDLE: {
            const float wave = std::sin(6.2831853f * static_cast<float>(frame) / static_cast<float>(frames));
            return DrawHound(Edited(ready, [&](HoundPose& p) {
                p.crouch = wave < -0.3f ? 1 : 0;
                p.tail += static_cast<int>(std::lround(20.0f * wave));
                p.mouth = wave > 0.5f;  // panting
            }));
        }
        case HOUND_ATTACK:
            return DrawHound(Sample(AttackKeys(ready), frame, frames));
        case HOUND_HURT:
            return DrawHound(Sample(HurtKeys(ready), frame, frames));
        case HOUND_DEATH:
            return DrawHound(Sample(DeathKeys(ready), frame, frames));
        case HOUND_PARALYSED:
            return DrawHound(Edited(ready, [frame](HoundPose& p) {
                p.stride = 0;
                p.tail = -100;
                p.head = -1;
                p.x = frame % 2 == 0 ? 0 : -1;
                p.sparks = 1 + frame % 2;
            }));
    }
    return MakeCanvas(HOUND_FRAME, HOUND_FRAME);
}
