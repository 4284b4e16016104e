#pragma once
// The records that tools and the tracer boxes exchange, and the interface a tool implements to
// hear what the user typed.

#include "platform/base/CString.h"
#include "platform/base/WString.h"
#include "platform/cad/DPoint3d.h"
#include "ztui/ZTUiExport.h"

#include <cstdint>
#include <map>

namespace zt {

// Which box serves the tool.
enum eTRACERTYPE : std::int32_t
{
    TRACER_NONE = 0,
    TRACER_ARCH = 1,
    TRACER_DIM = 2,
    TRACER_CUSTOM = 3,
};

// Why the tool opened the tracer. The values other than these two belong to the host.
enum eTRACERREASON : std::int32_t
{
    REASON_NONE = 0,
    // The tool works on the selected elements: each click adds an operation point.
    REASON_SELECTION = 1,
};

// The custom tracer's description, set by the tool.
struct ZTUI_EXPORT TracerEvState
{
    // Key of the custom tracer function in the function pool.
    Utf8String funName;
    // Passed through to the custom box: the row layout.
    std::uint32_t kind = 0;
    // Row layout -> the last row the box grows to.
    std::map<unsigned, unsigned> ctrlTypes;

    bool operator==(const TracerEvState&) const = default;
};

// The result of one input, handed to the tool.
struct ZTUI_EXPORT TracerInputValue
{
    double distance = 0.0;
    // Degrees.
    double angle = 0.0;
    double dx = 0.0;
    double dy = 0.0;
    double dz = 0.0;
    // Texts typed into a custom box, by field index.
    std::map<unsigned, CString> values;
    DPoint3d point;
};

// What a tool implements to receive the tracer's values; both calls come on the work thread.
class ZTUI_EXPORT ITracerEvent
{
public:
    // A value was committed; the result point is final.
    virtual void OnTracerInput(const TracerInputValue& value) = 0;
    // A field's value changed while the user was typing.
    virtual void OnTracerChange(const TracerInputValue& value) = 0;

protected:
    ~ITracerEvent() = default;
};

// Told every change of the trace status (true while the user types into the box).
class ZTUI_EXPORT ZTArchTracerStatuChange
{
public:
    virtual void OnTraceStatusChange(bool typing) = 0;

protected:
    ~ZTArchTracerStatuChange() = default;
};

// What the custom box and a custom tracer function exchange.
struct ZTUI_EXPORT CtrlList
{
    // The row layout, taken from the description's kind.
    int kind = 0;
    // The index of the field that was committed or focused.
    int drivingIndex = 0;
    // Field index -> label (placing) or the field's current text.
    std::map<unsigned, CString> texts;
    // Field index -> type; a non-zero type shows the field shaded.
    std::map<unsigned, unsigned> fieldTypes;
};

} // namespace zt
