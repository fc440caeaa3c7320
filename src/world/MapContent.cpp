#include "world/MapContent.h"

Inventory gInventory;

void ResetInventory() {
    gInventory = Inventory{};
}
