// The roaming scene: the ground, decor and people around the hero by depth, the roofs over them, the
// items, the rope, the forest's darkness, the clouds and the key prompt.

#include "content/Items.h"
#include "content/MapContent.h"
#include "content/Npcs.h"
#include "content/Puzzles.h"
#include "content/Reach.h"
#include "core/Screen.h"
#include "frontend/RoamingScreen.h"
#include "world/Camera.h"
#include "world/Clouds.h"
#include "world/GameSession.h"
#include "world/MapDrawing.h"
#include "world/MapLoading.h"
#include "world/MapNames.h"
#include "world/Player.h"

namespace {

float HeroFootLine() {
    return gPlayer.footBox.top + gPlayer.footBox.height;
}

// Someone whose feet are higher up the screen than the hero's stands behind him.
bool StandsBehindHero(const Npc& npc) {
    return npc.box.top + npc.box.height <= HeroFootLine();
}

// The hero, with the people standing behind him drawn first, so no one's legs cover his head.
void DrawHero(sf::RenderWindow& window) {
    for (const Npc& npc : gMapContent.npcList.npcs) {
        if (StandsBehindHero(npc)) DrawNpc(window, npc);
    }
    window.draw(gPlayer.sprite);
    gCamera.playerDrawn = 1;
}

// Decor and hero by depth: a point lower than the hero's feet is drawn after him.
void DrawDepthPass(sf::RenderWindow& window) {
    const float feet = HeroFootLine();
    for (const MapPoint& point : gMap.mapPoints) {
        if (!(point.y <= feet) && gCamera.playerDrawn == 0) DrawHero(window);
        window.draw(*point.sprite);
    }
    if (gCamera.playerDrawn == 0) DrawHero(window);
}

void DrawClouds(sf::RenderWindow& window) {
    if (!MapHasClouds(gSession.currentMapName) || !gClouds.held) return;
    for (const sf::Sprite& cloud : gClouds.sprites)
        window.draw(cloud);
}

}  // namespace

void DrawRoamingScreen(sf::RenderWindow& window) {
    if (!gMap.loadedMap) return;
    gMap.tileCache.drawCalls = 0;
    gCamera.playerDrawn = 0;
    // The camera on the hero, as the last update left it, whoever asks for the scene (a thumbnail taken
    // after a menu reset the view included).
    UpdateCamera(window);
    DrawGroundLayers(window);
    DrawPuzzleGround(window);
    DrawDepthPass(window);
    DrawRoofLayers(window);
    ApplyMainView(window);
    for (const MapItem& item : gMapContent.mapItemList.items)
        window.draw(item.sprite);
    DrawRoofLayers(window);  // roofs cover the map's items too
    for (const Npc& npc : gMapContent.npcList.npcs) {
        if (StandsBehindHero(npc)) continue;
        DrawNpc(window, npc);
        ApplyMainView(window);
    }
    ApplyMainView(window);
    DrawPuzzleRope(window);
    DrawDarkness(window);
    DrawClouds(window);
    DrawInteractionPrompt(window);
}

void RoamingScreen::Draw(sf::RenderWindow& window) {
    if (loaded_) DrawRoamingScreen(window);
}
