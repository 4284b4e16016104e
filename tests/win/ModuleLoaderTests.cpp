#include "platform/base/Encoding.h"
#include "platform/win/Modules.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {
std::vector<std::string> g_events;
}

extern "C" __attribute__((visibility("default"))) void ProbeRecord(const char* event)
{
    g_events.emplace_back(event);
}

namespace {

using Events = std::vector<std::string>;

// The probes live in a folder of their own, so that only an explicit path finds them.
std::wstring ProbePath(const wchar_t* name)
{
    wchar_t exe[4096];
    GetModuleFileNameW(nullptr, exe, 4096);
    std::wstring dir(exe);
    dir.resize(dir.rfind(L'/'));
    return dir + L"/probe/" + name;
}

Events TakeEvents()
{
    return std::exchange(g_events, {});
}

} // namespace

TEST(ModuleLoader, StaticObjectsThenAttachThenDetachThenStaticDestructors)
{
    HMODULE probe = LoadLibraryW(ProbePath(L"ZTProbe.dll").c_str());
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(TakeEvents(), (Events{"probe:construct", "probe:attach"}));
    EXPECT_TRUE(FreeLibrary(probe));
    EXPECT_EQ(TakeEvents(), (Events{"probe:detach", "probe:destruct"}));
}

TEST(ModuleLoader, SecondLoadCountsAReferenceOnly)
{
    std::wstring path = ProbePath(L"ZTProbe.dll");
    HMODULE a = LoadLibraryW(path.c_str());
    HMODULE b = LoadLibraryW(path.c_str());
    EXPECT_EQ(a, b);
    EXPECT_EQ(TakeEvents(), (Events{"probe:construct", "probe:attach"}));
    EXPECT_TRUE(FreeLibrary(b));
    EXPECT_TRUE(TakeEvents().empty());
    EXPECT_TRUE(FreeLibrary(a));
    EXPECT_EQ(TakeEvents(), (Events{"probe:detach", "probe:destruct"}));
    EXPECT_FALSE(FreeLibrary(a));
}

TEST(ModuleLoader, RefusedAttachUnloadsTheModule)
{
    setenv("ZT_PROBE_REFUSE", "1", 1);
    HMODULE probe = LoadLibraryW(ProbePath(L"ZTProbe.dll").c_str());
    unsetenv("ZT_PROBE_REFUSE");
    EXPECT_EQ(probe, nullptr);
    EXPECT_EQ(GetLastError(), ERROR_DLL_INIT_FAILED);
    EXPECT_EQ(TakeEvents(),
              (Events{"probe:construct", "probe:attach", "probe:detach", "probe:destruct"}));
    EXPECT_EQ(GetModuleHandleW(L"ZTProbe.dll"), nullptr);
}

TEST(ModuleLoader, NamesResolveBesideTheLoadingModule)
{
    // Not beside the program...
    EXPECT_EQ(LoadLibraryW(L"ZTProbeSibling.dll"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);

    // ...but beside the probe, which asks for it by bare name.
    HMODULE probe = LoadLibraryW(ProbePath(L"ZTProbe.dll").c_str());
    ASSERT_NE(probe, nullptr);
    auto loadSibling = zt::win::GetProcAddressAs<HMODULE (*)()>(probe, "ProbeLoadSibling");
    ASSERT_NE(loadSibling, nullptr);
    HMODULE sibling = loadSibling();
    ASSERT_NE(sibling, nullptr);
    auto answer = zt::win::GetProcAddressAs<int (*)()>(sibling, "SiblingAnswer");
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer(), 42);
    EXPECT_EQ(TakeEvents(), (Events{"probe:construct", "probe:attach", "sibling:attach"}));

    wchar_t file[4096];
    ASSERT_GT(GetModuleFileNameW(sibling, file, 4096), 0u);
    EXPECT_TRUE(std::wstring(file).ends_with(L"/probe/libZTProbeSibling.so"));

    EXPECT_TRUE(FreeLibrary(sibling));
    EXPECT_TRUE(FreeLibrary(probe));
    EXPECT_EQ(TakeEvents(), (Events{"sibling:detach", "probe:detach", "probe:destruct"}));
}

TEST(ModuleLoader, BadArgumentsFailQuietly)
{
    EXPECT_EQ(LoadLibraryW(nullptr), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(LoadLibraryW(L"NoSuchModule.dll"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
    EXPECT_FALSE(FreeLibrary(nullptr));
    EXPECT_EQ(GetProcAddress(nullptr, nullptr), nullptr);
    EXPECT_EQ(GetProcAddress(reinterpret_cast<HMODULE>(0x10), "x"), nullptr);
    EXPECT_EQ(GetProcAddress(nullptr, reinterpret_cast<LPCSTR>(5)), nullptr); // an ordinal
    EXPECT_EQ(GetModuleHandleW(L"NoSuchModule.dll"), nullptr);
    EXPECT_NE(GetModuleHandleW(nullptr), nullptr);
}
