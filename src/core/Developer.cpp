#include "core/Developer.h"

namespace {

bool gDeveloperKeys = false;

}  // namespace

bool DeveloperKeysOn() {
    return gDeveloperKeys;
}

void EnableDeveloperKeys(bool on) {
    gDeveloperKeys = on;
}
