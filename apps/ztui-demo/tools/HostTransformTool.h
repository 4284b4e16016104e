#pragma once
// The base of the tools that change the selected elements by a transform: move, copy,
// rotate and mirror. The points the transform needs are collected through the tool layout
// manager (so clicks closer than its tolerance count once, and its guide line shows);
// while the last point is awaited the selection's outlines follow the cursor. Each applied
// transform is one undo step. The last point can also be typed: the tracer opens at the point
// before it, and a distance and angle entered there place it.

#include "apps/ztui-demo/tools/HostTool.h"
#include "platform/cad/DgnProject.h"
#include "platform/cad/Transform.h"
#include "ztui/tracer/TracerTypes.h"

class ElementRef;

namespace ztdemo {

class HostTransformTool : public HostTool, public zt::ITracerEvent
{
public:
    bool OnStart() override;
    bool OnDataPoint(const DPoint3d& point) override;
    void OnMotion(const DPoint3d& point) override;
    bool OnReset() override { return false; }
    void OnCleanup() override;

    void OnTracerInput(const zt::TracerInputValue& value) override;
    void OnTracerChange(const zt::TracerInputValue& value) override;

protected:
    ~HostTransformTool() override = default;

    // How many points the transform takes, and the prompt before each.
    virtual std::size_t GetPointCount() const = 0;
    virtual const wchar_t* GetPointPrompt(std::size_t index) const = 0;
    // The transform of the collected points (the last may be the cursor).
    virtual Transform ComputeTransform(const bvector<DPoint3d>& points) const = 0;
    // Applies it to the elements; true when the tool goes on for another placement.
    virtual bool Apply(const bvector<ElementRef*>& elements, const Transform& transform) = 0;

    // Starts collecting again, keeping the first point (for repeated copies).
    void RestartFromFirstPoint();

private:
    // Opens the tracer at the newest point when only the last point is still to come.
    void OfferTracer();
    void Preview(const DPoint3d& point);

    // While the user types, the preview follows the typed point instead of the cursor.
    DPoint3d m_typedPoint{};
    bool m_typed = false;

protected:

    DgnProjectPtr m_project;
    bvector<ElementRef*> m_elements;
};

} // namespace ztdemo
