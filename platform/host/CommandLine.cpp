#include "platform/host/CommandLine.h"

#include "platform/host/Commands.h"

#include <atomic>

namespace {
std::atomic<CmdlineCharHook> g_cmdlineHook{nullptr};

constexpr unsigned kBackspace = 0x08;
constexpr unsigned kEnter = 0x0D;
constexpr unsigned kEscape = 0x1B;
} // namespace

void App_RegisteOnCmdlineChar(CmdlineCharHook hook)
{
    g_cmdlineHook.store(hook);
}

CmdlineCharHook App_GetOnCmdlineChar()
{
    return g_cmdlineHook.load();
}

TesselCommandLine& TesselCommandLine::Get()
{
    static TesselCommandLine commandLine;
    return commandLine;
}

bool TesselCommandLine::TypeChar(unsigned ch)
{
    if (CmdlineCharHook hook = g_cmdlineHook.load()) {
        // The hook gets its own copy: it may keep it while the command line changes.
        CString typed(m_text);
        if (hook(ch, typed))
            return true;
    }
    switch (ch) {
    case kEnter: {
        CString command(m_text);
        command.Trim();
        m_text.Empty();
        if (!command.IsEmpty()) {
            m_lastCommand = command;
            TesselUserInputManager::ExeCommand(command.GetString());
        }
        break;
    }
    case kBackspace:
        if (!m_text.IsEmpty())
            m_text.Delete(m_text.GetLength() - 1);
        break;
    case kEscape:
        m_text.Empty();
        break;
    default:
        if (ch >= 0x20 && ch != 0x7F)
            m_text.AppendChar(static_cast<wchar_t>(ch));
        break;
    }
    return false;
}

void TesselCommandLine::TypeText(const wchar_t* text)
{
    for (const wchar_t* p = text; p && *p; ++p)
        TypeChar(static_cast<unsigned>(*p));
}
