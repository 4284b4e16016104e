#pragma once
// The base of host tools that show auxiliary lines: every operation forwards to the
// auxiliary-line manager, so a tool calls these from its own handlers and may override the
// virtual ones to add its own work around them.

#include "ztui/drawinput/ZTArchAuxiliaryMacrosMgn.h"

namespace zt {

class ZTUI_EXPORT ZTArchAuxiliaryBaseTool
{
public:
    ZTArchAuxiliaryBaseTool() = default;
    virtual ~ZTArchAuxiliaryBaseTool() = default;

    virtual void _StartAuxiliary();
    virtual void _CloseAuxiliary();
    virtual bool _SetButton(const DPoint3d& point);
    virtual bool _ResetButton();
    virtual bool _OnMove(const DgnButtonEvent& ev);
    virtual void _SetAuxiliaryAngleInfo(const DPoint3d& point, const DVec3d& direction);
    virtual void _ClearAuxiliaryAngleInfo();
    virtual void _SetICurvePrimitiveLine(const bvector<ICurvePrimitivePtr>& lines);
    virtual void _ClearICurvePrimitiveLine();

    static void _SetBack();
    static void _AuxiliaryRedo();
    static void _BeHighLight(bool highlight);
    static void _SetDelayICurvePrimitiveLine(ICurvePrimitivePtr curve, int elementId);
    static void _DeleteDelayICurvePrimitiveLine(bvector<ICurvePrimitivePtr> curves);
};

} // namespace zt
