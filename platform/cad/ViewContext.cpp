#include "platform/cad/ViewContext.h"

#include "platform/cad/Viewport.h"

ViewContext::ViewContext(Viewport& viewport, DrawPurpose purpose, ViewDisplayList& target,
                         std::function<bool()> stop)
    : m_viewport(viewport), m_purpose(purpose), m_setup(SetupOf(viewport)), m_geom(m_setup, target),
      m_stop(std::move(stop))
{}

ViewDrawGeom::Setup ViewContext::SetupOf(const Viewport& viewport)
{
    ViewDrawGeom::Setup setup;
    setup.frame = viewport.GetFrame();
    setup.flags = viewport.GetViewFlags();
    setup.is3d = viewport.Is3dView();
    setup.background = viewport.GetBackgroundColor();
    return setup;
}
