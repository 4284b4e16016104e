#include "platform/win/DebugOutput.h"

#include "platform/base/Encoding.h"

#include <cstdio>
#include <mutex>
#include <string>

namespace zt::win {

namespace {

std::mutex g_mutex;
DebugOutputSink& Sink()
{
    static auto* sink = new DebugOutputSink();
    return *sink;
}

} // namespace

void SetDebugOutputSink(DebugOutputSink sink)
{
    std::lock_guard lock(g_mutex);
    Sink() = std::move(sink);
}

} // namespace zt::win

void OutputDebugStringW(LPCWSTR text)
{
    if (!text)
        return;
    zt::win::DebugOutputSink sink;
    {
        std::lock_guard lock(zt::win::g_mutex);
        sink = zt::win::Sink();
    }
    if (sink) {
        sink(text);
        return;
    }
    std::fputs(zt::base::WideToUtf8(text).c_str(), stderr);
}

void OutputDebugStringA(LPCSTR text)
{
    if (!text)
        return;
    OutputDebugStringW(zt::base::AnsiToWide(text).c_str());
}
