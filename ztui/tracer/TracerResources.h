#pragma once
// The dialog templates of the tracer boxes and their control ids.

#include "platform/base/Handles.h"

namespace zt {

inline constexpr unsigned kDialogArchTracer = 14001;
inline constexpr unsigned kDialogDimTracer = 14002;
inline constexpr unsigned kDialogCustomTracer = 14006;

namespace tracer_ids {
// Value fields.
inline constexpr int kDistance = 4239;
inline constexpr int kAngle = 4047;
inline constexpr int kX = 4043;
inline constexpr int kY = 4044;
inline constexpr int kZ = 4045;
inline constexpr int kFirst = 4241;
inline constexpr int kSecond = 4242;
// Labels.
inline constexpr int kDistanceLabel = 4571;
inline constexpr int kAngleLabel = 4491;
inline constexpr int kXLabel = 4572;
inline constexpr int kYLabel = 4573;
inline constexpr int kZLabel = 4574;
inline constexpr int kFirstLabel = 4569;
inline constexpr int kSecondLabel = 4570;
// Buttons: "√" commits the focused field, "○" does nothing.
inline constexpr int kCommit = 4240;
inline constexpr int kNoAction = 4020;
// The custom box's buttons and the id of its first field.
inline constexpr int kCustomCommit = 123;
inline constexpr int kCustomNoAction = 124;
inline constexpr int kCustomFieldBase = 10000;
} // namespace tracer_ids

// Adds the three templates to the library's module; false when one failed.
bool RegisterTracerResources(HINSTANCE module);

} // namespace zt
