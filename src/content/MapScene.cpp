#include "content/MapScene.h"

#include "content/Puzzles.h"
#include "content/Reach.h"
#include "content/SavedContent.h"
#include "core/Format.h"
#include "core/Log.h"
#include "world/GameSession.h"
#include "world/SaveText.h"

namespace {

// The first point, in depth order, whose name contains the name of the map just left.
void PlaceOnSpawnPoint(MapScene& scene, const char* cameFrom) {
    for (const MapPoint& point : scene.map.mapPoints) {
        if (!Contains(point.name, cameFrom)) continue;
        scene.hero.sprite.setPosition(static_cast<float>(static_cast<int>(point.x)),
                                      static_cast<float>(static_cast<int>(point.y)));
        UpdateFootBox(scene.hero);
        return;
    }
}

// The map and its people and items, the save's first line and a first visit's section in one write.
bool ReadMapAndContent(MapScene& scene, GameSession& session, DecorPictures& pictures) {
    SaveFile& save = session.Save();
    save.OpenBatch();
    PrepareSaveHeader(session);
    const bool known = HasMapSection(session);
    const bool read = ReadMap(scene.map, session.CurrentMap(), pictures);
    if (read && known) {
        RestoreMapContent(scene, session);
    } else if (read) {
        AppendMapSection(scene, session);
    }
    if (!save.CommitBatch()) LogDebug("Cannot write %s: the previous save is kept\n", save.Path().c_str());
    return read;
}

}  // namespace

bool LoadMapScene(MapScene& scene, GameSession& session, DecorPictures& pictures, sf::Vector2f standing) {
    scene.loaded = ReadMapAndContent(scene, session, pictures);
    if (!scene.loaded) return false;
    LoadPuzzles(scene, session, pictures);
    if (scene.map.look.clouds) BuildCloudLayer(scene.clouds, scene.map);
    BuildInteractionPrompt(scene.prompt);
    InitPlayer(scene.hero);
    scene.hero.sprite.setPosition(standing);
    UpdateFootBox(scene.hero);
    PlaceOnSpawnPoint(scene, session.PreviousMap());
    SetPlayerSheet(scene.hero, scene.map.look);
    ParkInteractionPrompt(scene.prompt);
    ComputeMapPixelSize(scene.camera, scene.map);
    return true;
}
