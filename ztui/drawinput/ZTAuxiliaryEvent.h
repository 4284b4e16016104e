#pragma once
// The UI events of the auxiliary lines: "Auxiliary" keeps one curve on screen as a delayed
// line, "Delete" removes a list of them, "ISHighLight" sets the manager's highlight flag.
// The library registers one of these with the UI event registry at load. Events come on the
// user-interface thread; the manager's work is handed to the work thread and has run when the
// listener returns.

#include "platform/cad/ICurvePrimitive.h"
#include "ztui/frame/ZTUiEvent.h"

namespace zt {

class ZTUI_EXPORT ZTAuxiliaryEvent : public ZTUiEvent
{
public:
    static constexpr const char* kAuxiliaryEvent = "Auxiliary";
    static constexpr const char* kHighLightEvent = "ISHighLight";
    static constexpr const char* kDeleteEvent = "Delete";
    // Coordinates beyond this (model units) name no point anyone drew.
    static constexpr double kMaxCoordinate = 1.0e12;

    enum class CurveObject
    {
        Curve,    // a line or an arc
        NoCurve,  // a kind this library does not draw
        Rejected, // no kind, kind -1, or members that cannot be read as numbers
    };

    void _OnReceive(const char* name, const Json::Value& value) override;

    // Reads one curve object ("IsLine", the points, "elementid" with -1 when missing).
    static CurveObject ReadCurveObject(const Json::Value& object, ICurvePrimitivePtr& curve,
                                       int& elementId);
};

} // namespace zt
