// The library loaded at run time, as the host application loads it: the load sequence runs
// with the static objects, attach follows, and unloading takes everything back.

#include "platform/host/CommandLine.h"
#include "platform/host/Commands.h"
#include "platform/win/Modules.h"

#include <gtest/gtest.h>

#include <json/value.h>

namespace {

using NotifyFn = bool (*)(const char*, const Json::Value&);

// The host commands the load sequence registers, in order.
// In the order of the load: the auxiliary model's commands, the tracer's, the view box's.
const std::vector<std::string> kLoadCommands = {
    "ArchZoome",       "ShowModelInfo",      "CloseModelInfo",     "CatchLocate",
    "Tool.InitTracer", "Tool.InitTracerCus", "Tool.InitTracerDim", "Arch.AddViewBox"};

} // namespace

TEST(LibraryLoad, LoadRegistersHooksAndUnloadRemovesThem)
{
    ASSERT_EQ(App_GetOnCmdlineChar(), nullptr);
    ASSERT_EQ(GetModuleHandleW(L"ztui.dll"), nullptr);

    HMODULE lib = LoadLibraryW(L"ztui.dll");
    ASSERT_NE(lib, nullptr) << "error " << GetLastError();
    EXPECT_EQ(GetModuleHandleW(L"ztui.dll"), lib);
    EXPECT_EQ(TesselToolsManager::GetCommandNames(), kLoadCommands);

    CmdlineCharHook hook = App_GetOnCmdlineChar();
    ASSERT_NE(hook, nullptr);
    EXPECT_EQ(zt::win::ModuleFromAddress(reinterpret_cast<const void*>(hook)), lib);

    auto notify = zt::win::GetProcAddressAs<NotifyFn>(lib, "NotifyListeners");
    ASSERT_NE(notify, nullptr);
    EXPECT_TRUE(notify("Nothing.Listens", Json::Value()));
    EXPECT_EQ(GetProcAddress(lib, "NoSuchExport"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_PROC_NOT_FOUND);

    // With no listener the characters reach the command line.
    TesselCommandLine::Get().SetText(L"");
    TesselCommandLine::Get().TypeText(L"ab");
    EXPECT_EQ(TesselCommandLine::Get().GetText(), L"ab");

    EXPECT_TRUE(FreeLibrary(lib));
    EXPECT_EQ(App_GetOnCmdlineChar(), nullptr);
    EXPECT_EQ(GetModuleHandleW(L"ztui.dll"), nullptr) << "the library stayed in the process";
    TesselCommandLine::Get().TypeText(L"c"); // the host must not call into the gone library
    EXPECT_EQ(TesselCommandLine::Get().GetText(), L"abc");
}

TEST(LibraryLoad, SecondLoadOnlyCountsAReference)
{
    HMODULE first = LoadLibraryW(L"ztui.dll");
    ASSERT_NE(first, nullptr);
    HMODULE second = LoadLibraryW(L"ztui.dll");
    EXPECT_EQ(first, second);
    EXPECT_TRUE(FreeLibrary(second));
    EXPECT_NE(App_GetOnCmdlineChar(), nullptr); // still loaded
    EXPECT_TRUE(FreeLibrary(first));
    EXPECT_EQ(App_GetOnCmdlineChar(), nullptr);
    EXPECT_FALSE(FreeLibrary(first));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

TEST(LibraryLoad, ReloadRunsTheLoadSequenceAgain)
{
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        HMODULE lib = LoadLibraryW(L"ztui.dll");
        ASSERT_NE(lib, nullptr);
        EXPECT_NE(App_GetOnCmdlineChar(), nullptr);
        EXPECT_TRUE(FreeLibrary(lib));
        EXPECT_EQ(App_GetOnCmdlineChar(), nullptr);
    }
}
