#include "ztui/drawinput/ZTArchAuxiliaryBaseTool.h"

namespace zt {

namespace {

ZTArchAuxiliaryMacrosMgn& Mgn()
{
    return ZTArchAuxiliaryMacrosMgn::GetInstance();
}

} // namespace

void ZTArchAuxiliaryBaseTool::_StartAuxiliary()
{
    Mgn().StartAuxiliary();
}

void ZTArchAuxiliaryBaseTool::_CloseAuxiliary()
{
    Mgn().CloseAuxiliary();
}

bool ZTArchAuxiliaryBaseTool::_SetButton(const DPoint3d& point)
{
    Mgn().SetButton(point);
    return true;
}

bool ZTArchAuxiliaryBaseTool::_ResetButton()
{
    Mgn().CloseAuxiliary();
    return true;
}

bool ZTArchAuxiliaryBaseTool::_OnMove(const DgnButtonEvent& ev)
{
    Mgn().OnMove(ev);
    return true;
}

void ZTArchAuxiliaryBaseTool::_SetAuxiliaryAngleInfo(const DPoint3d& point, const DVec3d& direction)
{
    Mgn().SetAuxiliaryAngleInfo(point, direction);
}

void ZTArchAuxiliaryBaseTool::_ClearAuxiliaryAngleInfo()
{
    Mgn().ClearAuxiliaryAngleInfo();
}

void ZTArchAuxiliaryBaseTool::_SetICurvePrimitiveLine(const bvector<ICurvePrimitivePtr>& lines)
{
    Mgn().SetICurvePrimitiveLine(lines);
}

void ZTArchAuxiliaryBaseTool::_ClearICurvePrimitiveLine()
{
    Mgn().ClearICurvePrimitiveLine();
}

void ZTArchAuxiliaryBaseTool::_SetBack()
{
    Mgn().SetBack();
}

void ZTArchAuxiliaryBaseTool::_AuxiliaryRedo()
{
    Mgn().AuxiliaryRedo();
}

void ZTArchAuxiliaryBaseTool::_BeHighLight(bool highlight)
{
    Mgn().BeHighLight(highlight);
}

void ZTArchAuxiliaryBaseTool::_SetDelayICurvePrimitiveLine(ICurvePrimitivePtr curve, int elementId)
{
    Mgn().SetDelayICurvePrimitiveLine(curve, elementId);
}

void ZTArchAuxiliaryBaseTool::_DeleteDelayICurvePrimitiveLine(bvector<ICurvePrimitivePtr> curves)
{
    Mgn().DeleteDelayICurvePrimitiveLine(curves);
}

} // namespace zt
