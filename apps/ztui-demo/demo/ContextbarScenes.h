#pragma once
// The scenes of the context bar: a wall picked in the plan opens the bar of its operations
// beside it, a button's label shows as its tooltip, and "移动" starts the move tool, which
// moves the wall.

#include "apps/ztui-demo/demo/SceneRunner.h"

namespace ztdemo {

void AddContextbarScenes(SceneRunner& runner);

} // namespace ztdemo
