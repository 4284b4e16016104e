#pragma once
// The scenes of the property panel: a wall picked in the plan shows its groups in the panel,
// a thickness typed there changes the wall in the view, a group the user closed is still
// closed when the host is started again, and walls with a slab show what they share.

#include "apps/ztui-demo/demo/SceneRunner.h"

namespace ztdemo {

void AddPanelScenes(SceneRunner& runner);

} // namespace ztdemo
