// A module with an entry but no static object of its own.

#include "platform/win/Modules.h"

extern "C" void ProbeRecord(const char* event);

extern "C" __attribute__((visibility("default"))) BOOL DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    ProbeRecord(reason == DLL_PROCESS_ATTACH ? "sibling:attach" : "sibling:detach");
    return TRUE;
}

extern "C" __attribute__((visibility("default"))) int SiblingAnswer()
{
    return 42;
}
