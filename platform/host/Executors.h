#pragma once
// The host's two serialised executors: the user-interface thread, which owns every window,
// and the work thread, which runs tools and touches elements and views.
//
// Threaded mode runs two real threads. Manual mode (the default, for tests) runs nothing by
// itself: the thread that first used the executors is the user-interface thread, and it pumps
// both queues with PumpUI/PumpWork/PumpAll. In both modes a call handed to the work thread
// returns only after it has run, and work handed to the user-interface thread is queued.

#include "platform/host/Callable.h"

#include <cstddef>
#include <functional>
#include <memory>

namespace zt::host {

enum class ExecutorMode
{
    Manual,
    Threaded,
};

class Executors
{
public:
    static Executors& Get();

    // Switches mode. Anything still queued is released without running. In threaded mode the
    // calling thread is no longer the user-interface thread: code that must run there goes
    // through RunOnUIAndWait.
    void Start(ExecutorMode mode);
    // Ends the threads (if any) and returns to manual mode.
    void Stop();
    ExecutorMode Mode() const;

    // Runs the task on the work thread and returns when it has run. From the work thread
    // itself the task runs at once, in place.
    void RunOnWork(std::function<void()> task);
    // Queues the task for the work thread.
    void PostToWork(std::function<void()> task);
    // Queues the task for the user-interface thread.
    void PostToUI(std::function<void()> task);

    bool IsUIThread() const;
    bool IsWorkThread() const;

    // Manual mode: run what is queued, including what the tasks queue as they run. Each
    // returns the number of tasks run. Outside manual mode they do nothing.
    std::size_t PumpUI();
    std::size_t PumpWork();
    std::size_t PumpAll();

    // Threaded mode: runs fn on the user-interface thread and waits for it; in manual mode
    // runs it here.
    void RunOnUIAndWait(const std::function<void()>& fn);

    // Called whenever work is queued for the user-interface thread, so that a message loop
    // waiting for window input can wake up and run it (RunUIPending).
    void SetUIWakeHook(std::function<void()> hook);
    // Runs what is queued for the user-interface thread; for message loops on that thread.
    std::size_t RunUIPending();

    Executors(const Executors&) = delete;
    Executors& operator=(const Executors&) = delete;

private:
    Executors();
    ~Executors();

    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace zt::host

// The host's thread crossings. Each takes its own reference to the callable; the caller keeps
// (and later drops) the one it created.
class TesselFuncCall
{
public:
    static void ToCallOnWorkTread(TesselCallableObj* callable);
    static void ToCallOnUITread(TesselCallableObj* callable);
};

// The same crossings through the tool library.
class FuncCall
{
public:
    static void ToCallOnWorkTread(CallableObj* callable);
    static void ToCallOnUITread(CallableObj* callable);
};
