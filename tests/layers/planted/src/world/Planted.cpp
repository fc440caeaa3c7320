// A world file that reaches up into the screens: the layer check must name it.
#include "world/Planted.h"
#include "core/Log.h"
#include "frontend/Screen.h"
