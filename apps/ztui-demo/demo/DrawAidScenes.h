#pragma once
// The scenes of the drawing aids: a wall drawn to where an existing wall's extension meets the
// 45-degree polar line, with the angle indicator, and the view box of the 3-D view hovered on
// an edge and clicked, turning the view to look at that edge.

#include "apps/ztui-demo/demo/SceneRunner.h"

namespace ztdemo {

void AddDrawAidScenes(SceneRunner& runner);

} // namespace ztdemo
