#pragma once
// What contributes auxiliary candidates: a listener of the auxiliary-line manager. On every
// cursor move it hears the reference lines, the angle points and the auxiliary model, and then
// appends its candidate lines for the cursor. Listeners are not owned by the manager; drop one
// before destroying it.

#include "platform/cad/BVector.h"
#include "platform/cad/DgnButtonEvent.h"
#include "platform/cad/ICurvePrimitive.h"
#include "platform/host/TSModelInfo.h"
#include "ztui/ZTUiExport.h"

#include <memory>

namespace zt {

// The host's information about the dynamic auxiliary model; null when there is none.
using ZTAuxiliaryModelPtr = std::shared_ptr<const TSModelInfo>;

class ZTUI_EXPORT ZTAuxliaryEvent
{
public:
    // Appends candidate lines for the event's point.
    virtual void CollectAuxiliaryLines(bvector<ICurvePrimitivePtr>& lines,
                                       const DgnButtonEvent& ev) = 0;
    virtual void OnAnglePoints(bvector<DPoint3d> points) { (void)points; }
    // The tool's curve lines followed by the delayed lines. The manager hands the same list
    // object until either changes, so a listener may keep work it derived from it.
    virtual void OnCurveLines(const bvector<ICurvePrimitivePtr>& lines) { (void)lines; }
    virtual void OnCloseAuxiliary() {}
    virtual void OnAuxiliaryModel(ZTAuxiliaryModelPtr model) { (void)model; }
    virtual ~ZTAuxliaryEvent() = default;
};

} // namespace zt
