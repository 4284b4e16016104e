// The three registries share one mechanism; these tests drive it through the command-line
// registry (bool results), the UI registry (no results) and the view registry.

#include "ztui/frame/ZTCmdLineEventListener.h"
#include "ztui/frame/ZTUiEventListener.h"
#include "ztui/frame/ZTViewMsgEventListener.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace zt;

namespace {

std::vector<std::string> g_calls;

struct CmdListener : ZTCmdLineEvent
{
    explicit CmdListener(std::string n, bool result = false) : name(std::move(n)), result(result) {}
    bool OnCmdLineChar(unsigned int ch, const CString& text) override
    {
        g_calls.push_back(name);
        lastChar = ch;
        lastText = text;
        if (onCall)
            onCall();
        return result;
    }
    std::string name;
    bool result;
    unsigned lastChar = 0;
    CString lastText;
    std::function<void()> onCall;
};

struct UiListener : ZTUiEvent
{
    explicit UiListener(std::string n) : name(std::move(n)) {}
    void _OnReceive(const char* eventName, const Json::Value& value) override
    {
        if (std::string(eventName) != "Ping")
            return;
        g_calls.push_back(name + ":" + value.asString());
        if (onCall)
            onCall();
    }
    std::string name;
    std::function<void()> onCall;
};

struct ViewListener : ZTViewMsgEvent
{
    explicit ViewListener(bool r) : result(r) {}
    bool OnViewMessage(MSG* msg) override
    {
        ++calls;
        seen = msg->message;
        return result;
    }
    bool result;
    int calls = 0;
    UINT seen = 0;
};

class Registries : public testing::Test
{
protected:
    void SetUp() override { g_calls.clear(); }
    void TearDown() override
    {
        for (auto* l : added)
            cmd().DropListener(l);
        cmd().NotifyListeners(0, L""); // sweeps the blank slots
    }
    static ZTCmdLineEventListener& cmd() { return ZTCmdLineEventListener::instance(); }
    CmdListener* make(const std::string& name, bool result = false)
    {
        owned.push_back(std::make_unique<CmdListener>(name, result));
        added.push_back(owned.back().get());
        return owned.back().get();
    }
    bool dispatch() { return cmd().NotifyListeners(L'a', L"text"); }
    std::vector<std::string> calls() { return std::exchange(g_calls, {}); }

    std::vector<std::unique_ptr<CmdListener>> owned;
    std::vector<CmdListener*> added;
};

using Calls = std::vector<std::string>;

} // namespace

TEST_F(Registries, ListenersAreCalledInRegistrationOrderAndResultsAreOred)
{
    auto* a = make("a", true);
    auto* b = make("b", false);
    cmd().AddListener(a);
    cmd().AddListener(b);
    EXPECT_TRUE(dispatch());
    EXPECT_EQ(calls(), (Calls{"a", "b"})); // b is called even though a consumed the character
    a->result = false;
    EXPECT_FALSE(dispatch());
}

TEST_F(Registries, EmptyRegistryReportsNothingConsumed)
{
    EXPECT_FALSE(dispatch());
    EXPECT_FALSE(ZTViewMsgEventListener::instance().NotifyListeners(nullptr));
    Json::Value v;
    EXPECT_TRUE(ZTUiEventListener::instance().NotifyListeners("Ping", v));
}

TEST_F(Registries, AddingTwiceAndDroppingUnknownListenersIsHarmless)
{
    auto* a = make("a");
    auto* stranger = make("x");
    cmd().AddListener(a);
    cmd().AddListener(a);
    cmd().DropListener(stranger);
    cmd().AddListener(nullptr);
    dispatch();
    EXPECT_EQ(calls(), (Calls{"a"}));
}

TEST_F(Registries, DropAndReAddMovesAListenerToTheEnd)
{
    auto* a = make("a");
    auto* b = make("b");
    cmd().AddListener(a);
    cmd().AddListener(b);
    cmd().DropListener(a);
    cmd().AddListener(a);
    dispatch();
    EXPECT_EQ(calls(), (Calls{"b", "a"}));
}

TEST_F(Registries, ListenerAddedDuringDispatchWaitsForTheNextOne)
{
    auto* a = make("a");
    auto* late = make("late");
    cmd().AddListener(a);
    a->onCall = [&] { cmd().AddListener(late); };
    dispatch();
    EXPECT_EQ(calls(), (Calls{"a"}));
    EXPECT_EQ(cmd().registry().listeners().back(), late);
    a->onCall = nullptr;
    dispatch();
    EXPECT_EQ(calls(), (Calls{"a", "late"}));
}

TEST_F(Registries, AddedAndDroppedInOneDispatchIsNeverRegistered)
{
    auto* a = make("a");
    auto* b = make("b");
    auto* temp = make("temp");
    cmd().AddListener(a);
    cmd().AddListener(b);
    a->onCall = [&] { cmd().AddListener(temp); };
    b->onCall = [&] { cmd().DropListener(temp); };
    dispatch();
    a->onCall = b->onCall = nullptr;
    dispatch();
    EXPECT_EQ(calls(), (Calls{"a", "b", "a", "b"}));
    EXPECT_TRUE(cmd().registry().pending().empty());
}

TEST_F(Registries, AddingTheSameListenerTwiceDuringDispatchRegistersItOnce)
{
    auto* a = make("a");
    auto* late = make("late");
    cmd().AddListener(a);
    a->onCall = [&] {
        cmd().AddListener(late);
        cmd().AddListener(late);
    };
    dispatch();
    a->onCall = nullptr;
    calls();
    dispatch();
    EXPECT_EQ(calls(), (Calls{"a", "late"}));
}

TEST_F(Registries, DroppingALaterListenerPreventsItsCall)
{
    auto* a = make("a");
    auto* b = make("b");
    auto* c = make("c");
    for (auto* l : {a, b, c})
        cmd().AddListener(l);
    a->onCall = [&] { cmd().DropListener(c); };
    dispatch();
    EXPECT_EQ(calls(), (Calls{"a", "b"}));
}

TEST_F(Registries, DroppingAnEarlierListenerLeavesABlankSlotUntilTheNextDispatch)
{
    // The library's own listeners (the tracer's) stand before the test's.
    const std::size_t own = cmd().registry().listeners().size();
    auto* a = make("a");
    auto* b = make("b");
    cmd().AddListener(a);
    cmd().AddListener(b);
    b->onCall = [&] { cmd().DropListener(a); };
    dispatch();
    EXPECT_EQ(calls(), (Calls{"a", "b"}));
    ASSERT_EQ(cmd().registry().listeners().size(), own + 2);
    EXPECT_EQ(cmd().registry().listeners()[own], nullptr);
    b->onCall = nullptr;
    dispatch();
    EXPECT_EQ(calls(), (Calls{"b"}));
    EXPECT_EQ(cmd().registry().listeners().size(), own + 1);
}

TEST_F(Registries, ListenerThatDropsItselfIsNotCalledAgain)
{
    auto* once = make("once");
    auto* b = make("b");
    cmd().AddListener(once);
    cmd().AddListener(b);
    once->onCall = [&] { cmd().DropListener(once); };
    dispatch();
    dispatch();
    EXPECT_EQ(calls(), (Calls{"once", "b", "b"}));
}

TEST_F(Registries, ListenerThatDropsAndReAddsItselfMovesToTheEnd)
{
    auto* a = make("a");
    auto* b = make("b");
    cmd().AddListener(a);
    cmd().AddListener(b);
    a->onCall = [&] {
        cmd().DropListener(a);
        cmd().AddListener(a);
    };
    dispatch();
    EXPECT_EQ(calls(), (Calls{"a", "b"}));
    a->onCall = nullptr;
    dispatch();
    EXPECT_EQ(calls(), (Calls{"b", "a"}));
}

TEST_F(Registries, NestedDispatchCallsEveryoneAndKeepsTheOuterWalkIntact)
{
    auto* a = make("a");
    auto* b = make("b");
    auto* c = make("c");
    auto* late = make("late");
    for (auto* l : {a, b, c})
        cmd().AddListener(l);
    int depth = 0;
    b->onCall = [&] {
        if (depth++ > 0)
            return;
        cmd().DropListener(a); // a blank slot before the outer position
        cmd().AddListener(late);
        dispatch(); // the inner walk must not remove a's slot under the outer walk
        EXPECT_TRUE(cmd().registry().dispatching());
    };
    dispatch();
    // Outer: a, b -> inner: b, c (a dropped, late pending) -> outer continues with c.
    EXPECT_EQ(calls(), (Calls{"a", "b", "b", "c", "c"}));
    EXPECT_FALSE(cmd().registry().dispatching());
    b->onCall = nullptr;
    dispatch();
    EXPECT_EQ(calls(), (Calls{"b", "c", "late"}));
}

TEST_F(Registries, ThrowingListenerDoesNotStopTheDispatch)
{
    auto* a = make("a", true);
    auto* b = make("b");
    auto* late = make("late");
    cmd().AddListener(a);
    cmd().AddListener(b);
    a->onCall = [&] {
        cmd().AddListener(late);
        throw std::runtime_error("bad payload");
    };
    EXPECT_FALSE(dispatch()); // the thrower's result does not count
    EXPECT_EQ(calls(), (Calls{"a", "b"}));
    EXPECT_FALSE(cmd().registry().dispatching());
    EXPECT_EQ(cmd().registry().listeners().back(), late);
}

TEST(UiEventRegistry, FreeFunctionDispatchesToTheSameListeners)
{
    g_calls.clear();
    UiListener a("a"), b("b");
    auto& ui = ZTUiEventListener::instance();
    ui.AddListener(&a);
    ui.AddListener(&b);
    EXPECT_TRUE(NotifyListeners("Ping", Json::Value("1")));
    EXPECT_TRUE(ui.NotifyListeners("ping", Json::Value("2"))); // names are case-sensitive
    EXPECT_TRUE(NotifyListeners(nullptr, Json::Value("3")));
    EXPECT_EQ(g_calls, (Calls{"a:1", "b:1"}));
    ui.DropListener(&a);
    ui.DropListener(&b);
}

TEST(ViewMessageRegistry, EveryListenerSeesTheMessage)
{
    ViewListener consumer(true), watcher(false);
    auto& views = ZTViewMsgEventListener::instance();
    views.AddListener(&consumer);
    views.AddListener(&watcher);
    MSG msg{};
    msg.message = 0x0200;
    EXPECT_TRUE(views.NotifyListeners(&msg));
    EXPECT_EQ(consumer.calls, 1);
    EXPECT_EQ(watcher.calls, 1);
    EXPECT_EQ(watcher.seen, 0x0200u);
    views.DropListener(&consumer);
    EXPECT_FALSE(views.NotifyListeners(&msg));
    views.DropListener(&watcher);
}
