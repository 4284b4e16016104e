#include "platform/win/Modules.h"

#include "platform/base/Encoding.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <link.h>
#include <memory>
#include <mutex>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

struct ModuleRecord
{
    std::string path;    // canonical file path
    HMODULE handle{};    // the module's base address, as on Windows
    void* dl = nullptr;  // our dlopen handle, if we hold one
    int loadCount = 0;   // references taken by LoadLibraryW
    bool linked = false; // linked at build time or pulled in as a dependency: never unloaded
    DllMainProc entry = nullptr;
    bool attached = false;
};

struct ModuleTable
{
    std::recursive_mutex mutex;
    std::vector<std::unique_ptr<ModuleRecord>> records;

    ModuleRecord* ByHandle(HMODULE h)
    {
        for (auto& r : records)
            if (r->handle == h)
                return r.get();
        return nullptr;
    }
    ModuleRecord* ByPath(const std::string& path)
    {
        for (auto& r : records)
            if (r->path == path)
                return r.get();
        return nullptr;
    }
    void Erase(ModuleRecord* rec)
    {
        std::erase_if(records, [rec](const auto& r) { return r.get() == rec; });
    }
};

// Never destroyed: modules detach from static destructors that may run after ours.
ModuleTable& Table()
{
    static auto* table = new ModuleTable;
    return *table;
}

// Modules whose static objects started during the LoadLibraryW running on this thread.
thread_local int t_loadDepth = 0;
thread_local std::vector<ModuleRecord*>* t_started = nullptr;

std::string Canonical(const std::string& path)
{
    char buf[PATH_MAX];
    return realpath(path.c_str(), buf) ? std::string(buf) : path;
}

std::string Directory(const std::string& path)
{
    auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::string ExecutablePath()
{
    char buf[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    return n > 0 ? std::string(buf, static_cast<size_t>(n)) : std::string();
}

bool EndsWithNoCase(const std::string& s, const char* suffix)
{
    size_t n = std::strlen(suffix);
    return s.size() >= n && strcasecmp(s.c_str() + s.size() - n, suffix) == 0;
}

// "ZTCore.dll" -> "libZTCore.so"; names that already are shared objects stay as they are.
std::string SharedObjectName(std::string file)
{
    if (EndsWithNoCase(file, ".so") || file.find(".so.") != std::string::npos)
        return file;
    if (EndsWithNoCase(file, ".dll"))
        file.resize(file.size() - 4);
    if (file.rfind("lib", 0) != 0)
        file = "lib" + file;
    return file + ".so";
}

HMODULE BaseOf(const void* address, std::string* fileName = nullptr)
{
    Dl_info info{};
    if (!address || !dladdr(address, &info) || !info.dli_fbase)
        return nullptr;
    if (fileName)
        *fileName = info.dli_fname ? info.dli_fname : "";
    return static_cast<HMODULE>(info.dli_fbase);
}

HMODULE BaseOfHandle(void* dl)
{
    link_map* map = nullptr;
    if (dlinfo(dl, RTLD_DI_LINKMAP, &map) != 0 || !map)
        return nullptr;
    return BaseOf(map->l_ld);
}

// The module's own DllMain: a dependency's DllMain, found through the module's handle, is not
// the module's entry.
DllMainProc FindEntry(void* dl, HMODULE base)
{
    void* sym = dl ? dlsym(dl, "DllMain") : nullptr;
    if (!sym || BaseOf(sym) != base)
        return nullptr;
    return reinterpret_cast<DllMainProc>(sym);
}

void* HandleForPath(const std::string& path)
{
    return dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
}

bool Attach(ModuleRecord& rec)
{
    if (rec.attached || !rec.entry)
        return true;
    rec.attached = rec.entry(rec.handle, DLL_PROCESS_ATTACH, nullptr) != FALSE;
    return rec.attached;
}

void Detach(ModuleRecord& rec)
{
    if (!rec.attached)
        return;
    rec.attached = false;
    rec.entry(rec.handle, DLL_PROCESS_DETACH, nullptr);
}

HMODULE LoadFromPath(const std::string& candidate)
{
    ModuleTable& table = Table();
    std::lock_guard lock(table.mutex);
    std::string path = Canonical(candidate);
    if (ModuleRecord* known = table.ByPath(path);
        known && (known->loadCount > 0 || known->linked)) {
        ++known->loadCount;
        return known->handle;
    }

    void* preloaded = HandleForPath(path);
    std::vector<ModuleRecord*> started;
    auto* outerStarted = std::exchange(t_started, &started);
    ++t_loadDepth;
    void* dl = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    --t_loadDepth;
    t_started = outerStarted;
    if (preloaded)
        dlclose(preloaded);
    if (!dl)
        return nullptr;

    HMODULE base = BaseOfHandle(dl);
    ModuleRecord* rec = table.ByHandle(base);
    if (!rec) {
        table.records.push_back(std::make_unique<ModuleRecord>());
        rec = table.records.back().get();
        rec->handle = base;
        rec->path = path;
        rec->entry = FindEntry(dl, base);
    }
    rec->dl = dl;
    rec->loadCount = 1;
    // A module that was already in the process (linked to the program) stays for good.
    rec->linked = rec->linked || preloaded != nullptr;

    // Dependencies that started with this load are attached first, as Windows attaches the
    // DLLs a DLL imports before the DLL itself.
    for (ModuleRecord* dep : started) {
        if (dep != rec) {
            dep->linked = true;
            Attach(*dep);
        }
    }
    if (!Attach(*rec)) {
        // A refused attach is followed by a detach and the module is unloaded again.
        rec->attached = true;
        Detach(*rec);
        bool linked = rec->linked;
        table.Erase(rec);
        if (!linked)
            dlclose(dl);
        SetLastError(ERROR_DLL_INIT_FAILED);
        return nullptr;
    }
    return rec->handle;
}

} // namespace

__attribute__((noinline)) HMODULE LoadLibraryW(LPCWSTR fileName)
{
    const void* caller = __builtin_return_address(0);
    if (!fileName || !*fileName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::string name = zt::base::WideToUtf8(fileName);
    std::replace(name.begin(), name.end(), '\\', '/');

    std::vector<std::string> candidates;
    auto slash = name.rfind('/');
    if (slash != std::string::npos) {
        candidates.push_back(name.substr(0, slash + 1) + SharedObjectName(name.substr(slash + 1)));
        candidates.push_back(name);
    } else {
        std::string file = SharedObjectName(name);
        std::string callerFile;
        if (BaseOf(caller, &callerFile) && !callerFile.empty())
            candidates.push_back(Directory(Canonical(callerFile)) + "/" + file);
        std::string exe = ExecutablePath();
        if (!exe.empty())
            candidates.push_back(Directory(exe) + "/" + file);
    }
    for (const auto& c : candidates) {
        if (access(c.c_str(), R_OK) != 0)
            continue;
        SetLastError(ERROR_SUCCESS);
        if (HMODULE h = LoadFromPath(c))
            return h;
        if (GetLastError() == ERROR_DLL_INIT_FAILED)
            return nullptr;
    }
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
}

__attribute__((noinline)) HMODULE LoadLibraryA(LPCSTR fileName)
{
    if (!fileName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    // Relative names are looked up beside this module's caller, so resolve here.
    std::wstring wide = zt::base::AnsiToWide(fileName);
    return LoadLibraryW(wide.c_str());
}

BOOL FreeLibrary(HMODULE module)
{
    ModuleTable& table = Table();
    std::lock_guard lock(table.mutex);
    ModuleRecord* rec = table.ByHandle(module);
    if (!rec || rec->loadCount <= 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (--rec->loadCount > 0 || rec->linked)
        return TRUE;
    Detach(*rec);
    void* dl = rec->dl;
    table.Erase(rec);
    dlclose(dl); // runs the module's static destructors
    return TRUE;
}

FARPROC GetProcAddress(HMODULE module, LPCSTR procName)
{
    // Names below 64K are ordinals, which shared objects do not have.
    if (!procName || reinterpret_cast<std::uintptr_t>(procName) < 0x10000) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    void* dl = nullptr;
    bool temporary = false;
    {
        ModuleTable& table = Table();
        std::lock_guard lock(table.mutex);
        if (!module) {
            dl = dlopen(nullptr, RTLD_LAZY);
            temporary = true;
        } else if (ModuleRecord* rec = table.ByHandle(module)) {
            if (!rec->dl)
                rec->dl = HandleForPath(rec->path);
            dl = rec->dl;
        } else {
            std::string file;
            if (BaseOf(module, &file) == module) {
                dl = HandleForPath(file);
                temporary = true;
            }
        }
    }
    if (!dl) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    void* sym = dlsym(dl, procName);
    if (temporary)
        dlclose(dl);
    if (!sym) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<FARPROC>(sym);
}

namespace {

struct PhdrSearch
{
    std::string wanted; // file name, or empty for the executable
    HMODULE found = nullptr;
};

int VisitObject(dl_phdr_info* info, size_t, void* data)
{
    auto* search = static_cast<PhdrSearch*>(data);
    std::string name = info->dlpi_name ? info->dlpi_name : "";
    bool match = search->wanted.empty()
                     ? name.empty()
                     : name.size() >= search->wanted.size() &&
                           name.compare(name.size() - search->wanted.size(), std::string::npos,
                                        search->wanted) == 0 &&
                           (name.size() == search->wanted.size() ||
                            name[name.size() - search->wanted.size() - 1] == '/');
    if (!match)
        return 0;
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        if (info->dlpi_phdr[i].p_type == PT_LOAD) {
            search->found = reinterpret_cast<HMODULE>(info->dlpi_addr + info->dlpi_phdr[i].p_vaddr);
            return 1;
        }
    }
    return 0;
}

} // namespace

HMODULE GetModuleHandleW(LPCWSTR moduleName)
{
    PhdrSearch search;
    if (moduleName) {
        std::string name = zt::base::WideToUtf8(moduleName);
        std::replace(name.begin(), name.end(), '\\', '/');
        auto slash = name.rfind('/');
        search.wanted =
            SharedObjectName(slash == std::string::npos ? name : name.substr(slash + 1));
    }
    dl_iterate_phdr(VisitObject, &search);
    if (!search.found)
        SetLastError(ERROR_MOD_NOT_FOUND);
    return search.found;
}

DWORD GetModuleFileNameW(HMODULE module, LPWSTR fileName, DWORD size)
{
    std::string path;
    if (!module) {
        path = ExecutablePath();
    } else {
        std::string file;
        if (BaseOf(module, &file) != module) {
            SetLastError(ERROR_INVALID_HANDLE);
            return 0;
        }
        path = Canonical(file);
    }
    std::wstring wide = zt::base::Utf8ToWide(path);
    if (!fileName || size == 0)
        return 0;
    DWORD n = static_cast<DWORD>(std::min<size_t>(wide.size(), size - 1));
    std::copy_n(wide.c_str(), n, fileName);
    fileName[n] = L'\0';
    return n;
}

namespace zt::win {

HINSTANCE ModuleStarted(const void* addressInModule)
{
    std::string file;
    HMODULE base = BaseOf(addressInModule, &file);
    if (!base)
        return nullptr;
    ModuleTable& table = Table();
    std::lock_guard lock(table.mutex);
    ModuleRecord* rec = table.ByHandle(base);
    if (!rec) {
        table.records.push_back(std::make_unique<ModuleRecord>());
        rec = table.records.back().get();
        rec->handle = base;
        rec->path = Canonical(file);
        void* dl = HandleForPath(file);
        rec->entry = FindEntry(dl, base);
        if (dl)
            dlclose(dl);
    }
    if (t_loadDepth > 0 && t_started) {
        t_started->push_back(rec); // LoadLibraryW attaches it when dlopen returns
    } else {
        rec->linked = true;
        Attach(*rec);
    }
    return base;
}

void ModuleEnding(const void* addressInModule)
{
    HMODULE base = BaseOf(addressInModule);
    ModuleTable& table = Table();
    std::lock_guard lock(table.mutex);
    if (ModuleRecord* rec = table.ByHandle(base)) {
        // At process exit the loader is finishing the module anyway; its handle is left open.
        Detach(*rec);
        table.Erase(rec);
    }
}

HMODULE ModuleFromAddress(const void* address)
{
    return BaseOf(address);
}

} // namespace zt::win
