#pragma once
// Small maps written on the fly into a test's own asset tree, and a game brought to the roaming screen.

#include <SFML/Graphics/Color.hpp>

#include <functional>
#include <string>
#include <vector>

#include "support/GameHarness.h"

struct TestObject {
    std::string name;
    float x, y, width, height;
    bool point = false;
    bool ellipse = false;
    bool polygon = false;
};

struct TestLayer {
    std::string name;
    std::string type;  // "tilelayer" or "objectgroup"
    std::vector<int> data;
    std::vector<TestObject> objects;
    float opacity = 1.0f;
    bool visible = true;
};

// What stands and lies on a test map, written as the game's own files (Map.txt, PNJ<i>.txt, item files).
struct TestNpc {
    float x, y;
    int type = 0;
    std::vector<std::string> dialogues;  // dialogue folder names
    std::string battle;                  // for type 1
    std::string sheet = "Villager1";
    int state = 0;
};

TestNpc Talker(float x, float y, std::vector<std::string> dialogues = {}, int type = 0);
TestNpc Enemy(float x, float y, const std::string& battle, const std::string& sheet = "Knight");

struct TestItem {
    std::string name;
    float x, y;
};

struct TestMap {
    int width = 8;
    int height = 6;
    std::vector<TestLayer> layers;
    std::string image = "Tiles.png";
    std::vector<TestNpc> npcs;
    std::vector<TestItem> items;
    std::string properties;  // the map's own custom properties, as Tiled writes them ("" for none)
};

std::string TestMapJson(const TestMap& map);

// Writes Assets/Text/Maps/<name>/Map.json, Map.txt and a 4 x 2 tile sheet of plain colours (cell k has
// colour SheetColour(k)) into the working folder's asset tree (which must be a real copy: call
// folder.DetachAssetFolder("Text") first).
void WriteTestMap(const std::string& name, const TestMap& map);
sf::Color SheetColour(int cell);

// A tile layer of w x h cells all holding id.
TestLayer FilledLayer(const std::string& name, int width, int height, int id);
TestLayer ObjectLayer(const std::string& name, std::vector<TestObject> objects);
TestObject Rect(const std::string& name, float x, float y, float w, float h);
TestObject Point(const std::string& name, float x, float y);

void WriteMapContent(const std::string& map, const std::vector<TestNpc>& npcs,
                     const std::vector<TestItem>& items);
// A dialogue folder Assets/Text/Dialogues/<name>/ with one part per text, each with its portrait.
void WriteTestDialogue(const std::string& name,
                       const std::vector<std::pair<std::string, std::string>>& parts);

// A game on the roaming screen of startMap (a new save in slot 0), with the test maps already written;
// prepare writes whatever else the maps need before the game starts.
struct RoamingGame : GameHarness {
    explicit RoamingGame(const std::vector<std::pair<std::string, TestMap>>& maps,
                         const std::string& startMap, HarnessOptions options = {},
                         const std::function<void()>& prepare = {});
};
