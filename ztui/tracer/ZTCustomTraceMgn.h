#pragma once
// The three row layouts that custom tracer functions usually want, ready for tools to call from
// their own functions: kind 0 distance and angle, kind 1 radius and angle, kind 2 an arc about
// a centre by angle, chord or arc length.

#include "platform/cad/DPoint3d.h"
#include "ztui/ZTUiExport.h"
#include "ztui/tracer/TracerTypes.h"

namespace zt {

class ZTUI_EXPORT ZTCustomTraceMgn
{
public:
    static constexpr int kKindDistanceAngle = 0;
    static constexpr int kKindRadiusAngle = 1;
    static constexpr int kKindArc = 2;
    // Sweeps this close to nothing or to a full turn make a full circle.
    static constexpr double kFullCircleTolerance = 0.001;

    static ZTCustomTraceMgn& GetInstance();

    // The last row each kind grows to.
    void InsertType(TracerEvState& state);
    void OnPlaceCtrl(CtrlList& list);
    void OnUpdateUi(CtrlList& list, const DPoint3d& start, const DPoint3d& cursor);
    void OnSurePlace(CtrlList& list, const DPoint3d& start, DPoint3d& result);

private:
    ZTCustomTraceMgn() = default;
    void PlaceArc(CtrlList& list, const DPoint3d& start, DPoint3d& result);
};

} // namespace zt
