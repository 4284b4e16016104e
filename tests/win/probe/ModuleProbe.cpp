// A module that reports each step of its life to the test program that loads it.

#include "platform/win/Modules.h"

#include <cstdlib>

extern "C" void ProbeRecord(const char* event); // defined by the test program

namespace {

struct Lifetime
{
    Lifetime()
    {
        ProbeRecord("probe:construct");
        zt::win::ModuleStarted(this);
    }
    ~Lifetime()
    {
        zt::win::ModuleEnding(this);
        ProbeRecord("probe:destruct");
    }
};

Lifetime g_lifetime;

} // namespace

extern "C" __attribute__((visibility("default"))) BOOL DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        ProbeRecord("probe:attach");
        return std::getenv("ZT_PROBE_REFUSE") ? FALSE : TRUE;
    }
    if (reason == DLL_PROCESS_DETACH)
        ProbeRecord("probe:detach");
    return TRUE;
}

// Loads a module that lies beside this one but not beside the program.
extern "C" __attribute__((visibility("default"))) HMODULE ProbeLoadSibling()
{
    return LoadLibraryW(L"ZTProbeSibling.dll");
}
