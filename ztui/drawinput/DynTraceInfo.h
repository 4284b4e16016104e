#pragma once
// What the tracer shows while an arc about a centre is being placed.

namespace zt {

struct DynTraceInfo
{
    // Cleared by Begin and otherwise left to the tools.
    double reserved = 0.0;
    // Sweep of the preview arc in degrees, negative when it runs clockwise; 360 for a full
    // circle.
    double sweepAngle = 0.0;
    // Distance from the arc's start to its current end.
    double chord = 0.0;
    double arcLength = 0.0;
};

} // namespace zt
