#pragma once
// Run-time loading of modules, as a Windows program sees DLLs. "X.dll" is the shared object
// libX.so, looked for beside the module that asks for it and then beside the executable.
//
// A module's attach entry is its exported C function DllMain. Loading runs the module's static
// objects first and then DllMain(DLL_PROCESS_ATTACH); unloading runs
// DllMain(DLL_PROCESS_DETACH) and then the static destructors. A module that is linked to the
// program at build time is attached when its static objects have been built, provided that
// one of them calls zt::win::ModuleStarted (see below); it is detached at process exit.

#include "platform/base/WinTypes.h"
#include "platform/win/WinError.h"

inline constexpr DWORD DLL_PROCESS_DETACH = 0;
inline constexpr DWORD DLL_PROCESS_ATTACH = 1;

using FARPROC = INT_PTR (*)();
using DllMainProc = BOOL (*)(HINSTANCE instance, DWORD reason, LPVOID reserved);

HMODULE LoadLibraryW(LPCWSTR fileName);
HMODULE LoadLibraryA(LPCSTR fileName);
inline HMODULE LoadLibrary(LPCWSTR fileName)
{
    return LoadLibraryW(fileName);
}
BOOL FreeLibrary(HMODULE module);
FARPROC GetProcAddress(HMODULE module, LPCSTR procName);
// NULL names the executable. Does not add a reference.
HMODULE GetModuleHandleW(LPCWSTR moduleName);
inline HMODULE GetModuleHandle(LPCWSTR moduleName)
{
    return GetModuleHandleW(moduleName);
}
DWORD GetModuleFileNameW(HMODULE module, LPWSTR fileName, DWORD size);
inline DWORD GetModuleFileName(HMODULE module, LPWSTR fileName, DWORD size)
{
    return GetModuleFileNameW(module, fileName, size);
}

namespace zt::win {

// Called by a module's single static object at the end of its construction, with any address
// inside the module. Outside a LoadLibraryW call (the module is linked to the program) this is
// the moment the module is attached; inside one, LoadLibraryW attaches it when loading ends.
// Returns the module's handle.
HINSTANCE ModuleStarted(const void* addressInModule);
// Called by the same static object as it is destroyed: detaches the module if nothing did.
void ModuleEnding(const void* addressInModule);

// The module that contains an address, or NULL.
HMODULE ModuleFromAddress(const void* address);

// GetProcAddress cast to the export's real type. The detour through void (*)() is the
// conversion compilers accept between unrelated function pointer types.
template <class Fn>
Fn GetProcAddressAs(HMODULE module, LPCSTR procName)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module, procName)));
}

} // namespace zt::win
