#include "platform/cad/ViewDrawGuard.h"

#include "platform/win/DebugOutput.h"
#include "platform/win/StructuredException.h"

#include <atomic>
#include <cstdio>

namespace {

std::atomic<unsigned> g_faults{0};

// What a structured exception raised during drawing becomes.
class DrawFault : public std::exception
{
public:
    explicit DrawFault(unsigned code) : m_code(code)
    {
        std::snprintf(m_what, sizeof m_what, "structured exception 0x%08X", code);
    }
    const char* what() const noexcept override { return m_what; }
    unsigned Code() const { return m_code; }

private:
    unsigned m_code;
    char m_what[48];
};

[[noreturn]] void TranslateDrawFault(unsigned int code, EXCEPTION_POINTERS*)
{
    throw DrawFault(code);
}

// Puts the thread's previous translator back however the guarded call ends.
class TranslatorScope
{
public:
    TranslatorScope() : m_previous(_set_se_translator(&TranslateDrawFault)) {}
    ~TranslatorScope() { _set_se_translator(m_previous); }
    TranslatorScope(const TranslatorScope&) = delete;
    TranslatorScope& operator=(const TranslatorScope&) = delete;

private:
    _se_translator_function m_previous;
};

void Report(const char* what, const char* why)
{
    g_faults.fetch_add(1);
    char line[256];
    std::snprintf(line, sizeof line, "view drawing (%s) ended: %s\n", what ? what : "?", why);
    OutputDebugStringA(line);
}

} // namespace

bool ViewDrawGuard::Run(const char* what, const std::function<void()>& draw)
{
    if (!draw)
        return true;
    TranslatorScope scope;
    try {
        draw();
        return true;
    } catch (const std::exception& e) {
        Report(what, e.what());
    } catch (...) {
        Report(what, "unknown exception");
    }
    return false;
}

unsigned ViewDrawGuard::FaultCount()
{
    return g_faults.load();
}
