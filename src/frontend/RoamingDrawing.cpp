// The roaming scene: the ground, decor and people around the hero by depth, the roofs over them, the
// items, the rope, the forest's darkness, the clouds and the key prompt.

#include "content/Items.h"
#include "content/Npcs.h"
#include "content/Puzzles.h"
#include "content/Reach.h"
#include "core/Screen.h"
#include "frontend/RoamingScreen.h"
#include "world/Camera.h"
#include "world/Clouds.h"
#include "world/MapDrawing.h"
#include "world/Player.h"

namespace {

float HeroFootLine(const MapScene& scene) {
    return scene.hero.footBox.top + scene.hero.footBox.height;
}

// Someone whose feet are higher up the screen than the hero's stands behind him.
bool StandsBehindHero(const MapScene& scene, const Npc& npc) {
    return npc.box.top + npc.box.height <= HeroFootLine(scene);
}

// The hero, with the people standing behind him drawn first, so no one's legs cover his head.
void DrawHero(sf::RenderWindow& window, MapScene& scene) {
    for (const Npc& npc : scene.npcList.npcs) {
        if (StandsBehindHero(scene, npc)) DrawNpc(window, npc);
    }
    window.draw(scene.hero.sprite);
    scene.camera.playerDrawn = 1;
}

// Decor and hero by depth: a point lower than the hero's feet is drawn after him.
void DrawDepthPass(sf::RenderWindow& window, MapScene& scene) {
    const float feet = HeroFootLine(scene);
    for (const MapPoint& point : scene.map.mapPoints) {
        if (!(point.y <= feet) && scene.camera.playerDrawn == 0) DrawHero(window, scene);
        window.draw(*point.sprite);
    }
    if (scene.camera.playerDrawn == 0) DrawHero(window, scene);
}

void DrawClouds(sf::RenderWindow& window, const MapScene& scene) {
    if (!scene.map.look.clouds || !scene.clouds.held) return;
    for (const sf::Sprite& cloud : scene.clouds.sprites)
        window.draw(cloud);
}

}  // namespace

void DrawRoamingScreen(sf::RenderWindow& window, MapScene& scene, const GameSession& session) {
    if (!scene.loaded || !scene.map.loadedMap) return;
    scene.map.tileCache.drawCalls = 0;
    scene.camera.playerDrawn = 0;
    // The camera on the hero, as the last update left it, whoever asks for the scene (a thumbnail taken
    // after a menu reset the view included).
    UpdateCamera(scene.camera, scene.hero, window);
    DrawGroundLayers(window, scene.map);
    DrawPuzzleGround(window, scene, session);
    DrawDepthPass(window, scene);
    DrawRoofLayers(window, scene.map);
    ApplyMainView(window);
    for (const MapItem& item : scene.mapItemList.items)
        window.draw(item.sprite);
    DrawRoofLayers(window, scene.map);  // roofs cover the map's items too
    for (const Npc& npc : scene.npcList.npcs) {
        if (StandsBehindHero(scene, npc)) continue;
        DrawNpc(window, npc);
        ApplyMainView(window);
    }
    ApplyMainView(window);
    DrawPuzzleRope(window, scene);
    DrawDarkness(window, scene);
    DrawClouds(window, scene);
    DrawInteractionPrompt(window, scene.prompt);
}

void RoamingScreen::Draw(sf::RenderWindow& window) {
    if (loaded_) DrawRoamingScreen(window, *scene_, *session_);
}
