#pragma once
// The debugger's output channel. Without a debugger the text goes to the standard error
// stream; tests and hosts may take it instead through a sink.

#include "platform/base/WinTypes.h"

#include <functional>

void OutputDebugStringW(LPCWSTR text);
void OutputDebugStringA(LPCSTR text);
inline void OutputDebugString(LPCWSTR text)
{
    OutputDebugStringW(text);
}

namespace zt::win {

// Receives every OutputDebugString text while set, on the thread that wrote it; an empty
// function restores the standard error stream.
using DebugOutputSink = std::function<void(const wchar_t* text)>;
void SetDebugOutputSink(DebugOutputSink sink);

} // namespace zt::win
