#pragma once
// One drawing pass over a viewport: what drawing code (elements, transients, a tool's
// dynamics) is handed to draw with. It knows the viewport, the purpose of the pass and the
// view's frame at the start of the pass, and its IDrawGeom records what is drawn.

#include "platform/cad/DrawPurpose.h"
#include "platform/cad/IDrawGeom.h"
#include "platform/cad/ViewDrawGeom.h"

#include <functional>

class Viewport;

class ViewContext
{
public:
    // stop, when given, is asked by CheckStop: true ends the pass early.
    ViewContext(Viewport& viewport, DrawPurpose purpose, ViewDisplayList& target,
                std::function<bool()> stop = {});
    ViewContext(const ViewContext&) = delete;
    ViewContext& operator=(const ViewContext&) = delete;

    Viewport* GetViewport() const { return &m_viewport; }
    DrawPurpose GetDrawPurpose() const { return m_purpose; }
    IDrawGeom& GetIDrawGeom() { return m_geom; }
    // True when the platform wants the pass to end (a newer update of the view is waiting).
    bool CheckStop() const { return m_stop && m_stop(); }

    // Local coordinates for what follows, until the matching PopTransformClip.
    void PushTransform(const Transform& transform) { m_geom.PushTransform(transform); }
    void PopTransformClip() { m_geom.PopTransform(); }
    bool IsRangeVisible(const DRange3d& worldRange) const
    {
        return m_geom.IsRangeVisible(worldRange);
    }

    // The view as it was when the pass began.
    const ViewFrame& GetFrame() const { return m_setup.frame; }
    ViewFlags GetViewFlags() const { return m_setup.flags; }
    bool Is3dView() const { return m_setup.is3d; }
    bool DrewFaces() const { return m_geom.DrewFaces(); }

private:
    static ViewDrawGeom::Setup SetupOf(const Viewport& viewport);

    Viewport& m_viewport;
    DrawPurpose m_purpose;
    ViewDrawGeom::Setup m_setup;
    ViewDrawGeom m_geom;
    std::function<bool()> m_stop;
};

using ViewContextR = ViewContext&;
