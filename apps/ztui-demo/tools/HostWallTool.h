#pragma once
// The wall tool ("Tessel.Tool.ArchWall"): clicks lay out a chain of straight walls through
// the tool layout manager, a wall for each segment as soon as it is clicked, with the
// values of the tool's own wall (which the property panel edits). A chain is one undo
// step; it ends on reset, or when a click closes it on its first point. A reset with no
// chain begun ends the tool.
//
// While it waits for a point it shows the library's auxiliary lines (extensions and
// perpendiculars of the walls, polar tracking from the last point) and snaps to them, as the
// host's snapping does to the auxiliary model.

#include "apps/ztui-demo/tools/HostTool.h"
#include "platform/cad/DgnProject.h"
#include "platform/host/TSArchiWall.h"
#include "ztui/drawinput/ZTArchAuxiliaryArc.h"
#include "ztui/drawinput/ZTArchAuxiliaryBaseTool.h"
#include "ztui/drawinput/ZTArchAuxiliaryLine.h"

namespace ztdemo {

class HostWallTool : public HostTool
{
public:
    static constexpr const char* TOOL_ID = "Tessel.Tool.ArchWall";
    static RefCountedPtr<HostWallTool> Create() { return new HostWallTool(); }

    const char* GetToolId() const override { return TOOL_ID; }
    bool OnStart() override;
    bool OnDataPoint(const DPoint3d& point) override;
    void OnMotion(const DPoint3d& point) override;
    bool OnReset() override;
    void OnCleanup() override;

    // The wall whose values new walls take.
    TSArchiWall* GetTemplate() const { return m_template.get(); }
    // The walls placed by the chain in progress.
    const bvector<ElementId>& GetChainWalls() const { return m_chain; }

private:
    HostWallTool() = default;
    ~HostWallTool() override = default;

    void BeginChain();
    void EndChain();
    void PlaceNewSegments();
    // The walls' axes, for the auxiliary lines.
    void CollectReferenceLines();
    // The auxiliary lines for the cursor, then the cursor snapped to the nearest of them (to
    // the crossing of the two nearest when both are close).
    DPoint3d Snap(const DPoint3d& point);

    TSArchiWallPtr m_template;
    DgnProjectPtr m_project;
    bvector<ElementId> m_chain;
    int m_placedSegments = 0;
    bool m_groupOpen = false;
    zt::ZTArchAuxiliaryBaseTool m_auxiliary;
    zt::ZTArchAuxiliaryLine m_auxiliaryLines;
    zt::ZTArchAuxiliaryArc m_auxiliaryArcs;
};

} // namespace ztdemo
