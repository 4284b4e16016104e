#include "ztui/tracer/ZTDlgArchTracerDim.h"

#include "ztui/tracer/TracerBoxSlot.h"
#include "ztui/tracer/TracerGeometry.h"
#include "ztui/tracer/TracerResources.h"
#include "ztui/tracer/TracerShared.h"

#include <utility>

namespace zt {

using namespace tracer_ids;

namespace {

TracerBoxSlot<ZTDlgArchTracerDim> g_dimBox(kDimTracerDialogName);

const std::vector<int> kDimTabOrder = {kFirst, kSecond, kDistance, kAngle, kX, kY};

} // namespace

ZTDlgArchTracerDim::ZTDlgArchTracerDim() : ZTDlgArchTracer(kDialogDimTracer) {}

ZTDlgArchTracerDim& ZTDlgArchTracerDim::Instance()
{
    return g_dimBox.Get([] { return new ZTDlgArchTracerDim; });
}

bool ZTDlgArchTracerDim::Exists()
{
    return g_dimBox.Exists();
}

void ZTDlgArchTracerDim::DestroyInstance()
{
    g_dimBox.Destroy();
}

const std::vector<int>& ZTDlgArchTracerDim::TabOrder() const
{
    return kDimTabOrder;
}

int ZTDlgArchTracerDim::NumberField() const
{
    return kFirst;
}

int ZTDlgArchTracerDim::ExpandField() const
{
    return kDistance;
}

int ZTDlgArchTracerDim::CollapsedLastField() const
{
    return kSecond;
}

std::vector<int> ZTDlgArchTracerDim::HiddenControls() const
{
    return {};
}

bool ZTDlgArchTracerDim::PointFromExtraField(int fieldId, double& d, double& a, double& x,
                                             double& y, DPoint3d& point)
{
    if (fieldId != kFirst && fieldId != kSecond)
        return false;
    const DPoint3d start = TracerShared::Get().GetStartPoint();
    const double w = ReadField(kFirst);
    double h = ReadField(kSecond);
    // The fields show sizes; the side comes from where the cursor is. The first dimension
    // always runs along +X.
    if (ReadField(kY) < 0)
        h = -h;
    point = DPoint3d::From(start.x + w, start.y + h, start.z);
    d = start.Distance(point);
    a = TracerUnsignedAngle(w, h);
    Refresh(point);
    x = point.x - start.x;
    y = point.y - start.y;
    return true;
}

} // namespace zt
