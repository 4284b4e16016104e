#pragma once
// The reference host's ribbon pictures that the platform's icon library does not have: the
// selection and wall tools and the plan and 3-D views.

#include "platform/win/resources/ResourceModule.h"

namespace ztdemo {

zt::win::IconImage RenderSelectGlyph(int size);
zt::win::IconImage RenderWallGlyph(int size);
// The format brush.
zt::win::IconImage RenderBrushGlyph(int size);
zt::win::IconImage RenderPlanGlyph(int size);
zt::win::IconImage RenderIsoGlyph(int size);

} // namespace ztdemo
