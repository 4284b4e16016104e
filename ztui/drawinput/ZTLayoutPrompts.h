#pragma once
// The prompts of the layout manager. Every prompt ends with the reminder that the reset
// button cancels.

namespace zt::layout_prompt {

inline constexpr const wchar_t* kTangentPoint = L"指定弧线的切点/右键取消：";
inline constexpr const wchar_t* kNextPoint = L"指定弧线的下一点/右键取消：";
inline constexpr const wchar_t* kEndPoint = L"指定弧线的终点/右键取消：";
inline constexpr const wchar_t* kThirdCirclePoint = L"指定弧线的第三圆周点/右键取消：";
inline constexpr const wchar_t* kStartPoint = L"指定弧线的起点/右键取消：";
inline constexpr const wchar_t* kSecondCirclePoint = L"指定弧线的第二圆周点/右键取消：";
inline constexpr const wchar_t* kCentre = L"指定弧线的圆心/右键取消：";
inline constexpr const wchar_t* kSecondCirclePointInitial = L"指定弧线的第二个圆周点/右键取消：";
inline constexpr const wchar_t* kLineNextPoint = L"指定线条下一点/右键取消：";

} // namespace zt::layout_prompt
