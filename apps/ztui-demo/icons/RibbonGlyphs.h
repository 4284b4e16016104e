#pragma once
// The reference host's ribbon pictures that the platform's icon library does not have: the
// wall tool and the plan and 3-D views.

#include "platform/win/resources/ResourceModule.h"

namespace ztdemo {

zt::win::IconImage RenderWallGlyph(int size);
zt::win::IconImage RenderPlanGlyph(int size);
zt::win::IconImage RenderIsoGlyph(int size);

} // namespace ztdemo
