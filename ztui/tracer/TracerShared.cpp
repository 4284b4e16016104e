#include "ztui/tracer/TracerShared.h"

namespace zt {

TracerShared& TracerShared::Get()
{
    static TracerShared shared;
    return shared;
}

TracerSharedData TracerShared::Snapshot()
{
    return Locked([](TracerSharedData& d) { return d; });
}

TracerInputValue TracerShared::GetResult()
{
    return Locked([](TracerSharedData& d) { return d.result; });
}

void TracerShared::SetResult(const TracerInputValue& result)
{
    Locked([&](TracerSharedData& d) { d.result = result; });
}

DPoint3d TracerShared::GetStartPoint()
{
    return Locked([](TracerSharedData& d) { return d.startPoint; });
}

DPoint3d TracerShared::GetMovePoint()
{
    return Locked([](TracerSharedData& d) { return d.movePoint; });
}

void TracerShared::SetMovePoint(const DPoint3d& point)
{
    Locked([&](TracerSharedData& d) { d.movePoint = point; });
}

DPoint2d TracerShared::GetScreenPoint()
{
    return Locked([](TracerSharedData& d) { return d.screenPoint; });
}

void TracerShared::SetScreenPoint(const DPoint2d& point)
{
    Locked([&](TracerSharedData& d) { d.screenPoint = point; });
}

bool TracerShared::IsBoxReady()
{
    return Locked([](TracerSharedData& d) { return d.boxReady; });
}

void TracerShared::SetBoxReady(bool ready)
{
    Locked([&](TracerSharedData& d) { d.boxReady = ready; });
}

CString TracerShared::GetTypedText()
{
    return Locked([](TracerSharedData& d) { return d.typedText; });
}

void TracerShared::Reset()
{
    Locked([](TracerSharedData& d) { d = TracerSharedData{}; });
}

} // namespace zt
