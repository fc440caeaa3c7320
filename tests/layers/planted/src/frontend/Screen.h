#pragma once
// A screen that may include the world below it.
#include "world/Planted.h"
