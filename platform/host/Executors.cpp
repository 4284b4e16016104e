#include "platform/host/Executors.h"

#include "platform/base/RefCounted.h"
#include "platform/cad/PlatformWorkQueue.h"
#include "platform/win/Desktop.h"
#include "platform/win/afxwin.h"

#include <cassert>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace zt::host {

namespace {

using Task = std::function<void()>;

class TaskQueue
{
public:
    void Push(Task task)
    {
        {
            std::lock_guard lock(m_mutex);
            m_tasks.push_back(std::move(task));
        }
        m_cv.notify_one();
    }

    bool TryPop(Task& task)
    {
        std::lock_guard lock(m_mutex);
        if (m_tasks.empty())
            return false;
        task = std::move(m_tasks.front());
        m_tasks.pop_front();
        return true;
    }

    // Waits for a task or for Wake; false when woken with nothing to run.
    bool WaitPop(Task& task)
    {
        std::unique_lock lock(m_mutex);
        m_cv.wait(lock, [&] { return !m_tasks.empty() || m_woken; });
        m_woken = false;
        if (m_tasks.empty())
            return false;
        task = std::move(m_tasks.front());
        m_tasks.pop_front();
        return true;
    }

    void Wake()
    {
        {
            std::lock_guard lock(m_mutex);
            m_woken = true;
        }
        m_cv.notify_all();
    }

    // Drops every queued task; their callables are released outside the lock because a
    // callable's destructor may queue again.
    void Clear()
    {
        std::deque<Task> dropped;
        {
            std::lock_guard lock(m_mutex);
            dropped.swap(m_tasks);
            m_woken = false;
        }
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_cv;
    std::deque<Task> m_tasks;
    bool m_woken = false;
};

// Which executor the current thread is running a task for.
thread_local int t_workDepth = 0;
thread_local bool t_isUIThreadOfThreadedMode = false;

void RunGuarded(const Task& task)
{
    // A faulty task must not take its executor down with it; the host reports nothing.
    try {
        task();
    } catch (...) {
    }
}

struct Completion
{
    std::mutex mutex;
    std::condition_variable cv;
    bool done = false;

    void Signal()
    {
        {
            std::lock_guard lock(mutex);
            done = true;
        }
        cv.notify_all();
    }
    void Wait()
    {
        std::unique_lock lock(mutex);
        cv.wait(lock, [&] { return done; });
    }
};

} // namespace

struct Executors::Impl
{
    std::mutex controlMutex;
    std::atomic<ExecutorMode> mode{ExecutorMode::Manual};
    TaskQueue ui;
    TaskQueue work;
    std::thread uiThread;
    std::thread workThread;
    std::atomic<bool> stopping{false};
    std::thread::id manualUIThread = std::this_thread::get_id();
    std::mutex hookMutex;
    std::function<void()> wakeHook;

    std::size_t RunQueue(TaskQueue& queue, bool asWork)
    {
        std::size_t n = 0;
        Task task;
        while (queue.TryPop(task)) {
            if (asWork)
                ++t_workDepth;
            RunGuarded(task);
            if (asWork)
                --t_workDepth;
            task = nullptr;
            ++n;
        }
        return n;
    }

    // The user-interface thread of threaded mode runs the window message loop, which also runs
    // the queued user-interface tasks whenever it would otherwise wait. It owns the desktop:
    // the desktop starts on it and its windows are destroyed when it ends.
    void UILoop()
    {
        t_isUIThreadOfThreadedMode = true;
        zt::win::Desktop::UseRealClock(true);
        MSG msg;
        while (!stopping.load()) {
            BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
            if (got == FALSE || got == -1)
                continue; // WM_QUIT ends the loop only when the executors stop
            CWinThread* thread = AfxGetThread();
            BOOL eaten = thread ? thread->PreTranslateMessage(&msg)
                                : CWnd::WalkPreTranslateTree(nullptr, &msg);
            if (!eaten) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        }
        RunQueue(ui, false);
        zt::win::Desktop::Reset();
    }

    void ThreadLoop(TaskQueue& queue, bool asWork)
    {
        if (asWork)
            ++t_workDepth;
        else
            t_isUIThreadOfThreadedMode = true;
        Task task;
        while (!stopping.load()) {
            if (queue.WaitPop(task)) {
                RunGuarded(task);
                task = nullptr;
            }
        }
    }

    void StopThreads()
    {
        stopping = true;
        ui.Wake();
        work.Wake();
        if (uiThread.joinable())
            zt::win::Desktop::PostQuitToUIThread(0);
        if (uiThread.joinable())
            uiThread.join();
        if (workThread.joinable())
            workThread.join();
        stopping = false;
        ui.Clear();
        work.Clear();
    }
};

Executors& Executors::Get()
{
    static Executors executors;
    return executors;
}

Executors::Executors() : m_impl(std::make_unique<Impl>())
{
    // The message loop of the user-interface thread runs its queued tasks: in manual mode a
    // pump runs both queues, as the test thread is both threads; in threaded mode the UI
    // thread's loop runs its own queue and is woken when work arrives.
    zt::win::Desktop::SetTaskRunner([] {
        Executors& e = Executors::Get();
        return e.Mode() == ExecutorMode::Manual ? e.PumpAll() : e.RunUIPending();
    });
    SetUIWakeHook([] { zt::win::Desktop::Wake(); });
    // The platform's own work (redrawing views after elements changed) runs on the work
    // thread too.
    PlatformWorkQueue::SetPoster(
        [](PlatformWorkQueue::Task task) { Executors::Get().PostToWork(std::move(task)); });
}

Executors::~Executors()
{
    PlatformWorkQueue::SetPoster(nullptr);
    m_impl->StopThreads();
}

void Executors::Start(ExecutorMode mode)
{
    std::lock_guard lock(m_impl->controlMutex);
    assert(!IsWorkThread() && !t_isUIThreadOfThreadedMode &&
           "executors restarted from their own thread");
    m_impl->StopThreads();
    m_impl->mode = mode;
    if (mode == ExecutorMode::Threaded) {
        // The desktop moves to the new user-interface thread.
        zt::win::Desktop::Reset();
        m_impl->uiThread = std::thread([this] { m_impl->UILoop(); });
        m_impl->workThread = std::thread([this] { m_impl->ThreadLoop(m_impl->work, true); });
    } else {
        m_impl->manualUIThread = std::this_thread::get_id();
    }
}

void Executors::Stop()
{
    Start(ExecutorMode::Manual);
}

ExecutorMode Executors::Mode() const
{
    return m_impl->mode;
}

bool Executors::IsUIThread() const
{
    if (m_impl->mode == ExecutorMode::Threaded)
        return t_isUIThreadOfThreadedMode;
    return std::this_thread::get_id() == m_impl->manualUIThread;
}

bool Executors::IsWorkThread() const
{
    return t_workDepth > 0;
}

void Executors::RunOnWork(std::function<void()> task)
{
    if (!task)
        return;
    if (IsWorkThread()) {
        RunGuarded(task);
        return;
    }
    if (m_impl->mode == ExecutorMode::Manual) {
        // Serialised: whatever was queued before runs first, then this task.
        auto done = std::make_shared<bool>(false);
        m_impl->work.Push([task = std::move(task), done] {
            RunGuarded(task);
            *done = true;
        });
        Task next;
        while (!*done && m_impl->work.TryPop(next)) {
            ++t_workDepth;
            RunGuarded(next);
            --t_workDepth;
            next = nullptr;
        }
        return;
    }
    auto completion = std::make_shared<Completion>();
    m_impl->work.Push([task = std::move(task), completion] {
        RunGuarded(task);
        completion->Signal();
    });
    completion->Wait();
}

void Executors::PostToWork(std::function<void()> task)
{
    if (task)
        m_impl->work.Push(std::move(task));
}

void Executors::PostToUI(std::function<void()> task)
{
    if (!task)
        return;
    m_impl->ui.Push(std::move(task));
    std::function<void()> hook;
    {
        std::lock_guard lock(m_impl->hookMutex);
        hook = m_impl->wakeHook;
    }
    if (hook)
        hook();
}

std::size_t Executors::PumpUI()
{
    if (m_impl->mode != ExecutorMode::Manual)
        return 0;
    return m_impl->RunQueue(m_impl->ui, false);
}

std::size_t Executors::PumpWork()
{
    if (m_impl->mode != ExecutorMode::Manual)
        return 0;
    return m_impl->RunQueue(m_impl->work, true);
}

std::size_t Executors::PumpAll()
{
    std::size_t total = 0;
    for (;;) {
        std::size_t n = PumpWork();
        n += PumpUI();
        if (n == 0)
            return total;
        total += n;
    }
}

void Executors::RunOnUIAndWait(const std::function<void()>& fn)
{
    if (!fn)
        return;
    if (m_impl->mode == ExecutorMode::Manual || IsUIThread()) {
        RunGuarded(fn);
        return;
    }
    auto completion = std::make_shared<Completion>();
    PostToUI([&fn, completion] {
        RunGuarded(fn);
        completion->Signal();
    });
    completion->Wait();
}

void Executors::SetUIWakeHook(std::function<void()> hook)
{
    std::lock_guard lock(m_impl->hookMutex);
    m_impl->wakeHook = std::move(hook);
}

std::size_t Executors::RunUIPending()
{
    return m_impl->RunQueue(m_impl->ui, false);
}

} // namespace zt::host

namespace {

template <class C>
std::function<void()> Invoker(C* callable)
{
    // The task's own reference; it is dropped when the task has run or is discarded.
    return [ref = RefCountedPtr<C>(callable)] { (*ref)(); };
}

} // namespace

void TesselFuncCall::ToCallOnWorkTread(TesselCallableObj* callable)
{
    if (callable)
        zt::host::Executors::Get().RunOnWork(Invoker(callable));
}

void TesselFuncCall::ToCallOnUITread(TesselCallableObj* callable)
{
    if (callable)
        zt::host::Executors::Get().PostToUI(Invoker(callable));
}

void FuncCall::ToCallOnWorkTread(CallableObj* callable)
{
    if (callable)
        zt::host::Executors::Get().RunOnWork(Invoker(callable));
}

void FuncCall::ToCallOnUITread(CallableObj* callable)
{
    if (callable)
        zt::host::Executors::Get().PostToUI(Invoker(callable));
}
