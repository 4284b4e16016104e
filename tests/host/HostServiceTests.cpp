#include "platform/host/Commands.h"
#include "platform/host/Executors.h"
#include "platform/host/KmSConvert.h"
#include "platform/host/MainFrameEvent.h"
#include "platform/host/ModelessDialogManager.h"
#include "platform/host/UserEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
int g_first = 0;
int g_second = 0;
void First()
{
    ++g_first;
}
void Second()
{
    ++g_second;
}
} // namespace

TEST(CommandRegistry, ExecutionQueuesTheFunctionForTheWorkThread)
{
    EXPECT_TRUE(TesselToolsManager::RegisterFun("Arch.One", &First));
    EXPECT_FALSE(TesselToolsManager::RegisterFun("", &First));
    EXPECT_FALSE(TesselToolsManager::RegisterFun("Arch.Null", nullptr));
    EXPECT_TRUE(TesselUserInputManager::ExeCommand("Arch.One"));
    EXPECT_TRUE(TesselUserInputManager::ExeCommand(L"Arch.One"));
    EXPECT_FALSE(TesselUserInputManager::ExeCommand("Arch.Missing"));
    EXPECT_FALSE(TesselUserInputManager::ExeCommand(static_cast<const char*>(nullptr)));
    EXPECT_EQ(g_first, 0);
    zt::host::Executors::Get().PumpAll();
    EXPECT_EQ(g_first, 2);
}

TEST(CommandRegistry, ReRegisteringReplacesTheFunctionAndKeepsTheOrder)
{
    TesselToolsManager::RegisterFun("Order.A", &First);
    TesselToolsManager::RegisterFun("Order.B", &First);
    TesselToolsManager::RegisterFun("Order.A", &Second);
    std::vector<std::string> names = TesselToolsManager::GetCommandNames();
    auto a = std::find(names.begin(), names.end(), "Order.A");
    auto b = std::find(names.begin(), names.end(), "Order.B");
    ASSERT_NE(a, names.end());
    EXPECT_EQ(std::next(a), b);
    EXPECT_EQ(std::count(names.begin(), names.end(), "Order.A"), 1);
    int before = g_second;
    TesselUserInputManager::ExeCommand("Order.A");
    zt::host::Executors::Get().PumpAll();
    EXPECT_EQ(g_second, before + 1);
}

TEST(ModelessDialogs, OneDialogPerName)
{
    auto& dialogs = TesselModelessDialogManager::Get();
    auto* d1 = reinterpret_cast<CDialog*>(0x1000);
    auto* d2 = reinterpret_cast<CDialog*>(0x2000);
    EXPECT_EQ(dialogs.GetDialog("TesselTracerDialog"), nullptr);
    EXPECT_TRUE(dialogs.Register("TesselTracerDialog", d1));
    EXPECT_TRUE(dialogs.Register("TesselTracerDialog", d2));
    EXPECT_EQ(dialogs.GetDialog("TesselTracerDialog"), d2);
    EXPECT_FALSE(dialogs.Register(nullptr, d1));
    EXPECT_FALSE(dialogs.Register("X", nullptr));
    EXPECT_EQ(dialogs.GetDialog(nullptr), nullptr);
    EXPECT_TRUE(dialogs.Unregister("TesselTracerDialog"));
    EXPECT_EQ(dialogs.GetDialog("TesselTracerDialog"), nullptr);
}

TEST(UserEnvironment, DefaultDomainIsTheArchitectureDomain)
{
    auto* env = env::UserEnvironment::getInstance();
    EXPECT_EQ(env->getDefaultDomain(), 1);
    env->setDefaultDomain(TesselDomain_Structure);
    EXPECT_EQ(env::UserEnvironment::getInstance()->getDefaultDomain(), TesselDomain_Structure);
    env->setDefaultDomain(TesselDomain_Architecture);
}

TEST(MainFrameEvents, ListenersMayLeaveWhileBeingNotified)
{
    struct Listener : Tessel::TSMainFrameEvent
    {
        void OnMainFrameReady() override
        {
            ++ready;
            if (other)
                Tessel::TSMainFrameEventListener::Get().DropListener(other);
        }
        int ready = 0;
        Listener* other = nullptr;
    };
    Listener a, b;
    a.other = &b;
    auto& frame = Tessel::TSMainFrameEventListener::Get();
    frame.AddListener(&a);
    frame.AddListener(&b);
    frame.AddListener(&a);
    EXPECT_EQ(frame.GetListenerCount(), 2u);
    frame.NotifyMainFrameReady();
    EXPECT_EQ(a.ready, 1);
    EXPECT_EQ(b.ready, 0);
    frame.NotifyMainFrameClosing(); // default bodies do nothing
    frame.DropListener(&a);
    EXPECT_EQ(frame.GetListenerCount(), 0u);
}

TEST(KmSConvert, WideToNarrowCodePage)
{
    EXPECT_EQ(km::KmSConvert::WChar2Char(L"TSArch\\Config"), "TSArch\\Config");
    EXPECT_EQ(km::KmSConvert::WChar2Char(L"配置"), "\xC5\xE4\xD6\xC3");
    EXPECT_EQ(km::KmSConvert::WChar2Char(nullptr), "");
    EXPECT_EQ(km::KmSConvert::Char2WChar("\xC5\xE4\xD6\xC3"), L"配置");
}
