#pragma once
// The scenes of the property data: the format brush carries a wall's material and thickness
// to two other walls, the brush's property set comes back when the host opens the project
// again, and a wall moved to another layer disappears when that layer is hidden.

#include "apps/ztui-demo/demo/SceneRunner.h"

namespace ztdemo {

void AddPropertyDataScenes(SceneRunner& runner);

} // namespace ztdemo
