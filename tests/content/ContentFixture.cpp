#include "content/ContentFixture.h"

#include "world/Player.h"

TestMap Yard(std::vector<TestNpc> npcs, std::vector<TestItem> items) {
    TestMap map;
    map.width = 16;
    map.height = 10;
    map.layers = {FilledLayer("Ground", 16, 10, 1), ObjectLayer("Point", {Point("Yard", HERO_X, HERO_Y)})};
    map.npcs = std::move(npcs);
    map.items = std::move(items);
    return map;
}

namespace {

std::vector<std::pair<std::string, TestMap>> YardMaps(std::vector<TestNpc> npcs, std::vector<TestItem> items,
                                                      const std::string& name) {
    TestMap map = Yard(std::move(npcs), std::move(items));
    map.layers[1] = ObjectLayer("Point", {Point(name, HERO_X, HERO_Y)});
    return {{name, map}};
}

}  // namespace

void WriteTestSpeech() {
    WriteTestDialogue("Hello", {{"Portraits/Villager1", "Good morning!;\nLovely day."}});
    WriteTestDialogue("Again", {{"Portraits/Villager2", "Back so soon?"}});
}

YardGame::YardGame(std::vector<TestNpc> npcs, std::vector<TestItem> items, const std::string& name,
                   HarnessOptions options)
    : RoamingGame(YardMaps(std::move(npcs), std::move(items), name), name, options, WriteTestSpeech) {}

void YardGame::PlaceHero(float x, float y) {
    gPlayer.sprite.setPosition(x, y);
    UpdateFootBox();
}
