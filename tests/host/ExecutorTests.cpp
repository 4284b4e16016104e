#include "platform/host/Executors.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

using zt::host::ExecutorMode;
using zt::host::Executors;

namespace {

// Counts how often it ran and was destroyed; the test checks both after the executor is done.
struct Probe : TesselCallableObj
{
    Probe(std::atomic<int>& runs, std::atomic<int>& destroyed, std::function<void()> body = {})
        : m_runs(runs), m_destroyed(destroyed), m_body(std::move(body))
    {}
    ~Probe() override { ++m_destroyed; }
    void operator()() override
    {
        ++m_runs;
        if (m_body)
            m_body();
    }
    std::atomic<int>& m_runs;
    std::atomic<int>& m_destroyed;
    std::function<void()> m_body;
};

class ManualExecutors : public testing::Test
{
protected:
    void SetUp() override { Executors::Get().Start(ExecutorMode::Manual); }
    void TearDown() override { Executors::Get().Stop(); }
};

class ThreadedExecutors : public testing::Test
{
protected:
    void SetUp() override { Executors::Get().Start(ExecutorMode::Threaded); }
    void TearDown() override { Executors::Get().Stop(); }
};

} // namespace

TEST_F(ManualExecutors, WorkCallReturnsAfterItRanAndEarlierWorkRunsFirst)
{
    std::vector<int> order;
    Executors::Get().PostToWork([&] { order.push_back(1); });
    Executors::Get().RunOnWork([&] {
        order.push_back(2);
        EXPECT_TRUE(Executors::Get().IsWorkThread());
    });
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
    EXPECT_FALSE(Executors::Get().IsWorkThread());
    EXPECT_TRUE(Executors::Get().IsUIThread());
}

TEST_F(ManualExecutors, UICallsWaitForThePump)
{
    std::vector<int> order;
    Executors::Get().PostToUI([&] { order.push_back(1); });
    Executors::Get().PostToUI([&] {
        order.push_back(2);
        Executors::Get().PostToUI([&] { order.push_back(3); }); // queued from a UI call
    });
    EXPECT_TRUE(order.empty());
    EXPECT_EQ(Executors::Get().PumpUI(), 3u);
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
}

TEST_F(ManualExecutors, WorkCalledFromWorkRunsInPlace)
{
    std::vector<int> order;
    Executors::Get().RunOnWork([&] {
        order.push_back(1);
        Executors::Get().RunOnWork([&] { order.push_back(2); });
        order.push_back(3);
    });
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
}

TEST_F(ManualExecutors, CallablesAreReleasedExactlyOnce)
{
    std::atomic<int> runs{0}, destroyed{0};
    auto* work = new Probe(runs, destroyed);
    TesselFuncCall::ToCallOnWorkTread(work);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(destroyed, 0); // the creator still holds its reference
    work->Release();
    EXPECT_EQ(destroyed, 1);

    auto* ui = new Probe(runs, destroyed);
    TesselFuncCall::ToCallOnUITread(ui);
    ui->Release(); // the creator lets go before the call has run
    EXPECT_EQ(destroyed, 1);
    Executors::Get().PumpUI();
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(destroyed, 2);
}

TEST_F(ManualExecutors, QueuedCallablesAreReleasedUnrunWhenTheExecutorsStop)
{
    std::atomic<int> runs{0}, destroyed{0};
    auto* ui = new Probe(runs, destroyed);
    TesselFuncCall::ToCallOnUITread(ui);
    ui->Release();
    Executors::Get().Stop();
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(destroyed, 1);
}

TEST_F(ManualExecutors, ToolLibraryCrossingsBehaveAlike)
{
    int value = 0;
    auto* c =
        new CallerFA<std::function<void(int)>, int, CallableObj>([&](int v) { value = v; }, 7);
    FuncCall::ToCallOnWorkTread(c);
    c->Release();
    EXPECT_EQ(value, 7);

    std::wstring joined;
    auto join = [&](const std::vector<std::wstring>& parts, const std::wstring& sep) {
        for (auto& p : parts)
            joined += p + sep;
    };
    auto* d = new CallerFAA<decltype(join), std::vector<std::wstring>, std::wstring>(
        join, {L"墙", L"板"}, L";");
    TesselFuncCall::ToCallOnUITread(d);
    d->Release();
    Executors::Get().PumpAll();
    EXPECT_EQ(joined, L"墙;板;");
}

TEST_F(ManualExecutors, ThrowingTaskDoesNotStopTheQueue)
{
    int ran = 0;
    Executors::Get().PostToUI([] { throw std::runtime_error("fault"); });
    Executors::Get().PostToUI([&] { ++ran; });
    Executors::Get().PumpUI();
    EXPECT_EQ(ran, 1);
}

TEST_F(ThreadedExecutors, WorkRunsOnTheWorkThreadAndTheCallerSeesItsResult)
{
    std::thread::id workThread;
    int result = 0;
    Executors::Get().RunOnWork([&] {
        workThread = std::this_thread::get_id();
        result = 42;
    });
    EXPECT_EQ(result, 42);
    EXPECT_NE(workThread, std::this_thread::get_id());
    EXPECT_NE(workThread, std::thread::id());
}

TEST_F(ThreadedExecutors, EachExecutorRunsInOrderOnOneThread)
{
    std::mutex m;
    std::vector<int> order;
    std::vector<std::thread::id> threads;
    for (int i = 0; i < 50; ++i) {
        Executors::Get().PostToUI([&, i] {
            std::lock_guard lock(m);
            order.push_back(i);
            threads.push_back(std::this_thread::get_id());
        });
    }
    Executors::Get().RunOnUIAndWait([] {}); // the UI queue is serial: everything before has run
    std::lock_guard lock(m);
    ASSERT_EQ(order.size(), 50u);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(order[i], i);
    EXPECT_TRUE(
        std::all_of(threads.begin(), threads.end(), [&](auto t) { return t == threads[0]; }));
}

TEST_F(ThreadedExecutors, WorkCalledFromTheWorkThreadDoesNotDeadlock)
{
    int depth = 0;
    Executors::Get().RunOnWork([&] {
        Executors::Get().RunOnWork([&] { depth = 2; });
        EXPECT_EQ(depth, 2);
    });
    EXPECT_EQ(depth, 2);
}

TEST_F(ThreadedExecutors, WorkPostingToUIWhileUIWaitsOnWorkDoesNotDeadlock)
{
    std::atomic<int> uiRuns{0};
    std::atomic<bool> done{false};
    Executors::Get().RunOnUIAndWait([&] {
        EXPECT_TRUE(Executors::Get().IsUIThread());
        // The UI thread blocks on work; the work hands something back to the UI thread.
        Executors::Get().RunOnWork([&] {
            Executors::Get().PostToUI([&] { ++uiRuns; });
            done = true;
        });
        EXPECT_TRUE(done);
        EXPECT_EQ(uiRuns, 0); // still queued behind this very call
    });
    Executors::Get().RunOnUIAndWait([] {});
    EXPECT_EQ(uiRuns, 1);
}

TEST_F(ThreadedExecutors, CallablesFromManyThreadsAreReleasedExactlyOnce)
{
    std::atomic<int> runs{0}, destroyed{0};
    std::vector<std::thread> callers;
    for (int t = 0; t < 4; ++t) {
        callers.emplace_back([&] {
            for (int i = 0; i < 100; ++i) {
                auto* w = new Probe(runs, destroyed);
                TesselFuncCall::ToCallOnWorkTread(w);
                w->Release();
                auto* u = new Probe(runs, destroyed);
                TesselFuncCall::ToCallOnUITread(u);
                u->Release();
            }
        });
    }
    for (auto& c : callers)
        c.join();
    Executors::Get().RunOnUIAndWait([] {});
    EXPECT_EQ(runs, 800);
    EXPECT_EQ(destroyed, 800);
}
