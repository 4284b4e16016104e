// The library as the host sees it when it is linked to the program: loaded and attached before
// main, its command-line hook in place.

#include "platform/host/CommandLine.h"
#include "platform/host/Commands.h"
#include "platform/host/Executors.h"
#include "ztui/frame/ZTCmdLineEventListener.h"
#include "ztui/frame/ZTUiModule.h"

#include <gtest/gtest.h>

#include "tests/support/Printers.h"

using namespace zt;

namespace {

// Consumes digits, as the tracer does when the user starts typing a distance.
struct DigitTaker : ZTCmdLineEvent
{
    bool OnCmdLineChar(unsigned int ch, const CString& text) override
    {
        seen.push_back({ch, text});
        return ch >= L'0' && ch <= L'9';
    }
    std::vector<std::pair<unsigned, CString>> seen;
};

int g_commandRuns = 0;
bool g_ranOnWork = false;
void CountingCommand()
{
    ++g_commandRuns;
    g_ranOnWork = zt::host::Executors::Get().IsWorkThread();
}

} // namespace

TEST(LinkedLibrary, IsLoadedAndAttachedBeforeMain)
{
    EXPECT_TRUE(ZTUiModule::IsLoaded());
    EXPECT_TRUE(ZTUiModule::IsAttached());
    EXPECT_NE(ZTUiModule::GetModuleHandle(), nullptr);
    EXPECT_EQ(App_GetOnCmdlineChar(), &OnCmdlineChar);
    // A second attach is refused: the library is one extension module.
    EXPECT_FALSE(ZTUiModule::Attach(ZTUiModule::GetModuleHandle()));
}

TEST(CommandLineHook, ListenersSeeEveryCharacterWithTheTypedText)
{
    DigitTaker taker;
    ZTCmdLineEventListener::instance().AddListener(&taker);
    auto& line = TesselCommandLine::Get();
    line.SetText(L"");
    line.TypeText(L"L1a2");

    // Consumed digits never reach the command line; the text passed along is what the line
    // held before each character.
    EXPECT_EQ(line.GetText(), L"La");
    ASSERT_EQ(taker.seen.size(), 4u);
    EXPECT_EQ(taker.seen[1].first, static_cast<unsigned>(L'1'));
    EXPECT_EQ(taker.seen[1].second, L"L");
    EXPECT_EQ(taker.seen[3].second, L"La");
    ZTCmdLineEventListener::instance().DropListener(&taker);
}

TEST(CommandLineHook, EnterRunsTheTypedCommandOnTheWorkThread)
{
    TesselToolsManager::RegisterFun("Test.Count", &CountingCommand);
    auto& line = TesselCommandLine::Get();
    line.SetText(L"");
    line.TypeText(L"Test.Count\r");
    EXPECT_EQ(line.GetText(), L"");
    EXPECT_EQ(g_commandRuns, 0); // queued for the work thread
    zt::host::Executors::Get().PumpAll();
    EXPECT_EQ(g_commandRuns, 1);
    EXPECT_TRUE(g_ranOnWork);
}
