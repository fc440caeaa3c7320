#include "world/WorldFixture.h"

#include <SFML/Graphics/Image.hpp>

#include <filesystem>
#include <sstream>

#include "support/Files.h"
#include "support/Scenes.h"

namespace {

void WriteObjects(std::ostringstream& out, const std::vector<TestObject>& objects) {
    out << "\"objects\":[";
    int id = 1;
    for (size_t i = 0; i < objects.size(); ++i) {
        const TestObject& o = objects[i];
        out << (i ? "," : "") << "{\"id\":" << id++ << ",\"name\":\"" << o.name
            << "\",\"type\":\"\",\"x\":" << o.x << ",\"y\":" << o.y << ",\"width\":" << o.width
            << ",\"height\":" << o.height << ",\"rotation\":0,\"visible\":true";
        if (o.point) out << ",\"point\":true";
        if (o.ellipse) out << ",\"ellipse\":true";
        if (o.polygon) out << ",\"polygon\":[{\"x\":0,\"y\":0},{\"x\":10,\"y\":0},{\"x\":0,\"y\":10}]";
        out << "}";
    }
    out << "]";
}

}  // namespace

sf::Color SheetColour(int cell) {
    const sf::Color colours[] = {sf::Color(200, 40, 40),  sf::Color(40, 200, 40),  sf::Color(40, 40, 200),
                                 sf::Color(200, 200, 40), sf::Color(200, 40, 200), sf::Color(40, 200, 200),
                                 sf::Color(120, 80, 20),  sf::Color(250, 250, 250)};
    return colours[cell % 8];
}

std::string TestMapJson(const TestMap& map) {
    std::ostringstream out;
    out << "{\"compressionlevel\":-1,\"height\":" << map.height << ",\"infinite\":false,\"layers\":[";
    for (size_t i = 0; i < map.layers.size(); ++i) {
        const TestLayer& layer = map.layers[i];
        out << (i ? "," : "") << "{\"id\":" << i + 1 << ",\"name\":\"" << layer.name
            << "\",\"opacity\":" << layer.opacity << ",\"type\":\"" << layer.type
            << "\",\"visible\":" << (layer.visible ? "true" : "false") << ",\"x\":0,\"y\":0,";
        if (layer.type == "tilelayer") {
            out << "\"width\":" << map.width << ",\"height\":" << map.height << ",\"data\":[";
            for (size_t k = 0; k < layer.data.size(); ++k)
                out << (k ? "," : "") << layer.data[k];
            out << "]";
        } else {
            out << "\"draworder\":\"topdown\",";
            WriteObjects(out, layer.objects);
        }
        out << "}";
    }
    out << "],";
    if (!map.properties.empty()) out << "\"properties\":[" << map.properties << "],";
    out << "\"nextlayerid\":" << map.layers.size() + 1
        << ",\"nextobjectid\":100,\"orientation\":\"orthogonal\","
        << "\"renderorder\":\"right-down\",\"tiledversion\":\"1.8.2\",\"tileheight\":64,\"tilesets\":[{"
           "\"columns\":4,"
        << "\"firstgid\":1,\"image\":\"" << map.image
        << "\",\"imageheight\":128,\"imagewidth\":256,\"margin\":0,"
        << "\"name\":\"test\",\"spacing\":0,\"tilecount\":8,\"tileheight\":64,\"tilewidth\":64}],"
           "\"tilewidth\":64,"
        << "\"type\":\"map\",\"version\":\"1.8\",\"width\":" << map.width << "}";
    return out.str();
}

void WriteTestMap(const std::string& name, const TestMap& map) {
    const std::string folder = "Assets/Text/Maps/" + name + "/";
    WriteWholeFile(folder + "Map.json", TestMapJson(map));
    WriteMapContent(name, map.npcs, map.items);
    sf::Image sheet;
    sheet.create(256, 128);
    for (unsigned y = 0; y < 128; ++y) {
        for (unsigned x = 0; x < 256; ++x)
            sheet.setPixel(x, y, SheetColour(static_cast<int>(y / 64 * 4 + x / 64)));
    }
    sheet.saveToFile(folder + map.image);
}

TestLayer FilledLayer(const std::string& name, int width, int height, int id) {
    return {name, "tilelayer", std::vector<int>(static_cast<size_t>(width * height), id), {}};
}

TestLayer ObjectLayer(const std::string& name, std::vector<TestObject> objects) {
    return {name, "objectgroup", {}, std::move(objects)};
}

TestObject Rect(const std::string& name, float x, float y, float w, float h) {
    return {name, x, y, w, h};
}

TestObject Point(const std::string& name, float x, float y) {
    return {name, x, y, 0, 0, true};
}

TestNpc Talker(float x, float y, std::vector<std::string> dialogues, int type) {
    return {x, y, type, std::move(dialogues), "", "Villager1", 0};
}

TestNpc Enemy(float x, float y, const std::string& battle, const std::string& sheet) {
    return {x, y, 1, {}, battle, sheet, 0};
}

void WriteMapContent(const std::string& map, const std::vector<TestNpc>& npcs,
                     const std::vector<TestItem>& items) {
    const std::string folder = "Assets/Text/Maps/" + map + "/";
    std::ostringstream list;
    list << "PNJ " << npcs.size() << "\nItem " << items.size() << "\n";
    for (const TestItem& item : items) {
        list << item.name << "\n";
        WriteWholeFile(folder + item.name + ".txt", "pos " + std::to_string(item.x) + " " +
                                                        std::to_string(item.y) + "\n" + item.name + "\n");
    }
    WriteWholeFile(folder + "Map.txt", list.str());
    for (size_t i = 0; i < npcs.size(); ++i) {
        const TestNpc& npc = npcs[i];
        std::ostringstream file;
        file << "Pos " << npc.x << " " << npc.y << "\n"
             << npc.sheet << "\nState " << npc.state << "\nDialogue " << npc.dialogues.size() << "\n";
        for (const std::string& dialogue : npc.dialogues)
            file << dialogue << "\n";
        file << "Type " << npc.type << "\n";
        if (npc.type == 1) file << npc.battle << "\n";
        WriteWholeFile(folder + "PNJ" + std::to_string(i + 1) + ".txt", file.str());
    }
}

void WriteTestDialogue(const std::string& name,
                       const std::vector<std::pair<std::string, std::string>>& parts) {
    const std::string folder = "Assets/Text/Dialogues/" + name + "/";
    std::string infos = "Max " + std::to_string(parts.size()) + "\n";
    for (size_t i = 0; i < parts.size(); ++i) {
        infos += parts[i].first + "\n";
        WriteWholeFile(folder + "Part" + std::to_string(i + 1) + ".txt", parts[i].second);
    }
    WriteWholeFile(folder + "infos.txt", infos + name + "\n");
}

namespace {

HarnessOptions Uninitialised(HarnessOptions options) {
    options.initialise = false;
    return options;
}

}  // namespace

RoamingGame::RoamingGame(const std::vector<std::pair<std::string, TestMap>>& maps,
                         const std::string& startMap, HarnessOptions options,
                         const std::function<void()>& prepare)
    : GameHarness(Uninitialised(options)) {
    Folder().DetachAssetFolder("Text");
    for (const auto& [name, map] : maps)
        WriteTestMap(name, map);
    if (prepare) prepare();
    Init();
    EnterMap(*this, startMap.c_str(), 1);
}
