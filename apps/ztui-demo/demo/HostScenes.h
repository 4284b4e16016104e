#pragma once
// The scenes of the reference host's own capabilities and of the library's frame: the building
// in plan and 3-D, a wall drawn with the tool layout manager, ribbon buttons switched by a
// tool, and a pop-up message from the work thread.

#include "apps/ztui-demo/demo/SceneRunner.h"

namespace ztdemo {

void AddHostScenes(SceneRunner& runner);

} // namespace ztdemo
