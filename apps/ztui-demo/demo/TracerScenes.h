#pragma once
// The scenes of the tracer: a wall drawn by typed distance and angle beside the cursor, a
// rectangle placed by two typed dimensions, and a column placed by a custom box's radius and
// angle.

#include "apps/ztui-demo/demo/SceneRunner.h"

namespace ztdemo {

void AddTracerScenes(SceneRunner& runner);

} // namespace ztdemo
