#pragma once
// Reference-counted callables, the only thing that crosses between the host's user-interface
// thread and its work thread. A callable is created holding one reference, which its creator
// drops right after handing it over; the executor holds its own reference while the call is
// queued or running.

#include <atomic>
#include <utility>

namespace zt::host {

template <class Tag>
class BasicCallable
{
public:
    BasicCallable() = default;
    BasicCallable(const BasicCallable&) = delete;
    BasicCallable& operator=(const BasicCallable&) = delete;
    virtual ~BasicCallable() = default;

    virtual long AddRef() { return m_refCount.fetch_add(1, std::memory_order_relaxed) + 1; }
    virtual long Release()
    {
        long left = m_refCount.fetch_sub(1, std::memory_order_acq_rel) - 1;
        if (left == 0)
            delete this;
        return left;
    }
    virtual void operator()() = 0;

private:
    std::atomic<long> m_refCount{1};
};

struct TesselCallableTag;
struct ToolLibraryCallableTag;

} // namespace zt::host

// The host's callable.
using TesselCallableObj = zt::host::BasicCallable<zt::host::TesselCallableTag>;
// The tool library's callable: the same shape, a distinct type.
using CallableObj = zt::host::BasicCallable<zt::host::ToolLibraryCallableTag>;

// A callable around a function object with no bound argument; CallerF<void (*)()> wraps a
// plain function.
template <class F, class Base = TesselCallableObj>
class CallerF : public Base
{
public:
    explicit CallerF(F f) : m_f(std::move(f)) {}
    void operator()() override { m_f(); }

private:
    F m_f;
};

// One bound argument, copied into the callable so that it outlives the caller's frame.
template <class F, class A, class Base = TesselCallableObj>
class CallerFA : public Base
{
public:
    CallerFA(F f, A a) : m_f(std::move(f)), m_a(std::move(a)) {}
    void operator()() override { m_f(m_a); }

private:
    F m_f;
    A m_a;
};

template <class F, class A1, class A2, class Base = TesselCallableObj>
class CallerFAA : public Base
{
public:
    CallerFAA(F f, A1 a1, A2 a2) : m_f(std::move(f)), m_a1(std::move(a1)), m_a2(std::move(a2)) {}
    void operator()() override { m_f(m_a1, m_a2); }

private:
    F m_f;
    A1 m_a1;
    A2 m_a2;
};
