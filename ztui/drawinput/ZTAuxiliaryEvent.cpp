#include "ztui/drawinput/ZTAuxiliaryEvent.h"

#include "platform/host/Callable.h"
#include "platform/host/Executors.h"
#include "ztui/drawinput/ZTArchAuxiliaryBaseTool.h"

#include <json/value.h>

#include <cmath>
#include <cstring>
#include <functional>

namespace zt {

namespace {

// UI events arrive on the user-interface thread; the manager lives on the work thread, where
// the tools' moves use the same lists. The call returns once the work has run.
void OnWorkThread(std::function<void()> work)
{
    TesselCallableObj* call = new CallerF<std::function<void()>>(std::move(work));
    TesselFuncCall::ToCallOnWorkTread(call);
    call->Release();
}

const Json::Value* Member(const Json::Value& object, const char* name)
{
    return object.isObject() ? object.find(name, name + std::strlen(name)) : nullptr;
}

// A member read as a double: 0 when missing, false when it is not a finite number in
// range.
bool ReadCoordinate(const Json::Value& object, const char* name, double& out)
{
    const Json::Value* member = Member(object, name);
    if (!member) {
        out = 0.0;
        return true;
    }
    if (!member->isNumeric())
        return false;
    out = member->asDouble();
    return std::isfinite(out) && std::fabs(out) <= ZTAuxiliaryEvent::kMaxCoordinate;
}

bool ReadPoint(const Json::Value& object, const char* x, const char* y, const char* z,
               DPoint3d& point)
{
    return ReadCoordinate(object, x, point.x) && ReadCoordinate(object, y, point.y) &&
           ReadCoordinate(object, z, point.z);
}

} // namespace

ZTAuxiliaryEvent::CurveObject ZTAuxiliaryEvent::ReadCurveObject(const Json::Value& object,
                                                                ICurvePrimitivePtr& curve,
                                                                int& elementId)
{
    curve = nullptr;
    elementId = -1;
    if (!object.isObject())
        return CurveObject::Rejected;
    const Json::Value* kind = Member(object, "IsLine");
    if (!kind || !kind->isInt())
        return CurveObject::Rejected;
    const int isLine = kind->asInt();
    if (isLine == -1)
        return CurveObject::Rejected;
    if (const Json::Value* id = Member(object, "elementid"))
        elementId = id->isInt() ? id->asInt() : -1;
    if (isLine != 0 && isLine != 1)
        return CurveObject::NoCurve;
    DPoint3d start, end, middle;
    if (!ReadPoint(object, "ptStartX", "ptStartY", "ptStartZ", start) ||
        !ReadPoint(object, "ptEndX", "ptEndY", "ptEndZ", end))
        return CurveObject::Rejected;
    if (isLine == 0) {
        const DPoint3d points[2] = {start, end};
        curve = ICurvePrimitive::CreateLineString(points, 2);
        return CurveObject::Curve;
    }
    if (!ReadPoint(object, "ptMidX", "ptMidY", "ptMidZ", middle))
        return CurveObject::Rejected;
    curve = ICurvePrimitive::CreateArc(DEllipse3d::FromPointsOnArc(start, middle, end));
    return CurveObject::Curve;
}

void ZTAuxiliaryEvent::_OnReceive(const char* name, const Json::Value& value)
{
    if (!name)
        return;
    try {
        if (std::strcmp(name, kAuxiliaryEvent) == 0) {
            ICurvePrimitivePtr curve;
            int elementId = -1;
            if (ReadCurveObject(value, curve, elementId) == CurveObject::Rejected)
                return;
            OnWorkThread([curve, elementId] {
                ZTArchAuxiliaryBaseTool::_SetDelayICurvePrimitiveLine(curve, elementId);
            });
        } else if (std::strcmp(name, kHighLightEvent) == 0) {
            const Json::Value* flag = Member(value, "ISHighLight");
            const bool highlight = flag && flag->isBool() && flag->asBool();
            OnWorkThread([highlight] { ZTArchAuxiliaryBaseTool::_BeHighLight(highlight); });
        } else if (std::strcmp(name, kDeleteEvent) == 0) {
            if (!value.isArray() || value.empty())
                return;
            bvector<ICurvePrimitivePtr> curves;
            for (const Json::Value& element : value) {
                ICurvePrimitivePtr curve;
                int elementId = -1;
                const CurveObject read = ReadCurveObject(element, curve, elementId);
                // One unreadable element cancels the whole delete.
                if (read == CurveObject::Rejected)
                    return;
                if (read == CurveObject::Curve)
                    curves.push_back(curve);
            }
            OnWorkThread(
                [curves] { ZTArchAuxiliaryBaseTool::_DeleteDelayICurvePrimitiveLine(curves); });
        }
    } catch (...) {
        // A payload the JSON library cannot read changes nothing.
    }
}

} // namespace zt
