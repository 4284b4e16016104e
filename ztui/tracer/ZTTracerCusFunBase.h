#pragma once
// A custom tracer function: what a tool supplies to put its own rows into the cursor-side box.
// It names the rows, fills them while the cursor moves and turns the typed texts into a point.

#include "platform/cad/DPoint3d.h"
#include "ztui/ZTUiExport.h"
#include "ztui/tracer/TracerTypes.h"

namespace zt {

class ZTUI_EXPORT ZTTracerCusFunBase
{
public:
    ZTTracerCusFunBase() = default;
    ZTTracerCusFunBase(const ZTTracerCusFunBase&) = default;
    ZTTracerCusFunBase& operator=(const ZTTracerCusFunBase&) = default;

    // The texts of the rows for the cursor point.
    virtual void OnUpdateUi(CtrlList& list, const DPoint3d& start, const DPoint3d& cursor) = 0;
    // The labels (texts) and field types of the rows.
    virtual void OnPlaceCtrl(CtrlList& list) = 0;
    // The point for the typed texts; the texts may be rewritten to what the point gives.
    virtual void OnSurePlace(CtrlList& list, const DPoint3d& start, DPoint3d& result) = 0;

protected:
    ~ZTTracerCusFunBase() = default;
};

} // namespace zt
