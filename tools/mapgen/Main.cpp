// mapgen <maps folder> [<pictures folder> <built maps folder>]
// Writes every map of the game as <maps folder>/<map>/Map.json (and a Map.txt where none exists yet).
// With a pictures folder it also draws <pictures folder>/<map>.png for review, from the atlas painting
// found in <built maps folder>/<map>/ when the build has made it.

#include <cstdio>
#include <string>

#include "MapPicture.h"
#include "Maps.h"
#include "TiledWriter.h"

int main(int argc, char** argv) {
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: %s <maps folder> [<pictures folder> <built maps folder>]\n", argv[0]);
        return 2;
    }
    int failures = 0;
    for (const MapDraft& map : BuildAllMaps()) {
        if (!WriteMapFolder(map, argv[1])) ++failures;
        if (argc == 4) {
            const std::string atlas = std::string(argv[3]) + "/" + map.name + "/" + ATLAS_IMAGES[map.variant];
            if (!SaveMapPicture(map, atlas, std::string(argv[2]) + "/" + map.name + ".png")) ++failures;
        }
        std::printf("mapgen: %s %dx%d\n", map.name.c_str(), map.width, map.height);
    }
    return failures == 0 ? 0 : 1;
}
