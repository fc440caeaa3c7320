#pragma once
// Paints a map from an ASCII plan, one character a tile, and auto-tiles the edges of paths and water.
//
// Plan legend (anything else is plain ground):
//   .  ground (grass, or forest floor in the forest)      ,  darker ground        o  cobbles   S  sand
//   #  dirt path (edges and corners found automatically)  ~  water (blocks)       j  jetty over water
//   =  bridge deck over water       [ ]  bridge ends on the banks                 C  cliff (blocks)
//   T  forest wall (blocks; its tree tops hang over the tile below)               P  pine (blocks; top above)
//   1 2 3 4  animated trees ARBRE_1..ARBRE_4 (the trunk blocks)                   f  fence (blocks)
//   B bush  r rock  u stump  L fallen log  g grave  q skull post  e lake stone  w well  s signpost
//   l lantern post  h hay  W firewood  c crates  b barrel  p flower pot  k K market stall  x X cart
//   R reeds (in the water's edge)  (all of these block)     F fern  m mushrooms  y flowers  i tuft
//   d doorstep (walkable)

#include <string>
#include <vector>

#include "MapDraft.h"

enum PlanTheme : int { THEME_MEADOW = 0, THEME_FOREST = 1 };

// The plan must hold exactly map.height rows of map.width characters.
void PaintPlan(MapDraft& map, const std::vector<std::string>& plan, PlanTheme theme);
