#pragma once
// A rule that leans on a picture without knowing it.

#include "core/PlantedPicture.h"
