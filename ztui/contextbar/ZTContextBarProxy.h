#pragma once
// The static face of the context bar: the current factory, the bar's start point and whether
// the bar is open. The host and the bar's event handlers open, move and close the bar
// through it. Used on the user-interface thread, and from factory code that the host runs in
// order on its work thread.

#include "platform/cad/DPoint3d.h"
#include "ztui/ZTUiExport.h"
#include "ztui/contextbar/ContextbarTypes.h"

namespace zt {

class ZTContextbarFactory;

class ZTUI_EXPORT ZTContextBarProxy
{
public:
    // Opens the bar for the current factory, or shows the open bar again.
    static void CreateContextbar();
    static void ResetContextbar() { CreateContextbar(); }
    // Marks the bar closed, forgets its buttons and has the window closed.
    static void ReleseContextbar();
    static void Register(ZTContextbarFactory* factory);
    // Forgets the factory and the way and has the window closed; the open flag stays.
    static void UnRegister();
    // The bar's top-left corner in view pixels.
    static void UpdateStartPoint(const DPoint3d& point);
    // Keeps the bar beside a cursor that moves away from it (world coordinates).
    static void MoveContextbar(const DPoint3d& world);
    // Enables and disables buttons by operation, on the user-interface thread.
    static void UpdateStatus(TSContextbarStatus status);
    static bool IsBarExist();
    static void SetContextbarWay(TSContextbarWay way);

    static ZTContextbarFactory* GetFactory();
    static TSContextbarWay GetContextbarWay();
    static DPoint3d GetStartPoint();
    // The start point alone, without the window's remembered position.
    static void SetStartPointOnly(const DPoint3d& point);

    // Where a bar at start (view pixels) of size w x h goes when the cursor is at the view
    // point: start itself while the cursor is near the bar, otherwise moved toward the cursor
    // by how far the cursor lies beyond the zone around the bar.
    static DPoint3d FollowCursor(const DPoint3d& start, int w, int h, const DPoint3d& cursor);

    // The offset added to the tool's cursor when the bar opens over an active tool.
    static constexpr int kToolCursorOffsetX = 99;
    static constexpr int kToolCursorOffsetY = 150;
};

} // namespace zt
