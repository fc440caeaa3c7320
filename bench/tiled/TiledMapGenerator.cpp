#include "tiled/TiledMapGenerator.h"

#include <cstdint>
#include <cstdio>

namespace {

struct Writer {
    std::string text;
    uint32_t seed = 12345;

    uint32_t Next() {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    }
    void Line(int indent, const std::string& line) {
        text.append(static_cast<size_t>(indent), ' ');
        text += line;
        text += '\n';
    }
};

std::string Number(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

void WriteTileLayer(Writer& w, int id, int side, bool last) {
    w.Line(8, "{");
    std::string data = "\"data\":[";
    for (int i = 0; i < side * side; ++i) {
        if (i > 0) data += ", ";
        // Mostly small ids, as real maps use a few hundred tiles.
        data += std::to_string(w.Next() % 8 == 0 ? 0 : 1 + w.Next() % 400);
    }
    w.Line(9, data + "],");
    w.Line(9, "\"height\":" + std::to_string(side) + ",");
    w.Line(9, "\"id\":" + std::to_string(id) + ",");
    w.Line(9, "\"name\":\"Tiles" + std::to_string(id) + "\",");
    w.Line(9, "\"opacity\":1,");
    w.Line(9, "\"type\":\"tilelayer\",");
    w.Line(9, "\"visible\":true,");
    w.Line(9, "\"width\":" + std::to_string(side) + ",");
    w.Line(9, "\"x\":0,");
    w.Line(9, "\"y\":0");
    w.Line(8, last ? "}" : "}, ");
}

void WriteObject(Writer& w, int id, int shape) {
    w.Line(16, "{");
    if (shape == 1) w.Line(17, "\"ellipse\":true,");
    w.Line(17, "\"height\":" + Number(shape >= 2 ? 0 : 8 + w.Next() % 64) + ",");
    w.Line(17, "\"id\":" + std::to_string(id) + ",");
    w.Line(17, "\"name\":\"Object" + std::to_string(id % 500) + "\",");
    if (shape == 2) w.Line(17, "\"point\":true,");
    if (shape == 3) {
        w.Line(17, "\"polygon\":[");
        for (int v = 0; v < 4; ++v) {
            w.Line(24, "{");
            w.Line(25, "\"x\":" + Number((w.Next() % 640) / 10.0) + ",");
            w.Line(25, "\"y\":" + Number((w.Next() % 640) / 10.0));
            w.Line(24, v == 3 ? "}]," : "}, ");
        }
    }
    if (id % 7 == 0) {
        w.Line(17, "\"properties\":[");
        w.Line(24, "{");
        w.Line(25, "\"name\":\"solid\",");
        w.Line(25, "\"type\":\"bool\",");
        w.Line(25, "\"value\":true");
        w.Line(24, "}],");
    }
    w.Line(17, "\"rotation\":0,");
    w.Line(17, "\"type\":\"\",");
    w.Line(17, "\"visible\":true,");
    w.Line(17, "\"width\":" + Number(shape >= 2 ? 0 : 8 + w.Next() % 64) + ",");
    w.Line(17, "\"x\":" + Number((w.Next() % 128000) / 10.0) + ",");
    w.Line(17, "\"y\":" + Number((w.Next() % 128000) / 10.0));
}

void WriteObjectLayer(Writer& w, int id, const char* name, int first, int count, bool mixed, bool last) {
    w.Line(8, "{");
    w.Line(9, "\"draworder\":\"topdown\",");
    w.Line(9, "\"id\":" + std::to_string(id) + ",");
    w.Line(9, std::string("\"name\":\"") + name + "\",");
    w.Line(9, "\"objects\":[");
    for (int i = 0; i < count; ++i) {
        WriteObject(w, first + i, mixed ? static_cast<int>(w.Next() % 4) : 0);
        w.Line(16, i + 1 == count ? "}]," : "}, ");
    }
    w.Line(9, "\"opacity\":1,");
    w.Line(9, "\"type\":\"objectgroup\",");
    w.Line(9, "\"visible\":true,");
    w.Line(9, "\"x\":0,");
    w.Line(9, "\"y\":0");
    w.Line(8, last ? "}]," : "}, ");
}

void WriteHeader(Writer& w, int side) {
    w.Line(0, "{ \"compressionlevel\":-1,");
    w.Line(1, "\"height\":" + std::to_string(side) + ",");
    w.Line(1, "\"infinite\":false,");
    w.Line(1, "\"layers\":[");
}

void WriteFooter(Writer& w, int side) {
    w.Line(1, "\"nextlayerid\":9,");
    w.Line(1, "\"nextobjectid\":1,");
    w.Line(1, "\"orientation\":\"orthogonal\",");
    w.Line(1, "\"renderorder\":\"right-down\",");
    w.Line(1, "\"tiledversion\":\"1.8.2\",");
    w.Line(1, "\"tileheight\":32,");
    w.Line(1, "\"tilesets\":[");
    w.Line(8, "{");
    w.Line(9, "\"columns\":20,");
    w.Line(9, "\"firstgid\":1,");
    w.Line(9, "\"image\":\"Tiles.png\",");
    w.Line(9, "\"imageheight\":640,");
    w.Line(9, "\"imagewidth\":640,");
    w.Line(9, "\"margin\":0,");
    w.Line(9, "\"name\":\"Tiles\",");
    w.Line(9, "\"spacing\":0,");
    w.Line(9, "\"tilecount\":400,");
    w.Line(9, "\"tileheight\":32,");
    w.Line(9, "\"tilewidth\":32");
    w.Line(8, "}],");
    w.Line(1, "\"tilewidth\":32,");
    w.Line(1, "\"type\":\"map\",");
    w.Line(1, "\"version\":\"1.8\",");
    w.Line(1, "\"width\":" + std::to_string(side));
    w.Line(0, "}");
}

}  // namespace

std::string GenerateTileHeavyMap(int side, int objects) {
    Writer w;
    WriteHeader(w, side);
    for (int layer = 1; layer <= 4; ++layer)
        WriteTileLayer(w, layer, side, false);
    WriteObjectLayer(w, 5, "Collision", 1, objects, false, true);
    WriteFooter(w, side);
    return w.text;
}

std::string GenerateObjectHeavyMap(int objects) {
    Writer w;
    const int side = 64;
    WriteHeader(w, side);
    WriteTileLayer(w, 1, side, false);
    const int third = objects / 3;
    WriteObjectLayer(w, 2, "Collision", 1, third, false, false);
    WriteObjectLayer(w, 3, "Trigger", 1 + third, third, true, false);
    WriteObjectLayer(w, 4, "Point", 1 + 2 * third, objects - 2 * third, true, true);
    WriteFooter(w, side);
    return w.text;
}
